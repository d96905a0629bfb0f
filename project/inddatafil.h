#pragma once
// The project file (".aid"): 37 lines, one value per line in a fixed order,
// Windows-1252 with CR LF. The writer and the reader mirror each other line
// by line; the reader goes through the input-page model so that the lists,
// radio groups and coupled fields end as if the user had entered the values.
#include <string>
#include <string_view>
#include <vector>

#include "project/inddataside.h"

namespace kvistor {

class TBrugerDialog;

inline constexpr int AntalInddatalinier = 37;
inline constexpr std::string_view StandardInddatafil = "Standard.aid";

// The 37 lines of the project (UTF-8), appended to `linier`.
void SkrivInddatafil(const TInddataside& side, std::vector<std::string>& linier);

// Reads the lines of a project file into the model. The file is read into a
// copy of the model first and replaces the current project only when all of
// it was read; a file with fewer than 37 lines, or whose line 11 is not a
// whole number, leaves the model untouched and shows the "Uventet fejl i
// inddatafilen" message with the file name. Returns whether it was read.
// It neither checks the field rules nor changes InddataAendret; any result
// of the previous project is discarded.
bool LaesInddatafil(TInddataside& side, const std::vector<std::string>& linier,
                    const std::string& filnavn, TBrugerDialog& dlg);

// The message shown for a damaged project file.
std::string BeskedDefektInddatafil(const std::string& filnavn);

// The message shown when a project file cannot be read at all.
std::string BeskedKanIkkeHente(const std::string& filnavn);

// Save command ("Gem &som ..."): save dialog, the ".aid" extension rule and
// its question, writing. Returns true when the file was written (then
// InddataAendret is 0).
bool GemProjektdata(TInddataside& side, TBrugerDialog& dlg);

// Asks whether the current input is to be saved first; Yes saves.
void CheckGemProjektdata(TInddataside& side, TBrugerDialog& dlg);

// Load command ("&Hent ..."): open dialog, the save question when the input
// has changed, reading; then InddataAendret is 0, the result is discarded and
// page "Inddata 1" is active. Returns true when a project was loaded.
bool HentProjektdata(TInddataside& side, TBrugerDialog& dlg);

// Program start: a model in its start state with the lists filled, then
// "Standard.aid" from the program folder. A missing or damaged file is
// reported and the program goes on with the start values. InddataAendret
// is 0 afterwards in every case.
TInddataside StartInddataside(const std::string& programmappe, TBrugerDialog& dlg);

// Reads a project file by name into a fresh model (for the command line and
// the drawings). Only error messages reach the dialog; warnings, information
// and beeps of the reading are left out. On success the model is replaced
// (its company name, program folder and result hook are kept) and
// InddataAendret is 0; on failure the model is left as it was.
bool LaesProjektfil(const std::string& filnavn, TInddataside& side, TBrugerDialog& dlg);

}  // namespace kvistor
