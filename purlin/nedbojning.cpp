#include "purlin/nedbojning.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "faelles/afrunding.h"
#include "faelles/format.h"
#include "purlin/gerbermodel.h"

namespace kvistor {

namespace {

constexpr const char* Kontakt = "Gem aktuelle inddata og kontakt Kvarnløkkedata.";

std::ptrdiff_t ForsteVedEllerEfter(const std::vector<TDiskPunkt>& punkter, std::int32_t x) {
  auto it = std::lower_bound(punkter.begin(), punkter.end(), x,
                             [](const TDiskPunkt& p, std::int32_t v) { return p.xD < v; });
  if (it == punkter.end()) return -1;
  return it - punkter.begin();
}

// The support before the one at xS: a gable bay's span back from the first
// interior frame and from the right gable support, a normal bay otherwise.
std::int32_t ForrigeUnderstoetning(std::int32_t xS, const TSupplData& sd) {
  if (xS == sd.xRamme1 || xS == sd.LAas - sd.GavlUdhMm) return xS - sd.GavlFag;
  return xS - sd.NormFag;
}

std::ptrdiff_t FraForrige(const std::vector<TDiskPunkt>& punkter, std::ptrdiff_t iS,
                          std::int32_t x, const char* rutine, const TSupplData& sd,
                          TBrugerDialog& dialog) {
  const std::int32_t xS = punkter[iS].xD;
  const std::int32_t xforr = ForrigeUnderstoetning(xS, sd);
  if (xforr < 0) {
    const std::string t =
        Format("%s: \"Forrige\" understøtning til x=%d mm har negativ x-koordinat!",
               {rutine, x}) +
        "\r\n" + Format("D3^.xD = %d mm; xforr: = %d mm", {xS, xforr});
    if (!dialog.AdvarselOkAnnuller(t)) return -1;
    return iS;
  }
  return D_x(punkter, xforr, dialog);
}

}  // namespace

double NedbFormel(double L, double q, double M5, double M6, double Q, double EIy) {
  // A section without stiffness deflects without bound; never report it as
  // no deflection.
  if (!(EIy > 0.0)) return 1e9;
  const double L2 = L * L;
  return 5.0 * q * L2 * L2 / (384.0 * EIy) + (M5 + M6) * L2 / (16.0 * EIy) +
         Q * L2 * L / (48.0 * EIy);
}

std::int32_t AfrundLuForhold(double r) {
  // A ratio beyond what the report can show is held at the largest int32
  // multiple of a hundred rather than overflowing.
  constexpr double Loft = 2147483600.0;
  if (std::isnan(r)) return 0;  // no ratio is no proof of stiffness
  if (r >= Loft) r = Loft;
  if (r < 1000.0) return static_cast<std::int32_t>(Round(r / 10.0) * 10);
  return static_cast<std::int32_t>(Round(r / 100.0) * 100);
}

std::int32_t LuForholdEgenSne(std::int32_t Lt, double uMaks) {
  // Only a span that does not deflect at all is divided by 0,0001 mm; any
  // other deflection, however small, gives its own ratio.
  const double u = std::fabs(uMaks);
  return AfrundLuForhold(u == 0.0 ? Lt / 0.0001 : Lt / u);
}

std::int32_t LuForholdPunktlast(std::int32_t Lt, double uMaks) {
  const double u = std::fabs(uMaks);
  return AfrundLuForhold(u > 0.01 ? Lt / u : 10000.0);
}

std::ptrdiff_t D_x(const std::vector<TDiskPunkt>& punkter, std::int32_t x,
                   TBrugerDialog& dialog) {
  const std::ptrdiff_t i = ForsteVedEllerEfter(punkter, x);
  if (i >= 0 && punkter[i].xD == x) return i;
  const std::string t = Format(
      "Procedure BestemNedbojninger/function D_x: Korrekt pointer til x = %2d ikke fundet! ",
      {x}) + Kontakt;
  if (!dialog.FejlDialogOkAnnuller(t)) return -1;
  // After OK the first point beyond x stands in; with none there is nothing
  // to compute with and the calculation stops.
  return i;
}

std::ptrdiff_t D_StartFag(const std::vector<TDiskPunkt>& punkter, std::int32_t x,
                          const TSupplData& sd, TBrugerDialog& dialog) {
  std::ptrdiff_t i = ForsteVedEllerEfter(punkter, x);
  if (i < 0) return D_x(punkter, x, dialog);
  if (!punkter[i].ErUnderstoetning) {
    const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(punkter.size());
    while (i < n && !punkter[i].ErUnderstoetning) ++i;
    if (i >= n) {
      // x lies in the right gable overhang (a long end bay whose largest
      // moment sits beyond its gable support, as with a large hinge offset):
      // no support follows, so the span is the one that ends at the right
      // gable support, as for the point load on the long end bay.
      do --i;
      while (i >= 0 && !punkter[i].ErUnderstoetning);
      if (i < 0) {
        dialog.FejlDialog(Format("Function D_StartFag: Ingen understøtning til højre for x=%d mm! ",
                                 {x}) + Kontakt);
        return -1;
      }
    }
    return FraForrige(punkter, i, x, "Function D_StartFag", sd, dialog);
  }
  if (punkter[i].MyHoj < punkter[i].MyVen)
    return FraForrige(punkter, i, x, "Function D_StartFag2", sd, dialog);
  return i;
}

bool BestemNedbojninger(TTilfaelde& tilf, const std::vector<TDiskPunkt>& punkter,
                        const TLinielastListe& linielast, const std::vector<TPunktlast>& PL,
                        const TSupplData& sd, std::array<std::array<double, 3>, 4>& uMaks,
                        std::array<std::array<std::int32_t, 3>, 4>& xuMaks,
                        std::array<std::array<std::int32_t, 3>, 4>& LuForhold,
                        TBrugerDialog& dialog, bool medTekst) {
  const int lk = tilf.LK;
  if (lk < 10 || lk > 12) return true;
  const int k = lk - 10;

  const double q = linielast.empty() ? 0.0 : linielast.front().dqz;
  if (linielast.size() > 1) {
    if (!dialog.FejlDialogOkAnnuller("proc BestemNedbojninger: fordelt last er ikke konstant! \r\n" +
                                     std::string(Kontakt)))
      return false;
  }

  auto& L = tilf.Linier;
  if (medTekst) {
    L.push_back("");
    L.push_back("Nedbøjninger:");
    L.push_back("  Fag  xstart      L      q     M5     M6      Q   u(g)   u(s)   u(Q)");
    L.push_back("            m      m   kN/m    kNm    kNm     kN     mm     mm     mm");
  }

  const std::array<std::int32_t, 4> spaend{0, sd.LKE, sd.LMF, sd.LLE};
  const std::array<std::int32_t, 4> forsteUnderstoetning{0, sd.GavlUdhMm, sd.xRamme1, sd.xRammeN};

  if (lk == 12) {
    if (PL.empty()) {
      dialog.Besked("Fejl i proc. BestemNedbojninger: Lastkomb = 12, men PL2 = nil!");
      return false;
    }
  }

  for (int t = 1; t <= 3; ++t) {
    const std::int32_t Lt = spaend[t];
    double M5 = 0, M6 = 0, Q = 0;
    std::ptrdiff_t d = -1;
    if (lk == 10 || lk == 11) {
      const std::int32_t xm =
          static_cast<std::int32_t>(Round(tilf.FagRes[t].xMyMax * 1000.0));
      d = xm > sd.GavlUdhMm ? D_StartFag(punkter, xm, sd, dialog)
                            : D_x(punkter, forsteUnderstoetning[t], dialog);
      if (d < 0) return false;
      if (FagTypeVedRammer(sd, punkter[d].xD) == t) M5 = 1e6 * punkter[d].MyHoj;
    } else {
      d = D_x(punkter, forsteUnderstoetning[t], dialog);
      if (d < 0) return false;
      if (t == 3) {
        // The right gable overhang hogs the long end bay at its far support.
        const std::ptrdiff_t e = D_x(punkter, sd.LAas - sd.GavlUdhMm, dialog);
        if (e < 0) return false;
        M6 = 1e6 * punkter[e].MyVen;
      }
      const TPunktlast& p = PL.front();
      if (p.x <= 0) {
        dialog.Besked(
            Format("proc. BestemNedbojninger: LK = %d; LT = %s; Fagtype = %s; xtemp = %d mm",
                   {lk, std::string(1, tilf.LT), FagTypeNavn(t), p.x}) +
            "\r\nxtemp(egen- eller snelast) kan ikke bestemmes korrekt!");
        return false;
      }
      if (FagTypeVedRammer(sd, p.x) == t) {
        Q = 1000.0 * p.Pz;
        d = D_StartFag(punkter, p.x, sd, dialog);
        if (d < 0) return false;
        M5 = 1e6 * punkter[d].MyHoj;
      }
    }

    const double u = NedbFormel(Lt, q, M5, M6, Q, sd.EIy);
    TFagResultat& fr = tilf.FagRes[t];
    if (lk == 10) fr.uG = u;
    else if (lk == 11) fr.uS = u;
    else fr.uQ = u;
    if (u > uMaks[t][k]) {
      uMaks[t][k] = u;
      xuMaks[t][k] =
          static_cast<std::int32_t>(Round(Lt / 2.0) + punkter[d].xD);
    }
    if (medTekst)
      L.push_back(Format("%5s%8.2f%7.2f%7.2f%7.2f%7.2f%7.2f%7.2f%7.2f%7.2f",
                       {FagTypeNavn(t), punkter[d].xD / 1000.0, Lt / 1000.0, q, M5 / 1e6,
                        M6 / 1e6, Q / 1000.0, fr.uG, fr.uS, fr.uQ}));
  }

  for (int t = 1; t <= 3; ++t) {
    const std::int32_t Lt = spaend[t];
    if (lk == 12) {
      LuForhold[t][2] = LuForholdPunktlast(Lt, uMaks[t][2]);
    } else {
      LuForhold[t][0] = LuForholdEgenSne(Lt, uMaks[t][0]);
      LuForhold[t][1] = LuForholdEgenSne(Lt, uMaks[t][1]);
    }
  }
  return true;
}

}  // namespace kvistor
