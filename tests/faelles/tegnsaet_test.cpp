// Code page 1252 <-> UTF-8, character counting and padding, line splitting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faelles/tegnsaet.h"

namespace kvistor {
namespace {

using Linjer = std::vector<std::string>;

TEST(Tegnsaet, DanskeBogstaverOgTegnBeggeVeje) {
  const std::string cp = "\xE6\xF8\xE5\xC6\xD8\xC5 \xE9 m\xB2 30\xB0 \x97 \x80 \x85";
  const std::string utf8 = "æøåÆØÅ é m² 30° — € …";
  EXPECT_EQ(Cp1252TilUtf8(cp), utf8);
  EXPECT_EQ(Utf8TilCp1252(utf8), cp);
  EXPECT_EQ(Cp1252TilUtf8("\x97"), "\xE2\x80\x94");  // em dash U+2014
  EXPECT_EQ(Utf8TilCp1252("\xC2\xA0"), "\xA0");      // no-break space
  EXPECT_EQ(Utf8TilCp1252("Š œ ™ ‰ ƒ"), "\x8A \x9C \x99 \x89 \x83");
}

TEST(Tegnsaet, AlleByteVaerdierKommerUaendretTilbage) {
  std::string alle;
  for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252TilUtf8(alle);
  EXPECT_EQ(AntalTegn(utf8), 256u);
  EXPECT_EQ(Utf8TilCp1252(utf8), alle);
  // The bytes 1252 leaves undefined become the C1 control of the same number.
  EXPECT_EQ(Cp1252TilUtf8("\x81"), "\xC2\x81");
  EXPECT_EQ(Cp1252TilUtf8("\x9D"), "\xC2\x9D");
}

TEST(Tegnsaet, TegnUden1252ByteOgFejlagtigUtf8BliverSpoergsmaalstegn) {
  EXPECT_EQ(Utf8TilCp1252("a→b"), "a?b");
  EXPECT_EQ(Utf8TilCp1252("漢"), "?");
  EXPECT_EQ(Utf8TilCp1252("\xF0\x9F\x98\x80"), "?");  // U+1F600, one character
  EXPECT_EQ(Utf8TilCp1252("\xC2\x80"), "?");  // U+0080 is 0x80's C1, not the euro sign
  // One '?' per bad byte.
  EXPECT_EQ(Utf8TilCp1252("\xC3"), "?");             // cut short at the end
  EXPECT_EQ(Utf8TilCp1252("a\xC3(b"), "a?(b");       // lead byte without continuation
  EXPECT_EQ(Utf8TilCp1252("\xE2\x82"), "??");        // three-byte form cut short
  EXPECT_EQ(Utf8TilCp1252("\xFF\xFE"), "??");
  EXPECT_EQ(Utf8TilCp1252("\xC0\xAF"), "??");        // overlong '/'
  EXPECT_EQ(Utf8TilCp1252("\xED\xA0\x80"), "???");   // surrogate half
  EXPECT_EQ(Utf8TilCp1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
  EXPECT_EQ(Utf8TilCp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Tegnsaet, TegnTaellesIkkeBytes) {
  EXPECT_EQ(AntalTegn("æøå"), 3u);
  EXPECT_EQ(AntalTegn("Åse — 2"), 7u);
  EXPECT_EQ(AntalTegn(""), 0u);
  EXPECT_EQ(AntalTegn("\xC3"), 1u);  // a bad byte counts as the '?' it becomes
  EXPECT_EQ(UdfyldHoejre("æ", 3), "æ  ");
  EXPECT_EQ(UdfyldVenstre("æø", 4), "  æø");
  EXPECT_EQ(UdfyldVenstre("længere", 2), "længere");
  EXPECT_EQ(UdfyldHoejre("længere", 0), "længere");
  EXPECT_EQ(KlipTilTegn("æøå", 2), "æø");
  EXPECT_EQ(KlipTilTegn("æ", 5), "æ");
}

TEST(Linjer, DelesVedCrLfCrOgLf) {
  EXPECT_EQ(DelLinjer("a\r\nb\rc\nd"), (Linjer{"a", "b", "c", "d"}));
  EXPECT_EQ(DelLinjer("a\r\n"), (Linjer{"a"}));
  EXPECT_EQ(DelLinjer("a"), (Linjer{"a"}));
  EXPECT_EQ(DelLinjer(""), Linjer{});
  EXPECT_EQ(DelLinjer("\r\n\r\n"), (Linjer{"", ""}));
  EXPECT_EQ(DelLinjer("a\n\rb"), (Linjer{"a", "", "b"}));  // LF CR is two breaks
  EXPECT_EQ(DelLinjer("a\r\r\nb"), (Linjer{"a", "", "b"}));
  EXPECT_EQ(DelLinjer(std::string("x\0y\n", 4)), (Linjer{std::string("x\0y", 3)}));
}

TEST(Linjer, SamlesMedCrLfOgEtAfsluttendeCrLf) {
  EXPECT_EQ(SamlLinjerCrLf({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(SamlLinjerCrLf({""}), "\r\n");
  EXPECT_EQ(SamlLinjerCrLf({}), "");
  const Linjer l{"første", "", "sidste —"};
  EXPECT_EQ(DelLinjer(SamlLinjerCrLf(l)), l);
}

}  // namespace
}  // namespace kvistor
