// The one writer and reader of files: code page and CR LF at the boundary,
// atomic replacement that keeps what it replaces, devices and named pipes
// written in place, failures with their reason, and bounded reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "common/tegnsaet.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

class Tekstfil : public ::testing::Test {
 protected:
  std::string Sti(const std::string& navn) const { return (mappe_ / navn).string(); }
  static void SkrivBytes(const std::string& sti, const std::string& b) {
    std::ofstream(sti, std::ios::binary) << b;
  }
  static std::string Bytes(const std::string& sti) {
    std::string s;
    EXPECT_TRUE(LaesFil(sti, s));
    return s;
  }
  std::size_t AntalFiler() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(mappe_), fs::directory_iterator()));
  }
  // The temporary files of saves in progress.
  std::size_t AntalMidlertidige(const fs::path& mappe) const {
    std::size_t n = 0;
    for (const auto& f : fs::directory_iterator(mappe))
      n += f.path().filename().string().starts_with(".kvistor-");
    return n;
  }
  const test::TTestMappe m_;
  const fs::path& mappe_ = m_.sti;
};

TEST_F(Tekstfil, SkrivesSom1252MedCrLfOgLaesesTilbage) {
  const std::string sti = Sti("Åse rapport.txt");
  const std::vector<std::string> linjer{"Åse 1 — æøå", "", "30° m² €"};
  ASSERT_TRUE(SkrivTekstfil(sti, linjer));
  EXPECT_EQ(Bytes(sti), "\xC5se 1 \x97 \xE6\xF8\xE5\r\n\r\n30\xB0 m\xB2 \x80\r\n");
  std::vector<std::string> laest;
  ASSERT_TRUE(LaesTekstfil(sti, laest));
  EXPECT_EQ(laest, linjer);
  EXPECT_EQ(AntalFiler(), 1u);  // no temporary file left behind

  // The longest name a folder allows: the temporary name does not grow with it.
  const std::string lang = Sti(std::string(251, 'x') + ".txt");
  ASSERT_TRUE(SkrivFil(lang, "a")) << SkrivFil(lang, "a").aarsag;
  EXPECT_EQ(AntalFiler(), 2u);
}

