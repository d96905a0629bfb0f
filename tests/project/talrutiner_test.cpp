// Reading numbers the Danish way, the whole-record rule check and the
// normal snow shape factor.
#include <gtest/gtest.h>

#include "common/optagende_dialog.h"
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

// The file reader's numbers: a line that is no number is told and becomes
// 99 (or 4).
TEST(LaesTal, ErstatningsvaerdierOgPunktum) {
  TSkriptetDialog dlg;
  EXPECT_NAER(LaesTal("12,5", dlg), 12.5);
  EXPECT_NAER(TekstTilTal("6.5", dlg), 6.5);  // the file reader's snow lines
  EXPECT_NAER(TekstTilTal("  0,80", dlg), 0.8);
  EXPECT_TRUE(dlg.kald.empty());
  EXPECT_NAER(LaesTal("abc", dlg), 99.0);
  EXPECT_EQ(LaesHeltal("fire", dlg), 4);
  ASSERT_EQ(dlg.Tekster("Besked").size(), 2u);
  EXPECT_TRUE(dlg.Tekster("Besked")[0].ends_with("Værdien er sat til 99,00."));
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
  using K = TKontrol;
  const struct {
    void (*aendr)(Inddata&);
    K felt;
    std::string besked;
  } fald[] = {
      // Two broken rules: the one earlier on the pages is reported.
      {[](Inddata& d) { d.KipnMoment = d.FacUdh = -1; }, K::EditFacUdh,
       "Facadeudhænget må ikke være negativt"},
      {[](Inddata& d) { d.KipnMoment = -1, d.FacUdh = 0; }, K::EditKipnMoment,
       "Kipningsmomentet må ikke være negativt"},
      {[](Inddata& d) { d.TagVink = 75.5; }, K::EditTagVink,
       "Tagvinklen skal være mellem 0 og 75 grader"},
      {[](Inddata& d) { d.AntalFag = 3; }, K::EditAntalFag, "Der skal mindst være 4 fag"},
      {[](Inddata& d) { d.AntalFag = 1001; }, K::EditAntalFag,
       "Der kan højst regnes med 1000 fag.\r\nReducér antal fag."},
      {[](Inddata& d) { d.GavlRammeAfst = 6.01; }, K::EditGavlRammeAfst,
       std::string(BeskedGavlForStor)},
      {[](Inddata& d) { d.CharnForsk = 6.0; }, K::EditCharnForsk,
       "Charnierforskydningen skal være mindre end Rammeafstanden"},
      {[](Inddata& d) { d.GavlRammeAfst = 0.8; }, K::EditCharnForsk,
       "Charnierforskydningen skal være mindre end gavlrammeafstanden"},
      {[](Inddata& d) { d.SneFormFak = -0.1; }, K::EditKaraktSneLast,
       "Formfaktoren for snelast må ikke være negativ"},
      // The snow values the report prints; the elevated one only when chosen.
      {[](Inddata& d) { d.SneFormFakNormal = 1e308; }, K::EditKaraktSneLast,
       "Den normale formfaktor for snelast skal ligge mellem 0 og 10 kN/m²."},
      {[](Inddata& d) { d.NormSneFormFak = 0, d.SneFormFakForhojet = -1; }, K::EditKaraktSneLast,
       "Den forhøjede formfaktor for snelast skal ligge mellem 0 og 10 kN/m²."},
      {[](Inddata& d) { d.AaseHojde = std::nan(""); }, K::EditAaseHojde,
       "Åsehøjden skal være positiv"},
      // A fresh record breaks the first rule.
      {[](Inddata& d) { d = StartInddata(); }, K::EditHusBr, "Huskropbredden skal være positiv"}};
  for (const auto& f : fald) {
    Inddata d = standard;
    f.aendr(d);
    EXPECT_EQ(FoersteBrudteRegel(d), (TBrudtRegel{f.felt, f.besked})) << f.besked;
  }
  Inddata d = standard;
  d.SneFormFakForhojet = -1;  // "Normal" is chosen: the elevated value is not used
  EXPECT_FALSE(FoersteBrudteRegel(d).has_value());
}

}  // namespace
}  // namespace kvistor
