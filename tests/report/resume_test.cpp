// The summary's verdicts, their thresholds and the lateral deflections.
#include <gtest/gtest.h>

#include <cmath>

#include "faelles/tegnsaet.h"
#include "hjaelp/naer.h"
#include "report/resume.h"

namespace kvistor {
namespace {

TTekstlinjer Skriv(const TResume& r, TAdvarselsnoter& noter) {
  TTekstlinjer l;
  SkrivResume(l, r, noter);
  return l;
}

TResume OkResume() {
  TResume r;
  r.UGTvaersnit = 0.5;
  r.UGBeslag = 0.5;
  r.LuMindst = 500;
  r.LwMindst = 800;
  r.Traek = 1.234;
  r.Tvaerkraft = 0.5;
  return r;
}

TEST(Resume, TvaersnitGraensenLiggerMellem100Og101Procent) {
  TAdvarselsnoter noter;
  TResume r = OkResume();
  r.UGTvaersnit = 1.00;
  auto l = Skriv(r, noter);
  EXPECT_EQ(l[1], "  Den største udnyttelsesgrad for åsetværsnittet er 100 %.");
  EXPECT_EQ(l[2], "  Da udnyttelsesgraden er mindre end eller lig 100 %, er åsen OK.");
  EXPECT_FALSE(noter.Aas);

  r.UGTvaersnit = 1.01;
  l = Skriv(r, noter);
  EXPECT_EQ(l[1], "  Den største udnyttelsesgrad for åsetværsnittet er 101 %.");
  EXPECT_EQ(l[2], "  Da udnyttelsesgraden er større end 100%, er åsen overbelastet.");
  EXPECT_TRUE(noter.Aas);
  EXPECT_FALSE(noter.Samling);
  EXPECT_FALSE(noter.Nedbojn);
}

TEST(Resume, SamlingOkOverbelastetOgUdenBaereevne) {
  TAdvarselsnoter noter;
  TResume r = OkResume();
  r.UGBeslag = 1.00;
  auto l = Skriv(r, noter);
  EXPECT_EQ(l[4], "  Den største udnyttelsesgrad for en gerberbeslag-samling er 100 %.");
  EXPECT_EQ(l[5], "  Da udnyttelsesgraden er mindre end eller lig 100 %, er samlingen OK.");
  EXPECT_FALSE(noter.Samling);

  r.UGBeslag = 1.01;
  l = Skriv(r, noter);
  EXPECT_EQ(l[5], "  Da udnyttelsesgraden er større end 100%, er samlingen overbelastet.");
  EXPECT_TRUE(noter.Samling);

  // No capacity for an occurring force: the two lines and no percentage.
  r.UGBeslag = 100;
  noter = {};
  l = Skriv(r, noter);
  EXPECT_EQ(l[4], "  En eller flere af de forekommende lastkomposanter (F1, F3, N) kan");
  EXPECT_EQ(l[5], "  slet ikke optages af det valgte beslag (evt. med det valgte sømantal)");
  EXPECT_EQ(l[6], "");
  EXPECT_TRUE(noter.Samling);
  for (const auto& s : l) EXPECT_EQ(s.find("gerberbeslag-samling er"), std::string::npos);
}

TEST(Resume, StivhedL400ErNokL399ErIkke) {
  TAdvarselsnoter noter;
  TResume r = OkResume();
  r.LuMindst = 400;
  auto l = Skriv(r, noter);
  EXPECT_EQ(l[7], "  Den største nedbøjning for egenlast eller snelast er: u = L/400.");
  EXPECT_EQ(l[8], "  Da u er mindre end eller lig L/400, er åsens stivhed tilstrækkelig.");
  EXPECT_FALSE(noter.Nedbojn);
  r.LuMindst = 399;
  l = Skriv(r, noter);
  EXPECT_EQ(l[8], "  Da u er større end L/400, er åsens stivhed IKKE tilstrækkelig.");
  EXPECT_TRUE(noter.Nedbojn);
}

TEST(Resume, ForankringTilGavlrammerKunVedTraek) {
  TAdvarselsnoter noter;
  TResume r = OkResume();
  auto l = Skriv(r, noter);
  // Without tension the summary ends after the empty line following the
  // lateral force, with no closing rule.
  ASSERT_EQ(l.size(), 17u);
  EXPECT_EQ(l[11], "  w bør aldrig være større end L/200, se brugervejledning.");
  EXPECT_EQ(l[14], "  - opadrettet træk (vinkelret på tagfladen) på 1,23 kN og");
  EXPECT_EQ(l[15], "  - tværkraft (parallelt med rammen) på 0,50 kN.");
  EXPECT_EQ(l[16], "");

  r.GavlTraek = 2.5;
  r.GavlTryk = 3.125;
  l = Skriv(r, noter);
  ASSERT_EQ(l.size(), 21u);
  EXPECT_EQ(l[17], "  Åse skal fastgøres til gavlrammerne for :");
  EXPECT_EQ(l[18], "  - træk i åsens længderetning på 2,50 kN og");
  EXPECT_EQ(l[19], "   -tryk i åsens længderetning på 3,13 kN.");  // 3,125 half away from zero
  EXPECT_EQ(AntalTegn(l[20]), 70u);
}

TEST(Resume, LwAfrundesTilTiereMedLigeVedMidten) {
  // Raw ratios from the text: 1234,6 → 1230; 1235 → 1240; 1245 → 1240.
  EXPECT_EQ(LwForhold(1234.6, 1.0), 1230);
  EXPECT_EQ(LwForhold(1235.0, 1.0), 1240);
  EXPECT_EQ(LwForhold(1245.0, 1.0), 1240);
  // An upward deflection gives the same positive ratio.
  EXPECT_EQ(LwForhold(1234.6, -1.0), 1230);
  EXPECT_EQ(LwForhold(6000, -12.5), 480);
  // No lateral deflection (roof angle 0, no snow): the report goes on with
  // the ratio that never lowers the summary's smallest value.
  EXPECT_EQ(LwForhold(6000, 0.0), LwIngenUdbojning);
  EXPECT_EQ(LwForhold(6000, 1e-300), LwIngenUdbojning);
  EXPECT_EQ(TResume{}.LwMindst, 100000);
}

TEST(Resume, TvaerUdbojningAfHaandregning) {
  // w = u·tan(v)·(h/b)²: u = 10 mm, 45° (tan ≈ 0,99999867 with π = 3,14159),
  // h/b = 200/100 → 39,9999 mm.
  EXPECT_NAER(TvaerUdbojning(10, 45, 200, 100), 40 * std::tan(45 * 3.14159 / 180));
  EXPECT_NAER(TvaerUdbojning(10, 45, 200, 100), 39.99995, 1e-6);
  EXPECT_EQ(TvaerUdbojning(10, 0, 200, 100), 0.0);
  EXPECT_EQ(TvaerUdbojning(10, 30, 200, 0), 0.0);
}

}  // namespace
}  // namespace kvistor
