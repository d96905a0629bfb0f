#pragma once
// The sub-commands of kvistor-cli. Each takes the arguments after its own
// name and returns one of the program's exit codes below.
#include <iosfwd>
#include <string>
#include <vector>

namespace kvistor {

// The exit codes of kvistor-cli, the only place they are numbered.
inline constexpr int KodeOk = 0;        // all verdicts OK
inline constexpr int KodeBrug = 1;      // usage or file error
inline constexpr int KodeAfvist = 2;    // input refused
inline constexpr int KodeAfbrudt = 3;   // calculation aborted
inline constexpr int KodeAdvarsel = 4;  // report written, but a warning note raised

int RapportKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                    std::ostream& fejl);
int TegningKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                    std::ostream& fejl);
// The design aids (cli/hjaelpemiddel_kommandoer.cpp): KodeOk when a variant
// passes, KodeAdvarsel when none does.
int DimensionerKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                        std::ostream& fejl);
int CharnierKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                     std::ostream& fejl);
int KurverKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                   std::ostream& fejl);
void SkrivHjaelp(std::ostream& ud);

}  // namespace kvistor
