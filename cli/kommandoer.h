#pragma once
// The exit codes of kvistor-cli and the run routines of its commands. Each
// routine gets its parsed call (cli/tilvalg.h) and returns an exit code.
#include <string>
#include <variant>

#include "cli/tilvalg.h"
#include "common/ur.h"

namespace kvistor {

// The exit codes of kvistor-cli, the only place they are numbered.
inline constexpr int KodeOk = 0;        // all verdicts OK
inline constexpr int KodeBrug = 1;      // usage or file error, lost output included
inline constexpr int KodeAfvist = 2;    // input refused
inline constexpr int KodeAfbrudt = 3;   // calculation aborted
inline constexpr int KodeAdvarsel = 4;  // written, but a verdict fails
// Stopped by Ctrl+C, as a shell reports a program ended by SIGINT.
inline constexpr int KodeStoppet = 130;

// With several projects the call ends with its most serious outcome: an
// interruption, then an aborted calculation, refused input, a usage or file
// error, a failing verdict, all OK.
int AlvorligsteKode(int a, int b);

int RapportKommando(TKald& kald);
// --dato "yyyy-MM-dd,HH:mm:ss", every field with its digits and a real
// calendar date and time of day. A text of another layout is a format
// error, a day that the month does not have (2026-02-30) or an hour beyond
// 23 an impossible date or time: the message, or the time.
std::variant<TTidspunkt, std::string> LaesDato(const std::string& s);
// The refusal of a value that is no real date and time, or nothing.
std::optional<std::string> KontrollerDato(const std::string& vaerdi);
// kvistor-cli dokumentation (cli/dokumentation_kommando.cpp): the
// calculation document as PDF.
int DokumentationKommando(TKald& kald);
int TegningKommando(TKald& kald);
// The design aids (cli/hjaelpemiddel_kommandoer.cpp): KodeOk when a variant
// passes, KodeAdvarsel when none does.
int DimensionerKommando(TKald& kald);
int CharnierKommando(TKald& kald);
int OptimerKommando(TKald& kald);
int KurverKommando(TKald& kald);
// The fire check (cli/brand_kommando.cpp): KodeOk when the required
// resistance is met (or none is required), KodeAdvarsel when it is not.
int BrandKommando(TKald& kald);
// The result tables of one or more projects (cli/tabel_kommando.cpp).
int TabelKommando(TKald& kald);

}  // namespace kvistor
