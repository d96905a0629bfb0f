#pragma once
// One calculation run: lays out the Gerber chain, walks the three purlins,
// the load combinations and their load cases, runs the analysis of every
// case and ranks the cases per quantity and bay type. Everything the run
// produces is owned by the TBeregning value the caller passes in; nothing is
// kept anywhere else, so two runs never see each other.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/dialog.h"
#include "project/inddata.h"
#include "purlin/statik.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"
#include "purlin/understoetninger.h"
#include "calculation/tvaersnit_byg.h"

namespace kvistor {

// The nine ranked quantities, in the order the cases are inserted.
enum TRangStoerrelse : int {
  RangUGBoej = 0,   // bending utilisation
  RangUGForsk = 1,  // shear utilisation
  RangUGBeslag = 2, // Gerber hardware utilisation
  RangRzMax = 3,
  RangRyMax = 4,
  RangRzMin = 5,    // ranked as -RzMin
  RangRyMin = 6,    // ranked as -RyMin
  RangN = 7,        // hinge tension
  RangNTryk = 8,    // hinge compression
};
constexpr int AntalRangStoerrelser = 9;

// One entry of a ranking: the case and its value rounded to 0,01.
struct TRangering {
  TTilfaelde* Tilfaelde = nullptr; // points into TBeregning::Tilfaelde
  double Vaerdi = 0.0;
};

// How a run ended.
enum class TBeregningsUdfald {
  IkkeKoert,   // no run has been made on this value yet
  Gennemfoert, // every case computed and ranked; a report can be written
  Afbrudt,     // an internal inconsistency stopped the run after its message
               // (the user's Cancel, a chain the statics cannot solve, or
               // results that overflow to INF or NAN); the case list and
               // the rankings are empty, no report
  Afvist,      // the run was refused before it started, with an error message:
               // no hardware chosen, fewer than four bays, a building too
               // long for integer millimetres, a working record whose numbers
               // overflow, or a hinge offset not shorter than the gable bay
};

struct TBeregning {
  // Case list in computation order. The rankings point into it, so the list
  // is never changed while rankings exist; the run is moved, never copied.
  std::vector<TTilfaelde> Tilfaelde;

  // Dimensionsgivende[q][t], q = 0..8 (TRangStoerrelse), t = 1..3 (bay type;
  // index 0 unused). Each list is sorted by Vaerdi, largest first; its front
  // is the governing case.
  std::array<std::array<std::vector<TRangering>, 4>, AntalRangStoerrelser> Dimensionsgivende;

  // Supports and hinges of the chain, sorted by x, built once per run, and
  // the discontinuity points they give every case (BygKaedepunkter).
  TUnderstoetninger Understoetninger;
  TCharnierer Charnierer;
  std::vector<TDiskPunkt> Kaedepunkter;

  // Placement tables, indexed as in the load-case letters: RammePlaceringer
  // 1..6 ("b".."g" of load combination 3), PunktLastPlaceringer 1..11
  // ("a".."k" of load combination 8). Index 0 unused; 0 = no placement.
  TRammePlaceringer RammePlaceringer{};
  TPunktLastPlaceringer PunktLastPlaceringer{};

  // Run-wide deflection maxima [t][k], t = 1..3 (index 0 unused), k = 0, 1, 2
  // for load combinations 10, 11, 12.
  std::array<std::array<double, 3>, 4> uMaks{};
  std::array<std::array<std::int32_t, 3>, 4> xuMaks{};
  std::array<std::array<std::int32_t, 3>, 4> LuForhold{};

  TBeregningsUdfald Udfald = TBeregningsUdfald::IkkeKoert;

