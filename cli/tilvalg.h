#pragma once
// The command table of kvistor-cli and its one parser. Each command is one
// row of the table in cli/kommandotabel.cpp: its name, what it does, the
// project files it takes, its options and the routine that runs it. The
// parser, the usage errors, each command's --help, the main help, the
// manual page's synopsis and commands, and README's synopsis are all made
// from that table, so they cannot disagree with what the program accepts.
//
// A new command is one row in Kommandoer() and one run routine in a file of
// its own; a new option is one TTilvalg in its command's row, read in the
// run routine with kald.Har / kald.Tekst / kald.Heltal.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/indstillinger.h"

namespace kvistor {

enum class TVaerdiArt {
  Ingen,    // a flag: --kurver
  Tekst,    // any text, checked by `kontrol` when the row has one: -o FIL, --firma NAVN
  Heltal,   // a whole number from `fra` to `til`, both included: --lk N
  Bogstav,  // one letter from `fra` to `til`, both included: --lt X
  Valg,     // one of `valg`
};

struct TTilvalg {
  std::string navn{};        // "--lk", "-o"
  std::string vaerdinavn{};  // "N", "RAPPORT.txt"; empty for a flag
  TVaerdiArt art = TVaerdiArt::Ingen;
  int fra = 0, til = 0;    // Heltal and Bogstav ('a', 'x')
  std::vector<std::string> valg{};  // Valg
  // What it does, in Danish sentences; the range of a number, a letter or
  // a choice is added to it where it is shown.
  std::string hjaelp{};
  bool paakraevet = false;           // the command cannot run without it
  std::vector<std::string> kraever{};  // options that must come with this one
  // A value that works where the value name is not one ("yyyy-MM-dd,HH:mm:ss")
  // or not every value in range makes sense with the rest (a load case the
  // chain computes); the table's own test runs the command with it.
  std::string eksempel{};
  // Tekst: the refusal of a value ("-o mangler et filnavn."), or nothing.
  std::optional<std::string> (*kontrol)(const std::string& vaerdi) = nullptr;
};

struct TKald;
using TKoerKommando = int (*)(TKald& kald);

struct TKommando {
  std::string navn{};      // "rapport"
  std::string formaal{};   // one line for the main help's list of commands
  // What it does, for its --help and the manual page: paragraphs separated
  // by an empty line.
  std::string beskrivelse{};
  // A word before the project file, one of these (tegning tvaer|laengde);
  // empty when the command takes none. `ordAliaser` are further spellings
  // accepted for them ("tvær" for "tvaer"), not shown.
  std::vector<std::string> ord{};
  std::vector<std::pair<std::string, std::string>> ordAliaser{};
  std::string ordnavn{};   // what the word is, for messages: "tegning"
  int maksProjekter = 1;  // 0: any number (at least one)
  std::vector<TTilvalg> tilvalg{};
  // What exit codes 0 and 4 mean for this command (4 empty: not used).
  std::string kode0{}, kode4{};
  bool kanStoppes = false;  // a long search that Ctrl+C stops cleanly
  TKoerKommando koer = nullptr;
};

// Every command of kvistor-cli, in the order the help lists them.
const std::vector<TKommando>& Kommandoer();
const TKommando* FindKommando(std::string_view navn);

// What the program is called with besides the arguments: the settings file
// and whether standard error is a terminal. The tests' default has neither.
struct TMiljoe {
  std::string indstillingsfil;  // empty: no settings
  bool terminal = false;        // show progress on standard error
};

// One call of a command after its arguments have been parsed.
struct TKald {
  const TKommando& kommando;
  std::string ord;                      // the word, canonical ("tvaer"); "" when none
  std::vector<std::string> projekter;   // "-" is the standard input
  std::vector<std::pair<std::string, std::string>> vaerdier;  // as given; "" for a flag
  std::ostream& ud;
  std::ostream& fejl;
  const TMiljoe& miljoe;

  // The options, by the names of the command's table. Asking for a name the
  // table does not have is a fault of the program (std::logic_error), so a
  // misspelt name cannot silently read as "not given".
  bool Har(std::string_view navn) const;
  std::optional<std::string> Tekst(std::string_view navn) const;  // the last one given
  std::optional<int> Heltal(std::string_view navn) const;         // Heltal; Bogstav as its code
  // A usage error found by the run routine: "Fejl: " and the text, the hint
  // line, KodeBrug.
  int BrugsFejl(const std::string& tekst) const;
  // The settings file, read on first use; empty settings when there is none
  // or it cannot be read (a warning says why).
  const TIndstillinger& Indstillinger();
  std::optional<TIndstillinger> laesteIndstillinger;  // filled by Indstillinger()
};

// Parses `argumenter` (those after the command's name) against the row.
// nullopt and the usage error's text (without "Fejl: ") when they do not
// fit; `hjaelp` is set for -h/--help, and then nothing else is checked.
struct TFortolkning {
  bool hjaelp = false;
  std::string ord;
  std::vector<std::string> projekter;
  std::vector<std::pair<std::string, std::string>> vaerdier;
};
std::optional<TFortolkning> FortolkArgumenter(const TKommando& k,
                                              const std::vector<std::string>& argumenter,
                                              std::string& fejltekst);

// The usage error's two lines: "Fejl: …" and where to read more.
void SkrivBrugsFejl(std::ostream& fejl, const std::string& tekst, const TKommando* k);

// kvistor-cli with its arguments (the command's name first): the helps,
// --version, and the command run through the table. Returns the exit code.
// main() adds the check that the standard output took everything.
int KoerKvistorCli(const std::vector<std::string>& argumenter, std::ostream& ud,
                   std::ostream& fejl, const TMiljoe& miljoe = {});

// The texts made from the table.
void SkrivHovedhjaelp(std::ostream& ud);
void SkrivKommandohjaelp(const TKommando& k, std::ostream& ud);
// The synopsis lines ("kvistor-cli rapport PROJEKT.aid [-o RAPPORT.txt] …"),
// folded at `bredde` characters, as the main help and README show them.
std::vector<std::string> Synopsis(int bredde);
// Text folded into lines of at most `bredde` characters, each but the first
// indented by `indryk` blanks (the first by `forste`).
std::string Ombryd(std::string_view tekst, std::size_t bredde, std::size_t indryk,
                   std::size_t forste = 0);
// The range added to an option's help ("Et helt tal fra 1 til 12."); empty
// for a flag or a text.
std::string Omraadetekst(const TTilvalg& t);

}  // namespace kvistor
