#include "design/noegletal.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calculation/beregning.h"
#include "calculation/projektberegning.h"
#include "calculation/tavsdialog.h"
#include "project/feltregler.h"
#include "project/katalog.h"
#include "purlin/lastkombinationsarter.h"
#include "report/resume.h"

namespace kvistor {

std::optional<TNoegletalResultat> AfvisInddata(const Inddata& ind) {
  auto brud = FoersteBrudteRegel(ind);
  if (!brud) return std::nullopt;
  TNoegletalResultat r;
  r.Udfald = TNoegletalUdfald::Afvist;
  r.Besked = std::move(brud->Besked);
  r.Felt = brud->Felt;
  return r;
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

// The summary's own thresholds.
void BestemDomme(TNoegletal& n) {
  const TAdvarselsnoter noter = BestemNoter(n.UGTvaersnit, n.UGBeslag, n.LuMindst);
  n.AasOk = !noter.Aas;
  n.SamlingOk = !noter.Samling;
  n.NedbojningOk = !noter.Nedbojn;
}

// How a run that told `dlg` its messages ended; `brud` the rule that
// refused it, if one did.
void BestemStatus(TNoegletalStatus& s, TBeregningsUdfald u, const TTavsDialog& dlg,
                  const std::optional<TBrudtRegel>& brud) {
  if (u == TBeregningsUdfald::Gennemfoert) {
    s.Udfald = TNoegletalUdfald::Beregnet;
    return;
  }
  s.Udfald = u == TBeregningsUdfald::Afvist ? TNoegletalUdfald::Afvist : TNoegletalUdfald::Afbrudt;
  s.Besked = dlg.Foerste;
  if (brud) s.Felt = brud->Felt;
}

TNoegletalResultat Beregn(const Inddata& indtastet, bool skaerpet,
                          TBeslagGrundlag* beslagGrundlag = nullptr) {
  // The normal extent: the detailed one only adds text nobody reads here.
  Inddata ind = indtastet;
  ind.RappOmfang = 0;
  TTavsDialog dlg;
  TProjektberegning k;
  const TBeregningsUdfald u =
      BeregnProjekt(k, ind, dlg, {.Omfang = TKoerselsOmfang{false, false}, .Skaerpet = skaerpet});

  TNoegletalResultat r;
  BestemStatus(r, u, dlg, k.Brud);
  if (!r.Beregnet()) return r;
  const TBeregning& ber = k.Beregning;

  // The heads of the rankings, without building them: the largest value of
  // each quantity over the ultimate cases. Every value of a run that went
  // through is a finite number, and rounding to hundredths keeps the order,
  // so the largest rounded value is the largest value rounded.
  TNoegletal& n = r.Tal;
  n.UGTvaersnitUafrundet = n.UGBeslagUafrundet = -HUGE_VAL;
  for (const TTilfaelde& c : ber.Tilfaelde) {
    if (!ErBrudLK(c.LK)) continue;
    for (int t = 1; t <= 3; ++t) {
      const TFagResultat& f = c.FagRes[t];
      n.UGTvaersnitUafrundet = std::max({n.UGTvaersnitUafrundet, f.UGBoej, f.UGForsk});
      n.UGBeslagUafrundet = std::max(n.UGBeslagUafrundet, f.UGBeslag);
    }
  }
  n.UGTvaersnit = std::max(0.0, AfrundetVaerdi(n.UGTvaersnitUafrundet));
  n.UGBeslag = std::max(0.0, AfrundetVaerdi(n.UGBeslagUafrundet));
  for (int t = 1; t <= 3; ++t)
    for (int k = 0; k <= 1; ++k) n.LuMindst = std::min<int>(n.LuMindst, ber.LuForhold[t][k]);

  BestemForankring(ber, n);

  BestemDomme(n);
  if (beslagGrundlag) *beslagGrundlag = BygBeslagGrundlag(ber, ind, k.Suppl);
  return r;
}

}  // namespace

TNoegletalResultat BeregnNoegletal(const Inddata& ind, TBeslagGrundlag* beslagGrundlag) {
  return Beregn(ind, false, beslagGrundlag);
}

std::optional<TNoegletal> NoegletalMedBeslag(const TNoegletal& tal, const TBeslagGrundlag& grundlag,
                                             int beslag) {
  const TBData* b = BeslagData(beslag);
  if (!b) return std::nullopt;
  const TBeslagKontrol k = KontrollerBeslag(grundlag, *b);
  if (!k.Endelig) return std::nullopt;
  TNoegletal n = tal;
  n.UGBeslag = std::max(0.0, k.UGBeslag);
  n.UGBeslagUafrundet = k.UGBeslagUafrundet;
  BestemDomme(n);
  return n;
}

TNoegletalPerBeslag::TNoegletalPerBeslag(Inddata ind, int foerste, std::size_t& beregninger)
    : ind_(std::move(ind)), beregninger_(beregninger) {
  ind_.Beslag = foerste;
  foerste_ = BeregnNoegletal(ind_, &grundlag_);
  ++beregninger_;
}

std::optional<TNoegletal> TNoegletalPerBeslag::Med(int beslag) {
  if (std::optional<TNoegletal> tal = NoegletalMedBeslag(foerste_.Tal, grundlag_, beslag)) return tal;
  // Numbers too large for the first run's basis: this hanger's own run
  // says what happens.
  ind_.Beslag = beslag;
  TNoegletalResultat eget = BeregnNoegletal(ind_);
  ++beregninger_;
  if (!eget.Beregnet()) return std::nullopt;
  return eget.Tal;
}

TNoegletalResultat BeregnSkaerpetNoegletal(const Inddata& ind) { return Beregn(ind, true); }

TBrandNoegletal BeregnBrandNoegletal(const Inddata& ind, int minutter, int sider) {
  TTavsDialog dlg;
  TProjektbrand k;
  const TBeregningsUdfald u = BeregnProjektBrand(k, ind, minutter, sider, dlg);
  TBrandNoegletal r;
  BestemStatus(r, u, dlg, k.Brud);
  r.Brand = std::move(k.Brand);
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
