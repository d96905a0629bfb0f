#include "design/noegletal.h"

#include <algorithm>
#include <array>
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

namespace {

// The head of one ranking without building it: the first case with the
// largest rounded value, as the stable ranking puts it first.
struct THoved {
  double Vaerdi = -HUGE_VAL;
  const TTilfaelde* Tilfaelde = nullptr;
  void Se(const TTilfaelde& c, int t, int q) {
    const double v = RangeringsVaerdi(c.FagRes[t], q);
    if (!Tilfaelde || v > Vaerdi) {
      Vaerdi = v;
      Tilfaelde = &c;
    }
  }
};

// The summary's anchoring forces from the heads of the rankings of the
// ultimate cases.
void BestemForankring(const TBeregning& ber, TNoegletal& n) {
  std::array<std::array<THoved, 4>, AntalRangStoerrelser> hoved{};
  for (const TTilfaelde& c : ber.Tilfaelde) {
    if (!ErBrudLK(c.LK)) continue;
    for (int t = 1; t <= 3; ++t)
      for (int q : {RangRzMax, RangRyMax, RangRyMin, RangN, RangNTryk}) hoved[q][t].Se(c, t, q);
  }
  for (int t = 1; t <= 3; ++t) {
    if (const TTilfaelde* c = hoved[RangRzMax][t].Tilfaelde)
      n.Traek = std::max(n.Traek, c->FagRes[t].RzMax);
    if (const TTilfaelde* c = hoved[RangRyMax][t].Tilfaelde)
      n.Tvaerkraft = std::max(n.Tvaerkraft, c->FagRes[t].RyMax);
    if (const TTilfaelde* c = hoved[RangRyMin][t].Tilfaelde)
      n.Tvaerkraft = std::max(n.Tvaerkraft, -c->FagRes[t].RyMin);
  }
  // FagRes[2] of a case holds the larger of the two end bays' hinge forces.
  if (const TTilfaelde* c = hoved[RangN][1].Tilfaelde) n.GavlTraek = c->FagRes[2].N;
  if (const TTilfaelde* c = hoved[RangNTryk][1].Tilfaelde) n.GavlTryk = c->FagRes[2].NTryk;
}

TNoegletalResultat Beregn(const Inddata& indtastet, bool skaerpet) {
  if (auto afvist = AfvisInddata(indtastet)) return std::move(*afvist);

  // The normal extent: the detailed one only adds text nobody reads here.
  Inddata ind = indtastet;
  ind.RappOmfang = 0;
  TSupplData sd;
  BestemTvaersnit(ind, sd, skaerpet);
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

  BestemForankring(ber, n);

  // The summary's own thresholds.
  const TAdvarselsnoter noter = BestemNoter(n.UGTvaersnit, n.UGBeslag, n.LuMindst);
  n.AasOk = !noter.Aas;
  n.SamlingOk = !noter.Samling;
  n.NedbojningOk = !noter.Nedbojn;
  r.Udfald = TNoegletalUdfald::Beregnet;
  return r;
}

}  // namespace

TNoegletalResultat BeregnNoegletal(const Inddata& ind) { return Beregn(ind, false); }

TNoegletalResultat BeregnSkaerpetNoegletal(const Inddata& ind) { return Beregn(ind, true); }

TBrandNoegletal BeregnBrandNoegletal(const Inddata& indtastet, int minutter, int sider) {
  TBrandNoegletal r;
  if (auto afvist = AfvisInddata(indtastet)) {
    r.Besked = std::move(afvist->Besked);
    r.Felt = afvist->Felt;
    return r;
  }
  Inddata ind = indtastet;
  ind.RappOmfang = 0;
  TSupplData sd;
  BestemTvaersnit(ind, sd);
  TTavsDialog dlg;
  r.Brand = BeregnBrand(ind, sd, minutter, sider, dlg);
  if (r.Brand.Udfald == TBeregningsUdfald::Gennemfoert) {
    r.Udfald = TNoegletalUdfald::Beregnet;
  } else {
    r.Udfald = r.Brand.Udfald == TBeregningsUdfald::Afvist ? TNoegletalUdfald::Afvist
                                                            : TNoegletalUdfald::Afbrudt;
    r.Besked = dlg.Foerste;
  }
  return r;
}

bool TSupplerendeNoegletal::AlleOk() const {
  if (Skaerpet && !(Skaerpet->Beregnet() && Skaerpet->Tal.AlleOk())) return false;
  if (Brand && !Brand->KravOpfyldt()) return false;
  return true;
}

TSupplerendeNoegletal BeregnSupplerendeNoegletal(const Inddata& ind, const TSupplerendeValg& valg) {
  TSupplerendeNoegletal r;
  if (valg.Skaerpet) r.Skaerpet = BeregnSkaerpetNoegletal(ind);
  if (valg.BrandMinutter > 0)
    r.Brand = BeregnBrandNoegletal(ind, valg.BrandMinutter, valg.BrandSider);
  return r;
}

}  // namespace kvistor
