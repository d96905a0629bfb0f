// The real kvistor-cli program run as child processes: exit codes of the
// bare call and of --help, dates, the standard input and named pipes,
// devices as output, several projects in one call, and many runs saving
// under one name at the same time.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "common/indstillinger.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::Args;
using test::Bytes;
using test::Koer;
using test::Start;
using test::TKoersel;
using test::Vent;

const std::string Standard = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();
const std::string Dato = "2026-03-01,14:05:00";

TEST(Program, UdenArgumenterKode1MedHjaelpKode0) {
  const TKoersel bar = Koer({});
  EXPECT_EQ(bar.kode, 1);
  EXPECT_NE(bar.ud.find("Brug:"), std::string::npos);
  for (const Args& a : {Args{"--help"}, Args{"rapport", "--help"}, Args{"tegning", "--help"}}) {
    const TKoersel h = Koer(a);
    EXPECT_EQ(h.kode, 0) << a.back() << h.fejl;
    EXPECT_NE(h.ud.find("Slutkoder"), std::string::npos);
  }
  EXPECT_EQ(Koer({"regn"}).kode, 1);
}

TEST(Program, FirmanavnetKommerFraIndstillingerneMedmindreFirmaGives) {
  const test::TKonfigmappe m;
  TIndstillinger ind;
  SaetTekst(ind, NoegleFirma, "Tømrer & Søn, ApS\nLinje 2");
  ASSERT_TRUE(GemIndstillinger(m / "Kvistor/Kvistor.conf", ind));
  const TKoersel r = Koer({"rapport", Standard});
  const TKoersel f = Koer({"rapport", Standard, "--firma", "Andet Firma"});
  // Settings that cannot be read: said, and the report has no firm.
  fs::create_directories(m / "mappe/Kvistor/Kvistor.conf");
  ::setenv("XDG_CONFIG_HOME", (m / "mappe").c_str(), 1);
  const TKoersel u = Koer({"rapport", Standard});
  EXPECT_EQ(u.kode, 0);
  EXPECT_EQ(u.fejl.rfind("Advarsel: Programmets indstillinger i " + (m / "mappe/Kvistor/Kvistor.conf") +
                             " kan ikke læses; der regnes uden dem.\n",
                         0),
            0u)
      << u.fejl;
  EXPECT_NE(u.ud.find("\nFirma:             \n"), std::string::npos);
  EXPECT_EQ(r.kode, 0) << r.fejl;
  EXPECT_NE(r.ud.find("\nFirma:             Tømrer & Søn, ApS Linje 2\n"), std::string::npos) << r.ud;
  EXPECT_NE(f.ud.find("\nFirma:             Andet Firma\n"), std::string::npos);
}

TEST(Program, DatoTagerSidsteDagIMaanedenOgAfviserUmuligeDatoer) {
  for (const std::string d : {"2026-01-31,23:59:59", "2024-02-29,00:00:00", "2026-04-30,12:00:00",
                              "2026-12-31,08:00:00"}) {
    const TKoersel r = Koer({"rapport", Standard, "--dato", d});
    EXPECT_EQ(r.kode, 0) << d << r.fejl;
    EXPECT_NE(r.ud.find("Beregnet:          " + d + " af "), std::string::npos) << d;
  }
  for (const std::string d : {"2026-02-30,10:00:00", "2025-02-29,10:00:00", "2026-04-31,10:00:00",
                              "2026-13-01,10:00:00"}) {
    const TKoersel r = Koer({"rapport", Standard, "--dato", d});
    EXPECT_EQ(r.kode, 1) << d;
    EXPECT_EQ(r.fejl.rfind("Fejl: --dato " + d + " er en umulig dato: " + d.substr(0, 10) +
                               " findes ikke.\n",
                           0),
              0u)
        << r.fejl;
  }
  EXPECT_NE(Koer({"rapport", Standard, "--dato", "2026-01-01,24:00:00"}).fejl.find("umuligt klokkeslæt"),
            std::string::npos);
}

TEST(Program, StandardInputOgNavngivetRoerLaesesEnGang) {
  const TKoersel fil = Koer({"rapport", Standard, "--dato", Dato});
  ASSERT_EQ(fil.kode, 0) << fil.fejl;
  const TKoersel ind = Koer({"rapport", "-", "--dato", Dato}, Standard);
  EXPECT_EQ(ind.kode, 0) << ind.fejl;
  EXPECT_EQ(ind.ud, fil.ud);

  // A named pipe with one writer: read once, never waited on a second time.
  test::TTestMappe m;
  const std::string roer = m / "p.aid";
  ASSERT_EQ(::mkfifo(roer.c_str(), 0600), 0);
  const pid_t skriver = ::fork();
  ASSERT_GE(skriver, 0);
  if (skriver == 0) ::_exit(SkrivFil(roer, Bytes(Standard)) ? 0 : 1);
  const TKoersel r = Koer({"rapport", roer, "--dato", Dato});
  EXPECT_EQ(Vent(skriver), 0);
  EXPECT_EQ(r.kode, 0) << r.fejl;
  EXPECT_EQ(r.ud, fil.ud);
}

