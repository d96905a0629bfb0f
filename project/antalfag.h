#pragma once
// The bounds on the number of bays, with the messages the user sees.
#include <cstdint>

namespace kvistor {

// The chain needs its interior frames: fewer bays are refused by the field
// rule of the input page and again by the calculation.
inline constexpr int MindsteAntalFag = 4;
inline constexpr const char* TekstForFaaFag = "Der skal mindst være 4 fag";

// The most bays a calculation takes on, the limit the user meets. The field
// rules set no upper bound, but the work and, in the detailed extent, the
// memory grow with the bays (about 200 MB at this limit); a chain far beyond
// any real building would hold the program for minutes and exhaust the
// memory.
inline constexpr int MaksFagIBeregning = 1000;
inline constexpr const char* TekstForMangeFag =
    "Der kan højst regnes med 1000 fag.\r\nReducér antal fag.";

// Not a limit the user meets but a guard of the layout itself: a record that
// reaches the support list without the check above (a design aid, a test)
// still cannot ask for lists of one case that would no longer fit in memory;
// beyond this the layout is refused.
inline constexpr std::int32_t MaksFagIUnderstoetninger = 1000000;
static_assert(MaksFagIBeregning < MaksFagIUnderstoetninger);

}  // namespace kvistor
