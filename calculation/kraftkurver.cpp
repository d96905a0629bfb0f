#include "calculation/kraftkurver.h"

#include <algorithm>
#include <tuple>

#include "common/format.h"
#include "loads/lastkombinationer.h"
#include "calculation/beregning.h"
#include "calculation/projektberegning.h"
#include "calculation/tavsdialog.h"
#include "purlin/gerbermodel.h"
#include "purlin/statik.h"

namespace kvistor {

namespace {

// Samples of the moment parabola between two neighbouring points, for the
// drawing.
constexpr int Mellempunkter = 8;

// The normal extent: the curves come from the loads, not from the text.
Inddata Normalt(const Inddata& ind) {
  Inddata d = ind;
  d.RappOmfang = 0;
  return d;
}

TKraftkurve Kurve(const TTilfaeldeId& id, const TSupplData& sd, const TBeregning& ber,
                  const TTilfaeldeLaster& laster) {
  TKraftkurve k;
  k.Tilfaelde = id;
  k.LAas = sd.LAas / 1000.0;
  for (const TReaktion& r : ber.Understoetninger) k.Understoetninger.push_back(r.x / 1000.0);
  for (const TCharnier& c : ber.Charnierer) k.Charnierer.push_back(c.x / 1000.0);

  // The report's own section forces: the same routines on the same loads
  // and reactions.
  std::vector<TDiskPunkt> punkter =
      BygDiskPunkter(sd, ber.Understoetninger, ber.Charnierer, laster);
  TTilfaelde kladde;
  Forskydningskraefter(sd, punkter, ber.Understoetninger, laster, kladde);
  Momenter(sd, punkter, ber.Understoetninger, laster, kladde, false);

  bool foerste = true;
  auto Ekstrem = [&k, &foerste](double x, double V, double M) {
    if (foerste || M > k.MyMax) k.MyMax = M, k.xMyMax = x;
    if (foerste || M < k.MyMin) k.MyMin = M, k.xMyMin = x;
    if (foerste || V > k.VzMax) k.VzMax = V, k.xVzMax = x;
    if (foerste || V < k.VzMin) k.VzMin = V, k.xVzMin = x;
    foerste = false;
  };

  // A fresh sweep visits the shear zeros in the order Momenter does, so the
  // moments there are the report's to the last bit; another samples between.
  TSnitkraefter nul(laster.Linielast, laster.PL, ber.Understoetninger, laster.KipMomenter);
  TSnitkraefter mellem = nul;
  for (std::size_t i = 0; i < punkter.size(); ++i) {
    const TDiskPunkt& p = punkter[i];
    const double x = p.xD / 1000.0;
    // Left of the point (the purlin's start has nothing on its left).
    if (p.xD >= 1) {
      k.Punkter.push_back({(p.xD - 1.0) / 1000.0, p.VzVen, p.MyVen});
    } else {
      k.Punkter.push_back({x, 0.0, 0.0});
    }
    Ekstrem(k.Punkter.back().x, p.VzVen, p.MyVen);
    if (p.xD < sd.LAas) {
      k.Punkter.push_back({(p.xD + 1.0) / 1000.0, p.VzHoj, p.MyHoj});
    } else {
      k.Punkter.push_back({x, 0.0, 0.0});
    }
    Ekstrem(k.Punkter.back().x, p.VzHoj, p.MyHoj);
    if (i + 1 >= punkter.size()) break;

    const TDiskPunkt& n = punkter[i + 1];
    const double V1 = p.VzHoj, V2 = n.VzVen;
    double x0 = -1;
    if (V1 * V2 < 0) {
      const double x1 = p.xD, x2 = n.xD;
      x0 = (x1 * V2 - x2 * V1) / (V2 - V1);
    }
    const double a = (p.xD + 1.0) / 1000.0, b = (n.xD - 1.0) / 1000.0;
    bool nulTaget = x0 < 0;
    for (int j = 1; j <= Mellempunkter && b > a; ++j) {
      const double s = a + (b - a) * j / (Mellempunkter + 1);
      if (!nulTaget && x0 / 1000.0 <= s) {
        const TSnit z = nul.Ved(x0 / 1000.0);
        k.Punkter.push_back({x0 / 1000.0, 0.0, z.My});
        Ekstrem(x0 / 1000.0, 0.0, z.My);
        nulTaget = true;
      }
      const TSnit m = mellem.Ved(s);
      k.Punkter.push_back({s, m.Vz, m.My});
    }
    if (!nulTaget) {
      const TSnit z = nul.Ved(x0 / 1000.0);
      k.Punkter.push_back({x0 / 1000.0, 0.0, z.My});
      Ekstrem(x0 / 1000.0, 0.0, z.My);
    }
  }
  // The sweeps ask strictly left of a position; the samples are for the eye.
  std::stable_sort(k.Punkter.begin(), k.Punkter.end(),
                   [](const TKurvePunkt& p, const TKurvePunkt& q) { return p.x < q.x; });
  return k;
}

}  // namespace

std::string TilfaeldeNavn(const TTilfaeldeId& t) {
  return Format("Ås %d, LK %d, LT %s", {t.Aas, t.LK, std::string(1, t.LT)});
}

namespace {

// The heads of the bending rankings of a finished run, in bay-type order.
std::vector<TTilfaeldeId> Givende(const TBeregning& ber) {
  std::vector<TTilfaeldeId> r;
  for (int t = 1; t <= 3; ++t) {
    const auto& liste = ber.Dimensionsgivende[RangUGBoej][t];
    if (liste.empty() || !liste.front().Tilfaelde) continue;
    const TTilfaelde& c = *liste.front().Tilfaelde;
    const TTilfaeldeId id{c.Aas, c.LK, c.LT};
    if (std::find(r.begin(), r.end(), id) == r.end()) r.push_back(id);
  }
  return r;
}

}  // namespace

std::vector<TTilfaeldeId> BoejningsgivendeTilfaelde(const Inddata& ind, TBrugerDialog& dialog) {
  TProjektberegning k;
  if (BeregnProjekt(k, Normalt(ind), dialog) != TBeregningsUdfald::Gennemfoert) return {};
  return Givende(k.Beregning);
}

TKurveValg BestemKurveValg(const Inddata& ind) {
  TKurveValg v;
  TTavsDialog dialog;
  TProjektberegning k;
  if (BeregnProjekt(k, Normalt(ind), dialog) != TBeregningsUdfald::Gennemfoert) {
    v.Besked = dialog.Foerste.empty() ? std::string("beregningen blev afbrudt.") : dialog.Foerste;
    return v;
  }
  for (const TTilfaelde& c : k.Beregning.Tilfaelde) v.Alle.push_back({c.Aas, c.LK, c.LT});
  std::sort(v.Alle.begin(), v.Alle.end(), [](const TTilfaeldeId& a, const TTilfaeldeId& b) {
    return std::tie(a.Aas, a.LK, a.LT) < std::tie(b.Aas, b.LK, b.LT);
  });
  v.Alle.erase(std::unique(v.Alle.begin(), v.Alle.end()), v.Alle.end());
  v.Givende = Givende(k.Beregning);
  return v;
}

std::optional<std::vector<TKraftkurve>> BeregnKraftkurver(const Inddata& indtastet,
                                                          const std::vector<TTilfaeldeId>& tilfaelde,
                                                          TBrugerDialog& dialog) {
  const Inddata ind = Normalt(indtastet);
  // The whole run first: the point-load placements come from its results,
  // and a case is drawn only from a chain the report would compute.
  TProjektberegning k;
  if (BeregnProjekt(k, ind, dialog) != TBeregningsUdfald::Gennemfoert) return std::nullopt;
  TBeregning& ber = k.Beregning;
  const TSupplData& sd = k.Suppl;
  std::vector<TKraftkurve> kurver;
  for (const TTilfaeldeId& id : tilfaelde) {
    const bool regnet = std::any_of(ber.Tilfaelde.begin(), ber.Tilfaelde.end(),
                                    [&id](const TTilfaelde& c) {
                                      return c.Aas == id.Aas && c.LK == id.LK && c.LT == id.LT;
                                    });
    if (!regnet) {
      dialog.Fejl("Lasttilfældet " + TilfaeldeNavn(id) + " findes ikke i denne beregning.");
      return std::nullopt;
    }
    // The run releases its supports and hinges at the end; laid out again,
    // the case is computed once more with its loads kept.
    ber.Charnierer = BygCharnierer(sd, ind.AntalFag);
    ber.Understoetninger = BygUnderstoetninger(sd, ind.AntalFag);
    TTilfaelde tilf;
    BygTilfaelde(tilf, id.Aas, id.LK, id.LT, ind, sd);
    TTilfaeldeLaster laster;
    if (!BeregnTilfaelde(ber, tilf, ind, sd, dialog, &laster, false)) return std::nullopt;
    kurver.push_back(Kurve(id, sd, ber, laster));
  }
  return kurver;
}

}  // namespace kvistor