TEST(Program, DetDerIkkeErEnProjektfilAfvisesMedKode2) {
  test::TTestMappe m;
  ASSERT_EQ(Koer({"rapport", Standard, "-o", m / "r.txt"}).kode, 0);
  std::string utf16 = "\xFF\xFE";
  for (char c : Bytes(Standard)) utf16 += std::string{c, '\0'};
  ASSERT_TRUE(SkrivFil(m / "utf16.aid", utf16));
  for (const std::string& p : {std::string("/dev/zero"), m / "r.txt", m / "utf16.aid"}) {
    const TKoersel r = Koer({"rapport", p});
    EXPECT_EQ(r.kode, 2) << p;
    EXPECT_NE(r.fejl.find("Den er ikke en Kvistor-projektfil: "), std::string::npos) << r.fejl;
  }
}

TEST(Program, EnhederSomUddataSkrivesDirekteOgFuldDiskMeldes) {
  const TKoersel fuld = Koer({"rapport", Standard, "-o", "/dev/full"});
  EXPECT_EQ(fuld.kode, 1);
  EXPECT_NE(fuld.fejl.find("/dev/full\nDer er ikke mere plads på disken.\n"), std::string::npos)
      << fuld.fejl;
  EXPECT_EQ(Koer({"tegning", "tvaer", Standard, "-o", "/dev/null"}).kode, 0);
  EXPECT_EQ(Koer({"rapport", Standard, "-o", "/dev/null"}).kode, 0);
  for (const char* enhed : {"/dev/null", "/dev/full"})
    EXPECT_TRUE(fs::is_character_file(enhed)) << enhed;
}

TEST(Program, AfbrudtBeregningVinderOverAfvistInddataVedFlereProjekter) {
  test::TTestMappe m;
  const std::string afvist = test::StandardMed(m, "bred.aid", {{3, "1e20"}});
  // A hinge offset of nearly the whole frame spacing over 60 bays: the
  // hinge forces overflow and the calculation stops.
  const std::string afbrudt = test::StandardMed(m, "charnier.aid", {{8, "60"}, {11, "1"}, {12, "5,99"}});
  const TKoersel alene = Koer({"rapport", afbrudt});
  EXPECT_EQ(alene.kode, 3);
  EXPECT_NE(alene.fejl.find("\nKontroller charnierforskydningen: den er stor i forhold til "
                            "rammeafstanden.\n"),
            std::string::npos)
      << alene.fejl;
  for (const Args& a : {Args{"rapport", afvist, afbrudt, Standard}, Args{"rapport", afbrudt, afvist}}) {
    const TKoersel r = Koer(a);
    EXPECT_EQ(r.kode, 3) << r.fejl;
    EXPECT_NE(r.fejl.find(afvist + ": Fejl: Huskropbredden"), std::string::npos);
    EXPECT_NE(r.fejl.find(afbrudt + ": Fejl: Beregningen giver tal"), std::string::npos);
  }
  EXPECT_EQ(Koer({"rapport", Standard, afvist}).kode, 2);
}

TEST(Program, SamtidigeGemningerUnderEtNavnEfterladerEnHelFil) {
  test::TTestMappe ref, log;
  for (const Args& kommando : {Args{"rapport", Standard, "--dato", Dato},
                               Args{"tegning", "laengde", Standard}}) {
    Args a = kommando;
    a.insert(a.end(), {"-o", ref / "ref"});
    ASSERT_EQ(Koer(a).kode, 0);
    const std::string forventet = Bytes(ref / "ref");
    for (int runde = 0; runde < 3; ++runde) {
      test::TTestMappe ud;
      const std::string maal = ud / "resultat";
      a = kommando;
      a.insert(a.end(), {"-o", maal});
      std::vector<pid_t> boern;
      for (int i = 0; i < 20; ++i)
        boern.push_back(Start(a, "/dev/null", "/dev/null", log / ("fejl" + std::to_string(i))));
      for (std::size_t i = 0; i < boern.size(); ++i)
        EXPECT_EQ(Vent(boern[i]), 0) << kommando[0] << " " << runde << ": " << Bytes(log / ("fejl" + std::to_string(i)));
      EXPECT_EQ(Bytes(maal), forventet) << kommando[0] << " runde " << runde;
      EXPECT_EQ(std::distance(fs::directory_iterator(ud.sti), fs::directory_iterator()), 1)
          << "temporary files left behind";
    }
  }
}

}  // namespace
}  // namespace kvistor
