#pragma once
// Reading the project file of a command.
#include <string>

#include "cli/kommandoer.h"
#include "cli/kommandolinjedialog.h"
#include "common/filer.h"
#include "project/inddataside.h"

namespace kvistor {

// "-" as a project file or an output file is the standard input or output.
inline constexpr const char* Standardstroem = "-";

// The name the messages use for a project file ("standard-input" for "-").
std::string Projektnavn(const std::string& projekt);

// Reads the project ("-": the standard input) once into `side`. Returns
// KodeOk, KodeBrug when the file cannot be read, or KodeAfvist when it is no
// project file. A batch run must not compute values nobody typed: unless
// `tolerant`, a file with values the reader had to substitute is refused,
// with one line per value (line, what was read, what would be used).
// With `bytes` the bytes read are handed back: the calculation document
// names the SHA-256 of exactly what it was computed from.
// `tolerant` keeps the window's way: each value is told and substituted.
int LaesProjektTilKommando(const std::string& projekt, bool tolerant, TInddataside& side,
                           TKommandolinjeDialog& dlg, std::string* bytes = nullptr);

}  // namespace kvistor
