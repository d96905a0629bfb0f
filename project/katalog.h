#pragma once
// The fixed catalogues behind the drop-down lists of the input pages: the
// roof-layer materials with their dead loads, the standard purlin depths and
// widths, and the Gerber hardware with its geometry and capacities. Constant
// tables; nothing edits them at run time.
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "project/inddata.h"

namespace kvistor {

struct TInddataside;
class TBrugerDialog;

// ---------------------------------------------------------------------------
// Roof-layer materials. Row 0 of every table is the empty row that stands for
// "no choice"; list position p shows row p + 1.

struct TELData {
  std::string_view Navn;
  double Egenlast = 0;  // kN/m²
};

inline constexpr std::array<TELData, 5> EL1Tabel{{
    {"", 0.00},
    {"Bølgeplader af stål eller aluminium", 0.05},
    {"Bølgeplader af fibercement", 0.20},
    {"Beton ell. vingetegl, lægter, sek.spær", 0.48},
    {"Andet, skriv hvad", 0.00},
}};

inline constexpr std::array<TELData, 6> EL2Tabel{{
    {"", 0.00},
    {"Intet", 0.00},
    {"Banevare", 0.01},
    {"18 mm krydsfinér med 1 lag pap", 0.15},
    {"23 mm bræddelag med 1 lag pap", 0.15},
    {"Andet, skriv hvad", 0.00},
}};

inline constexpr std::array<TELData, 8> EL3Tabel{{
    {"", 0.00},
    {"Intet", 0.00},
    {"100 mm mineraluld", 0.03},
    {"200 mm mineraluld", 0.06},
    {"300 mm mineraluld", 0.09},
    {"350 mm mineraluld", 0.10},
    {"400 mm mineraluld", 0.12},
    {"Andet, skriv hvad", 0.00},
}};

inline constexpr std::array<TELData, 6> EL4Tabel{{
    {"", 0.00},
    {"Intet", 0.00},
    {"50 mm træbetonplader", 0.17},
    {"2 x 13 mm gipsplader", 0.18},
    {"21 mm lister", 0.10},
    {"Andet, skriv hvad", 0.00},
}};

// The text a material list shows until an item is picked.
inline constexpr std::string_view VaelgMateriale = "Vælg materiale";

// The table of layer 1..4 (1 = "Tagdækning", 2 = "Undertag", 3 = "Isolering",
// 4 = "Loftbeklædning"); an empty span for any other number.
std::span<const TELData> ELTabel(int lag);

// The row chosen by a stored list position (EL1Mat..EL4Mat): row mat + 1.
// Nothing picked (-1), and any position outside the list, gives the empty
// row 0, so a damaged record never reads outside the table.
const TELData& ELData(int lag, int mat);

// The material row chosen for each layer of a project record.
inline const TELData& EL1Data(const Inddata& d) { return ELData(1, d.EL1Mat); }
inline const TELData& EL2Data(const Inddata& d) { return ELData(2, d.EL2Mat); }
inline const TELData& EL3Data(const Inddata& d) { return ELData(3, d.EL3Mat); }
inline const TELData& EL4Data(const Inddata& d) { return ELData(4, d.EL4Mat); }

// ---------------------------------------------------------------------------
// Standard purlin depths and widths. Kind 'K' is sawn structural timber
// (strength classes 0 to 3), 'L' glued laminated timber (4 to 6).

struct THojdeBreddeData {
  char Art;               // 'K' or 'L'
  std::string_view Tekst; // "125 mm"
  double Vaerdi;          // mm
};

inline constexpr std::array<THojdeBreddeData, 15> HojdeTabel{{
    {'K', "125 mm", 125}, {'K', "150 mm", 150}, {'K', "175 mm", 175},
    {'K', "200 mm", 200}, {'K', "225 mm", 225}, {'K', "250 mm", 250},
    {'L', "133 mm", 133}, {'L', "166 mm", 166}, {'L', "200 mm", 200},
    {'L', "233 mm", 233}, {'L', "266 mm", 266}, {'L', "300 mm", 300},
    {'L', "333 mm", 333}, {'L', "366 mm", 366}, {'L', "400 mm", 400},
}};

inline constexpr std::array<THojdeBreddeData, 9> BreddeTabel{{
    {'K', "75 mm", 75}, {'K', "100 mm", 100}, {'K', "125 mm", 125},
    {'K', "150 mm", 150}, {'K', "200 mm", 200},
    {'L', "65 mm", 65}, {'L', "90 mm", 90}, {'L', "115 mm", 115}, {'L', "140 mm", 140},
}};

// Entries of the depth and width position maps.
inline constexpr int AntalDimIndeks = 21;

// Strength classes 0 to 3 are sawn timber, 4 to 6 glulam.
inline constexpr bool ErLimtrae(int styrkeKlasse) { return styrkeKlasse >= 4; }
inline constexpr char DimensionsArt(int styrkeKlasse) {
  return ErLimtrae(styrkeKlasse) ? 'L' : 'K';
}

// ---------------------------------------------------------------------------
// Gerber hardware. Names are shown and printed as they stand, several with
// two trailing blanks.

struct TBData {
  std::string_view Navn;
  double HMinW;  // mm, smallest purlin depth (hangers of type W); 0 = no limit
  double HMinB;  // mm, the hardware's own depth (types B and 2-); 0 = none
  double BMin;   // mm, smallest purlin width
  double F1k, F2k, F3k, Nk;  // kN; F3k = 0: no force parallel to the roof,
                             // Nk = 0: no normal force
  double H1, H2, H3;  // mm, heights on the purlin's depth; H3 overall height
  double Y1, Y2, Y3;  // mm, lengthwise outline relative to the hinge
};

inline constexpr int AntalBeslag = 34;

inline constexpr std::array<TBData, AntalBeslag> BeslagTabel{{
    {"Simpson GER W90 m. 4 søm pr. flig", 100, 0, 54, 3.7, 3.7, 2.7, 0, 90, 90, 90, -70, 70, 70},
    {"Simpson GER W90 fuldt udsømmet  ", 110, 0, 54, 4.9, 4.9, 4.4, 0, 90, 90, 90, -70, 70, 70},
    {"Simpson GER W120 m. 9 søm pr. flig", 140, 0, 54, 10.2, 10.2, 4.6, 32.9, 120, 120, 120, -90, 90, 90},
    {"Paslode 3-120 m. 8 søm pr. flig", 130, 0, 56, 9.81, 9.81, 9.58, 0, 120, 120, 120, -90, 90, 90},
    {"Simpson GER W120 fuldt udsømmet  ", 140, 0, 54, 20.9, 20.9, 7.4, 0, 120, 120, 120, -90, 90, 90},
    {"Paslode 3-120 Fuldt udsømmet", 130, 0, 56, 9.81, 9.81, 9.58, 0, 120, 120, 120, -90, 90, 90},
    {"Simpson GER W140 m. 11 søm pr. flig", 160, 0, 54, 15, 15, 5.5, 40.3, 140, 140, 140, -90, 90, 90},
    {"Paslode 3-140 m. 10 søm pr. flig", 150, 0, 56, 13.3, 13.3, 12, 0, 140, 140, 140, -90, 90, 90},
    {"Simpson GER W140 fuldt udsømmet  ", 160, 0, 54, 28.5, 28.5, 8.9, 0, 140, 140, 140, -90, 90, 90},
    {"Paslode 3-140 Fuldt udsømmet", 150, 0, 56, 13.3, 13.3, 12, 0, 140, 140, 140, -90, 90, 90},
    {"Simpson GER W160 m. 13 søm pr. flig", 180, 0, 54, 20.1, 20.1, 6.4, 47.6, 160, 160, 160, -90, 90, 90},
    {"Paslode 3-160 m. 10 søm pr. flig", 170, 0, 56, 17.4, 17.4, 14.4, 0, 160, 160, 160, -90, 90, 90},
    {"Simpson GER W160 fuldt udsømmet  ", 180, 0, 54, 37.1, 37.1, 10.4, 0, 160, 160, 160, -90, 90, 90},
    {"Paslode 3-160 Fuldt udsømmet", 170, 0, 56, 17.4, 17.4, 14.4, 0, 160, 160, 160, -90, 90, 90},
    {"Simpson GER W180 m. 15 søm pr. flig", 200, 0, 54, 26, 26, 7.3, 54.9, 180, 180, 180, -90, 90, 90},
    {"Paslode 3-180 m. 12 søm pr. flig", 190, 0, 56, 21.9, 21.9, 16.8, 0, 180, 180, 180, -90, 90, 90},
    {"Simpson GER W180 fuldt udsømmet  ", 200, 0, 54, 46.5, 46.5, 11.8, 0, 180, 180, 180, -90, 90, 90},
    {"Paslode 3-180 Fuldt udsømmet", 190, 0, 56, 21.9, 21.9, 16.8, 0, 180, 180, 180, -90, 90, 90},
    {"Simpson GER W200 m. 17 søm pr. flig", 220, 0, 54, 32.2, 32.2, 8.2, 62.2, 200, 200, 200, -90, 90, 90},
    {"Simpson GER W200 fuldt udsømmet  ", 220, 0, 54, 56.5, 56.5, 13.3, 0, 200, 200, 200, -90, 90, 90},
    {"Simpson GER W220 m. 19 søm pr. flig", 240, 0, 54, 39, 39, 9.2, 69.5, 220, 220, 220, -90, 90, 90},
    {"Simpson GER W220 fuldt udsømmet  ", 240, 0, 54, 67.2, 67.2, 14.8, 0, 220, 220, 220, -90, 90, 90},
    {"Simpson GER W240 m. 21 søm pr. flig", 260, 0, 54, 45.9, 45.9, 10.1, 76.9, 240, 240, 240, -90, 90, 90},
    {"Simpson GER W240 fuldt udsømmet  ", 260, 0, 54, 78.1, 78.1, 16.3, 0, 240, 240, 240, -90, 90, 90},
    {"Simpson GER W260 m. 23 søm pr. flig", 280, 0, 54, 53.3, 53.3, 11, 84.2, 260, 260, 260, -90, 90, 90},
    {"Simpson GER W260 fuldt udsømmet  ", 280, 0, 54, 89.3, 89.3, 17.8, 0, 260, 260, 260, -90, 90, 90},
    {"Simpson GER B125 fuldt udsømmet  ", 0, 129, 56, 17.6, 4.6, 3, 0, 31, 97, 128, -90, 0, 90},
    {"Paslode 2-125 Fuldt udsømmet", 0, 129, 62, 13.6, 3.77, 4.41, 0, 37, 92, 129, -95, 0, 95},
    {"Simpson GER B150 fuldt udsømmet  ", 0, 154, 60, 22.1, 7.3, 4.4, 0, 45, 109, 154, -90, 0, 90},
    {"Paslode 2-150 Fuldt udsømmet", 0, 154, 90, 17.4, 7.71, 6.82, 0, 50, 104, 154, -95, 0, 95},
    {"Simpson GER B175 fuldt udsømmet  ", 0, 179, 68, 23, 7.3, 4.4, 0, 58, 121, 179, -90, 0, 90},
    {"Paslode 2-180 Fuldt udsømmet", 0, 180, 66, 16.4, 3.71, 6.82, 0, 63, 117, 180, -95, 0, 95},
    {"Simpson GER B200 fuldt udsømmet  ", 0, 205, 68, 24.4, 9.2, 4.4, 0, 71, 135, 205, -90, 0, 90},
    {"Paslode 2-200 Fuldt udsømmet", 0, 205, 61, 16.6, 5.85, 7.12, 0, 75, 130, 205, -95, 0, 95},
}};

// The catalogue row of a Beslag value, or nullptr for -1 and any value
// outside the catalogue.
const TBData* BeslagData(int beslag);

// Whether a catalogue row fits the purlin's cross-section and the force
// directions of the project: depth window or minimum, minimum width, a force
// parallel to the roof on a sloping roof, tension along the purlin when the
// normal-force factor is positive.
bool BeslagPasser(const TBData& b, const Inddata& d);

// All catalogue rows that fit, in catalogue order.
std::vector<int> PassendeBeslag(const Inddata& d);

// ---------------------------------------------------------------------------
// The routines that fill the lists of the input-page model.

// Fill a material list with the names of rows 1 onward of its layer.
void FixEL1Data(TInddataside& side);
void FixEL2Data(TInddataside& side);
void FixEL3Data(TInddataside& side);
void FixEL4Data(TInddataside& side);

// Rebuild the depth and width lists with the rows of one kind ('K' or 'L');
// no item is selected afterwards.
void BygComboBoxeDim(TInddataside& side, char art);

// BygComboBoxeDim with the kind of the strength class the radio group shows.
void FixStyrkeKlasse(TInddataside& side);

// Rebuild the hardware list from the current cross-section, roof angle and
// normal-force factor; keeps Beslag when it still fits, otherwise picks the
// first fitting row (with a beep and a message) or reports that none fits.
void BygComboBoxBeslag(TInddataside& side, TBrugerDialog& dlg);

// Only the list and its position map, with Beslag selected where it fits;
// Beslag itself is never changed and nothing is said.
void FyldBeslagListe(TInddataside& side);

}  // namespace kvistor
