#include "common/filer.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kvistor {

namespace {

TFilUdfald Fejl(int fejlnummer) { return {false, false, SystemAarsag(fejlnummer)}; }

// Writes all bytes, whatever share of them each call takes.
bool SkrivAlt(int fd, std::string_view bytes, int& fejlnummer) {
  std::size_t skrevet = 0;
  while (skrevet < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + skrevet, bytes.size() - skrevet);
    if (n < 0) {
      if (errno == EINTR) continue;
      fejlnummer = errno;
      return false;
    }
    if (n == 0) {
      fejlnummer = ENOSPC;
      return false;
    }
    skrevet += static_cast<std::size_t>(n);
  }
  return true;
}

// A device or a named pipe: written where it is, never replaced.
TFilUdfald SkrivDirekte(const std::string& filnavn, std::string_view bytes) {
  const int fd = ::open(filnavn.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Fejl(errno);
  int fejlnummer = 0;
  const bool ok = SkrivAlt(fd, bytes, fejlnummer);
  if (::close(fd) != 0 && ok) return Fejl(errno);
  return ok ? TFilUdfald{} : Fejl(fejlnummer);
}

// A short name of its own for the temporary file: it must fit beside any
// target name a folder allows (255 bytes), so it does not grow with the
// target's name. The dot keeps it out of ordinary folder listings.
std::string MidlertidigtNavn(std::mt19937_64& tal) {
  static constexpr char tegn[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string navn = ".kvistor-";
  for (int i = 0; i < 10; ++i) navn += tegn[tal() % (sizeof tegn - 1)];
  return navn + ".tmp";
}

}  // namespace

std::string SystemAarsag(int n) {
  switch (n) {
    case ENOENT: return "Filen eller mappen findes ikke.";
    case EACCES:
    case EPERM: return "Adgang nægtet.";
    case ENOSPC: return "Der er ikke mere plads på disken.";
#ifdef EDQUOT
    case EDQUOT: return "Diskkvoten er brugt op.";
#endif
    case EROFS: return "Drevet er skrivebeskyttet.";
    case EISDIR: return "Navnet er en mappe, ikke en fil.";
    case ENOTDIR: return "En del af stien er ikke en mappe.";
    case ENAMETOOLONG: return "Filnavnet er for langt.";
    case EFBIG: return "Filen bliver for stor.";
    case EIO: return "Ind- eller udlæsningsfejl på drevet.";
    case EPIPE: return "Modtageren har lukket forbindelsen.";
    case EMFILE:
    case ENFILE: return "Der er for mange åbne filer.";
    case ELOOP: return "Der er for mange symbolske link i stien.";
    case ENXIO:
    case ENODEV: return "Enheden findes ikke eller tager ikke imod data.";
    case EBUSY:
    case ETXTBSY: return "Filen er i brug.";
    case EEXIST: return "Der findes allerede en fil med det navn.";
    default: return "Systemfejl " + std::to_string(n) + " (" + std::strerror(n) + ").";
  }
}

std::string BeskedKanIkkeGemme(const std::string& filnavn, const TFilUdfald& udfald) {
  return "Kan ikke gemme under navnet \r\n" + filnavn + "\r\n" + udfald.aarsag;
}

TFilUdfald SkrivFil(const std::string& filnavn, std::string_view bytes) {
  namespace fs = std::filesystem;
  if (filnavn.empty()) return Fejl(ENOENT);
  struct stat st {};
  const bool findes = ::stat(filnavn.c_str(), &st) == 0;
  if (!findes && errno != ENOENT) return Fejl(errno);
  if (findes && S_ISDIR(st.st_mode)) return Fejl(EISDIR);
  if (findes && !S_ISREG(st.st_mode)) return SkrivDirekte(filnavn, bytes);
  if (findes) {
    // A file its owner may not write is protected on purpose; replacing it
    // through the folder would throw that protection away (root may).
    if ((st.st_mode & S_IWUSR) == 0)
      return {false, false, "Filen " + filnavn + " er skrivebeskyttet."};
    if (::faccessat(AT_FDCWD, filnavn.c_str(), W_OK, AT_EACCESS) != 0) return Fejl(errno);
  }

  // Saving through a symbolic link writes the file it points to, rather
  // than replacing the link itself with a file.
  fs::path maal(filnavn);
  {
    std::error_code ec;
    if (fs::is_symlink(maal, ec)) {
      const fs::path opslaaet = fs::weakly_canonical(maal, ec);
      if (!ec) maal = opslaaet;
    }
  }
  const fs::path mappe = maal.has_parent_path() ? maal.parent_path() : fs::path(".");

  // The temporary file lies beside the target, so the rename stays on one
  // file system and replaces the old file in one step. It is created
  // exclusively, so that no other save, and no stray file, ever shares it.
  std::random_device kilde;
  std::mt19937_64 tal((static_cast<std::uint64_t>(kilde()) << 32) ^ kilde() ^
                      static_cast<std::uint64_t>(::getpid()));
  std::string tmp;
  int fd = -1;
  for (int forsoeg = 0; forsoeg < 100 && fd < 0; ++forsoeg) {
    tmp = (mappe / MidlertidigtNavn(tal)).string();
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0 && errno != EEXIST) return Fejl(errno);
  }
  if (fd < 0) return Fejl(EEXIST);

  int fejlnummer = 0;
  bool ok = SkrivAlt(fd, bytes, fejlnummer);
  if (ok && findes) {
    // Owner and group first: changing them may clear set-id bits, which the
    // mode then puts back. A user who may not give the file away keeps it.
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
      if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    }
    if (::fchmod(fd, st.st_mode & 07777) != 0) {
      fejlnummer = errno;
      ok = false;
    }
  }
  // Pushed to the disk before it replaces the old file, so a power cut right
  // after the save cannot leave an empty file in its place.
  if (ok && ::fsync(fd) != 0) {
    fejlnummer = errno;
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    fejlnummer = errno;
    ok = false;
  }
  if (ok && ::rename(tmp.c_str(), maal.c_str()) != 0) {
    fejlnummer = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    return Fejl(fejlnummer);
  }
  // The new name itself reaches the disk with its folder.
  const int mfd = ::open(mappe.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (mfd >= 0) {
    (void)::fsync(mfd);
    ::close(mfd);
  }
  return {};
}

