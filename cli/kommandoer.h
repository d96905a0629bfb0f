#pragma once
// The sub-commands of kvistor-cli. Each takes the arguments after its own
// name and returns the program's exit code:
// 0 all verdicts OK; 4 report written but a warning note raised; 2 input
// refused; 3 calculation aborted; 1 usage or file error.
#include <iosfwd>
#include <string>
#include <vector>

namespace kvistor {

int RapportKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                    std::ostream& fejl);
int TegningKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                    std::ostream& fejl);
// The design aids (cli/hjaelpemiddel_kommandoer.cpp): 0 when a variant
// passes, 4 when none does.
int DimensionerKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                        std::ostream& fejl);
int CharnierKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                     std::ostream& fejl);
int KurverKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                   std::ostream& fejl);
void SkrivHjaelp(std::ostream& ud);

}  // namespace kvistor
