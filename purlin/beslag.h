#pragma once
// Gerber hardware checks: the design capacities of the chosen hanger for one
// load case, the splitting limit of the purlin under a W-type hanger, and the
// combined utilisation of the three shear directions and tension.
#include "project/katalog.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"

namespace kvistor {

// Characteristic values of a catalogue row that the check uses (kN, mm).
struct TBeslagKarakteristisk {
  double HMinW = 0; // > 0: a W-type hanger; the splitting check applies
  double F1k = 0, F2k = 0, F3k = 0, Nk = 0;
  double H1 = 0;
};

// Design capacities of one load case (kN).
struct TBeslagBaereevner {
  double F1d = 0, F2d = 0, F3d = 0, Nd = 0;
  double R90d = 0;   // splitting capacity; 1000 when no limit applies
  double F1dRed = 0; // F1d limited to R90d
  double F2dRed = 0; // F2d limited to R90d
};

// Splitting capacity R90,d of a purlin of depth h and width b (mm) under a
// hanger whose load acts at he = H1 - 10 mm from the loaded edge (EN 1995-1-1
// expression 8.4 with w = 1). 1000 kN (no limit) when HMinW <= 0. A hanger
// reaching to or beyond the purlin's depth leaves no wood to split, and the
// expression has no value there: the capacity is then 0 kN.
double FlaekningsBaereevne(double HMinW, double H1, double h, double b, double kmod,
                           double GammaMBeslag);

TBeslagBaereevner BeregnBeslagBaereevner(const TBeslagKarakteristisk& k, double AaseHojde,
                                         double AaseBredde, double kmod, double GammaMBeslag);

// Force over capacity, guarded: a capacity below 0,001 kN gives 100 (that is
// 10 000 %) for a force other than 0, and 0 for no force.
double BeslagForhold(double kraft, double baereevne);

// Hinge forces in, utilisations out.
struct TBeslagUdnyttelse {
  double F1 = 0, F2 = 0; // with the displacement term F3,flyt added
  double alfaF1 = 0, alfaF2 = 0, alfaF3 = 0, alfaN = 0;
  double UGsum = 0;      // only set when the hinge carries tension
  double UGBeslag = 0;
};

// F1, F2, F3: hinge forces of one bay type (kN, F1 and F2 without the
// displacement term); N: the largest hinge tension of the case.
TBeslagUdnyttelse BeregnBeslagUdnyttelse(double F1, double F2, double F3, double N,
                                         double FlytFaktor, const TBeslagBaereevner& bae);

// The characteristic values of a catalogue row.
TBeslagKarakteristisk BeslagKarakteristisk(const TBData& b);

// F1d..Nd, F1dRed, F2dRed and FdKopi of a case from its kmod, for load
// combinations 1 to 9; all 0 for the deflection combinations.
void SaetBeslagBaereevner(TTilfaelde& tilf, const TBData& beslag, const TSupplData& sd,
                          double AaseHojde, double AaseBredde);

// alfaF1..alfaF3, UGsum and UGBeslag of every bay type and alfaN of the case,
// from the hinge forces F1..F3 (which get the displacement term added) and
// the largest hinge tension FagRes[2].N.
void BestemUGBeslag(TTilfaelde& tilf, const TSupplData& sd);

}  // namespace kvistor
