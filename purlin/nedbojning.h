#pragma once
// Deflections of the three deflection load combinations (10 dead load, 11
// snow, 12 a point load): the mid-span deflection of one representative span
// per bay type, taken as a simply supported beam with the span's distributed
// load, end moments and point load, and the run-wide largest deflections with
// their span-to-deflection ratios.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "faelles/dialog.h"
#include "purlin/laster.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"

namespace kvistor {

// u (mm) of a simply supported span L (mm) under q (kN/m = N/mm), end moments
// M5, M6 (N·mm, hogging negative) and a mid-span point load Q (N).
double NedbFormel(double L, double q, double M5, double M6, double Q, double EIy);

// L/u rounded: to tens below 1000, to hundreds from 1000 on (ties to even).
std::int32_t AfrundLuForhold(double r);

// The ratio of span Lt (mm) to the largest deflection of load combination
// 10 or 11. The size of the deflection counts, so a span that bends upward
// gets a positive ratio; no deflection at all gives Lt/0,0001.
std::int32_t LuForholdEgenSne(std::int32_t Lt, double uMaks);
// The same for load combination 12: |u| of at most 0,01 mm gives 10000.
std::int32_t LuForholdPunktlast(std::int32_t Lt, double uMaks);

// The discontinuity point at x. A missing point is an internal error: the
// user may go on (with the first point beyond x) or stop. Returns the
// index, or -1 when the calculation has to stop.
std::ptrdiff_t D_x(const std::vector<TDiskPunkt>& punkter, std::int32_t x,
                   TBrugerDialog& dialog);

// The discontinuity point at the support where the span containing x starts.
// -1 when the calculation has to stop.
std::ptrdiff_t D_StartFag(const std::vector<TDiskPunkt>& punkter, std::int32_t x,
                          const TSupplData& sd, TBrugerDialog& dialog);

// Deflections of one case of load combination 10, 11 or 12 after its section
// forces are known: uG, uS or uQ of every bay type, the table in the case's
// Linier (left out without `medTekst`), the run-wide maxima and ratios.
// Returns false when the calculation has to stop (the message has been shown).
bool BestemNedbojninger(TTilfaelde& tilf, const std::vector<TDiskPunkt>& punkter,
                        const TLinielastListe& linielast, const std::vector<TPunktlast>& PL,
                        const TSupplData& sd, std::array<std::array<double, 3>, 4>& uMaks,
                        std::array<std::array<std::int32_t, 3>, 4>& xuMaks,
                        std::array<std::array<std::int32_t, 3>, 4>& LuForhold,
                        TBrugerDialog& dialog, bool medTekst = true);

}  // namespace kvistor
