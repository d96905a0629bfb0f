#pragma once
// Load combinations 1..13 (LK) and the load-case letters 'a'..'x' (LT) within
// them: load factors with the consequence-class factor K_FI, the
// characteristic point load, the filling of a new case record and the
// heading every case writes at the top of its detailed output.
#include <string>

#include "common/dialog.h"
#include "project/inddata.h"
#include "purlin/lastkombinationsarter.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"
#include "purlin/understoetninger.h"

namespace kvistor {

// Load types, the columns of the factor table.
enum TLastType : int {
  LastEgen = 0,     // dead load g: 'V', 'W', 'X', 'Y'
  LastSne = 1,      // snow s: 'O', 'P'
  LastVind = 2,     // wind w: '1', '2', 'B'..'N'
  LastNyttig = 3,   // imposed load q: 'Q'..'U'
  LastPunkt = 4,    // point load Q: 'A', 'Z'
  LastUgyldig = 5,  // any other letter
};

// Load letter to load type 0..4; 5 (after the error "Fejl") for a letter
// outside the table.
int FindLastbidrag(char bogstav, TBrugerDialog& dialog);

// The design factor of the load type of `bogstav` in load combination lk
// (1..9 in use) with the consequence-class index sikkl (0 "Lav", 1
// "Normal", 2 "Høj"). The favourable 0,9 g of LK 9 is never scaled by K_FI.
// LK outside 1..13 shows the error and gives 0; so does an invalid letter.
double LastFaktor09(char bogstav, int lk, int sikkl, TBrugerDialog& dialog);

// Consequence-class factor K_FI: 0,9 / 1,0 / 1,1; 1,0 for any other index.
double KFI(int sikkl);

// Creep factor kdef of load combination 10 by service-class index 0..2.
double Kdef(int anvKlasse);

// Characteristic point load of placement 'A' (1,5 kN) or 'Z' (2,0 kN);
// another letter shows the error and gives 0.
double Punktlast(char placering, TBrugerDialog& dialog);

// The accidental combinations of the fire check: the dead load and the
// frequent value ψ1·Qk of one variable load (snow in LK 14, wind in LK 15,
// ψ1 = 0,2 for both by the Danish annex), every partial factor 1,0 and no
// K_FI. One table: the loads, the report and the fire section read it.
struct TBrandKombination {
  int LK;
  const char* Tekst;  // printed after "Lastkombination %d: "
  const char* Last;   // the variable load, as the fire section names it
  double GammaG;      // partial factor of the dead load
  double GammaQ;      // partial factor of the variable load
  double Psi1;        // ψ1 of the variable load
};
inline constexpr TBrandKombination BrandKombinationer[2] = {
    {14, "1,0 g + 0,2 s (brand)", "sne", 1.0, 1.0, 0.2},
    {15, "1,0 g + 0,2 w (brand)", "vind", 1.0, 1.0, 0.2},
};
// The row of a fire combination; nullptr for any other LK.
const TBrandKombination* BrandKombination(int lk);

// The short description printed after "Lastkombination %d: " for LK 1..9
// and the fire combinations 14 and 15; empty for any other LK.
std::string LKTekst(int lk);

// The wind case of a load case of LK 5, 6 or 9: the letter itself, except
// that in LK 5 the snow patterns b, c / k / n / w blow as a / j / m / v.
char VindTilfaelde(int lk, char lt);

// Fills a new case record for purlin aas (1..3), load combination lk and
// letter lt: strip, load factors, design line loads and point load, kmod
// and the reduced strengths. A fire combination gets its factors from
// BrandKombinationer, kmod,fi and no strengths (the fire check sets its own
// on the residual section). Text lists and results start empty; N and
// NTryk are set for every case by BygVindlastGavl. Needs the working record
// built by BestemTvaersnit.
void BygTilfaelde(TTilfaelde& tilfaelde, int aas, int lk, char lt, const Inddata& inddata,
                  const TSupplData& suppl);

// Appends the case heading (asterisk rules, combination, load case, purlin)
// to tilfaelde.Linier. Positions of LK 3 "b".."g" come from
// rammePlaceringer[1..6], those of LK 8 "a".."k" from
// punktLastPlaceringer[1..11] (mm).
void SkrivTilfaeldeTekst(TTilfaelde& tilfaelde, const TRammePlaceringer& rammePlaceringer,
                         const TPunktLastPlaceringer& punktLastPlaceringer);

}  // namespace kvistor
