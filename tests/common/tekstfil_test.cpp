// The one writer and reader of files: code page and CR LF at the boundary,
// atomic replacement that keeps what it replaces, devices and named pipes
// written in place, failures with their reason, and bounded reading.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "common/tegnsaet.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

class Tekstfil : public ::testing::Test {
 protected:
  void SetUp() override {
    mappe_ = fs::temp_directory_path() /
             ("kvistor_tekstfil_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(mappe_);
    fs::create_directories(mappe_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(mappe_, ec);
  }
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
  fs::path mappe_;
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

}  // namespace
}  // namespace kvistor
