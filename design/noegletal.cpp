#include "design/noegletal.h"

#include <algorithm>
#include <cmath>

#include "calculation/beregning.h"
#include "calculation/projektberegning.h"
#include "project/feltregler.h"
#include "purlin/lastkombinationsarter.h"
#include "report/resume.h"
#include "report/visresultat.h"

namespace kvistor {

namespace {

// Keeps the first message and answers every question with Cancel, as the
// command line does: a calculation asks only after an inconsistency, and a
// search must not go on with numbers nobody has looked at.
class TTavsDialog : public TBrugerDialog {
 public:
  std::string Foerste;
  TSvar Meddel(TBeskedArt art, const std::string&, const std::string& t,
               TKnapper knapper) override {
    if (art != TBeskedArt::Bip && Foerste.empty()) Foerste = t;
    return SikkertSvar(knapper);
  }
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }
};

}  // namespace

std::optional<TNoegletalResultat> AfvisInddata(const Inddata& ind) {
  auto brud = FoersteBrudteRegel(ind);
  if (!brud) return std::nullopt;
  TNoegletalResultat r;
  r.Udfald = TNoegletalUdfald::Afvist;
  r.Besked = std::move(brud->Besked);
  r.Felt = brud->Felt;
  return r;
}

TNoegletalResultat BeregnNoegletal(const Inddata& indtastet) {
  // The normal extent: the detailed one only adds text nobody reads here.
  Inddata ind = indtastet;
  ind.RappOmfang = 0;
  TTavsDialog dlg;
  TProjektberegning k;
  const TBeregningsUdfald u = BeregnProjekt(k, ind, dlg, {TKoerselsOmfang{false, false}});

  TNoegletalResultat r;
  if (u != TBeregningsUdfald::Gennemfoert) {
    r.Udfald = u == TBeregningsUdfald::Afvist ? TNoegletalUdfald::Afvist
                                               : TNoegletalUdfald::Afbrudt;
    r.Besked = dlg.Foerste;
    if (k.Brud) r.Felt = k.Brud->Felt;
    return r;
  }
  const TBeregning& ber = k.Beregning;

  // The heads of the rankings, without building them: the largest rounded
  // value of each quantity over the ultimate cases.
  TNoegletal& n = r.Tal;
  n.UGTvaersnitUafrundet = n.UGBeslagUafrundet = -HUGE_VAL;
  for (const TTilfaelde& c : ber.Tilfaelde) {
    if (!ErBrudLK(c.LK)) continue;
    for (int t = 1; t <= 3; ++t) {
      const TFagResultat& f = c.FagRes[t];
      n.UGTvaersnit = std::max({n.UGTvaersnit, RangeringsVaerdi(f, RangUGBoej),
                                RangeringsVaerdi(f, RangUGForsk)});
      n.UGBeslag = std::max(n.UGBeslag, RangeringsVaerdi(f, RangUGBeslag));
      n.UGTvaersnitUafrundet = std::max({n.UGTvaersnitUafrundet, f.UGBoej, f.UGForsk});
      n.UGBeslagUafrundet = std::max(n.UGBeslagUafrundet, f.UGBeslag);
    }
  }
  for (int t = 1; t <= 3; ++t)
    for (int k = 0; k <= 1; ++k) n.LuMindst = std::min<int>(n.LuMindst, ber.LuForhold[t][k]);

  // The summary's own thresholds.
  const TAdvarselsnoter noter = BestemNoter(n.UGTvaersnit, n.UGBeslag, n.LuMindst);
  n.AasOk = !noter.Aas;
  n.SamlingOk = !noter.Samling;
  n.NedbojningOk = !noter.Nedbojn;
  r.Udfald = TNoegletalUdfald::Beregnet;
  return r;
}

}  // namespace kvistor
