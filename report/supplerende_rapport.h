#pragma once
// The checks beside the report, as the window's page "Supplerende kontrol"
// shows them: the whole report computed as the stricter check, then the
// fire section. The report itself is untouched.
#include <optional>
#include <string>

#include "calculation/brandkontrol.h"
#include "calculation/supplerende.h"
#include "common/dialog.h"
#include "common/ur.h"
#include "project/inddata.h"
#include "report/rapport.h"

namespace kvistor {

struct TSupplerendeRapport {
  // Afvist or Afbrudt: the message went through the dialog and nothing
  // below is kept.
  TRapportUdfald Udfald = TRapportUdfald::Bygget;
  TSupplerendeValg Valg;
  std::optional<TRapportResultat> Skaerpet;  // when Valg.Skaerpet
  std::optional<TBrandResultat> Brand;       // when Valg.BrandMinutter > 0
  // The page: the stricter report, an empty line, the fire section; or two
  // lines that say where the checks are chosen.
  TTekstlinjer Linjer;
};

// Computes the checks `valg` asks for. The field rules guard each as they
// guard the report: a broken rule is told once, with its own message.
TSupplerendeRapport BeregnSupplerendeRapport(const Inddata& ind, const TSupplerendeValg& valg,
                                             TBrugerDialog& dialog, const TUr& ur,
                                             const std::string& firmanavn);

}  // namespace kvistor
