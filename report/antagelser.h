#pragma once
// The program's own assumptions, each with what it means for the result:
// one list, printed in the calculation document and in the user guide. The
// entries say what the calculation does; where a figure of the code can be
// asked for, the text is built from it.
#include <string>
#include <vector>

namespace kvistor {

struct TAntagelse {
  std::string Antagelse;
  std::string Konsekvens;
};

std::vector<TAntagelse> ProgrammetsAntagelser();

// The editions of the standards the calculation follows, as the report's
// assumptions name them.
inline constexpr const char* NormudgaveLast = "EN 1990 & EN 1991 m. danske NA pr. januar 2015";
inline constexpr const char* NormudgaveTrae = "EN 1995+A1 m. danske NA pr. januar 2015";

}  // namespace kvistor
