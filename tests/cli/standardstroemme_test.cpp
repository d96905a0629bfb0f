// The real program's standard streams: output the standard output did not
// take fails the call with the reason in Danish, for every command and for
// the helps; a closed standard input is told in Danish and the standard
// input is named as such; a device is a device in the same-file check; and
// a long search shows its progress on a terminal only, and stops cleanly at
// Ctrl+C.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "cli/uddatakontrol.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string Standard = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();
const std::string TabtUddata = "Fejl: Uddata kan ikke skrives på standard-output.\n";

TEST(Standardstroemme, TabtUddataGiverKode1MedAarsagenForAlleKommandoer) {
  const Args kald[] = {{"--help"},
                       {"--version"},
                       {"rapport", "--help"},
                       {"rapport", Standard},
                       {"tegning", "tvaer", Standard, "-o", "-"},
                       {"dimensioner", Standard},
                       {"charnier", Standard},
                       {"kurver", Standard, "-o", "-"}};
  for (const Args& a : kald) {
    const TKoersel r = Koer(a, "/dev/null", TStroem("/dev/full"));
    EXPECT_EQ(r.kode, 1) << a[0] << " " << a.back();
    EXPECT_EQ(r.fejl, TabtUddata + "Der er ikke mere plads på disken.\n") << a[0];
  }
  // A pipe nobody reads, and a closed standard output.
  for (const Args& a : {Args{"--version"}, Args{"charnier", Standard}}) {
    int roer[2];
    ASSERT_EQ(::pipe2(roer, O_CLOEXEC), 0);
    ::close(roer[0]);
    TTestMappe m;
    const pid_t pid = Start(a, "/dev/null", TStroem::Fd(roer[1]), m / "fejl");
    ::close(roer[1]);
    EXPECT_EQ(Vent(pid), 1) << a[0];
    EXPECT_EQ(Bytes(m / "fejl"), TabtUddata + "Modtageren har lukket forbindelsen.\n");
    const TKoersel l = Koer(a, "/dev/null", TStroem::Lukket());
    EXPECT_EQ(l.kode, 1);
    EXPECT_EQ(l.fejl, TabtUddata + "Standard-output er lukket.\n");
  }
}

TEST(Standardstroemme, StandardInputNaevnesSomSaadan) {
  TTestMappe m;
  const TKoersel lukket = Koer({"rapport", "-"}, TStroem::Lukket());
  EXPECT_EQ(lukket.kode, 1);
  EXPECT_EQ(lukket.fejl,
            "Fejl: Programmet har forgæves prøvet at hente inddatafilen standard-input\n"
            "Standard-input er lukket.\n");

  // The standard input read from the very file named as output.
  fs::copy_file(Standard, m / "p.aid");
  const TKoersel samme = Koer({"rapport", "-", "-o", m / "p.aid"}, m / "p.aid");
  EXPECT_EQ(samme.kode, 1);
  EXPECT_EQ(samme.fejl, "Fejl: Rapporten kan ikke gemmes oven i projektfilen på standard-input (" +
                            (m / "p.aid") + ")\n");
  EXPECT_EQ(Bytes(m / "p.aid"), Bytes(Standard));

  const TKoersel afvist = Koer({"rapport", "-", Standard}, test::StandardMed(m, "punktum.aid", {{3, "12.00"}}));
  EXPECT_EQ(afvist.kode, 2);
  EXPECT_NE(afvist.fejl.find("standard-input: Fejl: Linie 4: \"12.00\""), std::string::npos)
      << afvist.fejl;
  EXPECT_NE(afvist.fejl.find("\nProjektet på standard-input er afvist: 1 værdi kan ikke bruges"),
            std::string::npos)
      << afvist.fejl;

  // /dev/null is a device, not a regular file: being both the input and the
  // output loses nothing, so it is no clash, and the empty input is what is
  // refused.
  const TKoersel enhed = Koer({"rapport", "-", "-o", "/dev/null"}, "/dev/null");
  EXPECT_EQ(enhed.kode, 2) << enhed.fejl;
  EXPECT_EQ(enhed.fejl.rfind("Fejl: Uventet fejl i inddatafilen standard-input\n", 0), 0u) << enhed.fejl;
  EXPECT_EQ(FindSammenstoed({"/dev/null"}, {{"/dev/null", "Rapporten"}, {"/dev/null", "Kurvedata"}}),
            std::nullopt);
  EXPECT_NE(FindSammenstoed({Standard}, {{m / "x", "Rapporten"}, {m / "./x", "Kurvedata"}}),
            std::nullopt);
}

// A search of many seconds: 1000 bays of 12 m, 1200 hinge offsets.
std::string LangtProjekt(const TTestMappe& m) {
  return test::StandardMed(m, "lang.aid", {{8, "1000"}, {9, "     12,00"}, {10, "     12,00"}});
}

TEST(Standardstroemme, LangSoegningViserFremdriftPaaEnTerminalOgStopperVedCtrlC) {
  TTestMappe m;
  const std::string projekt = LangtProjekt(m);

  // Standard error on a terminal: the progress line comes after a second,
  // and Ctrl+C stops the search with nothing on the standard output.
  const int hoved = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(hoved, 0);
  ASSERT_EQ(::grantpt(hoved), 0);
  ASSERT_EQ(::unlockpt(hoved), 0);
  const int slave = ::open(::ptsname(hoved), O_RDWR | O_NOCTTY);
  ASSERT_GE(slave, 0);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Start({"charnier", projekt}, "/dev/null", m / "ud", TStroem::Fd(slave));
  ::close(slave);
  std::string skaerm;
  auto laes = [&](int ms) {
    pollfd p{hoved, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0) return false;
    char buf[512];
    const ssize_t n = ::read(hoved, buf, sizeof buf);
    if (n <= 0) return false;
    skaerm.append(buf, static_cast<std::size_t>(n));
    return true;
  };
  while (skaerm.find(" af 1200 ...") == std::string::npos && laes(30000)) {
  }
  const auto ventet = std::chrono::steady_clock::now() - start;
  EXPECT_NE(skaerm.find("\rBeregning "), std::string::npos) << skaerm;
  EXPECT_GE(ventet, std::chrono::milliseconds(900));
  ::kill(pid, SIGINT);
  EXPECT_EQ(Vent(pid), 130);
  while (laes(200)) {
  }
  ::close(hoved);
  EXPECT_NE(skaerm.find("Stoppet med Ctrl+C efter "), std::string::npos) << skaerm;
  EXPECT_NE(skaerm.find(" af 1200 beregninger; der er ikke skrevet noget resultat."),
            std::string::npos);
  EXPECT_EQ(Bytes(m / "ud"), "");

  // Not a terminal: no progress line, and Ctrl+C stops it just the same.
  const pid_t fil = Start({"charnier", projekt}, "/dev/null", m / "ud", m / "fejl");
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  ::kill(fil, SIGINT);
  EXPECT_EQ(Vent(fil), 130);
  const std::string fejl = Bytes(m / "fejl");
  EXPECT_EQ(fejl.find("Beregning"), std::string::npos) << fejl;
  EXPECT_EQ(fejl.rfind("Stoppet med Ctrl+C efter ", 0), 0u) << fejl;
  EXPECT_EQ(Bytes(m / "ud"), "");
}

}  // namespace
}  // namespace kvistor
