#pragma once
// The fire check of a project: the accidental combinations 14 (snow) and
// 15 (wind) on the chain of the ordinary run, the utilisations per bay
// type on the residual section of the required minute, and the resistance
// the purlin achieves. Hangers and anchoring are steel and not checked.
#include <array>

#include "calculation/beregning.h"
#include "common/dialog.h"
#include "project/inddata.h"
#include "purlin/brandtvaersnit.h"
#include "purlin/suppldata.h"

namespace kvistor {

// The largest utilisation of one bay type and the case it comes from.
struct TBrandGivende {
  double Vaerdi = 0;      // ratio rounded to hundredths, as the rankings hold it
  double Uafrundet = 0;   // the same before rounding
  int LK = 0;
  char LT = 'a';
  int Aas = 0;
};

struct TBrandResultat {
  TBeregningsUdfald Udfald = TBeregningsUdfald::IkkeKoert;
  // The residual section and strengths at the required minute.
  TBrandTvaersnit Tvaersnit;
  // Per bay type 1..3 (entry 0 unused), at the required minute; 0 when the
  // purlin has burnt through by then.
  std::array<TBrandGivende, 4> Boejning{};
  std::array<TBrandGivende, 4> Forskydning{};
  // The largest whole minute (up to BrandVaerdier.MaksMinutter) up to which
  // the section stands and every fire utilisation, rounded to hundredths, is
  // at most 1,00, minute by minute from the start.
  int OpnaaetMinutter = 0;
  int AntalTilfaelde = 0;
  // The requirement is met when every minute up to it passes.
  bool KravOpfyldt() const {
    return Udfald == TBeregningsUdfald::Gennemfoert && OpnaaetMinutter >= Tvaersnit.Minutter;
  }
};

// A required resistance outside 1..BrandVaerdier.MaksMinutter minutes.
inline constexpr const char* TekstBrandMinutter =
    "Brandmodstanden skal være mellem 1 og 120 minutter.";

// Runs the fire cases on the working record built by BestemTvaersnit from
// the same record (the ordinary one), for a requirement of `minutter`
// minutes with fire on `sider` sides. The field rules are not checked here:
// a project as entered comes through BeregnProjektBrand (projektberegning.h),
// which checks them first. Refused (Afvist, after the message) where the
// ordinary run's preparation refuses (ForberedBeregning: no hanger, a chain
// it cannot lay out), and for minutes outside 1..120; Afbrudt when a case
// cannot be solved or overflows. No message ends the program.
TBrandResultat BeregnBrand(const Inddata& ind, const TSupplData& sd, int minutter, int sider,
                           TBrugerDialog& dialog);

}  // namespace kvistor
