#pragma once
// The shear and moment curves of one load case along the whole purlin, for
// the force diagrams. The case is computed as in the run that the report
// comes from, so the curves pass through the report's own section forces:
// left and right of every discontinuity point and at every zero of the
// shear, where the extremes are taken. Between those points further samples
// follow the parabola of the moment for the drawing only.
#include <optional>
#include <string>
#include <vector>

#include "common/dialog.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor {

struct TTilfaeldeId {
  int Aas = 2;
  int LK = 1;
  char LT = 'a';
  friend bool operator==(const TTilfaeldeId&, const TTilfaeldeId&) = default;
};

struct TKurvePunkt {
  double x = 0;  // m from the left purlin end
  double V = 0;  // kN, shear Vz (positive: the part left of the section down)
  double M = 0;  // kNm, moment My (positive: tension in the underside)
};

struct TKraftkurve {
  TTilfaeldeId Tilfaelde;
  double LAas = 0;  // m
  // Rising x; a jump of the shear shows as two points 2 mm apart.
  std::vector<TKurvePunkt> Punkter;
  std::vector<double> Understoetninger;  // m
  std::vector<double> Charnierer;        // m
  // Extremes over the points where the report takes them.
  double MyMax = 0, xMyMax = 0, MyMin = 0, xMyMin = 0;
  double VzMax = 0, xVzMax = 0, VzMin = 0, xVzMin = 0;
};

// The cases that govern bending in the three bay types, in bay-type order
// without repeats. Empty when the run does not complete (after its
// message; a broken field rule's too).
std::vector<TTilfaeldeId> BoejningsgivendeTilfaelde(const Inddata& ind, TBrugerDialog& dialog);

// What the page of diagrams offers: every case the run computes and the
// cases that govern bending. The record is checked as before any
// calculation; nothing is shown, a refusal or a stopped run comes back as
// its first message.
struct TKurveValg {
  std::vector<TTilfaeldeId> Alle;     // by purlin, combination and letter, no repeats
  std::vector<TTilfaeldeId> Givende;  // as BoejningsgivendeTilfaelde
  std::string Besked;                 // empty lists: why
};
TKurveValg BestemKurveValg(const Inddata& ind);

// The curves of each case asked for (whatever the report extent of the
// record). nullopt, after a message, when the run does not complete or a
// case is not computed in this chain ("findes ikke").
std::optional<std::vector<TKraftkurve>> BeregnKraftkurver(const Inddata& ind,
                                                          const std::vector<TTilfaeldeId>& tilfaelde,
                                                          TBrugerDialog& dialog);

// "Ås 2, LK 5, LT a".
std::string TilfaeldeNavn(const TTilfaeldeId& t);

}  // namespace kvistor
