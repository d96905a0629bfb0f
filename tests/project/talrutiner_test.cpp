// Reading numbers the Danish way, the whole-record rule check and the
// normal snow shape factor.
#include <gtest/gtest.h>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "loads/sneformfaktor.h"
#include "project/feltregler.h"
#include "project/inddatafil.h"
#include "project/talrutiner.h"

namespace kvistor {
namespace {

TEST(TolkTal, DanskLayout) {
  EXPECT_NAER(*TolkTal("6,5").vaerdi, 6.5);
  EXPECT_NAER(*TolkTal("   -0,25  ").vaerdi, -0.25);
  EXPECT_NAER(*TolkTal("+3").vaerdi, 3.0);
  EXPECT_NAER(*TolkTal(",5").vaerdi, 0.5);
  EXPECT_NAER(*TolkTal("1,5E2").vaerdi, 150.0);
  for (const char* t : {"6.5", "", "   ", "1.000,5", "1,2,3", "abc", "1e", "nan", "inf",
                        "0x10", "- 1", "1 2", ","})
    EXPECT_FALSE(TolkTal(t).vaerdi.has_value()) << t;
  const TTalTolkning stor = TolkTal("1e999");
  EXPECT_FALSE(stor.vaerdi.has_value());
  EXPECT_NE(stor.fejltekst.find("1e999"), std::string::npos);
}

TEST(TolkTal, Heltal) {
  EXPECT_EQ(*TolkHeltal("         8").vaerdi, 8);
  EXPECT_EQ(*TolkHeltal("-1").vaerdi, -1);
  EXPECT_EQ(*TolkHeltal("2147483647").vaerdi, 2147483647);
  EXPECT_EQ(*TolkHeltal("-2147483648").vaerdi, -2147483647 - 1);
  for (const char* t : {"2147483648", "99999999999999999999", "4,0", "", "-", "4a", "x"})
    EXPECT_FALSE(TolkHeltal(t).vaerdi.has_value()) << t;
}

TEST(LaesTal, BeskederOgErstatningsvaerdier) {
  TSkriptetDialog dlg;
  EXPECT_NAER(LaesTal("12,5", dlg), 12.5);
  EXPECT_TRUE(dlg.kald.empty());
  EXPECT_NAER(LaesTal("6.5", dlg), 99.0);
  EXPECT_EQ(dlg.kald.back().tekst,
            "Det indtastede er ugyldigt som tal\r\nKonverteringsfejl\r\n"
            "'6.5' er ikke et gyldigt tal\r\nVærdien er sat til 99,00.");
  EXPECT_NAER(TekstTilTal("6.5", dlg), 6.5);
  EXPECT_NAER(TekstTilTal("  0,80", dlg), 0.8);
  EXPECT_EQ(LaesHeltal("x", dlg), 4);
  EXPECT_EQ(dlg.kald.back().tekst,
            "Det indtastede er ugyldigt som heltal\r\nKonverteringsfejl\r\n"
            "'x' er ikke et gyldigt heltal\r\nVærdien er sat til 4.");
  EXPECT_EQ(dlg.kald.size(), 2u);

  TEditFelt e{"abc", true};
  FormaterTal(e, 10, 0, dlg);
  EXPECT_EQ(e.Tekst, "        99");
  e.Tekst = "-0,001";
  FormaterTal(e, 10, 2, dlg);
  EXPECT_EQ(e.Tekst, "      0,00");  // no minus sign on shown zeros
  e.Tekst = " 12 ";
  FormaterHeltal(e, 10, dlg);
  EXPECT_EQ(e.Tekst, "        12");
}

TEST(Afkort, TaellerTegn) {
  EXPECT_EQ(Afkort("æøå", 2), "æø");
  EXPECT_EQ(Afkort("abc", 5), "abc");
  EXPECT_EQ(Afkort("abc", 0), "");
}

TEST(NormalSneFormfaktor, Vinkler) {
  EXPECT_NAER(NormalSneFormfaktor(0), 0.8);
  EXPECT_NAER(NormalSneFormfaktor(30), 0.8);
  EXPECT_NAER(NormalSneFormfaktor(45), 0.4);  // 0,8 * 15 / 30
  EXPECT_NAER(NormalSneFormfaktor(60), 0.0);
  EXPECT_NAER(NormalSneFormfaktor(75), 0.0);
  EXPECT_NAER(NormalSneFormfaktor(-1), 0.0);
}

Inddata StandardInddata() {
  TSkriptetDialog dlg;
  return StartInddataside(KVISTOR_KILDEMAPPE, dlg).Inddata;
}

TEST(FoersteBrudteRegel, RaekkefoelgeOgBeskeder) {
  Inddata d = StandardInddata();
  EXPECT_FALSE(FoersteBrudteRegel(d).has_value());

  // Two broken rules: the one earlier on the pages is reported.
  d.KipnMoment = -1;
  d.FacUdh = -0.1;
  EXPECT_EQ(FoersteBrudteRegel(d), "Facadeudhænget må ikke være negativt");
  d.FacUdh = 0;
  EXPECT_EQ(FoersteBrudteRegel(d), "Kipningsmomentet må ikke være negativt");

  d = StandardInddata();
  d.TagVink = 75.5;
  EXPECT_EQ(FoersteBrudteRegel(d), "Tagvinklen skal være mellem 0 og 75 grader");
  d = StandardInddata();
  d.AntalFag = 3;
  EXPECT_EQ(FoersteBrudteRegel(d), "Der skal mindst være 4 fag");
  d = StandardInddata();
  d.GavlRammeAfst = 6.01;
  EXPECT_EQ(FoersteBrudteRegel(d), std::string(BeskedGavlReduceret));
  d = StandardInddata();
  d.CharnForsk = 6.0;
  EXPECT_EQ(FoersteBrudteRegel(d), "Charnierforskydningen skal være mindre end Rammeafstanden");
  d = StandardInddata();
  d.GavlRammeAfst = 0.8;
  EXPECT_EQ(FoersteBrudteRegel(d), "Charnierforskydningen skal være mindre end gavlrammeafstanden");
  d = StandardInddata();
  d.SneFormFak = -0.1;
  EXPECT_EQ(FoersteBrudteRegel(d), "Formfaktoren for snelast må ikke være negativ");
  d = StandardInddata();
  d.AaseHojde = std::nan("");
  EXPECT_EQ(FoersteBrudteRegel(d), "Åsehøjden skal være positiv");
  // A fresh record breaks the first rule.
  EXPECT_EQ(FoersteBrudteRegel(StartInddata()), "Huskropbredden skal være positiv");
}

}  // namespace
}  // namespace kvistor
