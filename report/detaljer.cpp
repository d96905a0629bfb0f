// The detailed results table "DETALJEREDE RESULTATER": the governing
// utilisations and reactions of the three bay types side by side, each with
// the combination, load case and purlin that govern it, and the deflections.
#include <functional>

#include "common/format.h"
#include "loads/lastkombinationer.h"
#include "report/forklaring.h"
#include "report/rapport.h"

namespace kvistor {

namespace {

constexpr const char* DimGivFormat =
    "  Dim.giv. lastkomb./lasttilf./ås      : %5d/%s/%1d %5d/%s/%1d %5d/%s/%1d";

// Who governs one column of a row.
struct TDimGiv {
  int lk = 0;
  std::string bogstav = "-";
  int aas = 0;
};

// Takes the governing case of ranking q for every bay type, marks it for the
// extended report, collects its combination's description, and returns the
// value of each column and who governs it. Load combination 1 has a single
// case, so where `streg` is set its letter is shown as "-".
void Dimensionsgivende(TRapportByg& b, int q, bool streg,
                       const std::function<double(const TFagResultat&)>& vaerdi,
                       std::array<double, 4>& v, std::array<TDimGiv, 4>& giv) {
  for (int t = 1; t <= 3; ++t) {
    v[t] = 0;
    giv[t] = TDimGiv{};
    const auto& liste = b.ber.Dimensionsgivende[q][t];
    if (liste.empty() || !liste.front().Tilfaelde) continue;
    TTilfaelde& c = *liste.front().Tilfaelde;
    c.ErDimensionsgivende = true;
    v[t] = vaerdi(c.FagRes[t]);
    giv[t].lk = c.LK;
    giv[t].aas = c.Aas;
    giv[t].bogstav = (streg && c.LK == 1) ? std::string("-") : std::string(1, c.LT);
    TilfoejLKBeskrivelse(b.LKBeskrivelser, c.LK, LKTekst(c.LK));
  }
}

void SkrivDimGiv(TRapportByg& b, const std::array<TDimGiv, 4>& g) {
  SkrivLinje(b.ud.Rapport, Format(DimGivFormat, {g[1].lk, g[1].bogstav, g[1].aas, g[2].lk,
                                                 g[2].bogstav, g[2].aas, g[3].lk, g[3].bogstav,
                                                 g[3].aas}));
}

// One value line and its Dim.giv. line.
void RaekkePar(TRapportByg& b, int q, bool streg, const char* format,
               const std::function<double(const TFagResultat&)>& vaerdi) {
  std::array<double, 4> v{};
  std::array<TDimGiv, 4> giv{};
  Dimensionsgivende(b, q, streg, vaerdi, v, giv);
  SkrivLinje(b.ud.Rapport, Format(format, {v[1], v[2], v[3]}));
  SkrivDimGiv(b, giv);
}

// The Gerber joint rows. When the hanger of the governing middle-bay case
// has no capacity at all for a force that occurs, a percentage would say
// nothing: the block then only names the missing capacity, and nothing is
// marked or described for it.
void Samlingsblok(TRapportByg& b) {
  const auto& midt = b.ber.Dimensionsgivende[RangUGBeslag][2];
  if (!midt.empty() && midt.front().Tilfaelde) {
    const TTilfaelde& c = *midt.front().Tilfaelde;
    const TFagResultat& f = c.FagRes[2];
    if (f.UGBeslag > UGIngenBaereevne) {
      if (c.F3d == 0 && f.F3 > 0)
        SkrivLinje(b.ud.Rapport,
                   "Det valgte beslag/sømantal har ingen bæreevne for tværkræfter (F3)");
      if (c.Nd == 0 && f.N > 0)
        SkrivLinje(b.ud.Rapport,
                   "Det valgte beslag/sømantal har ingen bæreevne for trækkræfter (N)");
      return;
    }
  }
  RaekkePar(b, RangUGBeslag, true, "Udnyttelsesgrad gerbersamling          :%8.0n %%%8.0n %%%8.0n %%",
            [](const TFagResultat& f) { return f.UGBeslag * 100; });
}

}  // namespace

void BygDetaljeHoved(TRapportByg& b) {
  SkrivLinje(b.ud.Rapport, "");
  SkrivLinje(b.ud.Rapport, "DETALJEREDE RESULTATER" + Blanke(21) + "   Kort    Mellem     Langt");
  SkrivLinje(b.ud.Rapport, "Største spændingsudnyttelser med mere      endefag       fag   endefag");
  SkrivLinje(b.ud.Rapport, Streg(RapportBredde));
}

void BygDetaljer(TRapportByg& b) {
  b.LKBeskrivelser.clear();
  TTekstlinjer& r = b.ud.Rapport;

  RaekkePar(b, RangUGBoej, false, "Udnyttelsesgrad bøjning                :%8.0n %%%8.0n %%%8.0n %%",
            [](const TFagResultat& f) { return f.UGBoej * 100; });
  RaekkePar(b, RangUGForsk, true, "Udnyttelsesgrad forskydning            :%8.0n %%%8.0n %%%8.0n %%",
            [](const TFagResultat& f) { return f.UGForsk * 100; });
  Samlingsblok(b);
  SkrivLinje(r, "");

  // A bay type with no uplift at any support shows no pull.
  RaekkePar(b, RangRzMax, false, "Negativ reaktion (træk) i z-retningen  :%7.2n kN%7.2n kN%7.2n kN",
            [](const TFagResultat& f) { return f.RzMax < 0 ? 0.0 : f.RzMax; });
  RaekkePar(b, RangRzMin, true, "Positiv reaktion (tryk) i z-retningen  :%7.2n kN%7.2n kN%7.2n kN",
            [](const TFagResultat& f) { return -f.RzMin; });
  RaekkePar(b, RangRyMin, true, "Reaktion i y-retningen (på tværs)      :%7.2n kN%7.2n kN%7.2n kN",
            [](const TFagResultat& f) { return -f.RyMin; });
  SkrivLinje(r, "");

  const auto& u = b.ber.uMaks;
  const auto& lu = b.ber.LuForhold;
  SkrivLinje(r, "Nedbøjninger u (vinkelret på tagfladen) og tværudbøjninger w (parallelt med tagfladen)");
  SkrivLinje(r, Format("Referencelængde L                      :%7.2n m %7.2n m %7.2n m",
                       {b.sd.LKE / 1000.0, b.sd.LMF / 1000.0, b.sd.LLE / 1000.0}));
  SkrivLinje(r, "");
  SkrivLinje(r, Format("Nedbøjning u for egenlast              :%7.1n mm%7.1n mm%7.1n mm",
                       {u[1][0], u[2][0], u[3][0]}));
  SkrivLinje(r, Format("  L/u (bør være mindst 400)            :%7d   %7d   %7d",
                       {lu[1][0], lu[2][0], lu[3][0]}));
  SkrivLinje(r, Format("Nedbøjning u for sne                   :%7.1n mm%7.1n mm%7.1n mm",
                       {u[1][1], u[2][1], u[3][1]}));
  SkrivLinje(r, Format("  L/u (bør være mindst 400)            :%7d   %7d   %7d",
                       {lu[1][1], lu[2][1], lu[3][1]}));
  SkrivLinje(r, Format("Nedbøjning u for punktlast             :%7.1n mm%7.1n mm%7.1n mm",
                       {u[1][2], u[2][2], u[3][2]}));
  SkrivLinje(r, Format("  L/u (bør være mindst 200)            :%7d   %7d   %7d",
                       {lu[1][2], lu[2][2], lu[3][2]}));
  SkrivLinje(r, Format("Tværudbøjning w for egenlast           :%7.1n mm%7.1n mm%7.1n mm",
                       {b.wEgen[1], b.wEgen[2], b.wEgen[3]}));
  SkrivLinje(r, Format("  L/w                                  :%7d   %7d   %7d",
                       {b.LwEgen[1], b.LwEgen[2], b.LwEgen[3]}));
  SkrivLinje(r, Format("Tværudbøjning w for snelast            :%7.1n mm%7.1n mm%7.1n mm",
                       {b.wSne[1], b.wSne[2], b.wSne[3]}));
  SkrivLinje(r, Format("  L/w                                  :%7d   %7d   %7d",
                       {b.LwSne[1], b.LwSne[2], b.LwSne[3]}));
}

}  // namespace kvistor