  TBeregning() = default;
  TBeregning(const TBeregning&) = delete;
  TBeregning& operator=(const TBeregning&) = delete;
  TBeregning(TBeregning&&) = default;
  TBeregning& operator=(TBeregning&&) = default;
};

// The text shown when a calculation is started without any Gerber hardware.
inline constexpr const char* TekstIntetBeslag =
    "Der er ikke valgt noget gerberbeslag.\r\nVælg et gerberbeslag på siden \"Inddata 2\".";

// The text shown when the building is too long to be laid out in integer
// millimetres.
inline constexpr const char* TekstForLangBygning =
    "Bygningen er for lang til beregningen.\r\nReducér antal fag eller rammeafstandene.";

// The text shown when the hinge offset reaches the gable-bay span.
inline constexpr const char* TekstCharnierForskydning =
    "Charnierforskydningen skal være mindre end både rammeafstanden og gavlrammeafstanden.";

// What a run builds beyond the numbers. The report wants all of it; the
// design aids run thousands of calculations and read only the governing
// figures, so they leave out the case headings and the 27 rankings.
struct TKoerselsOmfang {
  bool Overskrifter = true;  // each case's heading lines in its Linier
  bool Rangeringer = true;   // Dimensionsgivende
};

// The entry point. Needs the working record built from the project record
// (BestemTvaersnit). Fills `beregning` afresh (anything in it is released
// first) and returns its outcome, also stored in beregning.Udfald. Messages
// go through `dialog`; no message ends the program: an internal
// inconsistency that cannot be passed ends the run as Afbrudt.
TBeregningsUdfald BeregnAlleTilfaelde(TBeregning& beregning, const Inddata& inddata,
                                      const TSupplData& suppl, TBrugerDialog& dialog,
                                      const TKoerselsOmfang& omfang = {});

// Checks the record and the working record as every run does before its
// first case and lays out the chain: supports, hinges and frame placements
// in `beregning`, whose cases, rankings and deflection maxima are emptied
// first. Returns false after the error message when the run must not start
// (beregning.Udfald is then Afvist).
bool ForberedBeregning(TBeregning& beregning, const Inddata& inddata, const TSupplData& suppl,
                       TBrugerDialog& dialog);

// Whether load case (purlin, load combination, letter) is ever computed;
// the fire combinations 14 and 15 by the fire check only.
bool TilfaeldeFindes(int aas, int lk, char lt);

// Whether an existing load case is left out because its frame or point-load
// placement does not exist in this chain.
bool TilfaeldeSkippes(const TBeregning& beregning, int lk, char lt);

// The analysis of one case, in the order of the calculation. Returns false
// when the run has to stop (the message has been shown). With `laster` the
// case's loads are handed back instead of released (the force diagrams draw
// the curves from them and the supports' reactions); without `overskrift`
// the case heading is left out. With `udtraek` the forces at the case's
// stress points are handed back (see TSnitUdtraek).
bool BeregnTilfaelde(TBeregning& beregning, TTilfaelde& tilfaelde, const Inddata& inddata,
                     const TSupplData& suppl, TBrugerDialog& dialog,
                     TTilfaeldeLaster* laster = nullptr, bool overskrift = true,
                     TSnitUdtraek* udtraek = nullptr);

// PunktLastPlaceringer from the first computed case of load combination 3.
// Returns false (after the message) when there is no such case.
bool BygPunktLastPlaceringer(TBeregning& beregning, const TSupplData& suppl,
                             TBrugerDialog& dialog);

// Sets the deflection maxima to their start values (-1000).
void NulstilNedbojningsMaksima(TBeregning& beregning);

// The value of quantity q (TRangStoerrelse) of one bay type's results as the
// rankings hold it: rounded to hundredths, a value without a number as 1e6.
double RangeringsVaerdi(const TFagResultat& r, int q);
// A value rounded as the rankings round it (see RangeringsVaerdi).
double AfrundetVaerdi(double v);

// Builds the 27 rankings from the cases of load combinations 1 to 9.
void RangerTilfaelde(TBeregning& beregning);

// Release the case list (with its text lines) and the rankings.
void FrigivTilfaelde(TBeregning& beregning);
void FrigivRangeringer(TBeregning& beregning);

// Inserts value v for case c into one ranking list: before the head when the
// head is smaller, else after the last entry that is greater or equal, so
// equal values keep the order in which they came.
void IndsaetRangering(std::vector<TRangering>& liste, TTilfaelde* c, double v);

}  // namespace kvistor
