#pragma once
// Reactions and section forces of one load case on the statically determinate
// Gerber chain, and their extremes per bay type in the case record.
//
// The section forces at s (m) come from everything strictly left of s:
//   My(s) = −Σ(s−xi)²·dqzi/2 − Σ(s−xr)·Rzr − Σ(s−xp)·Pzp − ΣMm
//   Mz(s) = −Σ(s−xi)²·dqyi/2 − Σ(s−xr)·Ryr − Σ(s−xp)·Pyp
//   Vz(s) = −Σ(s−xi)·dqzi − ΣRzr − ΣPzp,   Vy likewise with y.
// A positive moment gives tension in the underside; a positive shear pushes
// the part left of the section down.
//
// The sums are never re-evaluated point by point: TSnitkraefter carries the
// running shear, moment and line load in a sweep along x (exact between
// load points), so a case costs time linear in the number of bays.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/dialog.h"
#include "purlin/laster.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"
#include "purlin/understoetninger.h"

namespace kvistor {

// The loads of one case (owned by the case's analysis).
struct TTilfaeldeLaster {
  TLinielastListe Linielast;
  std::vector<TPunktlast> PL;             // 0 or 1 record
  std::vector<TKipMoment> KipMomenter;    // 0 or 2 records, sorted by x
};

// All four section forces at one position.
struct TSnit {
  double Vz = 0, Vy = 0;  // kN
  double My = 0, Mz = 0;  // kNm
};

// Section forces by sweep. The supports' reactions are read when the sweep
// passes them, so the sweep may start before they are known. Positions should
// be asked for in non-decreasing order: asking for a smaller s restarts the
// sweep from the left end (correct, but a full pass). It keeps references
// to the four lists, which must outlive it. A copy starts where the original
// stands and then sweeps on its own.
class TSnitkraefter {
 public:
  TSnitkraefter(const TLinielastListe& linielast, const std::vector<TPunktlast>& pl,
                const TUnderstoetninger& understoetninger, const std::vector<TKipMoment>& kip);
  // Section forces at s (m) from everything at x with x/1000 < s.
  TSnit Ved(double s);
  // Support i's reaction has just been raised by dRz, dRy: a sweep that has
  // already passed the support takes the change into its running forces.
  void ReaktionAendret(std::size_t i, double dRz, double dRy);
  void Nulstil();

 private:
  enum class TArt : std::uint8_t { Linie, Punkt, Stoette, Kip };
  struct THaendelse {
    double xm;  // position, m
    TArt art;
    std::uint32_t i;  // index in its list
  };
  void GaaTil(double s);

