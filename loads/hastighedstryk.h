#pragma once
// Characteristic peak velocity pressures of the wind (Danish basic wind
// velocity, the four Danish terrain categories, logarithmic profile). All
// wind loads of the program are built on the two values that
// BestemHastighedstryk stores in the working record: qku for the external
// surfaces and qki for the internal pressure.

namespace kvistor {

struct Inddata;
struct TSupplData;

// One terrain category: the name printed in the summary line, the roughness
// length z0 and the minimum height zmin (both m).
struct TTerrKatData {
  const char* Navn;
  double z0;
  double zmin;
};

// Indexed by Inddata::TerrKat.
inline constexpr TTerrKatData TerrKatTabel[4] = {
    {"I Hede", 0.01, 1.0},
    {"II Land", 0.05, 2.0},
    {"III Forstad", 0.3, 5.0},
    {"IV City", 1.0, 10.0},
};

// Basic velocity pressure qb in kN/m² at a distance in km from the North Sea
// or Ringkøbing Fjord; the distance is taken within [0, 25] km.
double BasisHastighedstryk(double afstandKm);

// Peak velocity pressure qp in kN/m² for terrain category index terrKat
// (0..3; an index outside is taken as the nearest category), peak factor kp,
// orography factor c0, height z in m (raised to the category's zmin) and the
// distance in km.
double Hastighedstryk(int terrKat, double kp, double c0, double z, double afstandKm);

// Peak factors kp of the external pressure and of the internal one as the
// ordinary report takes it; the stricter check takes the external factor
// for both.
constexpr double SpidsfaktorUdvendig = 3.5;
constexpr double SpidsfaktorIndvendig = 1.5;

// Sets supp.qku (kp = 3.5) and supp.qki (kp = 1.5, or 3.5 with supp.Skaerpet)
// from the terrain category, the distance and supp.HRef, which must already
// be set; reads nothing else of supp. In the detailed report extent (RappOmfang > 0) it also rebuilds
// supp.TerrKatLinie; otherwise that line is left as it was.
void BestemHastighedstryk(const Inddata& ind, TSupplData& supp);

}  // namespace kvistor
