#pragma once
// The purlin's layout along its length in integer mm, its section values and
// the classification of positions into the three bay types
// 1 "KE" (short end bay, left), 2 "MF" (middle bays), 3 "LE" (long end bay).
#include <cstdint>

#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor {

// NormFag, GavlFag, CharnForskMm, GavlUdhMm (metres to mm, ties to even),
// LAas, xRamme1, xRammeN, LKE, LMF, LLE. Returns false, leaving the fields
// at 0, when the purlin would be longer than the integer-mm positions can hold
// (about 2 147 km), has more than MaksFagIUnderstoetninger bays, or the
// record is outside its field rules (fewer than 2 bays, a negative length); a
// calculation must then not be started.
bool BestemLaengdeLayout(TSupplData& sd, const Inddata& ind);

// A, Wy, Wz, Iy from AaseHojde and AaseBredde, and FlytFaktor from the
// overall height h3 (mm) of the chosen Gerber hardware.
void BestemTvaersnitsvaerdier(TSupplData& sd, const Inddata& ind, double h3Beslag);

// e/b of the F3 displacement term: e = (h − h3)/2 − 10 mm, not below 0;
// 0 when the width is 0.
double FlytFaktor(double aaseHojde, double aaseBredde, double h3Beslag);

// x of the first and the last hinge, mm.
std::int32_t ForsteCharnier(const TSupplData& sd);
std::int32_t SidsteCharnier(const TSupplData& sd);

// Type by hinges of a real position x (mm): 1 left of the first hinge, 3
// right of the last hinge, 2 otherwise (the hinges themselves are type 2).
int FagTypeVedCharnierer(const TSupplData& sd, double x);

// Type by frames of x (mm): 1 left of xRamme1, 3 from xRammeN on, else 2.
int FagTypeVedRammer(const TSupplData& sd, std::int32_t x);

// Type of a hinge or support position inside the list (1 first, 3 last).
int CharnierType(const TSupplData& sd, std::int32_t x);

// "KE", "MF", "LE" for types 1..3.
const char* FagTypeNavn(int type);

}  // namespace kvistor