namespace {

TFilUdfald LaesFraFd(int fd, std::string& indhold, std::size_t maks) {
  std::string data;
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fejl(errno);
    }
    if (n == 0) break;
    const auto antal = static_cast<std::size_t>(n);
    if (antal > maks - data.size()) return {false, true, "Filen er for stor."};
    data.append(buf, antal);
  }
  indhold = std::move(data);
  return {};
}

std::optional<TFilIdentitet> Identitet(const struct stat& st) {
  return TFilIdentitet{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                       S_ISREG(st.st_mode)};
}

}  // namespace

TFilUdfald LaesFil(const std::string& filnavn, std::string& indhold, std::size_t maks) {
  const int fd = ::open(filnavn.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Fejl(errno);
  struct stat st {};
  TFilUdfald u;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
    u = Fejl(EISDIR);
  else
    u = LaesFraFd(fd, indhold, maks);
  ::close(fd);
  return u;
}

TFilUdfald LaesStandardInput(std::string& indhold, std::size_t maks) {
  return LaesFraFd(STDIN_FILENO, indhold, maks);
}

std::string Efternavn(std::string_view filnavn) {
  const std::size_t punktum = filnavn.find_last_of("./");
  if (punktum == std::string_view::npos || filnavn[punktum] != '.') return "";
  std::string e(filnavn.substr(punktum + 1));
  for (char& c : e)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return e;
}

std::optional<TFilIdentitet> FindFilIdentitet(const std::string& filnavn) {
  struct stat st {};
  if (::stat(filnavn.c_str(), &st) != 0) return std::nullopt;
  return Identitet(st);
}

std::optional<TFilIdentitet> StandardInputIdentitet() {
  struct stat st {};
  if (::fstat(STDIN_FILENO, &st) != 0) return std::nullopt;
  return Identitet(st);
}

}  // namespace kvistor