TEST_F(Tekstfil, ErstatningBevarerLinkRettighederOgEjer) {
  const std::string maal = Sti("rigtig.aid");
  SkrivBytes(maal, "gammel\r\n");
  fs::create_symlink(maal, mappe_ / "genvej.aid");
  ASSERT_TRUE(SkrivTekstfil(Sti("genvej.aid"), {"ny"}));
  EXPECT_TRUE(fs::is_symlink(mappe_ / "genvej.aid"));
  EXPECT_EQ(Bytes(maal), "ny\r\n");

  // Mode, and (where the process may give files away) owner and group stay.
  ASSERT_EQ(::chmod(maal.c_str(), 0600), 0);
  const bool rod = ::geteuid() == 0;
  if (rod) {
    ASSERT_EQ(::chown(maal.c_str(), 4321, 8765), 0);
  }
  ASSERT_TRUE(SkrivFil(maal, "igen"));
  struct stat st {};
  ASSERT_EQ(::stat(maal.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  if (rod) {
    EXPECT_EQ(std::pair(st.st_uid, st.st_gid), std::pair(uid_t{4321}, gid_t{8765}));
  }

  // A file its owner may not write is refused and left as it is, also for root.
  ASSERT_EQ(::chmod(maal.c_str(), 0444), 0);
  const TFilUdfald u = SkrivFil(maal, "x");
  EXPECT_FALSE(u);
  EXPECT_EQ(u.aarsag, "Filen " + maal + " er skrivebeskyttet.");
  EXPECT_EQ(Bytes(maal), "igen");
}

TEST_F(Tekstfil, MislykketGemningMeldesMedAarsagOgEfterladerDenGamleFil) {
  fs::create_directories(mappe_ / "mappe" / "indhold");
  EXPECT_EQ(SkrivFil(Sti("mappe"), "x").aarsag, "Navnet er en mappe, ikke en fil.");
  EXPECT_TRUE(fs::is_directory(mappe_ / "mappe" / "indhold"));
  const TFilUdfald u = SkrivTekstfil(Sti("findes ikke/fil.txt"), {"x"});
  EXPECT_EQ(BeskedKanIkkeGemme("f", u),
            "Kan ikke gemme under navnet \r\nf\r\nFilen eller mappen findes ikke.");
  EXPECT_EQ(AntalFiler(), 1u);

  // A write that runs out of room half-way (here: a file-size limit in a
  // child process) reports failure and keeps the old file whole.
  const std::string sti = Sti("gammel.aid");
  SkrivBytes(sti, "gammelt indhold\r\n");
  const pid_t barn = ::fork();
  ASSERT_GE(barn, 0);
  if (barn == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit graense{100, 100};
    ::setrlimit(RLIMIT_FSIZE, &graense);
    const TFilUdfald r = SkrivFil(sti, std::string(10000, 'x'));
    ::_exit(!r && r.aarsag == "Filen bliver for stor." ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(barn, &status, 0), barn);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was not reported with its reason";
  EXPECT_EQ(Bytes(sti), "gammelt indhold\r\n");
  EXPECT_EQ(AntalFiler(), 2u);  // the folder and the old file; no temporary file
}

TEST_F(Tekstfil, EnhederOgNavngivneRoerSkrivesDirekteOgBliverStaaende) {
  const TFilUdfald fuld = SkrivFil("/dev/full", "rapport");
  EXPECT_FALSE(fuld);
  EXPECT_EQ(fuld.aarsag, "Der er ikke mere plads på disken.");
  EXPECT_TRUE(SkrivFil("/dev/null", "rapport"));
  for (const char* enhed : {"/dev/null", "/dev/full"})
    EXPECT_TRUE(fs::is_character_file(enhed)) << enhed;

  const std::string roer = Sti("roer");
  ASSERT_EQ(::mkfifo(roer.c_str(), 0600), 0);
  const pid_t laeser = ::fork();
  ASSERT_GE(laeser, 0);
  if (laeser == 0) {
    std::string s;
    ::_exit(LaesFil(roer, s) && s == "gennem røret" ? 0 : 1);
  }
  EXPECT_TRUE(SkrivFil(roer, "gennem røret"));
  int status = 0;
  ASSERT_EQ(::waitpid(laeser, &status, 0), laeser);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(fs::is_fifo(roer));
  EXPECT_EQ(AntalFiler(), 1u);
}

TEST_F(Tekstfil, LaesningErBegraensetOgTagerVilkaarligeBytes) {
  std::string s = "uroert";
  const TFilUdfald nul = LaesFil("/dev/zero", s, 65536);
  EXPECT_TRUE(!nul && nul.forStor);
  EXPECT_EQ(s, "uroert");

  std::string alle;
  for (int r = 0; r < 3; ++r)
    for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
  const std::string sti = Sti("binaer.aid");
  SkrivBytes(sti, alle);
  EXPECT_TRUE(LaesFil(sti, s, alle.size()));  // exactly the bound is allowed
  EXPECT_EQ(s, alle);
  std::vector<std::string> linjer;
  ASSERT_TRUE(LaesTekstfil(sti, linjer));
  // Each round of 0..255 holds LF (10) and CR (13) with bytes between them,
  // so each round adds two breaks; the NUL bytes stay in the lines.
  EXPECT_EQ(linjer.size(), 7u);

  s = "uroert";
  EXPECT_EQ(LaesFil(Sti("mangler.aid"), s).aarsag, "Filen eller mappen findes ikke.");
  EXPECT_EQ(LaesFil(mappe_.string(), s).aarsag, "Navnet er en mappe, ikke en fil.");
  EXPECT_EQ(s, "uroert");
}

TEST_F(Tekstfil, HaengendeLinkSkriverFilenDetPegerPaaOgBliverEtLink) {
  // As the shell's ">": a link to a file not yet made, a chain of links and
  // a relative link into another folder each save the file at the end and
  // stay links.
  fs::create_directories(mappe_ / "a");
  fs::create_directories(mappe_ / "b");
  fs::create_symlink(mappe_ / "ny.txt", mappe_ / "genvej.txt");
  fs::create_symlink("led2", mappe_ / "led1");
  fs::create_symlink("b/kaede.txt", mappe_ / "led2");
  fs::create_symlink("../b/relativ.txt", mappe_ / "a" / "relativ");
  for (const auto& [link, fil] : {std::pair{"genvej.txt", "ny.txt"}, std::pair{"led1", "b/kaede.txt"},
                                  std::pair{"a/relativ", "b/relativ.txt"}}) {
    ASSERT_TRUE(SkrivFil(Sti(link), link)) << link;
    EXPECT_TRUE(fs::is_symlink(mappe_ / link)) << link;
    EXPECT_EQ(Bytes(Sti(fil)), link);
  }
  EXPECT_TRUE(fs::is_symlink(mappe_ / "led2"));

  // A link into a folder that does not exist says so, and makes nothing.
  fs::create_symlink(mappe_ / "mangler" / "x.txt", mappe_ / "blind");
  const TFilUdfald u = SkrivFil(Sti("blind"), "x");
  EXPECT_FALSE(u);
  EXPECT_EQ(u.aarsag, "Linket peger på " + Sti("mangler/x.txt") + ", men mappen " + Sti("mangler") +
                          " findes ikke.");
  EXPECT_EQ(AntalFiler(), 7u);  // a, b, ny.txt and the four links
}

TEST_F(Tekstfil, MidlertidigFilKanKunLaesesAfEjerenIndtilDenErHel) {
  // The mode of the temporary file while the first bytes are written, seen
  // from inside the save.
  unsigned undervejs = 0;
  TFilSystemkald kald;
  kald.skriv = [&](int fd, const void* data, std::size_t antal) -> long {
    struct stat st {};
    ::fstat(fd, &st);
    undervejs = st.st_mode & 07777;
    return ::write(fd, data, antal);
  };
  const mode_t gammelMaske = ::umask(022);
  const std::string privat = Sti("privat.txt");
  SkrivBytes(privat, "hemmeligt");
  ASSERT_EQ(::chmod(privat.c_str(), 0640), 0);
  const std::string ny = Sti("ny.txt");
  const bool okPrivat = SkrivFil(privat, "nyt", kald).ok;
  const unsigned privatUndervejs = undervejs;
  const bool okNy = SkrivFil(ny, "nyt", kald).ok;
  ::umask(gammelMaske);
  ASSERT_TRUE(okPrivat && okNy);
  EXPECT_EQ(privatUndervejs, 0600u);
  EXPECT_EQ(undervejs, 0600u);
  // Finished, each has the mode it would have had: the old file's, or what
  // the umask leaves of 0666.
  EXPECT_EQ(fs::status(privat).permissions(), fs::perms(0640));
  EXPECT_EQ(fs::status(ny).permissions(), fs::perms(0644));
}

TEST_F(Tekstfil, FejlendeSynkroniseringFoerOmdoebningBevarerDenGamleFil) {
  // The disk reports an error when the file is pushed to it: the old file
  // must still be there, whole, and the failure reported; so the push must
  // come before the rename.
  bool omdoebt = false;
  TFilSystemkald kald;
  kald.synk = [](int) {
    errno = EIO;
    return -1;
  };
  kald.omdoeb = [&](const char* fra, const char* til) {
    omdoebt = true;
    return ::rename(fra, til);
  };
  const std::string sti = Sti("gammel.aid");
  SkrivBytes(sti, "gammelt indhold\r\n");
  for (const std::string& navn : {sti, Sti("ny.aid")}) {
    const TFilUdfald u = SkrivFil(navn, "nyt", kald);
    EXPECT_FALSE(u) << navn;
    EXPECT_EQ(u.aarsag, "Ind- eller udlæsningsfejl på drevet.");
  }
  EXPECT_FALSE(omdoebt);
  EXPECT_EQ(Bytes(sti), "gammelt indhold\r\n");
  EXPECT_EQ(AntalFiler(), 1u);
}

TEST_F(Tekstfil, SignalUnderGemningFjernerDenMidlertidigeFil) {
  const std::string sti = Sti("rapport.txt");
  SkrivBytes(sti, "gammel\r\n");
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    // The child stops half-way through a large save and tells us so; the
    // signal then finds the temporary file on the disk.
    int meld[2];
    ASSERT_EQ(::pipe(meld), 0);
    const pid_t barn = ::fork();
    ASSERT_GE(barn, 0);
    if (barn == 0) {
      ::alarm(30);  // never outlives a failed test
      for (const int s : {SIGINT, SIGTERM, SIGHUP}) std::signal(s, SIG_DFL);
      InstallerSignalOprydning();
      TFilSystemkald kald;
      kald.skriv = [&](int fd, const void* data, std::size_t antal) -> long {
        const long n = ::write(fd, data, std::min<std::size_t>(antal, 4096));
        (void)!::write(meld[1], "x", 1);
        for (;;) ::pause();
        return n;
      };
      (void)SkrivFil(sti, std::string(1 << 20, 'x'), kald);
      ::_exit(1);
    }
    ::close(meld[1]);
    char c = 0;
    const bool standset = ::read(meld[0], &c, 1) == 1;
    ::close(meld[0]);
    EXPECT_TRUE(standset);
    EXPECT_EQ(AntalMidlertidige(mappe_), standset ? 1u : 0u);
    ::kill(barn, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(barn, &status, 0), barn);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "signal " << signal;
    EXPECT_EQ(AntalMidlertidige(mappe_), 0u) << "signal " << signal;
    EXPECT_EQ(Bytes(sti), "gammel\r\n");
  }

  // A signal that is ignored, or handled by someone else, is left so.
  const pid_t barn = ::fork();
  ASSERT_GE(barn, 0);
  if (barn == 0) {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGHUP, SIG_IGN);
    const auto egen = +[](int) {};
    std::signal(SIGTERM, egen);
    InstallerSignalOprydning();
    const bool ok = std::signal(SIGHUP, SIG_IGN) == SIG_IGN && std::signal(SIGTERM, egen) == egen &&
                    std::signal(SIGINT, SIG_DFL) != SIG_DFL;
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(barn, &status, 0), barn);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(Tekstfil, MappeDerNaegterMidlertidigFilFaarIndholdetDirekte) {
  // An ordinary user may write these files but not make or replace names in
  // their folders: a read-only folder, and another user's file in a sticky
  // folder such as /tmp. Root may do anything, so as root the saves run in
  // a child that has become "nobody".
  const bool rod = ::geteuid() == 0;
  fs::create_directories(mappe_ / "skrivebeskyttet");
  fs::create_directories(mappe_ / "klistret");
  std::vector<std::string> filer{Sti("skrivebeskyttet/rapport.txt")};
  if (rod) filer.push_back(Sti("klistret/rapport.txt"));
  for (const auto& f : filer) {
    SkrivBytes(f, "gammelt indhold, der er længere end det nye\r\n");
    ASSERT_EQ(::chmod(f.c_str(), 0666), 0);
  }
  ASSERT_EQ(::chmod(mappe_.c_str(), 0755), 0);
  ASSERT_EQ(::chmod((mappe_ / "skrivebeskyttet").c_str(), 0555), 0);
  ASSERT_EQ(::chmod((mappe_ / "klistret").c_str(), 01777), 0);
  struct stat foer {};
  ASSERT_EQ(::stat(filer[0].c_str(), &foer), 0);

  const pid_t barn = ::fork();
  ASSERT_GE(barn, 0);
  if (barn == 0) {
    if (rod && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
    int fejl = 0;
    for (const auto& f : filer) {
      const TFilUdfald u = SkrivFil(f, "nyt\r\n");
      if (!u || u.note != "Mappen tillader ikke en midlertidig fil; filen " + f + " er skrevet direkte.") {
        std::fprintf(stderr, "%s: %s %s\n", f.c_str(), u.aarsag.c_str(), u.note.c_str());
        ++fejl;
      }
    }
    ::_exit(fejl);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(barn, &status, 0), barn);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot become the user nobody";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  for (const auto& f : filer) EXPECT_EQ(Bytes(f), "nyt\r\n") << f;
  struct stat efter {};
  ASSERT_EQ(::stat(filer[0].c_str(), &efter), 0);
  EXPECT_EQ(efter.st_ino, foer.st_ino);  // the same file, written in place
  EXPECT_EQ(AntalMidlertidige(mappe_ / "klistret"), 0u);
  ::chmod((mappe_ / "skrivebeskyttet").c_str(), 0755);
  if (!rod) GTEST_SKIP() << "another user's file in a sticky folder needs root to set up";
}

TEST_F(Tekstfil, FilIdentitetSkelnerEnhederFraFiler) {
  // The same file under other names (a link, "../") is one identity; a
  // device, a named pipe or a folder is no regular file.
  const std::string fil = Sti("fil.aid");
  SkrivBytes(fil, "x");
  fs::create_directories(mappe_ / "under");
  fs::create_symlink(fil, mappe_ / "link.aid");
  ASSERT_EQ(::mkfifo(Sti("roer").c_str(), 0600), 0);
  const auto id = FindFilIdentitet(fil);
  ASSERT_TRUE(id && id->almindeligFil);
  EXPECT_EQ(FindFilIdentitet(Sti("link.aid")), id);
  EXPECT_EQ(FindFilIdentitet(Sti("under/../fil.aid")), id);
  for (const std::string& andet : {std::string("/dev/null"), Sti("roer"), Sti("under")}) {
    const auto a = FindFilIdentitet(andet);
    ASSERT_TRUE(a) << andet;
    EXPECT_FALSE(a->almindeligFil) << andet;
  }
  EXPECT_FALSE(FindFilIdentitet(Sti("findes ikke")));
}

}  // namespace
}  // namespace kvistor
