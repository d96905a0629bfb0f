#pragma once
// Before a command writes anything, every file it will write is held
// against every file it reads and every other file it writes: no output may
// replace a project of the same call, and no two outputs may land in one
// file (rapport a.aid a.bak --kurver would give both projects' curves the
// same names). A clash refuses the whole call, with nothing written.
#include <optional>
#include <string>
#include <vector>

namespace kvistor {

struct TUddata {
  std::string navn;  // as given; "-" is the standard output
  // What is written there, as the message names it: "Rapporten",
  // "Kurvedata for hal.aid".
  std::string hvad;
};

// The refusal when an output clashes, else nothing. Two names clash when
// they are one regular file (through symbolic links, "../" and hard links)
// or would become one new file. A device or a named pipe (/dev/null) is no
// regular file: it may be read and written, or written twice, in one call.
// The standard output never clashes; "-" as input is whatever the standard
// input is.
std::optional<std::string> FindSammenstoed(const std::vector<std::string>& projekter,
                                           const std::vector<TUddata>& uddata);

// Whether a name is, or will become, a regular file: it does not exist yet
// or is one (through links). Files written beside an output need a real
// folder, which a device or a pipe does not give.
bool AlmindeligFilEllerNy(const std::string& navn);

}  // namespace kvistor