  const TLinielastListe& linielast_;
  const std::vector<TPunktlast>& pl_;
  const TUnderstoetninger& understoetninger_;
  const std::vector<TKipMoment>& kip_;
  // Sorted by position, and the event index of each support. Shared by
  // copies: the sweeps of one case walk the same events, so a copy costs no
  // sort.
  struct THaendelser {
    std::vector<THaendelse> liste;
    std::vector<std::size_t> stoette;
  };
  std::shared_ptr<const THaendelser> haendelser_;
  std::size_t naeste_ = 0;  // first event not yet passed
  double start_ = 0;
  // State: the forces at position s_ from the events passed; q is the
  // running line load.
  double s_ = 0;
  double qz_ = 0, qy_ = 0, Vz_ = 0, Vy_ = 0, My_ = 0, Mz_ = 0;
};

// The section forces at which a case's extremes of stress are taken, for a
// check that puts them on another section afterwards (the fire check, whose
// residual section shrinks minute by minute while the forces stay).
struct TMomentPunkt {
  std::uint8_t Fag = 0;  // bay type 1..3
  double My = 0;         // kNm
  double Mz = 0;         // kNm
};
struct TSnitUdtraek {
  // Every pair of moments the combined bending stress is evaluated at, in
  // the order Momenter takes them.
  std::vector<TMomentPunkt> Momenter;
  // The largest resultant shear √(Vz² + Vy²) left or right of a point, per
  // bay type 1..3 (entry 0 unused), kN.
  std::array<double, 4> VMaks{};
};

// Reactions Rz, Ry of every support (the supports' current values must be 0,
// see NulstilReaktioner); the detailed extent prints them into tilf.Linier;
// the extremes RzMax..RyMin go to tilf.FagRes. A support list that is not two
// longer than the hinge list is reported through the dialog and the
// calculation goes on. Returns false (after an error message) when the
// chain cannot be solved: fewer than two supports, or a hinge on the support
// of its own piece (no lever arm); the case must then be given up.
bool Reaktioner(const TSupplData& sd, TUnderstoetninger& understoetninger,
                const TCharnierer& charnierer, const TTilfaeldeLaster& laster, TTilfaelde& tilf,
                bool detaljeret, TBrugerDialog& dialog);

// A point at x (mm) with its bay types on either side, as
// FagTypeVedCharnierer gives them, and its positions.
TDiskPunkt NyDiskPunkt(const TSupplData& sd, std::int32_t x, bool charnier, bool stoette);

// The points every case of a chain has: the purlin's start, its hinges and
// supports; sorted, no two equal xD, flags merged. A run builds them once.
std::vector<TDiskPunkt> BygKaedepunkter(const TSupplData& sd,
                                        const TUnderstoetninger& understoetninger,
                                        const TCharnierer& charnierer);

// The discontinuity list of the case: 0, hinges, supports, the point load,
// the line-load changes and LAas; sorted, no two equal xD, flags merged.
std::vector<TDiskPunkt> BygDiskPunkter(const TSupplData& sd, const TUnderstoetninger& understoetninger,
                                       const TCharnierer& charnierer, const TTilfaeldeLaster& laster);
// The same from the chain's points (BygKaedepunkter), into `punkter`.
void BygDiskPunkter(const TSupplData& sd, const std::vector<TDiskPunkt>& kaedepunkter,
                    const TTilfaeldeLaster& laster, std::vector<TDiskPunkt>& punkter);

// Shear forces left and right of every point, shear stress extremes, hinge
// shear extremes and the hinge forces F1, F2, F3 of every bay type. Here and
// below, the points are made by NyDiskPunkt (as BygDiskPunkter makes them):
// the sweeps take their positions from them.
void Forskydningskraefter(const TSupplData& sd, std::vector<TDiskPunkt>& punkter,
                          const TUnderstoetninger& understoetninger, const TTilfaeldeLaster& laster,
                          TTilfaelde& tilf);

// Moments left and right of every point and at every zero of the shear,
// moment and stress extremes, and the moment-curve lines appended to
// tilf.MLinier (sorted by position, without duplicates). medKurve false
// leaves the curve lines out (only the detailed extent ever shows them).
// With `momentPunkter` every pair the stresses are taken at is appended.
void Momenter(const TSupplData& sd, std::vector<TDiskPunkt>& punkter,
              const TUnderstoetninger& understoetninger, const TTilfaeldeLaster& laster,
              TTilfaelde& tilf, bool medKurve = true,
              std::vector<TMomentPunkt>* momentPunkter = nullptr);

// Detailed extent: the section-force table into tilf.Linier and the
// shear-curve lines into tilf.QLinier.
void SkrivSnitkraefter(const std::vector<TDiskPunkt>& punkter, TTilfaelde& tilf);

// The whole statics of one case in order: Reaktioner, discontinuity list,
// shear, moments, and (detailed) the printed table and shear curve. The
// supports' reactions must have been reset before the case's loads were
// built. Fills `punkter` with the discontinuity list (the deflections need
// it). Returns false when Reaktioner gave up; the case is then abandoned.
// medMomentKurve false skips the moment-curve lines (see Momenter). With
// `udtraek` the case's forces at its stress points are handed back too.
// `kaedepunkter`, the chain's own points (BygKaedepunkter), spares every
// case of a run from finding them again; without them they are built here.
bool LoesTilfaelde(const TSupplData& sd, TUnderstoetninger& understoetninger,
                   const TCharnierer& charnierer, const TTilfaeldeLaster& laster, TTilfaelde& tilf,
                   bool detaljeret, TBrugerDialog& dialog, std::vector<TDiskPunkt>& punkter,
                   bool medMomentKurve = true, TSnitUdtraek* udtraek = nullptr,
                   const std::vector<TDiskPunkt>* kaedepunkter = nullptr);

// Combined bending stress (MPa) of the moments Mz, My (kNm): σy + 0,7·σz
// when σz ≤ σy, else 0,7·σy + σz, with σy = |My|/Wy, σz = |Mz|/Wz (mm³).
double KombineretSpaending(double Wy, double Wz, double Mz, double My);
// The same on the working record's section.
double KombineretSpaending(const TSupplData& sd, double Mz, double My);

// Shear stress 1,5·V/A (MPa) of a resultant shear V (kN) on a rectangle of
// area A (mm²).
double Forskydningsspaending(double A, double V);

// One moment-curve line: position "%5.3n" zero-padded to 7 characters, then
// the moment "%10.4n".
std::string MomentKurveLinje(double s, double My);

}  // namespace kvistor
