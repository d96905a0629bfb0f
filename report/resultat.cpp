// The head and summary of the report, and the order of all its sections.
#include <algorithm>

#include "project/katalog.h"
#include "report/forklaring.h"
#include "report/rapport.h"

namespace kvistor {

namespace {

const TRangering* Hoved(const TBeregning& ber, int q, int t) {
  const auto& liste = ber.Dimensionsgivende[q][t];
  return liste.empty() ? nullptr : &liste.front();
}

// FagRes[fag] of the governing case of ranking q for bay type t; nullptr
// when the ranking is empty.
const TFagResultat* HovedRes(const TBeregning& ber, int q, int t, int fag) {
  const TRangering* h = Hoved(ber, q, t);
  return h && h->Tilfaelde ? &h->Tilfaelde->FagRes[fag] : nullptr;
}

std::array<int, 4> Referencelaengder(const TSupplData& sd) {
  return {0, sd.LKE, sd.LMF, sd.LLE};
}

}  // namespace

TResume SamlResume(const TRapportByg& b) {
  const TBeregning& ber = b.ber;
  TResume r;
  for (int t = 1; t <= 3; ++t) {
    for (int q : {RangUGBoej, RangUGForsk})
      if (const TRangering* h = Hoved(ber, q, t)) r.UGTvaersnit = std::max(r.UGTvaersnit, h->Vaerdi);
    if (const TRangering* h = Hoved(ber, RangUGBeslag, t))
      r.UGBeslag = std::max(r.UGBeslag, h->Vaerdi);
    for (int k = 0; k <= 1; ++k) r.LuMindst = std::min<int>(r.LuMindst, ber.LuForhold[t][k]);
    r.LwMindst = std::min({r.LwMindst, b.LwEgen[t], b.LwSne[t]});
    if (const TFagResultat* f = HovedRes(ber, RangRzMax, t, t)) r.Traek = std::max(r.Traek, f->RzMax);
    if (const TFagResultat* f = HovedRes(ber, RangRyMax, t, t))
      r.Tvaerkraft = std::max(r.Tvaerkraft, f->RyMax);
    if (const TFagResultat* f = HovedRes(ber, RangRyMin, t, t))
      r.Tvaerkraft = std::max(r.Tvaerkraft, -f->RyMin);
  }
  // FagRes[2] of a case holds the larger of the two end bays' hinge forces.
  if (const TFagResultat* f = HovedRes(ber, RangN, 1, 2)) r.GavlTraek = f->N;
  if (const TFagResultat* f = HovedRes(ber, RangNTryk, 1, 2)) r.GavlTryk = f->NTryk;
  return r;
}

void BygResultat(TRapportByg& b) {
  const auto L = Referencelaengder(b.sd);
  for (int t = 1; t <= 3; ++t) {
    b.wEgen[t] = TvaerUdbojning(b.ber.uMaks[t][0], b.ind.TagVink, b.ind.AaseHojde, b.ind.AaseBredde);
    b.wSne[t] = TvaerUdbojning(b.ber.uMaks[t][1], b.ind.TagVink, b.ind.AaseHojde, b.ind.AaseBredde);
    b.LwEgen[t] = LwForhold(L[t], b.wEgen[t]);
    b.LwSne[t] = LwForhold(L[t], b.wSne[t]);
  }
  b.RapportHoved = BygRapportHoved(b.ind, b.firmanavn, b.ur.Nu());
  SkrivHoved(b.ud.Rapport, b.RapportHoved);
  SkrivResume(b.ud.Rapport, SamlResume(b), b.ud.Noter, b.sd.Skaerpet);
}

void SkrivRapport(TRapportByg& b) {
  BygResultat(b);
  BygDetaljeHoved(b);
  BygDetaljer(b);

  TValgteNavne navne;
  const TELData* lag[5] = {nullptr, b.sd.EL1Data, b.sd.EL2Data, b.sd.EL3Data, b.sd.EL4Data};
  for (int i = 1; i <= 4; ++i)
    if (lag[i]) navne.lag[i] = std::string(lag[i]->Navn);
  if (const TBData* beslag = BeslagData(b.ind.Beslag)) navne.beslag = std::string(beslag->Navn);
  BygForudsaetninger(b.ud.Rapport, b.ind, b.sd, navne);
  BygForklaring(b.ud.Rapport, b.LKBeskrivelser);

  if (b.ind.RappOmfang > 0) BygUdvidetRapport(b);

  // Nothing of the calculation outlives its report; the rankings point into
  // the case list, so they go first.
  FrigivRangeringer(b.ber);
  FrigivTilfaelde(b.ber);
}

void BygRapport(TRapportResultat& ud, const Inddata& ind, const TSupplData& sd, TBeregning& ber,
                const TUr& ur, const std::string& firmanavn) {
  TRapportByg b{ind, sd, ber, ur, firmanavn, {}, {}, {}, {}, {}, {}, {}};
  SkrivRapport(b);
  ud = std::move(b.ud);
}

}  // namespace kvistor
