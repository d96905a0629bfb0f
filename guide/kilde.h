#pragma once
// What the guide takes from the program itself: the default project as the
// program reads it, its working record, one whole calculation run, and its
// result report in both extents. Built once per guide.
#include <QString>
#include <memory>

#include "project/inddataside.h"
#include "calculation/beregning.h"
#include "common/ur.h"
#include "purlin/suppldata.h"
#include "report/rapport.h"

namespace kvistor {

struct TVejledningsKilde {
  TInddataside Side;            // Standard.aid read through the input-page model
  TSupplData Suppl;             // its working record
  TBeregning Beregning;         // every case of the project, computed
  TRapportResultat Normal;      // the report, extent "Normalt #"
  TRapportResultat Detaljeret;  // the report, extent "Detaljeret", with curve data
};

// Reads the project and computes it; the reports are dated `dato` (the
// edition's date, so the guide is the same on every build). Returns nullptr,
// with the reason in `fejl`, when the project cannot be read or computed:
// the guide is then not built, since its examples would be wrong.
std::unique_ptr<TVejledningsKilde> ByggKilde(const QString& projektfil, const TTidspunkt& dato,
                                             QString& fejl);

}  // namespace kvistor
