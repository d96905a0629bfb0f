#include "purlin/statik.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "purlin/gerbermodel.h"

namespace kvistor {

// ---------------------------------------------------------------------------
// The sweep

TSnitkraefter::TSnitkraefter(const TLinielastListe& linielast, const std::vector<TPunktlast>& pl,
                             const TUnderstoetninger& understoetninger,
                             const std::vector<TKipMoment>& kip)
    : linielast_(linielast), pl_(pl), understoetninger_(understoetninger), kip_(kip) {
  auto h = std::make_shared<THaendelser>();
  auto& liste = h->liste;
  constexpr TArt Arter[4] = {TArt::Linie, TArt::Punkt, TArt::Stoette, TArt::Kip};
  const std::size_t n[4] = {linielast.size(), pl.size(), understoetninger.size(), kip.size()};
  auto X = [&](int kilde, std::size_t i) -> std::int32_t {
    switch (kilde) {
      case 0: return linielast[i].x;
      case 1: return pl[i].x;
      case 2: return understoetninger[i].x;
      default: return kip[i].x;
    }
  };
  liste.reserve(n[0] + n[1] + n[2] + n[3]);
  bool sorteret = true;
  for (int k = 0; k < 4 && sorteret; ++k)
    for (std::size_t i = 1; i < n[k]; ++i)
      if (X(k, i) < X(k, i - 1)) {
        sorteret = false;
        break;
      }
  if (sorteret) {
    // Each list is normally sorted already: merged, equal positions in the
    // order line loads, point loads, supports, tilting moments, which is
    // the order a stable sort of the lists one after the other gives.
    std::size_t naeste[4] = {0, 0, 0, 0};
    for (std::size_t rest = n[0] + n[1] + n[2] + n[3]; rest > 0; --rest) {
      int valgt = -1;
      std::int32_t xv = 0;
      for (int k = 0; k < 4; ++k) {
        if (naeste[k] >= n[k]) continue;
        const std::int32_t x = X(k, naeste[k]);
        if (valgt < 0 || x < xv) {
          valgt = k;
          xv = x;
        }
      }
      liste.push_back({xv / 1000.0, Arter[valgt], static_cast<std::uint32_t>(naeste[valgt]++)});
    }
  } else {
    for (int k = 0; k < 4; ++k)
      for (std::size_t i = 0; i < n[k]; ++i)
        liste.push_back({X(k, i) / 1000.0, Arter[k], static_cast<std::uint32_t>(i)});
    std::stable_sort(liste.begin(), liste.end(),
                     [](const THaendelse& a, const THaendelse& b) { return a.xm < b.xm; });
  }
  h->stoette.assign(understoetninger.size(), 0);
  for (std::size_t k = 0; k < liste.size(); ++k)
    if (liste[k].art == TArt::Stoette) h->stoette[liste[k].i] = k;
  start_ = liste.empty() ? 0.0 : std::min(0.0, liste.front().xm);
  haendelser_ = std::move(h);
  Nulstil();
}

void TSnitkraefter::Nulstil() {
  naeste_ = 0;
  s_ = start_;
  qz_ = qy_ = Vz_ = Vy_ = My_ = Mz_ = 0;
}

void TSnitkraefter::GaaTil(double s) {
  // Between load points the line load is constant: shear falls linearly and
  // the moment follows the exact parabola, so carrying them is no
  // approximation.
  const double d = s - s_;
  My_ += Vz_ * d - qz_ * d * d / 2.0;
  Mz_ += Vy_ * d - qy_ * d * d / 2.0;
  Vz_ -= qz_ * d;
  Vy_ -= qy_ * d;
  s_ = s;
}

TSnit TSnitkraefter::Ved(double s) {
  if (s < s_) Nulstil();
  // Only what lies strictly left of s counts.
  const std::vector<THaendelse>& liste = haendelser_->liste;
  while (naeste_ < liste.size() && liste[naeste_].xm < s) {
    const THaendelse& h = liste[naeste_];
    GaaTil(h.xm);
    switch (h.art) {
      case TArt::Linie:
        qz_ += linielast_[h.i].dqz;
        qy_ += linielast_[h.i].dqy;
        break;
      case TArt::Punkt:
        Vz_ -= pl_[h.i].Pz;
        Vy_ -= pl_[h.i].Py;
        break;
      case TArt::Stoette:
        Vz_ -= understoetninger_[h.i].Rz;
        Vy_ -= understoetninger_[h.i].Ry;
        break;
      case TArt::Kip:
        My_ -= kip_[h.i].M;
        break;
    }
    ++naeste_;
  }
  GaaTil(s);
  return TSnit{Vz_, Vy_, My_, Mz_};
}

void TSnitkraefter::ReaktionAendret(std::size_t i, double dRz, double dRy) {
  const std::vector<std::size_t>& stoette = haendelser_->stoette;
  if (i >= stoette.size() || stoette[i] >= naeste_) return;
  const double arm = s_ - haendelser_->liste[stoette[i]].xm;
  Vz_ -= dRz;
  Vy_ -= dRy;
  My_ -= arm * dRz;
  Mz_ -= arm * dRy;
}

// ---------------------------------------------------------------------------
// Small helpers

double KombineretSpaending(double Wy, double Wz, double Mz, double My) {
  const double sy = std::fabs(My) * 1e6 / Wy;
  const double sz = std::fabs(Mz) * 1e6 / Wz;
  if (sz <= sy) return sy + 0.7 * sz;
  return 0.7 * sy + sz;
}

double KombineretSpaending(const TSupplData& sd, double Mz, double My) {
  return KombineretSpaending(sd.Wy, sd.Wz, Mz, My);
}

double Forskydningsspaending(double A, double V) {
  // 1,5·V/A of a rectangle, kN to N.
  return 1500.0 * V / A;
}

std::string MomentKurveLinje(double s, double My) {
  // "%5.3n" zero-padded to 7 characters, then "%10.4n". Built from the
  // number texts directly: a long purlin has tens of thousands of these
  // lines. The position text is never shorter than 5 characters ("0,000"),
  // and both texts are plain ASCII, so bytes count characters here.
  const std::string pos = FormaterFast(s, 3, true);
  const std::string moment = FormaterFast(My, 4, true);
  std::string linje;
  linje.reserve(std::max<std::size_t>(pos.size(), 7) + std::max<std::size_t>(moment.size(), 10));
  // Zero-padded so that the text order of the lines is their position order.
  if (pos.size() < 7) linje.append(7 - pos.size(), '0');
  linje += pos;
  if (moment.size() < 10) linje.append(10 - moment.size(), ' ');
  linje += moment;
  return linje;
}

namespace {

TFagResultat& Fag(TTilfaelde& tilf, int type) {
  // A type outside 1..3 can only come from a damaged list; keep it off the
  // unused entry 0 rather than outside the array.
  return tilf.FagRes[static_cast<std::size_t>(std::clamp(type, 1, 3))];
}

void SkrivReaktioner(const TUnderstoetninger& u, TTilfaelde& tilf) {
  auto& L = tilf.Linier;
  L.emplace_back();
  L.emplace_back("Regningsmæssige reaktioner (pos som træk):");
  if (u.empty()) {
    L.emplace_back("  Der foreligger ingen reaktioner!");
    return;
  }
  for (std::size_t start = 0; start < u.size(); start += 7) {
    if (start > 0) L.emplace_back();
    const std::size_t slut = std::min(u.size(), start + 7);
    std::string x = "  x (m)     ", z = "  z-retn(kN)", y = "  y-retn(kN)";
    for (std::size_t i = start; i < slut; ++i) {
      x += Format("%8.2n", {u[i].x / 1000.0});
      z += Format("%8.2n", {u[i].Rz});
      y += Format("%8.2n", {u[i].Ry});
    }
    L.push_back(x);
    L.push_back(z);
    L.push_back(y);
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Reactions

namespace {

// Reaktioner on a fresh sweep of the case's loads and supports.
bool LoesReaktioner(const TSupplData& sd, TUnderstoetninger& understoetninger,
                    const TCharnierer& charnierer, TTilfaelde& tilf, bool detaljeret,
                    TBrugerDialog& dialog, TSnitkraefter snit) {
  const std::size_t nR = understoetninger.size();
  const std::size_t nH = charnierer.size();
  if (nR != nH + 2) {
    dialog.FejlMedTitel("Fejl i kædelængder", "procedure Reaktioner:\r\n" + Format("%1d", {static_cast<long long>(nR)}) +
                " reaktioner og " + Format("%1d", {static_cast<long long>(nH)}) + " charnierer");
    std::string tekst = "Proc Reaktioner: ";
    for (const TReaktion& r : understoetninger) tekst += "; " + Format("%5.2f", {r.x / 1000.0});
    dialog.InformationMedTitel("R-koordinater", tekst);
  }
  // Without two supports nothing carries the purlin: there is no chain to
  // solve, and zero reactions would read as a purlin without load.
  if (nR < 2) {
    if (detaljeret) SkrivReaktioner(understoetninger, tilf);
    return false;
  }

  // Forward sweep: each piece rests on its own support and hangs at its right
  // end in the next piece, so its support reaction is the one that makes the
  // moment at that hinge zero. Hinge k pairs with support k. With a support
  // list of the wrong length only the pairs that exist are solved.
  const std::size_t par = std::min(nH, nR - 2);
  for (std::size_t k = 0; k < par; ++k) {
    const std::int32_t xh = charnierer[k].x;
    const std::int32_t xs = understoetninger[k].x;
    if (xh == xs) {
      dialog.Fejl("procedure Reaktioner:\r\nCharnieret i x = " + Format("%5.2f", {xh / 1000.0}) +
                  " m ligger over sin understøtning, så åsestykket ikke kan bære sig selv.\r\n"
                  "Charnierforskydningen skal være mindre end både rammeafstanden og "
                  "gavlrammeafstanden.");
      return false;
    }
    const TSnit s = snit.Ved(xh / 1000.0);
    const double arm = static_cast<double>(xh) - static_cast<double>(xs);
    TReaktion& r = understoetninger[k];
    r.Rz = 1000.0 * s.My / arm;
    r.Ry = 1000.0 * s.Mz / arm;
    snit.ReaktionAendret(k, r.Rz, r.Ry);
  }

  // The last piece has two supports: the last interior frame a and the right
  // gable support b take the shear and moment that remain at the purlin's end.
  // The shear is taken 1 mm beyond the end, as the program always has.
  {
    TReaktion& a = understoetninger[nR - 2];
    TReaktion& b = understoetninger[nR - 1];
    const double spand = static_cast<double>(b.x) - static_cast<double>(a.x);
    if (spand == 0) {
      dialog.Fejl("procedure Reaktioner:\r\nDe to sidste understøtninger ligger begge i x = " +
                  Format("%5.2f", {a.x / 1000.0}) + " m.");
      return false;
    }
    const TSnit m = snit.Ved(sd.LAas / 1000.0);
    const TSnit v = snit.Ved((sd.LAas + 1.0) / 1000.0);
    a.Rz = (1000.0 * m.My - sd.GavlUdhMm * v.Vz) / spand;
    b.Rz = v.Vz - a.Rz;
    a.Ry = (1000.0 * m.Mz - sd.GavlUdhMm * v.Vy) / spand;
    b.Ry = v.Vy - a.Ry;
  }

  if (detaljeret) SkrivReaktioner(understoetninger, tilf);

  for (const TReaktion& r : understoetninger) {
    TFagResultat& f = Fag(tilf, r.Type);
    if (r.Rz > f.RzMax) f.RzMax = r.Rz;
    if (r.Rz < f.RzMin) f.RzMin = r.Rz;
    if (r.Ry > f.RyMax) f.RyMax = r.Ry;
    if (r.Ry < f.RyMin) f.RyMin = r.Ry;
  }
  return true;
}

}  // namespace

bool Reaktioner(const TSupplData& sd, TUnderstoetninger& understoetninger,
                const TCharnierer& charnierer, const TTilfaeldeLaster& laster, TTilfaelde& tilf,
                bool detaljeret, TBrugerDialog& dialog) {
  return LoesReaktioner(sd, understoetninger, charnierer, tilf, detaljeret, dialog,
                        TSnitkraefter(laster.Linielast, laster.PL, understoetninger,
                                      laster.KipMomenter));
}

// ---------------------------------------------------------------------------
// Discontinuity points

TDiskPunkt NyDiskPunkt(const TSupplData& sd, std::int32_t x, bool charnier, bool stoette) {
  TDiskPunkt d;
  d.xD = x;
  d.FagVen = static_cast<std::uint8_t>(FagTypeVedCharnierer(sd, x - 1.0));
  d.FagHoj = static_cast<std::uint8_t>(FagTypeVedCharnierer(sd, x + 1.0));
  d.ErCharnier = charnier;
  d.ErUnderstoetning = stoette;
  d.xVen = (x - 1.0) / 1000.0;
  d.xMidt = x / 1000.0;
  d.xHoj = (x + 1.0) / 1000.0;
  return d;
}

namespace {

// Appends a point at x, or merges its flags into the last point when that
// lies at x already. Positions must come in non-decreasing order.
void TilfoejPunkt(const TSupplData& sd, std::vector<TDiskPunkt>& punkter, std::int32_t x,
                  bool charnier, bool stoette) {
  if (!punkter.empty() && punkter.back().xD == x) {
    punkter.back().ErCharnier = punkter.back().ErCharnier || charnier;
    punkter.back().ErUnderstoetning = punkter.back().ErUnderstoetning || stoette;
    return;
  }
  punkter.push_back(NyDiskPunkt(sd, x, charnier, stoette));
}

// The positions of the case's loads and the purlin's end, sorted.
void BygLastPositioner(const TSupplData& sd, const TTilfaeldeLaster& laster,
                       std::vector<std::int32_t>& x) {
  x.clear();
  x.reserve(laster.PL.size() + laster.Linielast.size() + 1);
  // Each source is a sorted list, so merging them as they come keeps the
  // positions sorted; lists out of order (a damaged case) are sorted after.
  std::size_t p = 0;
  for (const TLinielast& l : laster.Linielast) {
    for (; p < laster.PL.size() && laster.PL[p].x <= l.x; ++p) x.push_back(laster.PL[p].x);
    x.push_back(l.x);
  }
  for (; p < laster.PL.size(); ++p) x.push_back(laster.PL[p].x);
  x.push_back(sd.LAas);
  if (!std::is_sorted(x.begin(), x.end())) std::sort(x.begin(), x.end());
}

}  // namespace

std::vector<TDiskPunkt> BygKaedepunkter(const TSupplData& sd,
                                        const TUnderstoetninger& understoetninger,
                                        const TCharnierer& charnierer) {
  struct TKandidat {
    std::int32_t x;
    bool charnier, stoette;
  };
  // The purlin's start with the hinges and supports, which interleave. Each
  // source is a sorted list, so merging them as they come keeps the run
  // sorted; lists out of order (a damaged chain) are sorted as a whole.
  // Candidates at the same x become one point with their flags merged, so
  // their order among themselves does not matter: no stable sort needed.
  std::vector<TKandidat> k;
  k.reserve(charnierer.size() + understoetninger.size() + 1);
  k.push_back({0, false, false});
  std::size_t s = 0;
  for (const TCharnier& c : charnierer) {
    for (; s < understoetninger.size() && understoetninger[s].x <= c.x; ++s)
      k.push_back({understoetninger[s].x, false, true});
    k.push_back({c.x, true, false});
  }
  for (; s < understoetninger.size(); ++s) k.push_back({understoetninger[s].x, false, true});
  auto foer = [](const TKandidat& a, const TKandidat& b) { return a.x < b.x; };
  if (!std::is_sorted(k.begin(), k.end(), foer)) std::sort(k.begin(), k.end(), foer);

  std::vector<TDiskPunkt> punkter;
  punkter.reserve(k.size());
  for (const TKandidat& c : k) TilfoejPunkt(sd, punkter, c.x, c.charnier, c.stoette);
  return punkter;
}

void BygDiskPunkter(const TSupplData& sd, const std::vector<TDiskPunkt>& kaedepunkter,
                    const TTilfaeldeLaster& laster, std::vector<TDiskPunkt>& punkter) {
  std::vector<std::int32_t> lastX;
  BygLastPositioner(sd, laster, lastX);
  punkter.clear();
  punkter.reserve(kaedepunkter.size() + lastX.size());
  // The chain's points are copied in runs up to each load position; a load
  // on a point of the chain adds nothing, as a load carries no flag.
  auto k = kaedepunkter.begin();
  for (const std::int32_t x : lastX) {
    const auto fra = k;
    while (k != kaedepunkter.end() && k->xD <= x) ++k;
    punkter.insert(punkter.end(), fra, k);
    TilfoejPunkt(sd, punkter, x, false, false);
  }
  punkter.insert(punkter.end(), k, kaedepunkter.end());
}

std::vector<TDiskPunkt> BygDiskPunkter(const TSupplData& sd,
                                       const TUnderstoetninger& understoetninger,
                                       const TCharnierer& charnierer,
                                       const TTilfaeldeLaster& laster) {
  std::vector<TDiskPunkt> punkter;
  BygDiskPunkter(sd, BygKaedepunkter(sd, understoetninger, charnierer), laster, punkter);
  return punkter;
}

// ---------------------------------------------------------------------------
// Shear and moments

namespace {

// The first eight bytes of a text from `fra` on, as an unsigned number whose
// order is the bytes' order (missing bytes count as 0, below every character).
std::uint64_t Noegle(const std::string& t, std::size_t fra) {
  std::uint64_t k = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const std::size_t j = fra + i;
    k = (k << 8) | (j < t.size() ? static_cast<unsigned char>(t[j]) : 0u);
  }
  return k;
}

// Appends the lines to `ud` in plain character order, without equal lines.
// A long purlin has tens of thousands of curve lines, so the lines are
// compared by their first sixteen bytes packed into two numbers, and as texts
// only when those agree. Same order as comparing the texts.
void TilfoejSorteretUdenDubletter(std::vector<std::string>& linier,
                                  std::vector<std::string>& ud) {
  struct TNoegle {
    std::uint64_t a, b;
    std::uint32_t i;
  };
  std::vector<TNoegle> n;
  n.reserve(linier.size());
  for (std::size_t i = 0; i < linier.size(); ++i)
    n.push_back({Noegle(linier[i], 0), Noegle(linier[i], 8), static_cast<std::uint32_t>(i)});
  std::sort(n.begin(), n.end(), [&linier](const TNoegle& x, const TNoegle& y) {
    if (x.a != y.a) return x.a < y.a;
    if (x.b != y.b) return x.b < y.b;
    return linier[x.i] < linier[y.i];
  });
  ud.reserve(ud.size() + linier.size());
  const std::size_t foer = ud.size();
  for (const TNoegle& k : n) {
    if (ud.size() > foer && ud.back() == linier[k.i]) continue;
    ud.push_back(std::move(linier[k.i]));
  }
  linier.clear();
}

// The combined bending stress of a section, with a quick judgement of
// whether a pair of moments can beat the largest stress so far. Most pairs
// cannot, and they are spared the two divisions: with the reciprocals of the
// moduli the estimate lies within a few units in the last place of the
// stress the divisions give (the rounded stress rises with both moments), so
// an estimate below the largest by far more than that settles it.
struct TBoejningsspaending {
  double Wy, Wz;  // mm³
  double ky, kz;  // 1e6/Wy, 1e6/Wz
  bool Hurtig;    // both moduli positive and finite: the estimate holds
  explicit TBoejningsspaending(const TSupplData& sd)
      : Wy(sd.Wy), Wz(sd.Wz), ky(1e6 / sd.Wy), kz(1e6 / sd.Wz),
        Hurtig(sd.Wy > 0 && sd.Wz > 0 && std::isfinite(ky) && std::isfinite(kz)) {}
  bool KanOverstige(double Mz, double My, double loft) const {
    if (!Hurtig) return true;
    const double sy = std::fabs(My) * ky, sz = std::fabs(Mz) * kz;
    const double overslag = std::max(sy, sz) + 0.7 * std::min(sy, sz);
    // A NaN estimate is no judgement: the stress is worked out.
    return !(overslag * (1.0 + 1e-12) + 1e-300 < loft);
  }
};

void OpdaterMoment(TFagResultat& f, double My, double Mz, double x,
                   const TBoejningsspaending& b) {
  if (My > f.MyMax) {
    f.MyMax = My;
    f.xMyMax = x;
  }
  if (My < f.MyMin) {
    f.MyMin = My;
    f.xMyMin = x;
  }
  if (!b.KanOverstige(Mz, My, f.SigmaMax)) return;
  const double sigma = KombineretSpaending(b.Wy, b.Wz, Mz, My);
  if (sigma > f.SigmaMax) {
    f.SigmaMax = sigma;
    f.xSigmaMax = x;
  }
}

// The largest shear stress of each bay type, the square root and division
// worked out only where they can win: the stress rises with V², so a V² no
// larger than one already worked out cannot beat the largest.
struct TForskydningsmaks {
  double A;                   // mm²
  std::array<double, 4> V2{-1.0, -1.0, -1.0, -1.0};  // per bay type: largest V² worked out
  void Se(TFagResultat& f, int type, double Vz, double Vy, double x) {
    const double v2 = Vz * Vz + Vy * Vy;
    double& kendt = V2[static_cast<std::size_t>(std::clamp(type, 1, 3))];
    if (A > 0 && !(v2 > kendt)) return;
    kendt = v2;
    const double tau = Forskydningsspaending(A, std::sqrt(v2));
    if (tau > f.TauMax) {
      f.TauMax = tau;
      f.xTauMax = x;
    }
  }
};

// What BestemSnitkraefter works out.
struct TSnitOpgave {
  bool Forskydning;  // shear left and right of the points, their extremes, hinge forces
  bool Momenter;     // moments left and right of the points and at the shear's zeros
  bool MomentKurve;  // the moment-curve lines (with Momenter)
};

// The shear and the moment just left (xD − 1 mm) and just right (xD + 1 mm)
// of every point come from the same two sweeps, so the shear and the moment
// share them; each value is the one a sweep of its own would give, as a
// sweep's path depends only on the positions it is asked for. `frisk` is a
// sweep of the case standing at its start.
void BestemSnitkraefter(const TSupplData& sd, std::vector<TDiskPunkt>& punkter,
                        const TUnderstoetninger& understoetninger, TTilfaelde& tilf,
                        const TSnitkraefter& frisk, const TSnitOpgave& opgave,
                        std::vector<TMomentPunkt>* momentPunkter = nullptr) {
  TSnitkraefter ven = frisk, hoj = frisk;
  TForskydningsmaks tau{sd.A};
  for (TDiskPunkt& p : punkter) {
    TSnit v{}, h{};
    if (p.xD - 1 >= 0) v = ven.Ved(p.xVen);
    if (p.xD + 1.0 <= sd.LAas) h = hoj.Ved(p.xHoj);
    if (opgave.Momenter) {
      p.MyVen = v.My;
      p.MyHoj = h.My;
    }
    if (!opgave.Forskydning) continue;
    p.VzVen = v.Vz;
    p.VyVen = v.Vy;
    p.VzHoj = h.Vz;
    p.VyHoj = h.Vy;

    tau.Se(Fag(tilf, p.FagVen), p.FagVen, p.VzVen, p.VyVen, p.xMidt);
    tau.Se(Fag(tilf, p.FagHoj), p.FagHoj, p.VzHoj, p.VyHoj, p.xMidt);

    if (p.ErCharnier) {
      TFagResultat& f = Fag(tilf, CharnierType(sd, p.xD));
      for (const double v : {p.VzVen, p.VzHoj}) {
        if (v > f.VzCharnMax) {
          f.VzCharnMax = v;
          f.xVzCharnMax = p.xMidt;
        }
        if (v < f.VzCharnMin) {
          f.VzCharnMin = v;
          f.xVzCharnMin = p.xMidt;
        }
      }
      f.VyCharnMin = std::min({f.VyCharnMin, p.VyVen, p.VyHoj});
    }
  }
  if (opgave.Forskydning)
    for (int t = 1; t <= 3; ++t) {
      TFagResultat& f = tilf.FagRes[t];
      f.F1 = -f.VzCharnMin;
      f.F2 = f.VzCharnMax;
      f.F3 = -f.VyCharnMin;
    }
  if (!opgave.Momenter) return;

  // The moment in the points themselves and at the zeros of the shear each
  // rise on their own: one sweep for each.
  const bool medKurve = opgave.MomentKurve;
  TSnitkraefter midt = frisk, nul = frisk;
  const TBoejningsspaending sigma(sd);
  std::vector<std::string> kurve;
  if (medKurve) kurve.reserve(2 * punkter.size() + 11 * (understoetninger.size() + 1));
  auto Kurve = [&kurve](double s, double My) { kurve.push_back(MomentKurveLinje(s, My)); };
  auto Gem = [momentPunkter](int fag, double My, double Mz) {
    if (momentPunkter)
      momentPunkter->push_back({static_cast<std::uint8_t>(std::clamp(fag, 1, 3)), My, Mz});
  };

  for (std::size_t i = 0; i < punkter.size(); ++i) {
    TDiskPunkt& p = punkter[i];
    if (medKurve && p.xD >= 1) Kurve(p.xVen, p.MyVen);
    if (medKurve && p.xD < sd.LAas) Kurve(p.xHoj, p.MyHoj);
    const double Mz0 = midt.Ved(p.xMidt).Mz;
    OpdaterMoment(Fag(tilf, p.FagVen), p.MyVen, Mz0, p.xMidt, sigma);
    OpdaterMoment(Fag(tilf, p.FagHoj), p.MyHoj, Mz0, p.xMidt, sigma);
    Gem(p.FagVen, p.MyVen, Mz0);
    Gem(p.FagHoj, p.MyHoj, Mz0);

    // The moment peaks where the shear changes sign strictly between two
    // points; the shear is straight there, so its zero is interpolated.
    if (i + 1 < punkter.size()) {
      const TDiskPunkt& n = punkter[i + 1];
      const double V1 = p.VzHoj, V2 = n.VzVen;
      if (V1 * V2 < 0) {
        const double x1 = p.xD, x2 = n.xD;
        const double x0 = (x1 * V2 - x2 * V1) / (V2 - V1);
        const double s0 = x0 / 1000.0;
        const TSnit s = nul.Ved(s0);
        if (medKurve) Kurve(s0, s.My);
        const int fag = FagTypeVedCharnierer(sd, x0);
        OpdaterMoment(Fag(tilf, fag), s.My, s.Mz, s0, sigma);
        Gem(fag, s.My, s.Mz);
      }
    }
  }

  if (!medKurve) return;
  // Samples at the twelfths of every bay, for a smooth moment curve.
  TSnitkraefter proeve = frisk;
  auto Tolvtedele = [&](std::int64_t start, std::int64_t spand) {
    for (int i = 1; i <= 11; ++i) {
      const std::int64_t xs = start + spand * i / 12;
      const double s = static_cast<double>(xs) / 1000.0;
      Kurve(s, proeve.Ved(s).My);
    }
  };
  Tolvtedele(sd.GavlUdhMm, sd.GavlFag);
  for (const TReaktion& r : understoetninger)
    if (r.Type == 2 && r.x < sd.xRammeN) Tolvtedele(r.x, sd.NormFag);
  Tolvtedele(sd.xRammeN, sd.GavlFag);

  TilfoejSorteretUdenDubletter(kurve, tilf.MLinier);
}

}  // namespace

void Forskydningskraefter(const TSupplData& sd, std::vector<TDiskPunkt>& punkter,
                          const TUnderstoetninger& understoetninger, const TTilfaeldeLaster& laster,
                          TTilfaelde& tilf) {
  BestemSnitkraefter(sd, punkter, understoetninger, tilf,
                     TSnitkraefter(laster.Linielast, laster.PL, understoetninger, laster.KipMomenter),
                     {true, false, false});
}

void Momenter(const TSupplData& sd, std::vector<TDiskPunkt>& punkter,
              const TUnderstoetninger& understoetninger, const TTilfaeldeLaster& laster,
              TTilfaelde& tilf, bool medKurve, std::vector<TMomentPunkt>* momentPunkter) {
  BestemSnitkraefter(sd, punkter, understoetninger, tilf,
                     TSnitkraefter(laster.Linielast, laster.PL, understoetninger, laster.KipMomenter),
                     {false, true, medKurve}, momentPunkter);
}
// ---------------------------------------------------------------------------
// Printing

void SkrivSnitkraefter(const std::vector<TDiskPunkt>& punkter, TTilfaelde& tilf) {
  auto& L = tilf.Linier;
  L.emplace_back();
  L.emplace_back("Regningsmæssige snitkræfter tv og th for hvert diskontinuitetspunkt:");
  L.emplace_back("  Fortegnsdefinitioner for snitkræfter er de klassiske, altså:");
  L.emplace_back("  Ved positiv forskydningskraft V påvirkes åsedelen til venstre");
  L.emplace_back("  for snittet nedad og åsedelen til højre for snittet opad.");
  L.emplace_back("  Ved positivt moment M er der træk i undersiden af åsen.");
  L.emplace_back("      xD   VzVen   VzHoj   VyVen   VyHoj   MyVen   MyHoj  char- under-");
  L.emplace_back("       m      kN      kN      kN      kN     kNm     kNm  nier  støtn");
  L.emplace_back("  --------------------------------------------------------------------");
  for (const TDiskPunkt& p : punkter) {
    L.push_back(Format("%8.2n%8.2n%8.2n%8.2n%8.2n%8.2n%8.2n%6s%6s",
                       {p.xD / 1000.0, p.VzVen, p.VzHoj, p.VyVen, p.VyHoj, p.MyVen, p.MyHoj,
                        p.ErCharnier ? "    x " : "      ",
                        p.ErUnderstoetning ? "    x " : "      "}));
  }
  for (const TDiskPunkt& p : punkter) {
    tilf.QLinier.push_back(Format("%7.3n%10.2n", {(p.xD - 1.0) / 1000.0, p.VzVen}));
    tilf.QLinier.push_back(Format("%7.3n%10.2n", {(p.xD + 1.0) / 1000.0, p.VzHoj}));
  }
}

// ---------------------------------------------------------------------------

bool LoesTilfaelde(const TSupplData& sd, TUnderstoetninger& understoetninger,
                   const TCharnierer& charnierer, const TTilfaeldeLaster& laster, TTilfaelde& tilf,
                   bool detaljeret, TBrugerDialog& dialog, std::vector<TDiskPunkt>& punkter,
                   bool medMomentKurve, TSnitUdtraek* udtraek,
                   const std::vector<TDiskPunkt>* kaedepunkter) {
  punkter.clear();
  // One sorted list of the case's events serves every sweep of the case:
  // the reactions are read as a sweep passes them, not when it is made.
  const TSnitkraefter frisk(laster.Linielast, laster.PL, understoetninger, laster.KipMomenter);
  if (!LoesReaktioner(sd, understoetninger, charnierer, tilf, detaljeret, dialog, frisk))
    return false;
  if (kaedepunkter)
    BygDiskPunkter(sd, *kaedepunkter, laster, punkter);
  else
    punkter = BygDiskPunkter(sd, understoetninger, charnierer, laster);
  if (udtraek) *udtraek = TSnitUdtraek{};
  BestemSnitkraefter(sd, punkter, understoetninger, tilf, frisk,
                     {true, true, medMomentKurve}, udtraek ? &udtraek->Momenter : nullptr);
  if (udtraek) {
    // The shear stress is 1,5·V/A on any rectangle: its largest resultant
    // V per bay type is all a check on another section needs.
    auto& V = udtraek->VMaks;
    for (const TDiskPunkt& p : punkter) {
      double& ven = V[static_cast<std::size_t>(std::clamp<int>(p.FagVen, 1, 3))];
      ven = std::max(ven, std::sqrt(p.VzVen * p.VzVen + p.VyVen * p.VyVen));
      double& hoj = V[static_cast<std::size_t>(std::clamp<int>(p.FagHoj, 1, 3))];
      hoj = std::max(hoj, std::sqrt(p.VzHoj * p.VzHoj + p.VyHoj * p.VyHoj));
    }
  }
  if (detaljeret) SkrivSnitkraefter(punkter, tilf);
  return true;
}

}  // namespace kvistor
