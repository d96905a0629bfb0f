#pragma once
// The figures of one project that the result tables carry, gathered once
// from one calculation run along the report's own road: the summary's
// numbers and verdicts (SamlResume, BestemNoter), the detailed table's
// governing values per bay type, every computed case, and the force curves
// of the cases that govern bending. A project that is refused, stopped or
// cannot be read keeps its place with the reason.
#include <array>
#include <string>
#include <vector>

#include "common/dialog.h"
#include "calculation/kraftkurver.h"
#include "design/noegletal.h"
#include "project/inddata.h"
#include "purlin/tilfaelde.h"
#include "report/resume.h"

namespace kvistor {

enum class TTabelUdfald {
  Beregnet,  // every figure below is there
  Afvist,    // the input was refused (a broken rule, no hardware, a damaged file)
  Afbrudt,   // the calculation stopped on an internal inconsistency
  Fejl,      // the file could not be read
};

// "Beregnet", "Afvist", "Afbrudt", "Fejl".
std::string UdfaldTekst(TTabelUdfald u);

// Who governs a value: the report's "lastkomb./lasttilf./ås", "3/b/2"
// (load combination 1 has one case only, so its letter reads "-" where the
// report writes it so).
struct TDimGivende {
  int LK = 0;
  std::string LT;
  int Aas = 0;
  std::string Tekst() const;  // "3/b/2", empty when nothing governs
};

// One bay type's column of the detailed results table.
struct TFagtypeTal {
  double UGBoej = 0, UGForsk = 0, UGBeslag = 0;  // ratios, the governing case's own
  TDimGivende BoejGiv, ForskGiv, BeslagGiv;
  bool BeslagUdenBaereevne = false;  // the hanger takes nothing of a force
  double RzTraek = 0;  // kN, negative reaction (pull); 0 where there is none
  double RzTryk = 0;   // kN
  double Ry = 0;       // kN
  TDimGivende TraekGiv, TrykGiv, RyGiv;
  double L = 0;  // m, reference length
  double uEgen = 0, uSne = 0, uPunkt = 0;  // mm
  int LuEgen = 0, LuSne = 0, LuPunkt = 0;
  double wEgen = 0, wSne = 0;  // mm
  int LwEgen = 0, LwSne = 0;
};

// One computed load case. Lu[t] is the case's own L/u (load combinations 10
// to 12), 0 otherwise.
struct TTilfaeldeTal {
  int Aas = 0;
  int LK = 0;
  char LT = 'a';
  std::array<TFagResultat, 4> FagRes{};
  std::array<int, 4> Lu{};
};

struct TTabelProjekt {
  std::string Fil;
  TTabelUdfald Udfald = TTabelUdfald::Fejl;
  std::string Aarsag;  // the first message of a refusal or a stop

  // Known whenever the file could be read.
  bool Laest = false;
  std::string Projektnavn, Bygningsdel, Styrkeklasse, Beslag;
  double AaseBredde = 0, AaseHojde = 0;  // mm

  // Only when Beregnet.
  TResume Resume;
  TAdvarselsnoter Noter;
  std::array<TFagtypeTal, 4> Fag{};  // bay types 1..3, entry 0 unused
  std::vector<TTilfaeldeTal> Tilfaelde;
  std::vector<TKraftkurve> Kurver;                 // the cases governing bending
  std::vector<std::vector<int>> KurveFagtyper;     // the bay types each of them governs
  // The supplementary checks the project asks for (its lines
  // SkaerpetKontrol, Brandmodstand and BrandSider).
  TSupplerendeNoegletal Supplerende;
};

// "Kort endefag", "Mellemfag", "Langt endefag".
std::string FagtypeNavn(int t);

// Computes the project as the report does (field rules first, then the
// working record and the whole run) and gathers its figures. Messages go
// through `dialog` as well as into Aarsag.
TTabelProjekt BeregnTabelProjekt(const std::string& fil, const Inddata& ind,
                                 TBrugerDialog& dialog);

// A project that was never computed: its row says why. With `ind` the read
// record's names are kept.
TTabelProjekt IkkeBeregnetProjekt(const std::string& fil, TTabelUdfald udfald,
                                  const std::string& aarsag, const Inddata* ind = nullptr);

}  // namespace kvistor
