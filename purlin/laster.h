#pragma once
// The load lists of one case, owned by the case's analysis and dropped at its
// end. Positions are integer mm from the left purlin end.
#include <cstdint>
#include <string>
#include <vector>

namespace kvistor {

// A change of the line load at x: the load on the stretch from this record's
// x to the next record's x is the running sum of all changes up to and
// including this record. So a change acts on the whole rest of the purlin.
struct TLinielast {
  std::int32_t x = 0;
  double dqz = 0;  // kN/m, into the roof
  double dqy = 0;  // kN/m, down the slope
};

// Sorted by x, no two records at the same x.
using TLinielastListe = std::vector<TLinielast>;

struct TPunktlast {
  std::int32_t x = 0;
  double Pz = 0;  // kN
  double Py = 0;  // kN
};

// About the purlin's y axis, positive anticlockwise ("pos mod uret").
struct TKipMoment {
  std::int32_t x = 0;
  double M = 0;  // kNm
};

// A point where the section forces jump or bend: the case's supports,
// hinges, point load, line-load changes and both purlin ends.
struct TDiskPunkt {
  std::int32_t xD = 0;
  double VzVen = 0, VzHoj = 0;  // kN, just left and right of xD
  double VyVen = 0, VyHoj = 0;  // kN
  double MyVen = 0, MyHoj = 0;  // kNm
  std::uint8_t FagVen = 0;      // type by hinges of xD − 1
  std::uint8_t FagHoj = 0;      // type by hinges of xD + 1
  bool ErCharnier = false;
  bool ErUnderstoetning = false;
  // The positions the sweeps ask for, m: (xD − 1)/1000, xD/1000 and
  // (xD + 1)/1000. A point gets them when it is made (NyDiskPunkt), so the
  // chain's points bring them to every case of a run.
  double xVen = 0, xMidt = 0, xHoj = 0;
};

// Adds a change at x: summed into the record already at x, else inserted in
// x order.
void TilfoejLinielast(TLinielastListe& liste, std::int32_t x, double dqz, double dqy);

// Merges every change of `kilde` into `maal` as TilfoejLinielast does, in the
// source's order; the source is consumed (left empty).
void FletLinielast(TLinielastListe& maal, TLinielastListe& kilde);

// Appends the printed form of a line-load list (only called in the detailed
// report extent): heading with the source name ("egenlast", "snelast",
// "vindlast (w) alene", "g+s+w"), then blocks of six records with the
// positions in m, the running z and y loads; slutX is the end position in m
// printed after the last record (the roof length LTag).
void SkrivLinielast(std::vector<std::string>& linier, const std::string& kildenavn,
                    const TLinielastListe& liste, double slutX);

}  // namespace kvistor
