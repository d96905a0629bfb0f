#include "design/noegletal.h"

#include <algorithm>
#include <cmath>

#include "calculation/tvaersnit_byg.h"
#include "project/antalfag.h"
#include "project/feltregler.h"
#include "calculation/beregning.h"
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
  void Fejl(const std::string& t) override { Gem(t); }
  void Advarsel(const std::string& t) override { Gem(t); }
  void Besked(const std::string& t) override { Gem(t); }
  void Information(const std::string& t) override { Gem(t); }
  bool InformationOkAnnuller(const std::string& t) override {
    Gem(t);
    return false;
  }
  void FejlDialog(const std::string& t) override { Gem(t); }
  bool FejlDialogOkAnnuller(const std::string& t) override {
    Gem(t);
    return false;
  }
  bool JaNej(const std::string& t) override {
    Gem(t);
    return false;
  }
  void Bip() override {}
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }

 private:
  void Gem(const std::string& t) {
    if (Foerste.empty()) Foerste = t;
  }
};

// The field a broken rule's message belongs to.
std::optional<TKontrol> FeltForBesked(const std::string& besked) {
  if (besked == BeskedGavlReduceret) return TKontrol::EditGavlRammeAfst;
  if (besked == BeskedCharnForskRamme || besked == BeskedCharnForskGavl)
    return TKontrol::EditCharnForsk;
  for (const TTalFelt& f : TalFelter())
    if (besked == f.besked) return f.kontrol;
  return std::nullopt;
}

}  // namespace

std::optional<TNoegletalResultat> AfvisInddata(const Inddata& ind) {
  TNoegletalResultat r;
  r.Udfald = TNoegletalUdfald::Afvist;
  if (auto brud = FoersteBrudteRegel(ind)) {
    r.Besked = std::move(*brud);
    r.Felt = FeltForBesked(r.Besked);
    return r;
  }
  if (ind.AntalFag > MaksFagIBeregning) {
    r.Besked = TekstForMangeFag;
    r.Felt = TKontrol::EditAntalFag;
    return r;
  }
  return std::nullopt;
}

TNoegletalResultat BeregnNoegletal(const Inddata& indtastet) {
  if (auto afvist = AfvisInddata(indtastet)) return std::move(*afvist);

  // The normal extent: the detailed one only adds text nobody reads here.
  Inddata ind = indtastet;
  ind.RappOmfang = 0;
  TSupplData sd;
  BestemTvaersnit(ind, sd);
  TTavsDialog dlg;
  TBeregning ber;
  const TBeregningsUdfald u =
      BeregnAlleTilfaelde(ber, ind, sd, dlg, TKoerselsOmfang{false, false});

  TNoegletalResultat r;
  if (u != TBeregningsUdfald::Gennemfoert) {
    r.Udfald = u == TBeregningsUdfald::Afvist ? TNoegletalUdfald::Afvist
                                               : TNoegletalUdfald::Afbrudt;
    r.Besked = dlg.Foerste;
    return r;
  }

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
