#include "calculation/beregning.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/afrunding.h"
#include "common/format.h"
#include "loads/gavlvind.h"
#include "loads/lastkombinationer.h"
#include "loads/linielaster.h"
#include "project/antalfag.h"
#include "project/katalog.h"
#include "purlin/beslag.h"
#include "purlin/dimensionering.h"
#include "purlin/gerbermodel.h"
#include "purlin/nedbojning.h"
#include "purlin/statik.h"
#include "purlin/traemateriale.h"

namespace kvistor {

namespace {

constexpr const char* Kontakt = "Gem aktuelle inddata og kontakt Kvarnløkkedata.";

bool ErDetaljeret(const Inddata& inddata) { return inddata.RappOmfang > 0; }

// Letter 'a' is entry 1 of the point-load table, 'b' entry 1 of the frame
// table (letter 'a' of load combination 3 has no tilting moment).
int PunktLastIndeks(char lt) { return lt - 'a' + 1; }
int RammeIndeks(char lt) { return lt - 'a'; }

// The value of quantity q of bay type t that the rankings compare.
double RaaRangVaerdi(const TFagResultat& r, int q) {
  switch (q) {
    case RangUGBoej: return r.UGBoej;
    case RangUGForsk: return r.UGForsk;
    case RangUGBeslag: return r.UGBeslag;
    case RangRzMax: return r.RzMax;
    case RangRyMax: return r.RyMax;
    case RangRzMin: return -r.RzMin;
    case RangRyMin: return -r.RyMin;
    case RangN: return r.N;
    case RangNTryk: return r.NTryk;
    default: return 0.0;
  }
}

void TilfoejKipMomenter(TBeregning& beregning, TTilfaelde& tilf, TTilfaeldeLaster& laster,
                        const Inddata& inddata, const TSupplData& suppl) {
  const std::int32_t xRamme = beregning.RammePlaceringer[RammeIndeks(tilf.LT)];
  // The moment that tilts the frame is partly taken back by the purlin at the
  // support to its left: the left gable support for the first interior frame,
  // else the frame one normal bay further left.
  const std::int32_t xForrige = xRamme == suppl.xRamme1 ? suppl.GavlUdhMm : xRamme - suppl.NormFag;
  laster.KipMomenter.push_back({xForrige, -0.73 * inddata.KipnMoment});
  laster.KipMomenter.push_back({xRamme, inddata.KipnMoment});
  if (ErDetaljeret(inddata)) {
    auto& L = tilf.Linier;
    L.push_back("");
    L.push_back("Regningsmæssige kipningsmomenter (om åsens y-akse - pos mod uret):");
    std::string x = "  x-koord. (m):  ";
    std::string m = "  moment (kNm):  ";
    for (const TKipMoment& k : laster.KipMomenter) {
      x += Format("%10.2n", {k.x / 1000.0});
      m += Format("%10.2n", {k.M});
    }
    L.push_back(x);
    L.push_back(m);
  }
}

// Whether every load and result of a computed case is a finite number. Far
// beyond any real roof the numbers overflow: a hinge offset of most of the frame spacing
// multiplies the hinge forces by the same factor from bay to bay, and huge
// loads or sections do the rest. A report would then show INF or NAN.
bool EndeligeResultater(const TTilfaelde& c, const TTilfaeldeLaster& laster) {
  for (double v : {c.AasPlacering, c.StrimmelStart, c.StrimmelSlut, c.gLinie, c.sLinie, c.Q,
                   c.kmod, c.fmkd, c.fvkd, c.F1d, c.F2d, c.F3d, c.Nd, c.F1dRed, c.F2dRed,
                   c.alfaN})
    if (!std::isfinite(v)) return false;
  // The line loads as the detailed report lists them: running sums.
  double qz = 0, qy = 0;
  for (const TLinielast& l : laster.Linielast) {
    qz += l.dqz;
    qy += l.dqy;
    if (!std::isfinite(qz) || !std::isfinite(qy)) return false;
  }
  for (const TPunktlast& p : laster.PL)
    if (!std::isfinite(p.Pz) || !std::isfinite(p.Py)) return false;
  for (const TKipMoment& k : laster.KipMomenter)
    if (!std::isfinite(k.M)) return false;
  for (int t = 1; t <= 3; ++t) {
    const TFagResultat& r = c.FagRes[t];
    for (double v : {r.RzMax, r.RyMax, r.RzMin, r.RyMin, r.N, r.NTryk, r.TauMax, r.xTauMax,
                     r.VzCharnMin, r.xVzCharnMin, r.VzCharnMax, r.xVzCharnMax, r.VyCharnMin,
                     r.F1, r.F2, r.F3, r.MyMax, r.MyMin, r.xMyMax, r.xMyMin, r.SigmaMax,
                     r.xSigmaMax, r.alfaF1, r.alfaF2, r.alfaF3, r.UGsum, r.UGBoej, r.UGForsk,
                     r.UGBeslag, r.uG, r.uS, r.uQ})
      if (!std::isfinite(v)) return false;
  }
  return true;
}

// Whether the working record holds finite numbers only. Input near the
// largest number (a facade height or a width of 10^308 m) overflows the roof
// geometry or the wind pressure, which the report would show as INF.
bool EndeligtGrundlag(const TSupplData& s) {
  for (double v : {s.TanV, s.CosV, s.SinV, s.BTag, s.LHus, s.LTag, s.HTagKip, s.HRef,
                   s.HTagkant, s.FlytFaktor, s.A, s.Wy, s.Wz, s.Iy, s.qku, s.qki, s.fmk, s.kcr,
                   s.GammaM, s.GammaMBeslag, s.fmd, s.fvd, s.E0mean, s.EIy, s.AaseEgenlast,
                   s.EgenlastIalt})
    if (!std::isfinite(v)) return false;
  for (int p = 1; p <= 3; ++p)
    for (double v : {s.xAas[p], s.GavlFeltStart[p], s.GavlFeltSlut[p], s.GavlFeltHojde[p]})
      if (!std::isfinite(v)) return false;
  return true;
}

// The chain lives as long as the run: released at its end.
void FrigivKaede(TBeregning& beregning) {
  beregning.Understoetninger.clear();
  beregning.Charnierer.clear();
  beregning.Kaedepunkter.clear();
}

void AfbrydKoersel(TBeregning& beregning) {
  FrigivTilfaelde(beregning);
  FrigivRangeringer(beregning);
  FrigivKaede(beregning);
  beregning.Udfald = TBeregningsUdfald::Afbrudt;
}

}  // namespace

bool TilfaeldeFindes(int aas, int lk, char lt) {
  auto blandt = [lt](const char* bogstaver) {
    for (const char* p = bogstaver; *p; ++p)
      if (*p == lt) return true;
    return false;
  };
  if (aas < 1 || aas > 3) return false;
  const bool kunAas2 = aas == 2;
  switch (lk) {
    case 1: return kunAas2 && lt == 'a';
    case 3: return kunAas2 && lt >= 'b' && lt <= 'i';
    case 5: return blandt("abcjkmnvw");
    case 6: return blandt("ajmv");
    case 8: return kunAas2 && lt >= 'a' && lt <= 'k';
    case 9: return blandt("bcklnowx");
    case 10: return kunAas2 && lt == 'a';
    case 11: return kunAas2 && lt == 'a';
    case 12: return kunAas2 && lt >= 'a' && lt <= 'c';
    // Fire: snow as LK 3 without the tilting moments, wind as LK 6.
    case 14: return kunAas2 && blandt("ahi");
    case 15: return blandt("ajmv");
    default: return false;
  }
}

bool TilfaeldeSkippes(const TBeregning& beregning, int lk, char lt) {
  if (HarRammeKipmoment(lk, lt)) return beregning.RammePlaceringer[RammeIndeks(lt)] == 0;
  if (lk == 8 && lt >= 'f' && lt <= 'k')
    return beregning.PunktLastPlaceringer[PunktLastIndeks(lt)] == 0;
  return false;
}

void NulstilNedbojningsMaksima(TBeregning& beregning) {
  for (int t = 0; t < 4; ++t)
    for (int k = 0; k < 3; ++k) {
      beregning.uMaks[t][k] = -1000.0;
      beregning.xuMaks[t][k] = -1000;
      beregning.LuForhold[t][k] = 0;
    }
}

bool BygPunktLastPlaceringer(TBeregning& beregning, const TSupplData& suppl,
                             TBrugerDialog& dialog) {
  auto& P = beregning.PunktLastPlaceringer;
  P.fill(0);
  const std::string videre =
      std::string("\r\nListe med punktlastplaceringer kan derfor ikke genereres.\r\n") + Kontakt;
  if (beregning.Tilfaelde.empty()) {
    dialog.FejlDialog("Procedure BygPunktLastPlaceringer: Der er ikke beregnet noget tilfælde endnu." +
                      videre);
    return false;
  }
  const TTilfaelde* lk3 = nullptr;
  for (const TTilfaelde& c : beregning.Tilfaelde)
    if (c.LK == 3) {
      lk3 = &c;
      break;
    }
  if (!lk3) {
    dialog.FejlDialog(
        "Procedure BygPunktLastPlaceringer: En beregning efter lastkombination 3 er ikke fundet." +
        videre);
    return false;
  }
  for (int t = 1; t <= 3; ++t)
    P[t] = static_cast<std::int32_t>(Round(lk3->FagRes[t].xMyMax * 1000.0));
  P[4] = 0;           // "d": the left purlin end
  P[5] = suppl.LAas;  // "e": the right purlin end
  // "f".."j": just left of the hinges from the first on, while the previous
  // one lies below the last frame but one; "k": just left of the last hinge.
  std::int32_t x = ForsteCharnier(suppl) - 2;
  P[6] = x;
  for (int i = 7; i <= 10 && x < suppl.xRammeN - suppl.NormFag; ++i) {
    x += suppl.NormFag;
    P[i] = x;
  }
  P[11] = SidsteCharnier(suppl) - 2;
  return true;
}

bool BeregnTilfaelde(TBeregning& beregning, TTilfaelde& tilf, const Inddata& inddata,
                     const TSupplData& suppl, TBrugerDialog& dialog, TTilfaeldeLaster* lasterUd,
                     bool overskrift, TSnitUdtraek* udtraek) {
  const bool detaljeret = ErDetaljeret(inddata);
  const int lk = tilf.LK;
  const char lt = tilf.LT;

  NulstilReaktioner(beregning.Understoetninger);
  if (overskrift || detaljeret)
    SkrivTilfaeldeTekst(tilf, beregning.RammePlaceringer, beregning.PunktLastPlaceringer);

  TTilfaeldeLaster laster;
  laster.Linielast = BygLinielaster(tilf, inddata, suppl, dialog);
  BygVindlastGavl(tilf, inddata, suppl, dialog);

  if (HarRammeKipmoment(lk, lt)) TilfoejKipMomenter(beregning, tilf, laster, inddata, suppl);

  if (lk == 5 && lt == 'a' && tilf.Aas == 2) {
    if (!BygPunktLastPlaceringer(beregning, suppl, dialog)) return false;
  }

  if (lk == 8) {
    const TPunktlast p{beregning.PunktLastPlaceringer[PunktLastIndeks(lt)], tilf.Q * suppl.CosV,
                       tilf.Q * suppl.SinV};
    laster.PL.push_back(p);
    if (detaljeret) {
      tilf.Linier.push_back("");
      tilf.Linier.push_back(Format("Regnmæss punktlast lodret: %4.2n kN", {tilf.Q}));
      tilf.Linier.push_back(
          Format("  x-koordinat: %4.2n m; z-komposant: %4.2n kN; y-komposant: %4.2n kN",
                 {p.x / 1000.0, p.Pz, p.Py}));
    }
  }

  if (lk == 12 && lt >= 'a' && lt <= 'c') {
    std::int32_t x = 0;
    if (lt == 'a') x = suppl.GavlUdhMm + (suppl.GavlFag - suppl.CharnForskMm) / 2;
    else if (lt == 'b') x = suppl.xRamme1 + (suppl.NormFag - suppl.CharnForskMm) / 2;
    else x = suppl.LAas - suppl.GavlUdhMm - suppl.GavlFag / 2;
    const TPunktlast p{x, tilf.Q * suppl.CosV, tilf.Q * suppl.SinV};
    laster.PL.push_back(p);
    if (detaljeret) {
      tilf.Linier.push_back("");
      tilf.Linier.push_back(Format("Regnmæss punktlast vinkelret på tagflade: %4.2n kN", {p.Pz}));
      tilf.Linier.push_back(Format("  x-koordinat: %4.2n m", {p.x / 1000.0}));
    }
  }

  // The run is refused before it starts when no hardware row exists, so the
  // row is always there for the ultimate combinations.
  const TBData* beslag = BeslagData(inddata.Beslag);
  if (beslag) SaetBeslagBaereevner(tilf, *beslag, suppl, inddata.AaseHojde, inddata.AaseBredde);

  // A chain whose supports and hinges do not match cannot be solved; the
  // statics has said so, and the run stops rather than report numbers.
  std::vector<TDiskPunkt> punkter;
  // The moment-curve data are shown only in the detailed extent; a normal
  // report skips building them.
  // A chain laid out without its points (the force curves lay it out again
  // after the run) has them found for the case.
  const std::vector<TDiskPunkt>* kaedepunkter =
      beregning.Kaedepunkter.empty() ? nullptr : &beregning.Kaedepunkter;
  if (!LoesTilfaelde(suppl, beregning.Understoetninger, beregning.Charnierer, laster, tilf,
                     detaljeret, dialog, punkter, detaljeret, udtraek, kaedepunkter))
    return false;

  if (ErBrudLK(lk)) {
    BestemUdnyttelser(tilf);
    BestemUGBeslag(tilf, suppl);
  }

  if (detaljeret) SkrivDimensionering(tilf, suppl, beslag ? std::string(beslag->Navn) : std::string());

  if (ErNedbojningsLK(lk)) {
    // The table is part of the case's text, which the lean run leaves out.
    if (!BestemNedbojninger(tilf, punkter, laster.Linielast, laster.PL, suppl, beregning.uMaks,
                            beregning.xuMaks, beregning.LuForhold, dialog,
                            overskrift || detaljeret))
      return false;
  }

  if (!EndeligeResultater(tilf, laster)) {
    // A hinge far from its frame multiplies the hinge forces from bay to bay;
    // otherwise the sizes or loads themselves are to blame.
    const bool charnier =
        inddata.CharnForsk > 0.5 * std::min(inddata.Rammeafstand, inddata.GavlRammeAfst);
    dialog.Fejl(Format(
        "Beregningen giver tal, der er for store til at kunne vises (lastkombination %d, "
        "lasttilfælde %s, ås %d).\r\n",
        {lk, std::string(1, lt), static_cast<int>(tilf.Aas)}) +
                (charnier ? "Kontroller charnierforskydningen: den er stor i forhold til "
                            "rammeafstanden."
                          : "Kontroller bygningens mål, lasterne og åsens tværsnit."));
    return false;
  }
  if (lasterUd) *lasterUd = std::move(laster);
  return true;
}

void IndsaetRangering(std::vector<TRangering>& liste, TTilfaelde* c, double v) {
  if (liste.empty() || liste.front().Vaerdi < v) {
    liste.insert(liste.begin(), TRangering{c, v});
    return;
  }
  // After the last entry that is greater or equal: the list is sorted
  // descending, so that is the first entry that is smaller.
  auto it = liste.begin() + 1;
  while (it != liste.end() && it->Vaerdi >= v) ++it;
  liste.insert(it, TRangering{c, v});
}

double RangeringsVaerdi(const TFagResultat& res, int q) {
  return AfrundetVaerdi(RaaRangVaerdi(res, q));
}

double AfrundetVaerdi(double r) {
  // A quantity without a value must not pass for a small one: it heads its
  // ranking with a value no check can pass.
  if (std::isnan(r)) r = 1e6;
  // Rounded to hundredths; a value too large for whole-number rounding (an
  // absurd chain) has no hundredths left and is kept as it is, so the report
  // shows it rather than the rounding's limit.
  return std::fabs(r) < 1e15 ? static_cast<double>(Round(r * 100.0)) / 100.0 : r;
}

void RangerTilfaelde(TBeregning& beregning) {
  FrigivRangeringer(beregning);
  for (TTilfaelde& c : beregning.Tilfaelde) {
    if (!ErBrudLK(c.LK)) continue;
    for (int t = 1; t <= 3; ++t)
      for (int q = 0; q < AntalRangStoerrelser; ++q)
        beregning.Dimensionsgivende[q][t].push_back(
            TRangering{&c, RangeringsVaerdi(c.FagRes[t], q)});
  }
  // Inserting one by one after the last greater-or-equal entry is a stable
  // sort, largest first: equal values keep their computation order.
  for (auto& q : beregning.Dimensionsgivende)
    for (auto& liste : q)
      std::stable_sort(liste.begin(), liste.end(),
                       [](const TRangering& a, const TRangering& b) { return a.Vaerdi > b.Vaerdi; });
}

void FrigivTilfaelde(TBeregning& beregning) {
  // The rankings point into the case list: they go with it.
  FrigivRangeringer(beregning);
  beregning.Tilfaelde.clear();
  beregning.Tilfaelde.shrink_to_fit();
}

void FrigivRangeringer(TBeregning& beregning) {
  for (auto& q : beregning.Dimensionsgivende)
    for (auto& liste : q) liste.clear();
}

bool ForberedBeregning(TBeregning& beregning, const Inddata& inddata, const TSupplData& suppl,
                       TBrugerDialog& dialog) {
  FrigivTilfaelde(beregning);
  FrigivKaede(beregning);
  beregning.RammePlaceringer.fill(0);
  beregning.PunktLastPlaceringer.fill(0);
  NulstilNedbojningsMaksima(beregning);

  // Without a hardware row the joints cannot be checked at all; the user is
  // told what to do and nothing is computed.
  if (!BeslagData(inddata.Beslag)) {
    dialog.Fejl(TekstIntetBeslag);
    beregning.Udfald = TBeregningsUdfald::Afvist;
    return false;
  }
  // The chain needs its interior frames; the input page never lets fewer
  // than four bays through, and neither does the calculation.
  if (inddata.AntalFag < MindsteAntalFag) {
    dialog.Fejl(TekstForFaaFag);
    beregning.Udfald = TBeregningsUdfald::Afvist;
    return false;
  }

  // A building too long for integer millimetres leaves the working record
  // without a layout; building supports for it would only exhaust memory.
  const long long spaend = static_cast<long long>(inddata.AntalFag - 2) * suppl.NormFag;
  if (suppl.NormFag <= 0 || suppl.GavlFag <= 0 || suppl.LAas <= 0 ||
      static_cast<long long>(suppl.xRammeN) - suppl.xRamme1 != spaend) {
    dialog.Fejl(TekstForLangBygning);
    beregning.Udfald = TBeregningsUdfald::Afvist;
    return false;
  }

  if (!EndeligtGrundlag(suppl)) {
    dialog.Fejl(
        "Inddata giver tal, der er for store til beregningen.\r\nKontroller bygningens mål, "
        "lasterne og åsens tværsnit.");
    beregning.Udfald = TBeregningsUdfald::Afvist;
    return false;
  }

  // The first hinge must lie inside the short end bay: on or left of the
  // left gable support there is no first piece to carry the chain.
  if (suppl.CharnForskMm >= suppl.GavlFag) {
    dialog.Fejl(TekstCharnierForskydning);
    beregning.Udfald = TBeregningsUdfald::Afvist;
    return false;
  }

  beregning.Charnierer = BygCharnierer(suppl, inddata.AntalFag);
  beregning.Understoetninger = BygUnderstoetninger(suppl, inddata.AntalFag);
  beregning.Kaedepunkter =
      BygKaedepunkter(suppl, beregning.Understoetninger, beregning.Charnierer);
  beregning.RammePlaceringer = RammePlaceringer(suppl);
  return true;
}

TBeregningsUdfald BeregnAlleTilfaelde(TBeregning& beregning, const Inddata& inddata,
                                      const TSupplData& suppl, TBrugerDialog& dialog,
                                      const TKoerselsOmfang& omfang) {
  if (!ForberedBeregning(beregning, inddata, suppl, dialog)) return beregning.Udfald;

  beregning.Tilfaelde.reserve(88);  // the most cases a run computes
  const bool detaljeret = ErDetaljeret(inddata);
  for (int aas = 1; aas <= 3; ++aas)
    for (int lk = 1; lk <= 12; ++lk)
      for (char lt = 'a'; lt <= 'x'; ++lt) {
        if (!TilfaeldeFindes(aas, lk, lt) || TilfaeldeSkippes(beregning, lk, lt)) continue;
        beregning.Tilfaelde.emplace_back();
        TTilfaelde& tilf = beregning.Tilfaelde.back();
        BygTilfaelde(tilf, aas, lk, lt, inddata, suppl);
        if (detaljeret) {
          const std::string id =
              Format("                  LK %d,LT %s,Ån %d", {lk, std::string(1, lt), aas});
          tilf.QLinier.push_back(id);
          tilf.MLinier.push_back(id);
        }
        if (!BeregnTilfaelde(beregning, tilf, inddata, suppl, dialog, nullptr,
                             omfang.Overskrifter)) {
          AfbrydKoersel(beregning);
          return beregning.Udfald;
        }
      }

  if (omfang.Rangeringer) RangerTilfaelde(beregning);
  FrigivKaede(beregning);
  beregning.Udfald = TBeregningsUdfald::Gennemfoert;
  return beregning.Udfald;
}

}  // namespace kvistor
