#include "common/filer.h"

#include <atomic>
#include <cerrno>
#include <signal.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kvistor {

namespace {

TFilUdfald Fejl(int fejlnummer) { return {false, false, SystemAarsag(fejlnummer), {}}; }

// The system's own calls, or a test's in their place.
struct TKald {
  const TFilSystemkald& k;
  int Aaben(const char* sti, int flag, unsigned mode) const {
    return k.aaben ? k.aaben(sti, flag, mode) : ::open(sti, flag, static_cast<mode_t>(mode));
  }
  ssize_t Skriv(int fd, const void* data, std::size_t antal) const {
    return k.skriv ? static_cast<ssize_t>(k.skriv(fd, data, antal)) : ::write(fd, data, antal);
  }
  int Synk(int fd) const { return k.synk ? k.synk(fd) : ::fsync(fd); }
  int Omdoeb(const char* fra, const char* til) const {
    return k.omdoeb ? k.omdoeb(fra, til) : ::rename(fra, til);
  }
};

// Writes all bytes, whatever share of them each call takes.
bool SkrivAlt(const TKald& kald, int fd, std::string_view bytes, int& fejlnummer) {
  std::size_t skrevet = 0;
  while (skrevet < bytes.size()) {
    const ssize_t n = kald.Skriv(fd, bytes.data() + skrevet, bytes.size() - skrevet);
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

// A device or a named pipe, or a file whose folder allows no temporary file:
// written where it is, never replaced. A regular file is cut to the new
// length and pushed to the disk before the save counts as done.
TFilUdfald SkrivDirekte(const TKald& kald, const std::string& filnavn, std::string_view bytes,
                        bool almindeligFil) {
  const int fd = kald.Aaben(filnavn.c_str(),
                            O_WRONLY | O_NOCTTY | O_CLOEXEC | (almindeligFil ? O_TRUNC : 0), 0);
  if (fd < 0) return Fejl(errno);
  int fejlnummer = 0;
  bool ok = SkrivAlt(kald, fd, bytes, fejlnummer);
  if (ok && almindeligFil && kald.Synk(fd) != 0) {
    fejlnummer = errno;
    ok = false;
  }
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

// The temporary files of the saves in progress, for the signal handler to
// remove. A signal handler can reach nothing but process-wide data, so this
// is the one table of its kind; a slot is claimed and released with atomic
// operations only, which a handler may read at any moment.
constexpr int AntalPladser = 16;
constexpr std::size_t MaksSti = 4096;
struct TOprydningsplads {
  std::atomic<int> tilstand{0};  // 0 free, 1 being filled, 2 holds a name
  char sti[MaksSti];
};
TOprydningsplads oprydning[AntalPladser];
static_assert(std::atomic<int>::is_always_lock_free);

// Records a temporary name; -1 when it cannot (more saves at once than
// slots, or a name longer than a path may be): the save goes on unrecorded.
int HuskMidlertidig(const std::string& sti) {
  if (sti.size() >= MaksSti) return -1;
  for (int i = 0; i < AntalPladser; ++i) {
    int fri = 0;
    if (!oprydning[i].tilstand.compare_exchange_strong(fri, 1)) continue;
    std::memcpy(oprydning[i].sti, sti.c_str(), sti.size() + 1);
    oprydning[i].tilstand.store(2);
    return i;
  }
  return -1;
}

void GlemMidlertidig(int plads) {
  if (plads >= 0) oprydning[plads].tilstand.store(0);
}

constexpr int OprydningsSignaler[] = {SIGINT, SIGTERM, SIGHUP};

// Async-signal-safe: unlink and sigaction and raise only. The name may
// already be gone (renamed into place a moment ago); unlink then finds
// nothing, as the name is the save's own.
void RydOpVedSignal(int signal) {
  const int gemtFejl = errno;
  for (auto& p : oprydning)
    if (p.tilstand.load() == 2) ::unlink(p.sti);
  // The default action, which ends the program, takes the signal when the
  // handler returns and the signal is no longer blocked.
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigemptyset(&standard.sa_mask);
  ::sigaction(signal, &standard, nullptr);
  ::raise(signal);
  errno = gemtFejl;
}

// Where a save lands: a symbolic link (or a chain of them, relative ones
// taken from the link's own folder) is followed to the name it points to,
// whether or not a file of that name exists yet.
bool FoelgLink(std::string& sti, int& fejlnummer) {
  namespace fs = std::filesystem;
  for (int led = 0; led < 40; ++led) {
    struct stat st {};
    if (::lstat(sti.c_str(), &st) != 0) {
      if (errno == ENOENT) return true;
      fejlnummer = errno;
      return false;
    }
    if (!S_ISLNK(st.st_mode)) return true;
    std::error_code ec;
    const fs::path maal = fs::read_symlink(sti, ec);
    if (ec) {
      fejlnummer = ec.value();
      return false;
    }
    sti = maal.is_absolute() ? maal.string() : (fs::path(sti).parent_path() / maal).string();
  }
  fejlnummer = ELOOP;
  return false;
}

// The mode a new file gets from this process (0666 less the umask), read
// without changing the umask, which other threads may depend on.
mode_t NyFilsTilstand() {
  mode_t maske = 022;
  if (std::FILE* f = std::fopen("/proc/self/status", "re")) {
    char linje[256];
    while (std::fgets(linje, sizeof linje, f))
      if (std::strncmp(linje, "Umask:", 6) == 0) {
        maske = static_cast<mode_t>(std::strtoul(linje + 6, nullptr, 8));
        break;
      }
    std::fclose(f);
  }
  return 0666 & ~maske;
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
  return SkrivFil(filnavn, bytes, TFilSystemkald{});
}

TFilUdfald SkrivFil(const std::string& filnavn, std::string_view bytes, const TFilSystemkald& k) {
  namespace fs = std::filesystem;
  const TKald kald{k};
  if (filnavn.empty()) return Fejl(ENOENT);

  // Saving through a symbolic link writes the file it points to, and the
  // link stays a link, as a shell redirection does; a dangling link is how
  // a file that is to be made elsewhere is often named.
  std::string maal = filnavn;
  int fejlnummer = 0;
  if (!FoelgLink(maal, fejlnummer)) return Fejl(fejlnummer);
  const fs::path mappe =
      fs::path(maal).has_parent_path() ? fs::path(maal).parent_path() : fs::path(".");

  struct stat st {};
  const bool findes = ::stat(maal.c_str(), &st) == 0;
  if (!findes && errno != ENOENT) return Fejl(errno);
  if (!findes && maal != filnavn) {
    struct stat mst {};
    if (::stat(mappe.c_str(), &mst) != 0)
      return {false, false,
              "Linket peger på " + maal + ", men mappen " + mappe.string() + " findes ikke.", {}};
  }
  if (findes && S_ISDIR(st.st_mode)) return Fejl(EISDIR);
  if (findes && !S_ISREG(st.st_mode)) return SkrivDirekte(kald, maal, bytes, false);
  if (findes) {
    // A file its owner may not write is protected on purpose; replacing it
    // through the folder would throw that protection away (root may).
    if ((st.st_mode & S_IWUSR) == 0)
      return {false, false, "Filen " + filnavn + " er skrivebeskyttet.", {}};
    if (::faccessat(AT_FDCWD, maal.c_str(), W_OK, AT_EACCESS) != 0) return Fejl(errno);
  }

  // A folder that lets this user write the file but not make or replace
  // names in it (read-only, or sticky like /tmp with another user's file)
  // still takes the content, as the shell's ">" would give it; the save is
  // then not atomic, so the caller is told.
  const auto SkrivIStedet = [&]() {
    TFilUdfald u = SkrivDirekte(kald, maal, bytes, true);
    if (u) u.note = "Mappen tillader ikke en midlertidig fil; filen " + filnavn + " er skrevet direkte.";
    return u;
  };
  const auto MappenNaegter = [](int n) { return n == EACCES || n == EPERM; };

  // The temporary file lies beside the target, so the rename stays on one
  // file system and replaces the old file in one step. It is created
  // exclusively, so that no other save, and no stray file, ever shares it,
  // and readable by its owner only until it is whole, so that a private
  // file is never open to others while it is written. It is recorded before
  // it is made, so that a signal at any moment can remove it.
  std::random_device kilde;
  std::mt19937_64 tal((static_cast<std::uint64_t>(kilde()) << 32) ^ kilde() ^
                      static_cast<std::uint64_t>(::getpid()));
  std::string tmp;
  int fd = -1;
  int plads = -1;
  for (int forsoeg = 0; forsoeg < 100 && fd < 0; ++forsoeg) {
    tmp = (mappe / MidlertidigtNavn(tal)).string();
    plads = HuskMidlertidig(tmp);
    fd = kald.Aaben(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd >= 0) break;
    const int n = errno;
    GlemMidlertidig(plads);
    if (n == EEXIST) continue;
    if (findes && MappenNaegter(n)) return SkrivIStedet();
    return Fejl(n);
  }
  if (fd < 0) return Fejl(EEXIST);

  bool ok = SkrivAlt(kald, fd, bytes, fejlnummer);
  if (ok && findes) {
    // Owner and group first: changing them may clear set-id bits, which the
    // mode then puts back. A user who may not give the file away keeps it.
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
      if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    }
  }
  if (ok && ::fchmod(fd, findes ? st.st_mode & 07777 : NyFilsTilstand()) != 0) {
    fejlnummer = errno;
    ok = false;
  }
  // Pushed to the disk before it replaces the old file, so a power cut right
  // after the save cannot leave an empty file in its place.
  if (ok && kald.Synk(fd) != 0) {
    fejlnummer = errno;
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    fejlnummer = errno;
    ok = false;
  }
  bool iStedet = false;
  if (ok && kald.Omdoeb(tmp.c_str(), maal.c_str()) != 0) {
    fejlnummer = errno;
    ok = false;
    iStedet = findes && MappenNaegter(fejlnummer);
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    GlemMidlertidig(plads);
    return iStedet ? SkrivIStedet() : Fejl(fejlnummer);
  }
  GlemMidlertidig(plads);
  // The new name itself reaches the disk with its folder.
  const int mfd = ::open(mappe.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (mfd >= 0) {
    (void)::fsync(mfd);
    ::close(mfd);
  }
  return {};
}

void InstallerSignalOprydning() {
  for (const int signal : OprydningsSignaler) {
    struct sigaction nu {};
    if (::sigaction(signal, nullptr, &nu) != 0) continue;
    // Ignored (nohup), or handled by someone else: left alone.
    if ((nu.sa_flags & SA_SIGINFO) != 0 || nu.sa_handler != SIG_DFL) continue;
    struct sigaction ny {};
    ny.sa_handler = RydOpVedSignal;
    sigemptyset(&ny.sa_mask);
    for (const int andet : OprydningsSignaler) sigaddset(&ny.sa_mask, andet);
    ny.sa_flags = SA_RESTART;
    ::sigaction(signal, &ny, nullptr);
  }
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
    if (antal > maks - data.size()) return {false, true, "Filen er for stor.", {}};
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
