#pragma once
// The one writer and the one reader of every file the program saves or
// reads: project files, reports, curve data and drawings, in the window and
// on the command line alike.
//
// Saving a regular file never leaves half a file behind: the bytes go to a
// temporary file of a unique name, created exclusively in the target's own
// folder and readable by its owner only, are pushed to the disk and then
// renamed over the target in one step. Two programs saving under one name at
// the same time each finish with a whole file; the last rename wins. A
// replaced file keeps its permissions and, where the process may, its owner
// and group. A file whose owner has no write permission is refused rather
// than replaced. A target that is not a regular file (a device such as
// /dev/null or /dev/full, a named pipe) is written directly, as a shell
// redirection would, so the device stays and a full disk is reported. So is a
// writable file in a folder that refuses the temporary file or the rename (a
// read-only folder, another user's file in /tmp): the finished content is
// written in place, and the result says so.
//
// Every failure comes with the system's reason in Danish.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace kvistor {

struct TFilUdfald {
  bool ok = true;
  // Reading stopped because the file is larger than the bound given.
  bool forStor = false;
  // Why it failed, in Danish, as a sentence ("Der er ikke mere plads på disken.").
  std::string aarsag;
  // Something the caller passes on although the save succeeded, as a
  // sentence; empty when there is nothing to say.
  std::string note;
  explicit operator bool() const { return ok; }
};

// The reason for a system error number as a Danish sentence.
std::string SystemAarsag(int fejlnummer);

// The message shown when a file cannot be saved: "Kan ikke gemme under
// navnet", the name, and the reason on a line of its own.
std::string BeskedKanIkkeGemme(const std::string& filnavn, const TFilUdfald& udfald);

// Saves bytes under the name (see above). A name that is a symbolic link
// (or a chain of them) saves the file it points to and stays a link, also
// when that file does not exist yet; a link into a folder that does not
// exist is refused.
TFilUdfald SkrivFil(const std::string& filnavn, std::string_view bytes);

// The system calls a save makes, each replaceable, so that a test can let a
// disk fail or stop a save half-way. An empty one is the system's own.
struct TFilSystemkald {
  std::function<int(const char* sti, int flag, unsigned mode)> aaben;
  std::function<long(int fd, const void* data, std::size_t antal)> skriv;
  std::function<int(int fd)> synk;
  std::function<int(const char* fra, const char* til)> omdoeb;
};
TFilUdfald SkrivFil(const std::string& filnavn, std::string_view bytes, const TFilSystemkald& kald);

// Lets SIGINT, SIGTERM and SIGHUP remove the temporary file of a save in
// progress before they end the program as they otherwise would. A signal
// that is ignored or has a handler of its own is left as it is. Called once
// by each program's main().
void InstallerSignalOprydning();
// The extension of a file name in lower case, without its full stop: "dxf"
// of "Hal.DXF"; empty when the name's last part has none. The command line
// and the window choose a file's format by it.
std::string Efternavn(std::string_view filnavn);

inline constexpr std::size_t Ubegraenset = std::numeric_limits<std::size_t>::max();

// Reads a whole file, or at most `maks` bytes of it: a longer file (or an
// endless device) is refused with forStor set, and nothing more is read.
// Reads each byte once, so a pipe or a named pipe can be read too.
TFilUdfald LaesFil(const std::string& filnavn, std::string& indhold,
                   std::size_t maks = Ubegraenset);

// The same on the standard input.
TFilUdfald LaesStandardInput(std::string& indhold, std::size_t maks = Ubegraenset);

// Which file a name stands for (through symbolic links, "../" and hard
// links): two names are the same file when their identities are equal.
struct TFilIdentitet {
  std::uint64_t enhed = 0;
  std::uint64_t inode = 0;
  bool almindeligFil = false;  // not a device, a pipe or a folder
  bool operator==(const TFilIdentitet&) const = default;
};
std::optional<TFilIdentitet> FindFilIdentitet(const std::string& filnavn);
std::optional<TFilIdentitet> StandardInputIdentitet();

}  // namespace kvistor
