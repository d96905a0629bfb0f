// Every front end opens a project through the one opener: the window's
// start-up and the command line give the same project and the same refusal
// for the same file, and the command line refuses values the reader had to
// replace unless told to be tolerant.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/kommandoer.h"
#include "cli/projektlaesning.h"
#include "common/optagende_dialog.h"
#include "project/inddatafil.h"
#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

const std::string Kilde = KVISTOR_KILDEMAPPE;

std::string MedLf(std::string t) {
  for (std::size_t p; (p = t.find("\r\n")) != std::string::npos;) t.replace(p, 2, "\n");
  return t;
}

TEST(Projektaabning, VinduetOgKommandolinjenGiverSammeProjektOgAfvisning) {
  test::TTestMappe m;
  std::string standard;
  ASSERT_TRUE(LaesFil(Kilde + "/Standard.aid", standard));
  std::string utf16 = "\xFF\xFE", binaer = "\x7F" "ELF";
  for (char c : standard) utf16 += std::string{c, '\0'};
  for (int i = 0; i < 300; ++i) binaer += static_cast<char>(i * 37);
  auto utf8 = Cp1252TilUtf8(standard);
  utf8.replace(0, std::string_view("Standardprojekt").size(), "Ærø");
  const struct {
    std::string navn, bytes;
    int kode;
  } filer[] = {{m / "bom.aid", "\xEF\xBB\xBF" + utf8, KodeOk},
               {m / "utf16.aid", utf16, KodeAfvist},
               {m / "binaer.aid", binaer, KodeAfvist},
               {m / "mangler.aid", "", KodeBrug},
               {"/dev/zero", "", KodeAfvist}};
  for (const auto& f : filer) {
    SCOPED_TRACE(f.navn);
    if (!f.bytes.empty()) {
      ASSERT_TRUE(SkrivFil(f.navn, f.bytes));
    }
    TSkriptetDialog vdlg;
    const TInddataside vindue = StartInddataside(Kilde, vdlg, f.navn);
    std::ostringstream fejl;
    TKommandolinjeDialog kdlg(fejl);
    TInddataside cli = NyInddataside();
    EXPECT_EQ(LaesProjektTilKommando(f.navn, false, cli, kdlg), f.kode);
    std::string ventet;
    for (const std::string& t : vdlg.Tekster("Fejl")) ventet += "Fejl: " + MedLf(t) + "\n";
    EXPECT_EQ(fejl.str(), ventet);
    EXPECT_EQ(vdlg.kald.size(), f.kode == KodeOk ? 0u : 1u);
    if (f.kode == KodeOk) {
      EXPECT_EQ(vindue.Inddata.Projektnavn, "Ærø");
      EXPECT_EQ(cli.Inddata.Projektnavn, "Ærø");
    }
  }
}

TEST(Projektaabning, SnevaerdiOgDefektUdvidelseAfvisesUdenTolerant) {
  test::TTestMappe m;
  // 20° gives the normal value 0,80.
  test::StandardMed(m, "p.aid", {{26, "      0,50"}}, {"Brandmodstand=45"});
  const test::TKoersel r = test::KoerInternt({"rapport", m / "p.aid", "--dato", "2026-03-01,14:05:00"});
  EXPECT_EQ(r.kode, KodeAfvist);
  EXPECT_EQ(r.fejl,
            "Fejl: Linie 27: \"      0,50\" kan ikke bruges som det står; i stedet ville 0,80 blive "
            "brugt.\n"
            "Linie 38: \"Brandmodstand=45\" er ingen gyldig udvidelseslinie og ville blive "
            "sprunget over.\n"
            "Projektfilen " + m / "p.aid" + " er afvist: 2 værdier kan ikke bruges som de står. "
            "Med --tolerant regnes der med de erstattede værdier.\n");
  // Tolerant: told, and the report computed with the value it prints.
  const test::TKoersel t =
      test::KoerInternt({"rapport", m / "p.aid", "--dato", "2026-03-01,14:05:00", "--tolerant"});
  EXPECT_EQ(t.kode, KodeOk) << t.fejl;
  EXPECT_NE(t.fejl.find("Programmet bruger 0,80."), std::string::npos) << t.fejl;
  EXPECT_NE(t.ud.find("Normal værdi,(fkt. af tagvinkel: 0,80 kN/m²"), std::string::npos);
}

}  // namespace
}  // namespace kvistor
