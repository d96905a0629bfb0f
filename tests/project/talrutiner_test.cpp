// Reading numbers the Danish way, the whole-record rule check and the
// normal snow shape factor.
#include <gtest/gtest.h>

#include "hjaelp/dialog_fake.h"
#include "hjaelp/naer.h"
#include "project/sneformfaktor.h"
#include "project/feltregler.h"
#include "project/inddatafil.h"
#include "project/talrutiner.h"

namespace kvistor {
namespace {

TEST(TolkTal, DanskLayout) {
  const std::pair<const char*, double> tal[] = {
      {"6,5", 6.5}, {"   -0,25  ", -0.25}, {"+3", 3.0}, {",5", 0.5}, {"1,5E2", 150.0}};
  for (const auto& [t, v] : tal) EXPECT_NAER(TolkTal(t).vaerdi.value_or(-1), v) << t;
  for (const char* t : {"6.5", "", "   ", "1.000,5", "1,2,3", "1e", "nan", "inf", "0x10", "- 1",
                        "1 2", ","})
    EXPECT_FALSE(TolkTal(t).vaerdi.has_value()) << t;
  const TTalTolkning stor = TolkTal("1e999");
  EXPECT_FALSE(stor.vaerdi.has_value());
  EXPECT_NE(stor.fejltekst.find("1e999"), std::string::npos);
  // Whole numbers: 32 bits.
  EXPECT_EQ(TolkHeltal("         8").vaerdi, 8);
  EXPECT_EQ(TolkHeltal("-2147483648").vaerdi, -2147483647 - 1);
  EXPECT_EQ(TolkHeltal("2147483647").vaerdi, 2147483647);
  for (const char* t : {"2147483648", "99999999999999999999", "4,0", "", "-", "4a"})
    EXPECT_FALSE(TolkHeltal(t).vaerdi.has_value()) << t;
}

// The messages of LaesTal and LaesHeltal and the cutting of text fields
// reach the golden session of the input pages.
TEST(LaesTal, ErstatningsvaerdierOgFormatering) {
  TSkriptetDialog dlg;
  EXPECT_NAER(LaesTal("12,5", dlg), 12.5);
  EXPECT_NAER(TekstTilTal("6.5", dlg), 6.5);  // the file reader's lines 26 and 27
  EXPECT_NAER(TekstTilTal("  0,80", dlg), 0.8);
  EXPECT_TRUE(dlg.kald.empty());
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

TEST(NormalSneFormfaktor, Vinkler) {
  // 45°: 0,8 * (60 - 45) / 30 = 0,40 (hand calculation).
  const std::pair<double, double> fald[] = {{0, 0.8}, {30, 0.8}, {45, 0.4}, {60, 0.0},
                                            {75, 0.0}, {-1, 0.0}};
  for (const auto& [vinkel, ventet] : fald)
    EXPECT_NAER(NormalSneFormfaktor(vinkel), ventet) << vinkel;
}

TEST(FoersteBrudteRegel, RaekkefoelgeOgBeskeder) {
  TSkriptetDialog dlg;
  const Inddata standard = StartInddataside(KVISTOR_KILDEMAPPE, dlg).Inddata;
  EXPECT_FALSE(FoersteBrudteRegel(standard).has_value());
  const struct {
    void (*aendr)(Inddata&);
    std::string besked;
  } fald[] = {
      // Two broken rules: the one earlier on the pages is reported.
      {[](Inddata& d) { d.KipnMoment = d.FacUdh = -1; }, "Facadeudhænget må ikke være negativt"},
      {[](Inddata& d) { d.KipnMoment = -1, d.FacUdh = 0; },
       "Kipningsmomentet må ikke være negativt"},
      {[](Inddata& d) { d.TagVink = 75.5; }, "Tagvinklen skal være mellem 0 og 75 grader"},
      {[](Inddata& d) { d.AntalFag = 3; }, "Der skal mindst være 4 fag"},
      {[](Inddata& d) { d.GavlRammeAfst = 6.01; }, std::string(BeskedGavlReduceret)},
      {[](Inddata& d) { d.CharnForsk = 6.0; },
       "Charnierforskydningen skal være mindre end Rammeafstanden"},
      {[](Inddata& d) { d.GavlRammeAfst = 0.8; },
       "Charnierforskydningen skal være mindre end gavlrammeafstanden"},
      {[](Inddata& d) { d.SneFormFak = -0.1; }, "Formfaktoren for snelast må ikke være negativ"},
      {[](Inddata& d) { d.AaseHojde = std::nan(""); }, "Åsehøjden skal være positiv"},
      // A fresh record breaks the first rule.
      {[](Inddata& d) { d = StartInddata(); }, "Huskropbredden skal være positiv"}};
  for (const auto& f : fald) {
    Inddata d = standard;
    f.aendr(d);
    EXPECT_EQ(FoersteBrudteRegel(d), f.besked);
  }
}

}  // namespace
}  // namespace kvistor
