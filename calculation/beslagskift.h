#pragma once
// The Gerber hanger enters a calculation only in the joint check: its
// capacities, the splitting limit under it and its height in the
// displacement term of F3. The statics of the chain are the same whatever
// hanger carries the hinge. So the joint check of a finished run can be
// made again for another hanger from the hinge forces the run found, with
// the same arithmetic as the run itself: the design aids try every hanger
// of a section and offset on one calculation.
#include <array>
#include <vector>

#include "calculation/beregning.h"
#include "project/katalog.h"

namespace kvistor {

// What the joint check needs of a finished run.
struct TBeslagGrundlag {
  // One entry per case of an ultimate load combination, in computation
  // order: its kmod, its largest hinge tension (FagRes[2].N) and the hinge
  // forces of bay types 1..3 before the displacement term is added.
  struct TTilfaelde {
    double kmod = 0;
    double N = 0;
    std::array<double, 3> F1{}, F2{}, F3{};
  };
  std::vector<TTilfaelde> Tilfaelde;
  double AaseHojde = 0, AaseBredde = 0;  // mm
  double GammaMBeslag = 0;
};

// Taken from a run that went through (Gennemfoert) on `inddata`.
TBeslagGrundlag BygBeslagGrundlag(const TBeregning& beregning, const Inddata& inddata,
                                  const TSupplData& suppl);

// The joint utilisations the run would have found with hanger `beslag`.
struct TBeslagKontrol {
  double UGBeslag = 0;           // largest, rounded to hundredths as the rankings hold it
  double UGBeslagUafrundet = 0;  // largest before rounding
  // False when some figure is no finite number: the run itself would have
  // stopped there, so the hanger's result must come from a run of its own.
  bool Endelig = true;
};
TBeslagKontrol KontrollerBeslag(const TBeslagGrundlag& grundlag, const TBData& beslag);

}  // namespace kvistor
