#pragma once
// Where the program finds "Standard.aid" and the user guide: the folder of
// its executable, or, in the installed layout (bin/ beside share/), the
// share/kvistor folder.
#include <string>

namespace kvistor {

// The program folder for an executable in `exeMappe`; ends in '/'.
std::string BestemProgrammappe(const std::string& exeMappe);

inline constexpr const char* BrugervejledningFil = "Kvistor10_Brugervejledning.pdf";

}  // namespace kvistor
