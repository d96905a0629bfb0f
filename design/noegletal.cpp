#include "design/noegletal.h"

#include <algorithm>
#include <cmath>

#include "calculation/tavsdialog.h"
#include "calculation/tvaersnit_byg.h"
#include "project/antalfag.h"
#include "project/feltregler.h"
#include "calculation/beregning.h"
#include "project/katalog.h"
#include "purlin/lastkombinationsarter.h"
#include "report/resume.h"
#include "report/visresultat.h"

namespace kvistor {

namespace {

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

// The summary's own thresholds.
void BestemDomme(TNoegletal& n) {
  const TAdvarselsnoter noter = BestemNoter(n.UGTvaersnit, n.UGBeslag, n.LuMindst);
  n.AasOk = !noter.Aas;
  n.SamlingOk = !noter.Samling;
  n.NedbojningOk = !noter.Nedbojn;
}

}  // namespace

TNoegletalResultat BeregnNoegletal(const Inddata& indtastet, TBeslagGrundlag* beslagGrundlag) {
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
  TFagResultat stoerst;
  stoerst.UGBoej = n.UGTvaersnitUafrundet;
  stoerst.UGBeslag = n.UGBeslagUafrundet;
  n.UGTvaersnit = std::max(0.0, RangeringsVaerdi(stoerst, RangUGBoej));
  n.UGBeslag = std::max(0.0, RangeringsVaerdi(stoerst, RangUGBeslag));
  for (int t = 1; t <= 3; ++t)
    for (int k = 0; k <= 1; ++k) n.LuMindst = std::min<int>(n.LuMindst, ber.LuForhold[t][k]);

  BestemDomme(n);
  r.Udfald = TNoegletalUdfald::Beregnet;
  if (beslagGrundlag) *beslagGrundlag = BygBeslagGrundlag(ber, ind, sd);
  return r;
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

}  // namespace kvistor
