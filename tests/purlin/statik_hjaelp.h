#pragma once
// Shared set-up of the purlin tests: the layout of the worked example
// (4 bays, frames 6000 mm, gable bays 5000 mm, overhang 500 mm, hinge offset
// 857 mm, C24 200 × 50) with its chain, the shipped default project, and the
// section-force sums evaluated term by term, independently of the sweep in
// the program.
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/optagende_dialog.h"
#include "hjaelp/projekt.h"
#include "project/inddata.h"
#include "purlin/gerbermodel.h"
#include "purlin/statik.h"
#include "purlin/suppldata.h"
#include "purlin/traemateriale.h"
#include "purlin/understoetninger.h"
#include "calculation/tvaersnit_byg.h"

namespace kvistor::test {

inline Inddata EksempelInddata(int antalFag = 4) {
  Inddata ind;
  ind.AntalFag = antalFag;
  ind.Rammeafstand = 6.0;
  ind.GavlRammeAfst = 5.0;
  ind.CharnForsk = 0.857;
  ind.GavlUdh = 0.5;
  ind.AaseHojde = 200;
  ind.AaseBredde = 50;
  ind.StyrkeKlasse = 2;
  return ind;
}

inline TSupplData EksempelSupplData(const Inddata& ind) {
  TSupplData sd;
  BestemLaengdeLayout(sd, ind);
  BestemTvaersnitsvaerdier(sd, ind, 0);
  BestemMaterialevaerdier(sd, ind);
  return sd;
}

// The example's chain with one load set, one case and its points.
struct TKaede {
  Inddata ind;
  TSupplData sd;
  TUnderstoetninger u;
  TCharnierer c;
  TTilfaeldeLaster l;
  TTilfaelde tilf;
  TSkriptetDialog dialog;
  std::vector<TDiskPunkt> p;

  explicit TKaede(const Inddata& i = EksempelInddata())
      : ind(i), sd(EksempelSupplData(i)), u(BygUnderstoetninger(sd, i.AntalFag)),
        c(BygCharnierer(sd, i.AntalFag)) {}
  TKaede& Jaevn(double qz, double qy = 0) {
    TilfoejLinielast(l.Linielast, 0, qz, qy);
    return *this;
  }
  bool Reakt(bool detaljeret = false) { return Reaktioner(sd, u, c, l, tilf, detaljeret, dialog); }
  bool Loes(bool detaljeret = false) { return LoesTilfaelde(sd, u, c, l, tilf, detaljeret, dialog, p); }
};

// The four sums, with everything whose x/1000 < s.
inline TSnit DirekteSnit(const TTilfaeldeLaster& l, const TUnderstoetninger& u, double s) {
  TSnit r;
  auto kraft = [&](std::int32_t x, double z, double y) {  // a point load or a reaction
    const double a = s - x / 1000.0;
    if (a <= 0) return;
    r.My -= a * z;
    r.Mz -= a * y;
    r.Vz -= z;
    r.Vy -= y;
  };
  for (const auto& q : l.Linielast) {
    const double a = s - q.x / 1000.0;
    if (a <= 0) continue;
    r.My -= a * a * q.dqz / 2;
    r.Mz -= a * a * q.dqy / 2;
    r.Vz -= a * q.dqz;
    r.Vy -= a * q.dqy;
  }
  for (const auto& p : l.PL) kraft(p.x, p.Pz, p.Py);
  for (const auto& a : u) kraft(a.x, a.Rz, a.Ry);
  for (const auto& m : l.KipMomenter)
    if (m.x / 1000.0 < s) r.My -= m.M;
  return r;
}

// A random load set on a purlin of length lAas: a few line-load changes
// (always one at 0), maybe a point load, maybe two tilting moments at
// supports.
inline TTilfaeldeLaster TilfaeldigeLaster(std::mt19937& g, const TSupplData& sd,
                                          const TUnderstoetninger& u) {
  std::uniform_int_distribution<int> xFordeling(0, sd.LAas);
  std::uniform_real_distribution<double> v(-3.0, 3.0);
  TTilfaeldeLaster l;
  TilfoejLinielast(l.Linielast, 0, v(g), v(g));
  const int n = std::uniform_int_distribution<int>(0, 6)(g);
  for (int i = 0; i < n; ++i) TilfoejLinielast(l.Linielast, xFordeling(g), v(g), v(g));
  if (g() % 2) l.PL.push_back({xFordeling(g), 4 * v(g), 4 * v(g)});
  if (g() % 2 && u.size() >= 2) {
    const std::size_t k = 1 + g() % (u.size() - 1);
    l.KipMomenter.push_back({u[k - 1].x, v(g)});
    l.KipMomenter.push_back({u[k].x, v(g)});
  }
  return l;
}

}  // namespace kvistor::test
