#pragma once
// Shared set-up of the purlin model tests: the layout of the worked example
// (4 bays, frames 6000 mm, gable bays 5000 mm, overhang 500 mm, hinge offset
// 857 mm) and the section-force sums evaluated term by term, independently of
// the sweep in the program.
#include <cmath>
#include <random>

#include "project/inddata.h"
#include "purlin/gerbermodel.h"
#include "purlin/statik.h"
#include "purlin/suppldata.h"
#include "purlin/understoetninger.h"

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
  return sd;
}

// The four sums, with everything whose x/1000 < s.
inline TSnit DirekteSnit(const TTilfaeldeLaster& l, const TUnderstoetninger& u, double s) {
  TSnit r;
  for (const auto& q : l.Linielast) {
    const double x = q.x / 1000.0;
    if (x < s) {
      r.My -= (s - x) * (s - x) * q.dqz / 2;
      r.Mz -= (s - x) * (s - x) * q.dqy / 2;
      r.Vz -= (s - x) * q.dqz;
      r.Vy -= (s - x) * q.dqy;
    }
  }
  for (const auto& p : l.PL) {
    const double x = p.x / 1000.0;
    if (x < s) {
      r.My -= (s - x) * p.Pz;
      r.Mz -= (s - x) * p.Py;
      r.Vz -= p.Pz;
      r.Vy -= p.Py;
    }
  }
  for (const auto& a : u) {
    const double x = a.x / 1000.0;
    if (x < s) {
      r.My -= (s - x) * a.Rz;
      r.Mz -= (s - x) * a.Ry;
      r.Vz -= a.Rz;
      r.Vy -= a.Ry;
    }
  }
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
