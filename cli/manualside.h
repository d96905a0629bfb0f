#pragma once
// The parts of the manual page (packaging/kvistor-cli.1) and of README.md
// that list commands and options, made from the command table. Both files
// hold them between marker lines; the command line's tests compare the
// files with these texts and rewrite them with KVISTOR_GOLDEN_OPDATER=1.
#include <string>

namespace kvistor {

// The manual page's synopsis: one .SY ... .YS block per command.
std::string ManualSynopsis();
// The manual page's section KOMMANDOER: per command its description, its
// options with their ranges, and what exit codes 0 and 4 mean for it.
std::string ManualKommandoer();
// README's synopsis: the main help's "Brug:" lines as an indented block.
std::string ReadmeSynopsis();

}  // namespace kvistor
