// Whole-number rounding (ties to even), the clock, and Format and
// FormaterFast: the Danish number settings, the exact-decimal rounding half
// away from zero, widths, and faulty formats or arguments.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

#include "common/afrunding.h"
#include "common/format.h"
#include "common/ur.h"

namespace kvistor {
namespace {

TEST(Round, HalveTilLigeTalOgKlemning) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct { double x; long long ventet; } fald[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {-2.6, -3},
      // The largest double below 0.5: floor(x + 0.5) would wrongly give 1.
      {0.49999999999999994, 0},
      // 2^52 + 1: adding 0.5 would round the sum itself.
      {4503599627370497.0, 4503599627370497LL},
      // Outside the range: clamped; NaN: 0. 2^63 is just outside, the largest
      // double below it is whole and fits.
      {inf, LLONG_MAX}, {-inf, LLONG_MIN}, {-1e300, LLONG_MIN}, {std::nan(""), 0},
      {9223372036854775808.0, LLONG_MAX}, {-9223372036854775808.0, LLONG_MIN},
      {9223372036854774784.0, 9223372036854774784LL}};
  for (const auto& f : fald) EXPECT_EQ(Round(f.x), f.ventet) << f.x;
  // Metres to mm: 0.0125 * 1000 and 0.0135 * 1000 are ties in doubles.
  EXPECT_EQ(TilMm(7.2), 7200);
  EXPECT_EQ(TilMm(0.0125), 12);
  EXPECT_EQ(TilMm(0.0135), 14);
}

TEST(Ur, SystemUrTaellerFraEt) {
  // Months and days count from 1 and the year is the full year.
  const TTidspunkt nu = TSystemUr().Nu();
  EXPECT_GE(nu.aar, 2024);
  EXPECT_TRUE(nu.maaned >= 1 && nu.maaned <= 12 && nu.dag >= 1 && nu.dag <= 31);
  EXPECT_TRUE(nu.time <= 23 && nu.minut <= 59 && nu.sekund <= 59);
}

struct TalFald {
  const char* fmt;
  double x;
  const char* ventet;
};

void ForventFald(std::initializer_list<TalFald> fald) {
  for (const auto& f : fald) EXPECT_EQ(Format(f.fmt, {f.x}), f.ventet) << f.fmt << " " << f.x;
}

TEST(Format, RundingHalvtVaekFraNulPaaDenEksakteVaerdi) {
  ForventFald({
      // 0.125 is exact in binary: a true tie, rounded away from zero.
      {"%4.2f", 0.125, "0,13"}, {"%4.2f", -0.125, "-0,13"},
      // 2.675 is 2.67499999999999982236... (exact expansion): rounds down.
      {"%4.2f", 2.675, "2,67"},
      // 62.5 is exact: ties-to-even would give 62.
      {"%1.0n", 62.5, "63"},
      // 999.995 is 999.99500000000000454...: rounds up and carries into a new digit.
      {"%7.2n", 999.995, "1.000,00"},
      // No minus sign unless a shown digit is not zero.
      {"%5.2n", -0.001, " 0,00"}, {"%5.2n", -0.0, " 0,00"},
      {"%1.0n", -0.4, "0"}, {"%1.0n", -0.5, "-1"},
  });
  EXPECT_EQ(FormaterFast(-0.004, 2, false), "0,00");
}

TEST(Format, TusindtalsPunkterOgDecimalkomma) {
  ForventFald({
      // The minus stands right before the digits, ahead of the first group.
      {"%7.2n", -1234567.891, "-1.234.567,89"}, {"%7.2n", 123.4, " 123,40"},
      {"%7.1n", 100000.04, "100.000,0"},
      // 1234567.5 is exact: rounds up; width 10 leaves one blank.
      {"%10.0n", 1234567.5, " 1.234.568"}, {"%8.0n", -999999.6, "-1.000.000"},
      // f never groups.
      {"%10.2f", -1234567.891, "-1234567,89"},
  });
  EXPECT_EQ(Format("%44.2n", {0.0}), std::string(40, ' ') + "0,00");
  EXPECT_EQ(FormaterFast(1234.5, 2, true), "1.234,50");
  EXPECT_EQ(FormaterFast(1234.5, 2, false), "1234,50");
  // No precision: two decimals, as Delphi does for f and n.
  EXPECT_EQ(Format("%f|%n", {1.5, 1234.5}), "1,50|1.234,50");
}

TEST(Format, BreddeErEtMinimumOgSkaererAldrig) {
  EXPECT_EQ(Format("%*.*f", {2, 1, 3.14159}), "3,1");
  // -3.05 is -3.04999999999999982236...: one decimal gives -3,0.
  EXPECT_EQ(Format("%*.*f", {8, 1, -3.05}), "    -3,0");
  EXPECT_EQ(Format("%5d|%1d|%2d", {-42, 7, 12345}), "  -42|7|12345");
  EXPECT_EQ(Format("%d", {std::numeric_limits<long long>::min()}), "-9223372036854775808");
  EXPECT_EQ(Format("%.3d", {7}), "007");
  EXPECT_EQ(Format("%3d", {std::size_t{12}}), " 12");
  EXPECT_EQ(Format("%d", {~0ULL}), "9223372036854775807");  // clamped, never negative
  // A negative '*' width aligns left.
  EXPECT_EQ(Format("%*d|", {-4, 7}), "7   |");
  // Text is padded and cut by characters, not bytes.
  EXPECT_EQ(Format("%38s", {"Kip — moment"}), std::string(26, ' ') + "Kip — moment");
  EXPECT_EQ(Format("%2s|%-5s|%.2s", {"længere", "æ", "æøå"}), "længere|æ    |æø");
}

TEST(Format, ProcentOgFejlagtigeDirektiver) {
  EXPECT_EQ(Format("Udnyttelse: %5.1n%% af bæreevnen", {99.95}), "Udnyttelse: 100,0% af bæreevnen");
  EXPECT_EQ(Format("ingen direktiver", {1, 2.0}), "ingen direktiver");
  // A missing argument, or one of the wrong kind, is written as the directive;
  // a wrong one still uses up its value.
  EXPECT_EQ(Format("%d og %s", {1}), "1 og %s");
  EXPECT_EQ(Format("%5d %s", {2.5, "x"}), "%5d x");
  EXPECT_EQ(Format("%7.2n|%s", {"tekst", 3}), "%7.2n|%s");
  EXPECT_EQ(Format("%*d|%d", {2.0, 5, 6}), "%*d|6");
  // A whole number to f or n is shown as a number (exactly, even beyond 2^53).
  EXPECT_EQ(Format("%4.2f", {3}), "3,00");
  EXPECT_EQ(Format("%1.0n", {9007199254740993LL}), "9.007.199.254.740.993");
  // Unknown type, unfinished directive.
  EXPECT_EQ(Format("%x %q", {1}), "%x %q");
  EXPECT_EQ(Format("slut %", {}), "slut %");
  EXPECT_EQ(Format("slut %7.2", {1.0}), "slut %7.2");
}

TEST(Format, EkstremeVaerdierGaarIkkeNed) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Format("%7.2n|%4.2f|%4.2f", {std::nan(""), inf, -inf}), "    NAN| INF|-INF");
  const std::string stor = Format("%7.2n", {1e300});
  EXPECT_EQ(stor.substr(0, 9) + stor.substr(stor.size() - 3), "1.000.000,00");
  EXPECT_EQ(stor.size(), 301u + 100u + 3u);  // 301 digits, 100 points, ",00"
  const std::string mindst = Format("%4.2f", {std::numeric_limits<double>::lowest()});
  EXPECT_EQ(mindst.size(), 309u + 4u);
  EXPECT_EQ(mindst.substr(0, 4), "-179");
  EXPECT_EQ(Format("%4.2f", {std::numeric_limits<double>::denorm_min()}), "0,00");
  // Absurd widths and precisions from '*' are capped instead of exhausting memory.
  EXPECT_LE(Format("%*d", {2000000000, 1}).size(), 10000u);
  EXPECT_LE(Format("%.*f", {2000000000, 1.0}).size(), 1000u);
  EXPECT_LE(Format("%99999999999999999999d", {1}).size(), 10000u);
}

