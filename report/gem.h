#pragma once
// Saving the computed result: the report as a text file and, on request, the
// shear and moment curve data beside it. Files are Windows-1252 with CR LF,
// saved by the one writer of common/filer.h: a save that fails leaves
// whatever was there before and is reported with its reason, and files
// saved earlier in the same command stay saved.
#include <string>

#include "common/dialog.h"
#include "project/inddataside.h"
#include "report/rapport.h"

namespace kvistor {

inline constexpr const char* TekstIkkeBeregnet = "Resultatet er endnu ikke beregnet";

// The chosen name without its extension: from the last dot of the file name
// itself (a dot in a folder name does not count, nor a leading dot, so
// ".rapport" stays ".rapport"); unchanged without one.
std::string UdenEfternavn(const std::string& filnavn);

// "<basis> Q-kurver.txt" and "<basis> M-kurver.txt".
std::string QKurveFilnavn(const std::string& basis);
std::string MKurveFilnavn(const std::string& basis);

// The save command ("Gem &Resultat ..."). `resultat` is nullptr when there is
// no current result (after any input change). rappOmfang > 0 offers the curve
// data. Every outcome is told through `dialog`; returns the number of files
// written.
// The save dialog starts in `mappe` and proposes `forslag`.
int GemResultat(const TRapportResultat* resultat, int rappOmfang, const std::string& mappe,
                TBrugerDialog& dialog, const std::string& forslag = {});

// The same on the input pages' current result (none when the model has no
// report), starting in the folder last used and proposing the project's name.
int GemResultat(const TInddataside& side, TBrugerDialog& dialog);

}  // namespace kvistor
