// The summary's verdicts at their thresholds, the anchoring block and the
// lateral deflections. The golden reports pin the ordinary lines.
#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "report/resume.h"

namespace kvistor {
namespace {

TTekstlinjer Skriv(const TResume& r, TAdvarselsnoter& noter) {
  TTekstlinjer l;
  SkrivResume(l, r, noter);
  return l;
}

TEST(Resume, DommeneVedGraenserne) {
  struct TDom {
    double tvaersnit, beslag;
    int lu;
    std::size_t linje;
    const char* tekst;
    bool TAdvarselsnoter::*note;  // the one note raised, or none
  };
  const TDom domme[] = {
      {1.00, 0, 1000, 2, "  Da udnyttelsesgraden er mindre end eller lig 100 %, er åsen OK.", {}},
      {1.01, 0, 1000, 2, "  Da udnyttelsesgraden er større end 100%, er åsen overbelastet.",
       &TAdvarselsnoter::Aas},
      {0, 1.00, 1000, 5, "  Da udnyttelsesgraden er mindre end eller lig 100 %, er samlingen OK.", {}},
      {0, 1.01, 1000, 5, "  Da udnyttelsesgraden er større end 100%, er samlingen overbelastet.",
       &TAdvarselsnoter::Samling},
      {0, 0, 400, 8, "  Da u er mindre end eller lig L/400, er åsens stivhed tilstrækkelig.", {}},
      {0, 0, 399, 8, "  Da u er større end L/400, er åsens stivhed IKKE tilstrækkelig.",
       &TAdvarselsnoter::Nedbojn},
  };
  for (const auto& d : domme) {
    SCOPED_TRACE(d.tekst);
    TResume r;
    r.UGTvaersnit = d.tvaersnit;
    r.UGBeslag = d.beslag;
    r.LuMindst = d.lu;
    TAdvarselsnoter noter;
    EXPECT_EQ(Skriv(r, noter).at(d.linje), d.tekst);
    EXPECT_EQ(noter.Aas, d.note == &TAdvarselsnoter::Aas);
    EXPECT_EQ(noter.Samling, d.note == &TAdvarselsnoter::Samling);
    EXPECT_EQ(noter.Nedbojn, d.note == &TAdvarselsnoter::Nedbojn);
  }

  // A hanger with no capacity for an occurring force: two lines, no percentage.
  TResume r;
  r.UGBeslag = 100;
  TAdvarselsnoter noter;
  const auto l = Skriv(r, noter);
  EXPECT_EQ(l[4], "  En eller flere af de forekommende lastkomposanter (F1, F3, N) kan");
  EXPECT_EQ(l[5], "  slet ikke optages af det valgte beslag (evt. med det valgte sømantal)");
  EXPECT_EQ(l[6], "");
  EXPECT_TRUE(noter.Samling);
  for (const auto& s : l) EXPECT_EQ(s.find("gerberbeslag-samling er"), std::string::npos);
}

TEST(Resume, ForankringTilGavlrammerKunVedTraek) {
  TAdvarselsnoter noter;
  TResume r;
  // Without tension the summary ends with the empty line after the lateral
  // force, with no block and no closing rule.
  EXPECT_EQ(Skriv(r, noter).size(), 17u);
  r.GavlTraek = 2.5;
  r.GavlTryk = 3.125;
  const auto l = Skriv(r, noter);
  ASSERT_EQ(l.size(), 21u);
  EXPECT_EQ(l[19], "   -tryk i åsens længderetning på 3,13 kN.");  // 3,125 half away from zero
}

TEST(Resume, LwAfrundesTilTiereMedLigeVedMidten) {
  // Raw ratios from the text: 1234,6 → 1230; 1235 → 1240; 1245 → 1240.
  EXPECT_EQ(LwForhold(1234.6, 1.0), 1230);
  EXPECT_EQ(LwForhold(1235.0, 1.0), 1240);
  EXPECT_EQ(LwForhold(1245.0, 1.0), 1240);
  EXPECT_EQ(LwForhold(1234.6, -1.0), 1230);  // upward: the same positive ratio
  // No lateral deflection (roof angle 0, no snow) gives the ratio that never
  // lowers the summary's smallest value; so does one too small to count.
  EXPECT_EQ(LwForhold(6000, 0.0), 100000);
  EXPECT_EQ(LwForhold(6000, 1e-300), 100000);
  EXPECT_EQ(TResume{}.LwMindst, 100000);
}

TEST(Resume, TvaerUdbojningAfHaandregning) {
  // w = u·tan(v)·(h/b)²: u = 10 mm, 45° (tan ≈ 0,99999867 with π = 3,14159),
  // h/b = 200/100 → 39,99995 mm.
  EXPECT_NAER(TvaerUdbojning(10, 45, 200, 100), 39.99995, 1e-6);
  EXPECT_EQ(TvaerUdbojning(10, 0, 200, 100), 0.0);
  EXPECT_EQ(TvaerUdbojning(10, 30, 200, 0), 0.0);
}

}  // namespace
}  // namespace kvistor
