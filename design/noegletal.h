#pragma once
// The three governing figures of a whole project and their verdicts, from a
// lean calculation: normal extent, no case headings, no rankings, no report.
// The design aids call it thousands of times, and the window's live-verdict
// strip after every accepted change. The figures and verdicts are exactly
// those of the report's summary.
#include <cstddef>
#include <optional>
#include <string>

#include "calculation/brandkontrol.h"
#include "calculation/supplerende.h"
#include "calculation/beslagskift.h"
#include "project/inddata.h"
#include "project/inddataside.h"

namespace kvistor {

struct TNoegletal {
  // As the summary shows them: ratios rounded to hundredths (1.0 = 100 %).
  double UGTvaersnit = 0;    // largest bending or shear utilisation
  double UGBeslag = 0;       // largest Gerber-joint utilisation
  int LuMindst = 1000000;    // smallest L/u for dead load or snow
  // The same largest utilisations before rounding, for searches that must
  // tell two variants apart within a hundredth.
  double UGTvaersnitUafrundet = 0;
  double UGBeslagUafrundet = 0;
  // The verdicts; false raises the window's red note.
  bool AasOk = false;
  bool SamlingOk = false;   // false also when the hanger takes nothing of a force
  bool NedbojningOk = false;
  bool AlleOk() const { return AasOk && SamlingOk && NedbojningOk; }
  // The anchoring forces as the summary gives them, kN: upward pull and
  // lateral force at the frames, tension and compression at the gable
  // frames (the summary shows the gable block only under tension).
  double Traek = 0;
  double Tvaerkraft = 0;
  double GavlTraek = 0;
  double GavlTryk = 0;
};

enum class TNoegletalUdfald {
  Beregnet,  // the figures are there
  Afvist,    // a field rule is broken, or the calculation refused to start
  Afbrudt,   // the calculation stopped on an internal inconsistency
};

// How a lean calculation ended.
struct TNoegletalStatus {
  TNoegletalUdfald Udfald = TNoegletalUdfald::Afvist;
  // Refused or stopped: the first message the calculation would have shown
  // (for a broken field rule the rule's own message).
  std::string Besked;
  // A broken field rule: the field that blocks the calculation.
  std::optional<TKontrol> Felt;
  bool Beregnet() const { return Udfald == TNoegletalUdfald::Beregnet; }
};

struct TNoegletalResultat : TNoegletalStatus {
  TNoegletal Tal;
};

// Checks the field rules (the check that guards every calculation), builds
// the working record and runs every load case in the normal extent. Shows
// nothing: messages end up in Besked. Safe to call from several threads at
// once on different records. With `beslagGrundlag` a run that went through
// also hands back what the joint check of another hanger needs.
TNoegletalResultat BeregnNoegletal(const Inddata& ind, TBeslagGrundlag* beslagGrundlag = nullptr);

// The figures of the same project with hanger `beslag` instead, from the
// hanger basis of its run: the same numbers to the bit as a run of its own,
// without solving the chain again. nullopt when that run would have
// stopped on numbers too large to show, or the hanger is no catalogue row.
std::optional<TNoegletal> NoegletalMedBeslag(const TNoegletal& tal, const TBeslagGrundlag& grundlag,
                                             int beslag);

// A project's figures with each hanger of a list. The statics are no
// hanger's own, so one run with the first serves them all: the others get
// the joint check again from its basis (NoegletalMedBeslag), and a run of
// their own only where the numbers grow too large for that. Every whole
// calculation made is counted in `beregninger`.
class TNoegletalPerBeslag {
 public:
  // Runs `ind` with hanger `foerste`.
  TNoegletalPerBeslag(Inddata ind, int foerste, std::size_t& beregninger);
  // The run with the first hanger; ask Med only when it went through.
  const TNoegletalResultat& Foerste() const { return foerste_; }
  // The figures with hanger `beslag`; nullopt when its own run was needed
  // and was refused or stopped.
  std::optional<TNoegletal> Med(int beslag);

 private:
  Inddata ind_;
  TBeslagGrundlag grundlag_;
  TNoegletalResultat foerste_;
  std::size_t& beregninger_;
};

// The same figures of the stricter check ("Skærpet kontrol": shear with the
// crack factor 0,67, qki with kp = 3,5), as the stricter report's summary
// has them.
TNoegletalResultat BeregnSkaerpetNoegletal(const Inddata& ind);

// The field rules and the bay limit alone, as BeregnNoegletal checks them
// first: nothing when a calculation may start, else the refusal.
std::optional<TNoegletalResultat> AfvisInddata(const Inddata& ind);

// The fire check of a record for a required resistance (minutes) with fire
// on `sider` sides, without any text: the verdict, the achieved minutes and
// the governing utilisations in Brand. Refused as BeregnNoegletal is.
struct TBrandNoegletal : TNoegletalStatus {
  TBrandResultat Brand;
  bool KravOpfyldt() const { return Beregnet() && Brand.KravOpfyldt(); }
};
TBrandNoegletal BeregnBrandNoegletal(const Inddata& ind, int minutter, int sider);

// What the documents, the exports, the window's strip and the design aids
// need of the supplementary checks, without report text: the stricter
// check's figures, verdicts and anchoring forces when valg.Skaerpet, and the
// fire check when valg.BrandMinutter > 0. Safe to call from several threads.
struct TSupplerendeNoegletal {
  std::optional<TNoegletalResultat> Skaerpet;
  std::optional<TBrandNoegletal> Brand;
  // Every check asked for was computed and passes.
  bool AlleOk() const;
};
TSupplerendeNoegletal BeregnSupplerendeNoegletal(const Inddata& ind, const TSupplerendeValg& valg);

}  // namespace kvistor
