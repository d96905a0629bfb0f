#pragma once
// Where a command's result goes and in which form: the file named by -o,
// saved by the one writer, or the standard output for "-"; and the format
// of a drawing, by the file's extension or --format.
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "cli/tilvalg.h"
#include "common/dialog.h"
#include "common/filer.h"
#include "report/resume.h"

namespace kvistor {

enum class TTegneformat { Svg, Dxf };

// A drawing's format: a file named .svg or .dxf (in any case) is that; "-"
// and any other name take --format, SVG without it. The usage error's text
// when --format contradicts the name, or when a picture size (--bredde,
// --hoejde) is given for a DXF drawing, which is drawn to scale.
std::variant<TTegneformat, std::string> BestemTegneformat(const TKald& kald);

// What a save came to, said: KodeBrug after the message when it failed,
// else KodeOk, after the writer's note when it has one.
int MeldGemning(const TFilUdfald& u, const std::string& navn, TBrugerDialog& dlg);

// Writes the bytes to the standard output (`udfil` "-"; whether it took
// them all is checked at the end of the call) or saves them under the name.
// KodeOk, or KodeBrug after the message.
int SkrivUddata(TKald& kald, const std::string& udfil, std::string_view bytes,
                TBrugerDialog& dlg);

// The report's failing verdicts on the error stream, one "Bemærk: ..." line
// each, after `forstavelse` (the project's name when there are several).
void SkrivNoter(const TAdvarselsnoter& noter, std::ostream& fejl, const std::string& forstavelse = {});

}  // namespace kvistor
