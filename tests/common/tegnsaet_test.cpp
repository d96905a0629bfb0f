// Code page 1252 <-> UTF-8, character counting and padding, line splitting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/tegnsaet.h"

namespace kvistor {
namespace {

using Linjer = std::vector<std::string>;

TEST(Tegnsaet, DanskeBogstaverOgTegnBeggeVeje) {
  const std::string cp =
      "\xE6\xF8\xE5\xC6\xD8\xC5 \xE9 m\xB2 30\xB0 \x97 \x80 \x85 \x8A\x9C\x99\x89\x83";
  const std::string utf8 = "æøåÆØÅ é m² 30° — € … Šœ™‰ƒ";
  EXPECT_EQ(Cp1252TilUtf8(cp), utf8);
  EXPECT_EQ(Utf8TilCp1252(utf8), cp);
  // Every byte comes back; those 1252 leaves undefined become the C1 control
  // of the same number.
  std::string alle;
  for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
  EXPECT_EQ(AntalTegn(Cp1252TilUtf8(alle)), 256u);
  EXPECT_EQ(Utf8TilCp1252(Cp1252TilUtf8(alle)), alle);
  EXPECT_EQ(Cp1252TilUtf8("\x81"), "\xC2\x81");
}

TEST(Tegnsaet, TegnUden1252ByteOgFejlagtigUtf8BliverSpoergsmaalstegn) {
  const struct { std::string ind, ud; } fald[] = {
      {"a→b", "a?b"}, {"\xF0\x9F\x98\x80", "?"},  // U+1F600, one character
      {"\xC2\x80", "?"},                          // U+0080 is 0x80's C1, not the euro sign
      // One '?' per bad byte.
      {"a\xC3(b", "a?(b"},                        // lead byte without continuation
      {"\xE2\x82", "??"},                         // three-byte form cut short at the end
      {"\xFF\xFE", "??"}, {"\xC0\xAF", "??"},     // overlong '/'
      {"\xED\xA0\x80", "???"},                    // surrogate half
      {"\xF4\x90\x80\x80", "????"},               // beyond U+10FFFF
      {std::string("a\0b", 3), std::string("a\0b", 3)}};
  for (const auto& f : fald) EXPECT_EQ(Utf8TilCp1252(f.ind), f.ud) << f.ind;
}

TEST(Tegnsaet, RensTekstGiverBlankeForStyretegnOgSpoergsmaalstegnForFejlbytes) {
  EXPECT_EQ(RensTekst("A/S\r\nÅse\t\x01\x7F\xC2\x85|\xFF\xC3"), "A/S  Åse    |??");
  // The line and paragraph separators and the bidirectional controls would
  // break or reorder a report line just the same.
  EXPECT_EQ(RensTekst("a\u2028b\u2029c\u202Ad\u202Ee\u2066f\u2069g\u2065h\u202Fi\u2027j"),
            "a b c d e f g\u2065h\u202Fi\u2027j");
}

TEST(Tegnsaet, TegnTaellesIkkeBytes) {
  EXPECT_EQ(AntalTegn("Åse — 2"), 7u);
  EXPECT_EQ(AntalTegn("\xC3"), 1u);  // a bad byte counts as the '?' it becomes
  EXPECT_EQ(UdfyldHoejre("æ", 3), "æ  ");
  EXPECT_EQ(UdfyldVenstre("æø", 4), "  æø");
  EXPECT_EQ(UdfyldVenstre("længere", 2), "længere");
  EXPECT_EQ(KlipTilTegn("æøå", 2), "æø");
  EXPECT_EQ(KlipTilTegn("æ", 5), "æ");
}

TEST(Linjer, DelesVedCrLfCrOgLfOgSamlesMedCrLf) {
  EXPECT_EQ(DelLinjer("a\r\nb\rc\nd"), (Linjer{"a", "b", "c", "d"}));
  EXPECT_EQ(DelLinjer("a\r\n"), (Linjer{"a"}));
  EXPECT_EQ(DelLinjer(""), Linjer{});
  EXPECT_EQ(DelLinjer("\r\n\r\n"), (Linjer{"", ""}));
  EXPECT_EQ(DelLinjer("a\n\rb"), (Linjer{"a", "", "b"}));  // LF CR is two breaks
  EXPECT_EQ(DelLinjer("a\r\r\nb"), (Linjer{"a", "", "b"}));
  EXPECT_EQ(DelLinjer(std::string("x\0y\n", 4)), (Linjer{std::string("x\0y", 3)}));
  EXPECT_EQ(SamlLinjerCrLf({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(SamlLinjerCrLf({""}), "\r\n");
  EXPECT_EQ(SamlLinjerCrLf({}), "");
}

}  // namespace
}  // namespace kvistor
