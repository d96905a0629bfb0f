// Reading and writing text files: code page and CR LF at the boundary, any
// bytes on reading, and a save that fails leaves the old file as it was.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "faelles/tegnsaet.h"

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
}

TEST_F(Tekstfil, GemningFoelgerSymbolskLinkOgRoererIkkeFremmedeFiler) {
  const std::string maal = Sti("rigtig.aid");
  SkrivBytes(maal, "gammel\r\n");
  fs::create_symlink(maal, mappe_ / "genvej.aid");
  ASSERT_TRUE(SkrivTekstfil(Sti("genvej.aid"), {"ny"}));
  EXPECT_TRUE(fs::is_symlink(mappe_ / "genvej.aid"));
  EXPECT_EQ(Bytes(maal), "ny\r\n");
  // Saving replaces the old content; a file of someone else's under the
  // temporary name is left alone.
  const std::string sti = Sti("projekt.aid");
  SkrivBytes(sti, "gammel\r\n");
  SkrivBytes(sti + ".~0.tmp", "andens");
  ASSERT_TRUE(SkrivTekstfil(sti, {"linje"}));
  EXPECT_EQ(Bytes(sti), "linje\r\n");
  EXPECT_EQ(Bytes(sti + ".~0.tmp"), "andens");
}

TEST_F(Tekstfil, MislykketGemningEfterladerDenGamleFil) {
  // Saving over a folder, or into a folder that does not exist, fails.
  fs::create_directories(mappe_ / "mappe" / "indhold");
  EXPECT_FALSE(SkrivTekstfil(Sti("mappe"), {"x"}));
  EXPECT_TRUE(fs::is_directory(mappe_ / "mappe" / "indhold"));
  EXPECT_FALSE(SkrivTekstfil(Sti("findes ikke/fil.txt"), {"x"}));
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
    const std::vector<std::string> lang(50, std::string(200, 'x'));
    ::_exit(SkrivTekstfil(sti, lang) ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(barn, &status, 0), barn);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was reported as a success";
  EXPECT_EQ(Bytes(sti), "gammelt indhold\r\n");
  EXPECT_EQ(AntalFiler(), 2u);  // the folder and the old file; no temporary file
}

TEST_F(Tekstfil, VilkaarligeBytesLaesesUdenNedbrud) {
  std::string alle;
  for (int r = 0; r < 3; ++r)
    for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
  const std::string sti = Sti("binaer.aid");
  SkrivBytes(sti, alle);
  EXPECT_EQ(Bytes(sti), alle);
  std::vector<std::string> linjer;
  ASSERT_TRUE(LaesTekstfil(sti, linjer));
  // Each round of 0..255 holds LF (10) and CR (13) with bytes between them,
  // so each round adds two breaks; the NUL bytes stay in the lines.
  EXPECT_EQ(linjer.size(), 7u);
  EXPECT_EQ(linjer[0], std::string("\0\x01\x02\x03\x04\x05\x06\x07\x08\x09", 10));

  // The empty file has no lines; a missing file or a folder cannot be read.
  SkrivBytes(Sti("tom.aid"), "");
  ASSERT_TRUE(LaesTekstfil(Sti("tom.aid"), linjer));
  EXPECT_TRUE(linjer.empty());
  std::string indhold = "uroert";
  EXPECT_FALSE(LaesFil(Sti("mangler.aid"), indhold));
  EXPECT_FALSE(LaesFil(mappe_.string(), indhold));
  EXPECT_EQ(indhold, "uroert");
  EXPECT_FALSE(LaesTekstfil(Sti("mangler.aid"), linjer));
}

}  // namespace
}  // namespace kvistor
