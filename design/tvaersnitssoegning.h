#pragma once
// "Find billigste tværsnit": every standard depth and width of the strength
// class (or of every class), each with the first hanger in the hardware
// list's order whose joint passes, computed as a whole project with the
// project's own hinge offset; the variants that pass all three verdicts
// ranked by price per metre (price per m³ × area), then by area, then by
// depth.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calculation/supplerende.h"
#include "design/noegletal.h"
#include "design/parallel.h"
#include "design/priser.h"
#include "project/inddata.h"

namespace kvistor {

struct TTvaersnitsVariant {
  int StyrkeKlasse = 0;
  double Hoejde = 0;  // mm
  double Bredde = 0;  // mm
  int Beslag = -1;    // hardware catalogue row
  TNoegletal Tal;
  double Pris = 0;    // relative price per metre (PrisPrMeter)
  bool SupplerendeOk = true;  // the supplementary check, when one was asked for
  double Areal() const { return Hoejde * Bredde; }
  bool Bestaar() const { return Tal.AlleOk() && SupplerendeOk; }
};

// The order of the tables: cheaper first, then the smaller area, then the
// shallower section. Equal on all three: neither comes first.
bool BilligereTvaersnit(double prisA, double arealA, double hoejdeA, double prisB, double arealB,
                        double hoejdeB);

// A check a variant must pass besides the three verdicts: the supplementary
// checks (stricter rules, fire) when the engineer asks for them. It gets the
// project as the variant would make it. Empty: none.
using TSupplerendeKontrol = std::function<bool(const Inddata&)>;

// Nothing asked beyond the three verdicts.
inline constexpr TSupplerendeValg IngenSupplerende{false, 0, 3};
// The check of what `valg` asks for: the stricter check's three verdicts and
// the fire requirement, each computed on the variant's own record. Empty
// when it asks for nothing.
TSupplerendeKontrol SupplerendeKontrol(const TSupplerendeValg& valg);
// What the tables' head says of it: "Varianterne skal også bestå skærpet
// kontrol og brandmodstand R30 (3 sider)."; empty when nothing is asked.
std::string SupplerendeKravTekst(const TSupplerendeValg& valg);

struct TTvaersnitsValg {
  bool AlleKlasser = false;
  TPrisTabel Priser = StandardPriser;
  TSupplerendeValg Supplerende = IngenSupplerende;
};

struct TTvaersnitsSoegning {
  std::vector<TTvaersnitsVariant> Bestaaede;  // best first
  std::size_t AntalProevede = 0;  // sections tried
  std::size_t AntalDumpede = 0;   // computed, but some verdict fails with every hanger
  std::size_t AntalSprunget = 0;  // no hanger fits, refused or stopped calculation
  std::size_t AntalBeregninger = 0;  // whole calculations made
  bool Annulleret = false;        // stopped by the caller; the counts are partial
};

// The sections tried, in the order of the lists: class by class, depth by
// depth, width by width.
struct TTvaersnit {
  int StyrkeKlasse;
  double Hoejde, Bredde;
};
std::vector<TTvaersnit> StandardTvaersnit(int styrkeKlasse, bool alleKlasser);

// One section of the project: the first hanger the list offers whose joint
// passes (and the supplementary check, when given), else the first hanger
// (the variant then fails). nullopt when no hanger fits the section or the
// calculation is refused or stops. One calculation serves every hanger.
struct TTvaersnitsProeve {
  std::optional<TTvaersnitsVariant> Variant;
  std::size_t Beregninger = 0;
};
TTvaersnitsProeve ProevTvaersnit(const Inddata& ind, const TTvaersnit& t,
                                 const TSupplerendeKontrol& supplerende = {});

// The whole search on the project as entered (section and hanger of the
// record are ignored).
TTvaersnitsSoegning FindMindsteTvaersnit(const Inddata& ind, const TTvaersnitsValg& valg,
                                          const TSoegeStyring& styring = {});
inline TTvaersnitsSoegning FindMindsteTvaersnit(const Inddata& ind, bool alleKlasser,
                                                 const TSoegeStyring& styring = {}) {
  TTvaersnitsValg valg;
  valg.AlleKlasser = alleKlasser;
  return FindMindsteTvaersnit(ind, valg, styring);
}

}  // namespace kvistor
