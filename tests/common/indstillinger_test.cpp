// The settings file read and written without Qt: the lines QSettings writes
// and a person may type, each with the value QSettings reads from it (the
// window test tests/app/indstillinger_qt_test.cpp checks the same against
// the real QSettings), the round trip of awkward texts, and where the file is.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/indstillinger.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

TEST(Indstillinger, LaeserVaerdierSomQSettings) {
  const TIndstillinger ind = FortolkIndstillinger(
      "\xEF\xBB\xBF; en kommentar\r\n"
      "[General]\r\n"
      "Firma=\"R\xC3\xA5" "dgivende \\\"Ingeni\xC3\xB8rer\\\", A/S; x=y \\\\ b\"\r\n"
      "UdfoertAf =  blanke f\xC3\xB8r og efter  \r\n"
      "KontrolleretAf=@@at\r\n"
      "Nul=@String(\\0\\x31\\x61)\r\n"
      "Styretegn=a\\tb\\nc\\x1\\x64\\x65\r\n"
      "Citeret=\"q\" hale\r\n"
      "Kommentar=x ; resten er en kommentar\r\n"
      "Fortsat=a\\\r\nb\r\n"
      "Liste=\"a,b\", c, \" d\"\r\n"
      "Ugyldig=@Invalid()\r\n"
      "Bytes=@ByteArray(abc)\r\n"
      "Dobbelt=1\r\nDobbelt=2\r\n"
      "n%F8gle=%U00e6\r\n"
      "Priser\\C16=2.5\r\n"
      "[Priser]\r\n"
      "GL%2032h=3.5\r\n"
      "[%General]\r\n"
      "x=1\r\n"
      "[general]\r\n"
      "Sidst=ja\r\n");
  const std::pair<const char*, std::optional<std::string>> forventet[] = {
      {"Firma", "Rådgivende \"Ingeniører\", A/S; x=y \\ b"},
      {"UdfoertAf", "blanke før og efter"},
      {"KontrolleretAf", "@at"},
      {"Nul", std::string("\0" "1a", 3)},
      {"Styretegn", "a\tb\nc\x01" "de"},
      {"Citeret", "qhale"},
      {"Kommentar", "x"},
      {"Fortsat", "ab"},
      {"Liste", std::nullopt},
      {"Ugyldig", std::nullopt},
      {"Bytes", "abc"},
      {"Dobbelt", "2"},
      {"nøgle", "%U00e6"},
      {"Priser/C16", "2.5"},
      {"Priser/GL 32h", "3.5"},
      {"General/x", "1"},
      {"Sidst", "ja"},
      {"Mangler", std::nullopt},
  };
  for (const auto& [noegle, vaerdi] : forventet) EXPECT_EQ(LaesTekst(ind, noegle), vaerdi) << noegle;
  EXPECT_EQ(LaesListe(ind, "Liste"), (std::vector<std::string>{"a,b", "c", " d"}));
  EXPECT_EQ(LaesListe(ind, "Ugyldig"), std::vector<std::string>{});
  EXPECT_EQ(LaesTal(ind, "Priser/GL 32h"), 3.5);
  EXPECT_EQ(LaesTal(ind, "Firma"), std::nullopt);
}

TEST(Indstillinger, SkriverSomQSettingsOgBevarerDetUkendte) {
  TIndstillinger ind = FortolkIndstillinger(
      "[General]\nGeometri=@ByteArray(\\x1\\xd9\\xd0\\xcb)\nFirma=Gammel\n[Vindue]\nSted=@Point(1 2)\n");
  SaetTekst(ind, NoegleFirma, "Rådgivende, A/S");
  SaetTekst(ind, NoegleUdfoertAf, "@JBN\t ");
  SaetTekst(ind, "Priser/GL 32h", std::string("nul\0" "1", 5));
  SaetListe(ind, "Seneste", {"/a b/x.aid", "/c,d.aid"});
  SaetTal(ind, "Priser/C24", 3.5);
  EXPECT_EQ(IndstillingerSomTekst(ind),
            "[General]\n"
            "Geometri=@ByteArray(\\x1\\xd9\\xd0\\xcb)\n"
            "Firma=\"Rådgivende, A/S\"\n"
            "UdfoertAf=\"@@JBN\\t \"\n"
            "Seneste=/a b/x.aid, \"/c,d.aid\"\n"
            "\n[Vindue]\nSted=@Point(1 2)\n"
            "\n[Priser]\nGL%2032h=@String(nul\\0\\x31)\nC24=3.5\n");

  // Every awkward text comes back as it went in.
  const std::string tekster[] = {"", " ", "@", "@@x", "@String(x)", "a;b", "a=b", "\"", "\\",
                                 "tab\there", std::string("\0" "7", 2), "\x01" "f", "æøå €",
                                 "😀", "slut \\"};
  for (const std::string& t : tekster) {
    TIndstillinger en;
    SaetTekst(en, "Prøve/Nøgle", t);
    EXPECT_EQ(LaesTekst(FortolkIndstillinger(IndstillingerSomTekst(en)), "Prøve/Nøgle"), t)
        << IndstillingerSomTekst(en);
  }
}

TEST(Indstillinger, FilenLiggerIXdgConfigHomeEllerIHjemmemappen) {
  const test::TKonfigmappe m;
  EXPECT_EQ(IndstillingsfilNavn(), m / "Kvistor/Kvistor.conf");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(IndstillingsfilNavn(), std::string(std::getenv("HOME")) + "/.config/Kvistor/Kvistor.conf");
  ::setenv("XDG_CONFIG_HOME", m.sti.c_str(), 1);

  // A missing file is no settings and no error; a saved one makes its folder.
  TIndstillinger ind;
  EXPECT_TRUE(LaesIndstillinger(IndstillingsfilNavn(), ind));
  EXPECT_TRUE(ind.poster.empty());
  SaetTekst(ind, NoegleFirma, "Firma A/S");
  ASSERT_TRUE(GemIndstillinger(IndstillingsfilNavn(), ind));
  TIndstillinger igen;
  ASSERT_TRUE(LaesIndstillinger(IndstillingsfilNavn(), igen));
  EXPECT_EQ(LaesTekst(igen, NoegleFirma), "Firma A/S");
  // A folder in the file's place cannot be read: the reason is told.
  std::filesystem::create_directories(m / "mappe.conf");
  const TFilUdfald u = LaesIndstillinger(m / "mappe.conf", igen);
  EXPECT_FALSE(u);
  EXPECT_FALSE(u.aarsag.empty());
}

}  // namespace
}  // namespace kvistor
