// Wind directions, zone rectangles on the roof and the gable walls, pressure
// or suction per case, and the consistency messages.
#include <gtest/gtest.h>

#include <string>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "loads/vindzoner.h"

namespace kvistor {
namespace {

void ForventRektangel(const TZoneRektangel& r, double y1, double y2, double x1, double x2) {
  EXPECT_NAER(r.y1, y1);
  EXPECT_NAER(r.y2, y2);
  EXPECT_NAER(r.x1, x1);
  EXPECT_NAER(r.x2, x2);
}

void ForventTom(const TZoneRektangel& r) {
  EXPECT_FALSE(r.Findes());
  EXPECT_EQ(r.y1, 0.0);
  EXPECT_EQ(r.y2, 0.0);
  EXPECT_EQ(r.x1, 0.0);
  EXPECT_EQ(r.x2, 0.0);
}

TEST(VindZoner, RetningAfTilfaeldetsBogstav) {
  EXPECT_EQ(VindRetning('a'), RetningVest);
  EXPECT_EQ(VindRetning('i'), RetningVest);
  EXPECT_EQ(VindRetning('j'), RetningNord);
  EXPECT_EQ(VindRetning('l'), RetningNord);
  EXPECT_EQ(VindRetning('m'), RetningOest);
  EXPECT_EQ(VindRetning('u'), RetningOest);
  EXPECT_EQ(VindRetning('v'), RetningSyd);
  EXPECT_EQ(VindRetning('x'), RetningSyd);
  EXPECT_EQ(VindRetning('y'), RetningVest);
  EXPECT_EQ(VindRetning('A'), RetningVest);
}

// Bt = 12, Lt = 30, h = 6: u = 1, B = 10, g = 1, L = 28.
TEST(VindZoner, TagzonerForVestenvind) {
  TSkriptetDialog d;
  auto z = [&](char omr) { return VindlastOmraade09(d, omr, 'a', 0, 1, 1, 28, 10, 6); };
  // e = 12, e10 = 1,2, e4 = 3 (worked example).
  ForventRektangel(z('F'), 0, 1.2, 27, 30);
  ForventRektangel(z('K'), 0, 1.2, 0, 3);
  ForventRektangel(z('G'), 0, 1.2, 3, 27);
  ForventRektangel(z('H'), 1.2, 6, 0, 30);
  ForventRektangel(z('J'), 6, 7.2, 0, 30);
  ForventRektangel(z('I'), 7.2, 12, 0, 30);
  ForventRektangel(z('D'), 0, 1, 0, 30);
  ForventRektangel(z('E'), 11, 12, 0, 30);
  ForventRektangel(z('N'), 1, 11, 1, 29);
  // ew = min(12, 28) = 12 > B: '1' [1, 3,4]; 'B' reaches past the roof and
  // is clipped at Bt; 'C' would run backwards and is dropped.
  ForventRektangel(z('1'), 1, 3.4, 29, 30);
  ForventRektangel(z('2'), 1, 3.4, 0, 1);
  ForventRektangel(z('B'), 3.4, 12, 29, 30);
  ForventRektangel(z('L'), 3.4, 12, 0, 1);
  ForventTom(z('C'));
  ForventTom(z('M'));
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindZoner, TagzonerForOestenvindErSpejlbilledet) {
  TSkriptetDialog d;
  auto z = [&](char omr) { return VindlastOmraade09(d, omr, 'm', 0, 1, 1, 28, 10, 6); };
  ForventRektangel(z('F'), 10.8, 12, 27, 30);
  ForventRektangel(z('H'), 6, 10.8, 0, 30);
  ForventRektangel(z('J'), 4.8, 6, 0, 30);
  ForventRektangel(z('I'), 0, 4.8, 0, 30);
  ForventRektangel(z('1'), 8.6, 11, 29, 30);
  ForventRektangel(z('B'), 0, 8.6, 29, 30);  // [−1, 8,6] clipped at the west edge
  ForventTom(z('C'));
}

TEST(VindZoner, TagzonerForNordenvindOgSydenvind) {
  TSkriptetDialog d;
  // Along the ridge: e = min(12, Bt) = 12, e10 = 1,2, e4 = 3, e2 = 6;
  // ew = 12 < L, so all overhang zones have area.
  auto n = [&](char omr) { return VindlastOmraade09(d, omr, 'j', 0, 1, 1, 28, 10, 6); };
  ForventRektangel(n('F'), 0, 3, 28.8, 30);
  ForventRektangel(n('K'), 9, 12, 28.8, 30);
  ForventRektangel(n('G'), 3, 9, 28.8, 30);
  ForventRektangel(n('H'), 0, 12, 24, 28.8);
  ForventRektangel(n('I'), 0, 12, 0, 24);
  ForventTom(n('J'));  // no zone J in wind along the ridge
  ForventRektangel(n('D'), 0, 12, 29, 30);
  ForventRektangel(n('E'), 0, 12, 0, 1);
  ForventRektangel(n('1'), 0, 1, 26.6, 29);
  ForventRektangel(n('B'), 0, 1, 17, 26.6);
  ForventRektangel(n('C'), 0, 1, 1, 17);
  ForventRektangel(n('L'), 11, 12, 17, 26.6);
  ForventRektangel(n('M'), 11, 12, 1, 17);

  auto s = [&](char omr) { return VindlastOmraade09(d, omr, 'v', 0, 1, 1, 28, 10, 6); };
  ForventRektangel(s('F'), 0, 3, 0, 1.2);
  ForventRektangel(s('I'), 0, 12, 6, 30);
  ForventTom(s('J'));
  ForventRektangel(s('E'), 0, 12, 29, 30);
  ForventRektangel(s('1'), 0, 1, 1, 3.4);
  ForventRektangel(s('M'), 11, 12, 13, 29);
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindZoner, KortBygningKlippesTilTaget) {
  TSkriptetDialog d;
  // L = 8, B = 10, h = 6, g = u = 0,5: Bt = 11, Lt = 9, ew = min(12, 10) = 10.
  // Wind from the north: 'B' would start at −1,5 and 'C', 'M' run from 0,5
  // back to −1,5; clipped, 'B' starts at the south tip and 'C', 'M' vanish.
  auto n = [&](char omr) { return VindlastOmraade09(d, omr, 'k', 0, 0.5, 0.5, 8, 10, 6); };
  ForventRektangel(n('1'), 0, 0.5, 6.5, 8.5);
  ForventRektangel(n('B'), 0, 0.5, 0, 6.5);
  ForventRektangel(n('L'), 10.5, 11, 0, 6.5);
  ForventTom(n('C'));
  ForventTom(n('M'));
  // Roof zones stay within the roof: e = min(12, 11) = 11, e10 = 1,1, e2 = 5,5.
  ForventRektangel(n('H'), 0, 11, 3.5, 7.9);
  ForventRektangel(n('I'), 0, 11, 0, 3.5);
  // Wind from the south: 'B' [2,5, 10,5] ends at the north tip.
  auto s = [&](char omr) { return VindlastOmraade09(d, omr, 'w', 0, 0.5, 0.5, 8, 10, 6); };
  ForventRektangel(s('B'), 0, 0.5, 2.5, 9);
  ForventTom(s('C'));
  ForventTom(s('M'));
  // Every zone, every case: never reversed, never outside the roof.
  for (char c = 'a'; c <= 'x'; ++c)
    for (const char* z = TagZoner; *z; ++z) {
      const TZoneRektangel r = VindlastOmraade09(d, *z, c, 0, 0.5, 0.5, 8, 10, 6);
      if (!r.Findes()) continue;
      EXPECT_GE(r.y1, 0.0);
      EXPECT_LE(r.y2, 11.0);
      EXPECT_GE(r.x1, 0.0);
      EXPECT_LE(r.x2, 9.0);
    }
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindZoner, LangSmalBygningKlippesPaaTvaers) {
  TSkriptetDialog d;
  // L = 100, B = 10, u = 0,5, g = 0, h = 20: ew = 40 is four times the width.
  auto z = [&](char omr) { return VindlastOmraade09(d, omr, 'b', 0, 0, 0.5, 100, 10, 20); };
  ForventTom(z('1'));  // no gable overhang: no area
  ForventTom(z('B'));
  ForventTom(z('C'));
  // e = 40, e10 = min(5,5, 4) = 4, e4 = 10.
  ForventRektangel(z('F'), 0, 4, 90, 100);
  ForventRektangel(z('H'), 4, 5.5, 0, 100);
  // With a gable overhang: '1' = [0,5, 8,5], 'B' [8,5, 40,5] clipped to Bt.
  auto m = [&](char omr) { return VindlastOmraade09(d, omr, 'b', 0, 0.3, 0.5, 100, 10, 20); };
  ForventRektangel(m('1'), 0.5, 8.5, 100.3, 100.6);
  ForventRektangel(m('B'), 8.5, 11, 100.3, 100.6);
  ForventTom(m('C'));
  ForventTom(m('M'));
  // Along the ridge the long building keeps all its zones.
  auto n = [&](char omr) { return VindlastOmraade09(d, omr, 'j', 0, 0.3, 0.5, 100, 10, 20); };
  ForventRektangel(n('C'), 0, 0.5, 0.3, 60.3);
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindZoner, TrykEllerSugPrTilfaelde) {
  TSkriptetDialog d;
  // Case b: suction on the roof, pressure on the '1' side, internal pressure.
  EXPECT_TRUE(TrykSugTilf98(d, 'F', 'b'));
  EXPECT_TRUE(TrykSugTilf98(d, 'J', 'b'));
  EXPECT_FALSE(TrykSugTilf98(d, '1', 'b'));
  EXPECT_TRUE(TrykSugTilf98(d, 'L', 'b'));
  EXPECT_FALSE(TrykSugTilf98(d, 'N', 'b'));
  // Case a: pressure on the roof, internal suction.
  EXPECT_FALSE(TrykSugTilf98(d, 'G', 'a'));
  EXPECT_TRUE(TrykSugTilf98(d, 'C', 'a'));
  EXPECT_TRUE(TrykSugTilf98(d, 'N', 'a'));
  // Case d: F..K pressure, I and J suction.
  EXPECT_FALSE(TrykSugTilf98(d, 'K', 'd'));
  EXPECT_TRUE(TrykSugTilf98(d, 'I', 'd'));
  // Case l (north): '2' side pressure, '1' side suction; case x likewise.
  EXPECT_TRUE(TrykSugTilf98(d, 'C', 'l'));
  EXPECT_FALSE(TrykSugTilf98(d, '2', 'x'));
  // Case u (east): F..K suction, I/J pressure, internal suction.
  EXPECT_TRUE(TrykSugTilf98(d, 'H', 'u'));
  EXPECT_FALSE(TrykSugTilf98(d, 'J', 'u'));
  EXPECT_TRUE(TrykSugTilf98(d, 'N', 'u'));
  // D always pressure, E always suction.
  for (char c = 'a'; c <= 'x'; ++c) {
    EXPECT_FALSE(TrykSugTilf98(d, 'D', c));
    EXPECT_TRUE(TrykSugTilf98(d, 'E', c));
  }
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
  ForventTom(r);

  // An unknown case letter goes on as west wind.
  TSkriptetDialog d2;
  r = VindlastOmraade09(d2, 'D', 'z', 0, 1, 1, 28, 10, 6);
  ForventRektangel(r, 0, 1, 0, 30);
  ASSERT_EQ(d2.kald.size(), 1u);

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
  // u = 1, B = 10, L = 28, h = 6: e = 12 exceeds the wall's width.
  auto g = [](char omr, char c) { return GavlZone(omr, c, 1, 28, 10, 6); };
  auto forvent = [](const TGavlInterval& iv, double a1, double a2) {
    EXPECT_NAER(iv.a1, a1);
    EXPECT_NAER(iv.a2, a2);
  };
  forvent(g('1', 'b'), 1, 3.4);
  forvent(g('B', 'b'), 3.4, 11);  // [3,4, 13] clipped
  forvent(g('C', 'b'), 1, 1);     // [13, 11] would run backwards: empty
  EXPECT_FALSE(g('C', 'b').Findes());
  forvent(g('D', 'b'), 1, 1);
  forvent(g('N', 'b'), 1, 11);
  forvent(g('1', 'n'), 8.6, 11);
  forvent(g('L', 'n'), 1, 8.6);  // [−1, 8,6] clipped
  forvent(g('M', 'n'), 1, 1);
  forvent(g('D', 'j'), 1, 11);
  forvent(g('E', 'w'), 1, 11);
  forvent(g('1', 'w'), 1, 1);
  forvent(g('F', 'a'), 1, 1);
  // A wide wall keeps all three zones: B = 30, e = 12.
  auto w = [](char omr, char c) { return GavlZone(omr, c, 0.5, 28, 30, 6); };
  forvent(w('1', 'a'), 0.5, 2.9);
  forvent(w('B', 'a'), 2.9, 12.5);
  forvent(w('C', 'a'), 12.5, 30.5);
  forvent(w('C', 'm'), 0.5, 18.5);
  forvent(w('2', 'm'), 28.1, 30.5);
  // e = min(2h, L): a short building limits the zones to its length.
  forvent(GavlZone('1', 'a', 0.5, 5, 30, 6), 0.5, 1.5);
}

}  // namespace
}  // namespace kvistor
