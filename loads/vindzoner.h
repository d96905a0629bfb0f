#pragma once
// Wind zones on the plan of the roof and on the gable walls, for the 24 wind
// cases 'a'..'x'.
//
// Plan coordinates: across = horizontal distance from the west roof edge (tip
// of the west eaves overhang), 0..Bt with Bt = B + 2u; along = distance from
// the south tip of the roof (tip of the south gable overhang), 0..Lt with
// Lt = L + 2g. "Along" is the purlin's x.
//
// Zones are single characters:
//   '1','B','C'  wall zones A, B, C of the wall parallel to the wind on one side
//                (north gable in wind across the ridge, west facade in wind
//                along it); on the roof the overhang above that wall
//   '2','L','M'  the same on the opposite wall (south gable / east facade)
//   'D','E'      windward and leeward wall; on the roof the overhang above it
//   'F'..'K'     roof zones ('K' is the second corner zone F)
//   'N'          the interior (internal pressure)
#include "common/dialog.h"

namespace kvistor {

// The order in which the roof loop and the gable-wall loop visit the zones.
inline constexpr const char* TagZoner = "12BCDEFGHIJKLMN";
inline constexpr const char* GavlZoner = "12BCDELMN";

// Direction codes of VindRetning.
inline constexpr int RetningNord = 0;  // along the ridge, from the north ('j'..'l')
inline constexpr int RetningVest = 1;  // across the ridge, from the west ('a'..'i')
inline constexpr int RetningSyd = 2;   // along the ridge, from the south ('v'..'x')
inline constexpr int RetningOest = 3;  // across the ridge, from the east ('m'..'u')

// Wind-case letter to direction code; any other character gives RetningVest.
int VindRetning(char tilfaelde);

// True for wind across the ridge (west or east).
inline bool VindPaaTvaers(int retning) { return retning == RetningVest || retning == RetningOest; }

// A zone's rectangle on the roof plan: across [y1, y2], along [x1, x2], in m.
// Always clipped to the roof and never reversed; a zone that does not exist
// in the case, or has no area on the roof, is four zeros.
struct TZoneRektangel {
  double y1 = 0, y2 = 0;  // across
  double x1 = 0, x2 = 0;  // along
  bool Findes() const { return y2 > y1 && x2 > x1; }
};

// The rectangle of zone `omraade` in wind case `tilfaelde` for wall thickness
// t, gable overhang g, eaves overhang u, length L between the gable frames,
// building width B and reference height h (all m). Inconsistent arguments are
// reported in the error box ("procedure VindlastOmraade09: ...") and the
// routine goes on with them.
TZoneRektangel VindlastOmraade09(TBrugerDialog& dialog, char omraade, char tilfaelde, double t,
                                 double g, double u, double L, double B, double h);

// True when zone `omraade` takes suction in wind case `tilfaelde`, false for
// pressure. An unknown zone or case letter is reported in the error box; an
// unknown zone then gives pressure, and an unknown case gives pressure for
// every zone except 'E' (always suction).
bool TrykSugTilf98(TBrugerDialog& dialog, char omraade, char tilfaelde);

// A zone's interval across a gable wall, in the roof's across coordinate
// (the wall spans [u, u + B]). Clipped to the wall; a zone without area on the
// wall in this case is [u, u].
struct TGavlInterval {
  double a1 = 0, a2 = 0;
  bool Findes() const { return a2 > a1; }
};

// The across interval of gable-wall zone `omraade` in wind case `tilfaelde`
// for eaves overhang u, length L, building width B and reference height h.
TGavlInterval GavlZone(char omraade, char tilfaelde, double u, double L, double B, double h);

}  // namespace kvistor
