#pragma once
// The project file (".aid"): 37 lines, one value per line in a fixed order,
// Windows-1252 with CR LF. The writer and the reader mirror each other line
// by line; the reader goes through the input-page model so that the lists,
// radio groups and coupled fields end as if the user had entered the values.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/inddataside.h"

namespace kvistor {

class TBrugerDialog;

inline constexpr int AntalInddatalinier = 37;
inline constexpr std::string_view StandardInddatafil = "Standard.aid";

// A project file has 37 short lines; anything larger is not one, and is not
// read further (an endless device or a huge file must not fill the memory).
inline constexpr std::size_t MaksProjektfilBytes = 64 * 1024;

// A value of the file that could not be taken as it stands, and what the
// reader put in its place (99 for a number, 4 bays, a default item, the
// last item of a group, another hardware row).
struct TErstatning {
  int linje;          // counted from 1, as an editor shows it
  std::string laest;  // the line as it stands in the file
  std::string brugt;  // the value used instead
};

// One line per substituted value: the line number, what was read and what
// would be used.
std::string BeskedErstatning(const TErstatning& e);

// The 37 lines of the project (UTF-8), appended to `linier`.
void SkrivInddatafil(const TInddataside& side, std::vector<std::string>& linier);

// Reads the lines of a project file into the model. The file is read into a
// copy of the model first and replaces the current project only when all of
// it was read; a file with fewer than 37 lines, or whose line 11 is not a
// whole number, leaves the model untouched and shows the "Uventet fejl i
// inddatafilen" message with the file name. Returns whether it was read.
// It neither checks the field rules nor changes InddataAendret; any result
// of the previous project is discarded.
// Every value the reader substituted is added to `erstatninger` when given.
bool LaesInddatafil(TInddataside& side, const std::vector<std::string>& linier,
                    const std::string& filnavn, TBrugerDialog& dlg,
                    std::vector<TErstatning>* erstatninger = nullptr);

// The lines of a project file's bytes. A UTF-8 byte-order mark before the
// first line is dropped. Bytes that cannot be a project file (larger than
// MaksProjektfilBytes, or holding NUL bytes as UTF-16 text and binary files
// do) give the message BeskedIkkeProjektfil and nothing.
std::optional<std::vector<std::string>> ProjektfilLinier(std::string_view bytes,
                                                         const std::string& filnavn,
                                                         TBrugerDialog& dlg);

// The message shown for a damaged project file.
std::string BeskedDefektInddatafil(const std::string& filnavn);

// The message shown for a file that is no project file at all (a report,
// a binary file, UTF-16 text, far too large); `grund` says how it shows.
std::string BeskedIkkeProjektfil(const std::string& filnavn, const std::string& grund);

// The message shown when a project file cannot be read at all; with the
// system's reason when there is one.
std::string BeskedKanIkkeHente(const std::string& filnavn, const std::string& aarsag = "");

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

// The same for the command line, which tells a file it cannot read (a file
// error) from one it refuses (damaged input), and reads the standard input
// when `standardInput` is set (then `filnavn` is only the name in the
// messages). The file is read once, at most MaksProjektfilBytes of it. With
// `erstatninger` the substituted values are gathered there instead of
// being told one by one.
enum class TProjektLaesning { Laest, KanIkkeHente, Afvist };
TProjektLaesning LaesProjekt(const std::string& filnavn, bool standardInput, TInddataside& side,
                             TBrugerDialog& dlg, std::vector<TErstatning>* erstatninger = nullptr);

}  // namespace kvistor