TEST(FormaterFast, HurtigVejSomEksakt) {
  // The quick way for up to 6 decimals must give the exact routine's text,
  // ties and minus signs included.
  std::mt19937 g(5);
  std::uniform_real_distribution<double> lille(-2.0, 2.0), stor(-5e6, 5e6);
  std::uniform_int_distribution<long long> hel(-99999999, 99999999);
  for (int i = 0; i < 5000; ++i)
    for (int d = 0; d <= 6; ++d) {
      const double v[] = {lille(g), stor(g), hel(g) / 1e4, (hel(g) + 0.5) / std::pow(10.0, d),
                          hel(g) / 1000.0, std::ldexp(lille(g), -20)};
      for (double x : v)
        for (bool gruppe : {true, false})
          ASSERT_EQ(FormaterFast(x, d, gruppe), FormaterEksakt(x, d, gruppe)) << x << " " << d;
    }
  EXPECT_EQ(FormaterFast(0.00005, 4, true), "0,0001");  // a tie in decimal, above it in binary
  EXPECT_EQ(FormaterFast(-0.00004, 4, true), "0,0000");
  EXPECT_EQ(FormaterFast(1234567.5, 3, true), "1.234.567,500");
  EXPECT_EQ(FormaterFast(1e300, 4, true), FormaterEksakt(1e300, 4, true));
}

}  // namespace
}  // namespace kvistor
