#pragma once
// The summary "RESULTAT" of the result report: the three verdicts (timber
// cross-section, Gerber joints, stiffness), the lateral deflection and the
// anchoring forces. The numbers are gathered from the calculation run by
// BygResultat (report/rapport.h); writing them is kept apart so that every
// threshold can be exercised with plain values.
#include <array>

#include "report/rapportlinjer.h"

namespace kvistor {

// The three red notes of the main window; true = shown.
struct TAdvarselsnoter {
  bool Aas = false;      // "Åsedimensionen er utilstrækkelig"
  bool Samling = false;  // "Gerbersamlingen er utilstrækkelig"
  bool Nedbojn = false;  // "Største relative nedbøjning er for stor"
  bool Nogen() const { return Aas || Samling || Nedbojn; }
};

// Above this a utilisation (rounded to 0.01) fails: 1.00 passes, 1.01 fails.
constexpr double UGGraense = 1.005;
// The hardware check returns more than this when the chosen hanger (with its
// nail count) takes nothing of an occurring force component.
constexpr double UGIngenBaereevne = 99.0;
// L/u below this is too soft.
constexpr int LuGraense = 400;
// Where there is no lateral deflection at all (w = 0) L/w has no finite
// value; the report shows this instead, which is also where the summary's
// search for the smallest L/w starts, so it never lowers it.
constexpr int LwIngenUdbojning = 100000;

struct TResume {
  double UGTvaersnit = 0;   // largest head of the UGBoej and UGForsk rankings
  double UGBeslag = 0;      // largest head of the UGBeslag rankings
  int LuMindst = 1000000;   // smallest L/u for dead load or snow
  int LwMindst = LwIngenUdbojning;  // smallest L/w for dead load or snow
  double Traek = 0;         // upward pull at the frames, kN
  double Tvaerkraft = 0;    // lateral force at the frames, kN
  double GavlTraek = 0;     // tension at the gable frames, kN
  double GavlTryk = 0;      // compression at the gable frames, kN
};

// Lateral deflection w (mm) parallel to the roof from the deflection u (mm)
// perpendicular to it: w = u·tan(v)·(h/b)², v in degrees (π taken as
// 3.14159), h = AaseHojde, b = AaseBredde in mm. A width of 0 gives 0 (the
// field rules never let a calculation start with it).
double TvaerUdbojning(double u, double tagvinkel, double h, double b);

// L/w as a whole multiple of 10, from the size of w so that an upward
// deflection gives a positive ratio: 10·round(L/|w|/10), ties to even.
// w = 0 gives LwIngenUdbojning.
int LwForhold(double L, double w);

// Appends "RESULTAT" and the summary lines and sets the three notes.
// The three verdicts of the summary: which red notes a result raises.
TAdvarselsnoter BestemNoter(double ugTvaersnit, double ugBeslag, int luMindst);

// The lines the stricter check's report carries directly after "RESULTAT".
inline constexpr const char* SkaerpetIndledning[3] = {
    "  Skærpet kontrol: revnefaktor 0,67 i forskydning (EN 1995-1-1 6.1.7)",
    "  og qki med spidsfaktor kp = 3,5 (EN 1991-1-4 7.2.9).",
    "",
};

// With `skaerpet` the three lines of SkaerpetIndledning follow "RESULTAT".
void SkrivResume(TTekstlinjer& rapport, const TResume& r, TAdvarselsnoter& noter,
                 bool skaerpet = false);

}  // namespace kvistor
