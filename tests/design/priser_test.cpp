// The price table: the defaults' order, a price file and the settings
// file's section, and the refusal of a damaged line with its line number.
#include <gtest/gtest.h>

#include "design/priser.h"

namespace kvistor {
namespace {

TEST(Priser, StandardprisernesOrden) {
  // Dearer with every class up, and glulam dearer than any solid timber.
  const auto& p = StandardPriser.PrisPrM3;
  for (std::size_t k = 1; k < p.size(); ++k) EXPECT_LT(p[k - 1], p[k]) << k;
  EXPECT_EQ(p[2], 1.0);  // C24 is the unit
  EXPECT_EQ(PrisPrMeter(StandardPriser, 2, 200, 100), 0.02);
  // The file the program writes reads back as the same prices.
  EXPECT_EQ(LaesPriser(SkrivPrisfil(StandardPriser), "f").Priser, StandardPriser);
}

TEST(Priser, PrisfilOgIndstillinger) {
  const TPrisLaesning l = LaesPriser(
      "\xEF\xBB\xBF; egne priser\r\n[Priser]\r\nC24 = 1,10\r\n# limtræ\r\ngl24c=\"1,30\"\r\n", "p.ini");
  ASSERT_TRUE(l.Priser) << l.Fejl;
  TPrisTabel forventet = StandardPriser;
  forventet.PrisPrM3[2] = 1.1;
  forventet.PrisPrM3[4] = 1.3;
  EXPECT_EQ(*l.Priser, forventet);

  // The settings: the section [Priser], as the window writes it (quoted),
  // by hand (unquoted) or as a number with a point; none keeps the defaults.
  const TPrisLaesning i = LaesPriserFraIndstillinger(
      FortolkIndstillinger("[General]\nFirma=Tømrer A/S\nC24=9\n[Priser]\nC30=\"1,20\"\n"
                           "C18=0,97\nGL32c=1.8\n[Vindue]\nC14=5\n"),
      "Kvistor.conf");
  ASSERT_TRUE(i.Priser) << i.Fejl;
  forventet = StandardPriser;
  forventet.PrisPrM3[3] = 1.2;
  forventet.PrisPrM3[1] = 0.97;
  forventet.PrisPrM3[6] = 1.8;
  EXPECT_EQ(*i.Priser, forventet);
  EXPECT_EQ(LaesPriserFraIndstillinger(FortolkIndstillinger("[General]\nFirma=X\n"), "k").Priser,
            StandardPriser);
  EXPECT_EQ(LaesPriserFraIndstillinger(FortolkIndstillinger("[Priser]\nC24=gratis\n"), "k").Fejl,
            "k, Priser/C24: prisen for C24 er ikke et tal: \"gratis\".");
}

TEST(Priser, BeskadigetFilAfvisesMedLinjeOgGrund) {
  const std::pair<const char*, const char*> tilfaelde[] = {
      {"C24=1,00\nC24\n", "p.ini, linje 2: \"C24\" mangler \"=\" (skriv fx C24=1,00)."},
      {"C25=1,00\n", "p.ini, linje 1: \"C25\" er ikke en styrkeklasse (C14, C18, C24, C30, GL24c, GL28c, GL32c)."},
      {"C24=1.10\n", "p.ini, linje 1: prisen for C24 er ikke et tal: \"1.10\"; brug komma som decimaltegn."},
      {"C24=billig\n", "p.ini, linje 1: prisen for C24 er ikke et tal: \"billig\"."},
      {"C24=1\n\nc24=2\n", "p.ini, linje 3: C24 har allerede en pris i linje 1."},
      {"C24=0\n", "p.ini, linje 1: prisen for C24 skal ligge mellem 0,01 og 100,00, ikke 0."},
      {"[Vindue]\nC24=1\n", "p.ini, linje 1: \"[Vindue]\" er ikke afsnittet [Priser]."},
      {"; tom\n", "p.ini indeholder ingen priser (skriv fx C24=1,00)."},
  };
  for (const auto& [tekst, fejl] : tilfaelde) {
    const TPrisLaesning l = LaesPriser(tekst, "p.ini");
    EXPECT_FALSE(l.Priser) << tekst;
    EXPECT_EQ(l.Fejl, fejl);
  }
  const TPrisLaesning binaer = LaesPriser(std::string_view("C24=1\0", 6), "p.ini");
  EXPECT_FALSE(binaer.Priser);
  EXPECT_EQ(binaer.Fejl, "p.ini er ingen prisfil (den indeholder binære data).");
}

}  // namespace
}  // namespace kvistor
