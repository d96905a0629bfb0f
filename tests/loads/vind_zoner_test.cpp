// Wind directions, zone rectangles on the roof and the gable walls, pressure
// or suction per case, and the consistency messages.
#include <gtest/gtest.h>

#include <string>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "loads/vindzoner.h"

namespace kvistor {
namespace {

using test::Naer;

// A zone's expected rectangle, across [y1, y2] and along [x1, x2]; all four
// 0 for a zone without area.
struct Zone {
  char omr, tilf;
  double y1, y2, x1, x2;
};

// The rectangles for gable overhang g, eaves overhang u, length L, width B
// and height h, without any message.
void ForventZoner(double g, double u, double L, double B, double h,
                  std::initializer_list<Zone> tabel) {
  TSkriptetDialog d;
  for (const Zone& z : tabel) {
    SCOPED_TRACE(std::string(1, z.omr) + ' ' + z.tilf);
    const TZoneRektangel r = VindlastOmraade09(d, z.omr, z.tilf, 0, g, u, L, B, h);
    EXPECT_TRUE(Naer(r.y1, z.y1) && Naer(r.y2, z.y2) && Naer(r.x1, z.x1) && Naer(r.x2, z.x2))
        << "[" << r.y1 << ", " << r.y2 << "] x [" << r.x1 << ", " << r.x2 << "]";
    EXPECT_EQ(r.Findes(), z.y2 > z.y1);
  }
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindZoner, RetningAfTilfaeldetsBogstav) {
  for (char c : {'a', 'i', 'y', 'A'}) EXPECT_EQ(VindRetning(c), RetningVest) << c;
  for (char c : {'j', 'l'}) EXPECT_EQ(VindRetning(c), RetningNord) << c;
  for (char c : {'m', 'u'}) EXPECT_EQ(VindRetning(c), RetningOest) << c;
  for (char c : {'v', 'x'}) EXPECT_EQ(VindRetning(c), RetningSyd) << c;
}

TEST(VindZoner, TagzonerForDeFireRetninger) {
  // Bt = 12, Lt = 30, h = 6: u = 1, B = 10, g = 1, L = 28.
  ForventZoner(1, 1, 28, 10, 6, {
      // West: e = 12, e10 = 1,2, e4 = 3 (worked example). ew = min(12, 28)
      // = 12 > B: 'B' reaches past the roof and is clipped at Bt; 'C' would
      // run backwards and is dropped.
      {'F', 'a', 0, 1.2, 27, 30},    {'H', 'a', 1.2, 6, 0, 30},
      {'J', 'a', 6, 7.2, 0, 30},     {'1', 'a', 1, 3.4, 29, 30},
      {'B', 'a', 3.4, 12, 29, 30},   {'C', 'a', 0, 0, 0, 0},
      // East is the mirror image; 'B' [−1, 8,6] is clipped at the west edge.
      {'F', 'm', 10.8, 12, 27, 30},  {'B', 'm', 0, 8.6, 29, 30},
      {'C', 'm', 0, 0, 0, 0},
      // North, along the ridge: e = min(12, Bt) = 12, e10 = 1,2, e4 = 3,
      // e2 = 6; ew = 12 < L, so all overhang zones have area. No zone J.
      {'F', 'j', 0, 3, 28.8, 30},    {'H', 'j', 0, 12, 24, 28.8},
      {'I', 'j', 0, 12, 0, 24},      {'J', 'j', 0, 0, 0, 0},
      {'1', 'j', 0, 1, 26.6, 29},    {'C', 'j', 0, 1, 1, 17},
      // South.
      {'F', 'v', 0, 3, 0, 1.2},      {'I', 'v', 0, 12, 6, 30},
      {'1', 'v', 0, 1, 1, 3.4},
  });
}

TEST(VindZoner, KortBygningKlippesTilTaget) {
  // L = 8, B = 10, h = 6, g = u = 0,5: Bt = 11, Lt = 9, ew = min(12, 10) = 10.
  // Wind from the north: 'B' would start at −1,5 and 'C', 'M' run from 0,5
  // back to −1,5; clipped, 'B' starts at the south tip and 'C', 'M' vanish.
  // Roof zones stay within the roof: e = min(12, 11) = 11, e10 = 1,1, e2 = 5,5.
  // Wind from the south: 'B' [2,5, 10,5] ends at the north tip.
  ForventZoner(0.5, 0.5, 8, 10, 6, {
      {'1', 'k', 0, 0.5, 6.5, 8.5},  {'B', 'k', 0, 0.5, 0, 6.5},
      {'C', 'k', 0, 0, 0, 0},        {'M', 'k', 0, 0, 0, 0},
      {'H', 'k', 0, 11, 3.5, 7.9},   {'B', 'w', 0, 0.5, 2.5, 9},
      {'C', 'w', 0, 0, 0, 0},
  });
  // Every zone, every case: never reversed, never outside the roof.
  TSkriptetDialog d;
  for (char c = 'a'; c <= 'x'; ++c)
    for (const char* z = TagZoner; *z; ++z) {
      const TZoneRektangel r = VindlastOmraade09(d, *z, c, 0, 0.5, 0.5, 8, 10, 6);
      if (!r.Findes()) continue;
      EXPECT_TRUE(r.y1 >= 0 && r.y2 <= 11 && r.x1 >= 0 && r.x2 <= 9) << *z << c;
    }
}

TEST(VindZoner, LangSmalBygningKlippesPaaTvaers) {
  // L = 100, B = 10, u = 0,5, h = 20: ew = 40 is four times the width.
  // Without a gable overhang '1' has no area; e = 40, e10 = min(5,5, 4) = 4.
  ForventZoner(0, 0.5, 100, 10, 20, {{'1', 'b', 0, 0, 0, 0}, {'H', 'b', 4, 5.5, 0, 100}});
  // With a gable overhang: '1' = [0,5, 8,5], 'B' [8,5, 40,5] clipped to Bt.
  // Along the ridge the long building keeps all its zones.
  ForventZoner(0.3, 0.5, 100, 10, 20, {
      {'1', 'b', 0.5, 8.5, 100.3, 100.6},  {'B', 'b', 8.5, 11, 100.3, 100.6},
      {'C', 'b', 0, 0, 0, 0},              {'M', 'b', 0, 0, 0, 0},
      {'C', 'j', 0, 0.5, 0.3, 60.3},
  });
}

TEST(VindZoner, TrykEllerSugPrTilfaelde) {
  TSkriptetDialog d;
  // Spot checks of the cases that differ from a and b (true = suction); D
  // always takes pressure, E always suction.
  EXPECT_TRUE(!TrykSugTilf98(d, 'K', 'd') && TrykSugTilf98(d, 'I', 'd'));
  EXPECT_TRUE(TrykSugTilf98(d, 'C', 'l') && !TrykSugTilf98(d, '2', 'x'));
  EXPECT_TRUE(!TrykSugTilf98(d, 'J', 'u') && TrykSugTilf98(d, 'N', 'u'));
  for (char c = 'a'; c <= 'x'; ++c)
    EXPECT_TRUE(!TrykSugTilf98(d, 'D', c) && TrykSugTilf98(d, 'E', c)) << c;
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindZoner, UgyldigeArgumenterMeldesOgRutinenFortsaetter) {
  TSkriptetDialog d;
  TZoneRektangel r = VindlastOmraade09(d, 'A', 'y', -0.1, -2, -0.25, 0, -10, 0);
  const std::vector<std::string> forventet = {
      "procedure VindlastOmraade09: Ugyldig tagkiphøjde: 0.00. Skal være større end 0.",
      "procedure VindlastOmraade09: Ugyldig huskropbredde: -10.00. Skal være større end 0.",
      "procedure VindlastOmraade09: Ugyldig huskroplængde: 0.00. Skal være større end 0.",
      "procedure VindlastOmraade09: Ugyldigt facadeudhæng: -0.25. Skal være større end eller "
      "lig med 0.",
      "procedure VindlastOmraade09: Ugyldigt gavludhæng: -2.00. Skal være større end eller lig "
      "med 0.",
      "procedure VindlastOmraade09: Ugyldig vægtykkelse: -0.10. Skal være større end eller lig "
      "med 0.",
      "procedure VindlastOmraade09: Ugyldigt område: A. Skal være 1, 2 eller i intervallet B til "
      "N.",
      "procedure VindlastOmraade09: Ugyldigt vindtilfælde: y. Skal være i intervallet a til x.",
  };
  EXPECT_EQ(d.Tekster("Fejl"), forventet);
  EXPECT_EQ(d.kald.size(), forventet.size());
  EXPECT_FALSE(r.Findes());
  EXPECT_EQ(r.y1 + r.y2 + r.x1 + r.x2, 0.0);

  // An unknown case letter goes on as west wind.
  TSkriptetDialog d2;
  r = VindlastOmraade09(d2, 'D', 'z', 0, 1, 1, 28, 10, 6);
  EXPECT_NAER(r.y2, 1.0);
  EXPECT_NAER(r.x2, 30.0);
  EXPECT_EQ(d2.kald.size(), 1u);

  TSkriptetDialog d3;
  EXPECT_FALSE(TrykSugTilf98(d3, 'A', 'a'));
  EXPECT_FALSE(TrykSugTilf98(d3, 'F', 'z'));
  EXPECT_TRUE(TrykSugTilf98(d3, 'E', 'z'));
  EXPECT_FALSE(TrykSugTilf98(d3, 'D', '?'));
  const std::vector<std::string> forventet3 = {
      "function TrykSugTilf98: Ugyldigt område: A",
      "function TrykSugTilf98: Ugyldigt vindtilfælde: z",
      "function TrykSugTilf98: Ugyldigt vindtilfælde: z",
      "function TrykSugTilf98: Ugyldigt vindtilfælde: ?",
  };
  EXPECT_EQ(d3.Tekster("Fejl"), forventet3);
}

TEST(VindZoner, GavlzonerKlippesTilVaeggen) {
  struct {
    char omr, tilf;
    double u, L, B, a1, a2;
  } const tabel[] = {
      // u = 1, B = 10, L = 28, h = 6: e = 12 exceeds the wall's width.
      // 'B' [3,4, 13] and 'L' [−1, 8,6] are clipped; 'C' [13, 11] would run
      // backwards and is empty; 'D' only in wind along the ridge; a roof
      // zone has no area on a wall.
      {'B', 'b', 1, 28, 10, 3.4, 11},   {'C', 'b', 1, 28, 10, 1, 1},
      {'L', 'n', 1, 28, 10, 1, 8.6},    {'D', 'b', 1, 28, 10, 1, 1},
      {'D', 'j', 1, 28, 10, 1, 11},     {'F', 'a', 1, 28, 10, 1, 1},
      // A wide wall keeps all three zones: B = 30, e = 12.
      {'1', 'a', 0.5, 28, 30, 0.5, 2.9},   {'B', 'a', 0.5, 28, 30, 2.9, 12.5},
      {'C', 'a', 0.5, 28, 30, 12.5, 30.5}, {'C', 'm', 0.5, 28, 30, 0.5, 18.5},
      {'2', 'm', 0.5, 28, 30, 28.1, 30.5},
      // e = min(2h, L): a short building limits the zones to its length.
      {'1', 'a', 0.5, 5, 30, 0.5, 1.5},
  };
  for (const auto& r : tabel) {
    SCOPED_TRACE(std::string(1, r.omr) + ' ' + r.tilf);
    const TGavlInterval iv = GavlZone(r.omr, r.tilf, r.u, r.L, r.B, 6);
    EXPECT_NAER(iv.a1, r.a1);
    EXPECT_NAER(iv.a2, r.a2);
    EXPECT_EQ(iv.Findes(), r.a2 > r.a1);
  }
}

}  // namespace
}  // namespace kvistor
