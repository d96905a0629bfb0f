#pragma once
// The project file (".aid"): 37 lines, one value per line in the order of
// the field table, Windows-1252 with CR LF, then optional extension lines
// "Nøgle=værdi". The writer and the reader mirror each other line by line;
// the reader goes through the input-page model so that the lists, radio
// groups and coupled fields end as if the user had entered the values.
//
// Every way of opening a project (start-up, "Hent", a dropped file, a
// recent file, a file named when the program starts, the command line, the
// guide's generator) goes through AabnProjekt, so a file is read, bounded
// and refused the same way everywhere.
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
// last item of a group, another hardware row, the snow value that belongs
// to the roof angle), or an extension line that was passed over (`brugt`
// empty).
struct TErstatning {
  int linje;          // counted from 1, as an editor shows it
  std::string laest;  // the line as it stands in the file
  std::string brugt;  // the value used instead
};

// One line per substituted value: the line number, what was read and what
// would be used.
std::string BeskedErstatning(const TErstatning& e);

// The lines of the project (UTF-8), appended to `linier`: the 37 lines,
// then the extension lines whose values differ from their defaults, then
// the extension lines of keys this version does not know, as they were read.
void SkrivInddatafil(const TInddataside& side, std::vector<std::string>& linier);

// Reads the lines of a project file into the model. The file is read into a
// copy of the model first and replaces the current project only when all of
// it was read; a file with fewer than 37 lines, or whose line 12 is not a
// whole number, leaves the model untouched and shows the "Uventet fejl i
// inddatafilen" message with the file name. Returns whether it was read.
// It neither checks the field rules nor changes InddataAendret; any result
// of the previous project is discarded.
// Every value the reader substituted is added to `erstatninger` when given.
bool LaesInddatafil(TInddataside& side, const std::vector<std::string>& linier,
                    const std::string& filnavn, TBrugerDialog& dlg,
                    std::vector<TErstatning>* erstatninger = nullptr);

// The lines of a project file's bytes. A file that begins with a UTF-8
// byte-order mark is UTF-8 text; any other is Windows-1252. Bytes that
// cannot be a project file (larger than MaksProjektfilBytes, or holding
// NUL bytes as UTF-16 text and binary files do) give the message
// BeskedIkkeProjektfil and nothing.
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

// ---------------------------------------------------------------------------
// The one opener.

enum class TProjektLaesning {
  Laest,         // the project replaced the model
  KanIkkeHente,  // the file could not be read (missing, no permission): a file error
  Afvist,        // it could be read but is no project file, or a damaged one
};

struct TAabning {
  // Read the standard input; the name is then only the name in the messages.
  bool StandardInput = false;
  // Reading without the input pages in view (command line, guide): only
  // errors and the messages about numbers that could not be read reach the
  // dialog; warnings, information and beeps of the reading are left out.
  bool KunFejl = false;
  // When given, the substituted values are gathered here instead of being
  // told one by one.
  std::vector<TErstatning>* Erstatninger = nullptr;
  // When given, the bytes of a project that was read are handed back here,
  // so a document can name the checksum of exactly what it was computed from.
  std::string* Bytes = nullptr;
};

// Opens a project file into the model: at most MaksProjektfilBytes of it
// are read, once; the file is turned into lines (ProjektfilLinier) and read
// (LaesInddatafil). On success the model holds the project, InddataAendret
// is 0 and any result is discarded; otherwise the model is as it was and
// the dialog has said why (the system's reason for a file that cannot be
// read).
TProjektLaesning AabnProjekt(const std::string& filnavn, TInddataside& side, TBrugerDialog& dlg,
                             const TAabning& aabning = {});

// The user's own default project, which start-up prefers to the one in the
// program folder (that folder is read-only once installed):
// $XDG_CONFIG_HOME/Kvistor/Standard.aid, or ~/.config/Kvistor/Standard.aid.
// Also where "save as my default" saves. Empty when there is no home.
std::string BrugerStandardfil();

// The default project start-up opens: the user's own when it exists, else
// "Standard.aid" in the program folder.
std::string StandardProjektfil(const std::string& programmappe);

// Program start: a model in its start state with the lists filled, then the
// default project (StandardProjektfil), then `projekt` when one is given.
// A file that cannot be opened is reported and the program goes on with
// what it has. InddataAendret is 0 afterwards in every case. `aabnet`, when
// given, gets the file the model holds (empty when none could be read).
TInddataside StartInddataside(const std::string& programmappe, TBrugerDialog& dlg,
                              const std::string& projekt = {}, std::string* aabnet = nullptr);

// ---------------------------------------------------------------------------
// The commands.

// The folder the file dialogs start in (side.Filmappe, else the user's
// home), and the file name they propose: the project's name, made fit for
// a file name, with `efternavn` (".aid", ".txt"); empty without a name.
std::string FildialogMappe(const TInddataside& side);
std::string FilnavnForslag(const TInddataside& side, std::string_view efternavn);

// Writes the project under the name; InddataAendret is 0 afterwards. A
// failure is reported with the system's reason and changes nothing.
bool SkrivProjektfil(TInddataside& side, const std::string& filnavn, TBrugerDialog& dlg);

// Save command ("Gem &som ..."): save dialog, the ".aid" extension rule and
// its question, writing. Returns true when the file was written (then
// InddataAendret is 0, and `filnavn` holds the name when given).
bool GemProjektdata(TInddataside& side, TBrugerDialog& dlg, std::string* filnavn = nullptr);

// Saves the project as the user's own default (BrugerStandardfil), making
// its folder when needed. InddataAendret is left as it is.
bool GemBrugerStandard(const TInddataside& side, TBrugerDialog& dlg);

// The question before the current input is left (another project opened,
// the window closed) when it has changed: "Skal nuværende inddata først
// gemmes?" with Ja, Nej and Annuller. Ja saves (to side.Projektfil when
// there is one, else through the save dialog); Nej goes on without saving;
// Annuller (Escape) stops, and so does a save that is cancelled or fails, so
// that nothing typed is lost. Returns whether to go on.
bool CheckGemProjektdata(TInddataside& side, TBrugerDialog& dlg);

// Whether the window may close: unchanged input, or the question above
// answered so.
bool MaaLukke(TInddataside& side, TBrugerDialog& dlg);

// Load command ("&Hent ..."): the open dialog, then HentProjektfil. Returns
// true when a project was loaded (`filnavn` then holds its name when given).
bool HentProjektdata(TInddataside& side, TBrugerDialog& dlg, std::string* filnavn = nullptr);

// Opens a named file as "Hent" does (a dropped file, a recent file): the
// save question when the input has changed, then AabnProjekt; afterwards
// page "Inddata 1" is active. Returns true when a project was loaded.
bool HentProjektfil(TInddataside& side, const std::string& filnavn, TBrugerDialog& dlg);

}  // namespace kvistor
