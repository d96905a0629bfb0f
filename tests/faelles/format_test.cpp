// Format and FormaterFast: the Danish number settings, the exact-decimal
// rounding half away from zero, widths, and faulty formats or arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "faelles/format.h"

namespace kvistor {
namespace {

TEST(Format, RundingHalvtVaekFraNulPaaDenEksakteVaerdi) {
  // 0.125 is exact in binary: a true tie, rounded away from zero.
  EXPECT_EQ(Format("%4.2f", {0.125}), "0,13");
  EXPECT_EQ(Format("%4.2f", {-0.125}), "-0,13");
  // 2.675 is 2.67499999999999982236... (exact expansion): rounds down.
  EXPECT_EQ(Format("%4.2f", {2.675}), "2,67");
  // 1.005 is 1.00499999999999989341...: rounds down.
  EXPECT_EQ(Format("%4.2f", {1.005}), "1,00");
  // 62.5 is exact: ties-to-even would give 62.
  EXPECT_EQ(Format("%1.0n", {62.5}), "63");
  EXPECT_EQ(Format("%2.0f", {0.5}), " 1");
  EXPECT_EQ(Format("%2.0f", {-2.5}), "-3");
  // 999.995 is 999.99500000000000454...: rounds up and carries into a new digit.
  EXPECT_EQ(Format("%7.2n", {999.995}), "1.000,00");
  // 9.995 is 9.99499999999999921840...: stays below.
  EXPECT_EQ(Format("%4.2f", {9.995}), "9,99");
  // -1234.565 is -1234.56500000000005456...: away from zero.
  EXPECT_EQ(Format("%7.2n", {-1234.565}), "-1.234,57");
  EXPECT_EQ(Format("%4.3f", {0.0005}), "0,001");
}

TEST(Format, MinustegnKunNaarEtVistCifferIkkeErNul) {
  EXPECT_EQ(Format("%5.2n", {-0.001}), " 0,00");
  EXPECT_EQ(Format("%5.2n", {-0.006}), "-0,01");
  EXPECT_EQ(Format("%5.2n", {-0.0}), " 0,00");
  EXPECT_EQ(Format("%1.0n", {-0.4}), "0");
  EXPECT_EQ(Format("%1.0n", {-0.5}), "-1");
  EXPECT_EQ(FormaterFast(-0.004, 2, false), "0,00");
  EXPECT_EQ(FormaterFast(-1e-300, 0, true), "0");
}

TEST(Format, TusindtalsPunkterOgDecimalkomma) {
  // The minus stands right before the digits, ahead of the first group.
  EXPECT_EQ(Format("%7.2n", {-1234567.891}), "-1.234.567,89");
  EXPECT_EQ(Format("%7.2n", {1234.5}), "1.234,50");
  EXPECT_EQ(Format("%7.2n", {123.4}), " 123,40");
  EXPECT_EQ(Format("%7.2n", {-123.4}), "-123,40");
  EXPECT_EQ(Format("%4.2n", {999.0}), "999,00");
  EXPECT_EQ(Format("%7.1n", {100000.04}), "100.000,0");
  // 1234567.5 is exact: rounds up; width 10 leaves one blank.
  EXPECT_EQ(Format("%10.0n", {1234567.5}), " 1.234.568");
  EXPECT_EQ(Format("%10.0n", {-2.5}), "        -3");
  EXPECT_EQ(Format("%8.0n", {-999999.6}), "-1.000.000");
  EXPECT_EQ(Format("%44.2n", {0.0}), std::string(40, ' ') + "0,00");
  // f never groups.
  EXPECT_EQ(Format("%10.2f", {-1234567.891}), "-1234567,89");
  EXPECT_EQ(FormaterFast(1234.5, 2, true), "1.234,50");
  EXPECT_EQ(FormaterFast(1234.5, 2, false), "1234,50");
  // No precision: two decimals, as Delphi does for f and n.
  EXPECT_EQ(Format("%f|%n", {1.5, 1234.5}), "1,50|1.234,50");
}

TEST(Format, BreddeErEtMinimumOgSkaererAldrig) {
  EXPECT_EQ(Format("%*.*f", {2, 1, 3.14159}), "3,1");
  // -3.05 is -3.04999999999999982236...: one decimal gives -3,0.
  EXPECT_EQ(Format("%*.*f", {8, 1, -3.05}), "    -3,0");
  EXPECT_EQ(Format("%4.2f", {1234.5}), "1234,50");
  EXPECT_EQ(Format("%2d", {12345}), "12345");
  EXPECT_EQ(Format("%5d|%1d|%7d", {-42, 7, 1000000}), "  -42|7|1000000");
  EXPECT_EQ(Format("%*d", {4, 9}), "   9");
  EXPECT_EQ(Format("%d", {std::numeric_limits<long long>::min()}), "-9223372036854775808");
  EXPECT_EQ(Format("%.3d", {7}), "007");
  EXPECT_EQ(Format("%3d", {std::size_t{12}}), " 12");
  EXPECT_EQ(Format("%d", {~0ULL}), "9223372036854775807");  // clamped, never negative
}

TEST(Format, TekstUdfyldesEfterTegnIkkeBytes) {
  EXPECT_EQ(Format("%6s", {"æøå"}), "   æøå");
  EXPECT_EQ(Format("%6s|", {std::string("Åse")}), "   Åse|");
  EXPECT_EQ(Format("%38s", {"Kip — moment"}), std::string(26, ' ') + "Kip — moment");
  EXPECT_EQ(Format("%2s", {"længere"}), "længere");
  EXPECT_EQ(Format("%s", {""}), "");
  EXPECT_EQ(Format("%-5s|", {"æ"}), "æ    |");
  EXPECT_EQ(Format("%.2s", {"æøå"}), "æø");
}

TEST(Format, ProcentOgAlmindeligTekst) {
  EXPECT_EQ(Format("%%", {}), "%");
  EXPECT_EQ(Format("%3.0f %%", {87.5}), " 88 %");
  EXPECT_EQ(Format("Udnyttelse: %5.1n%% af bæreevnen", {99.95}), "Udnyttelse: 100,0% af bæreevnen");
  EXPECT_EQ(Format("ingen direktiver", {1, 2.0}), "ingen direktiver");
}

TEST(Format, FejlagtigeDirektiverSkrivesSomDeStaar) {
  // A missing argument.
  EXPECT_EQ(Format("%d og %s", {1}), "1 og %s");
  // A double to %d is written as the directive; it still uses up its value.
  EXPECT_EQ(Format("%5d %s", {2.5, "x"}), "%5d x");
  // Text to a number, a number to %s.
  EXPECT_EQ(Format("%7.2n|%s", {"tekst", 3}), "%7.2n|%s");
  // A whole number to f or n is shown as a number (exactly, even beyond 2^53).
  EXPECT_EQ(Format("%4.2f", {3}), "3,00");
  EXPECT_EQ(Format("%7.2n", {-1234567}), "-1.234.567,00");
  EXPECT_EQ(Format("%1.0n", {9007199254740993LL}), "9.007.199.254.740.993");
  // '*' given a double.
  EXPECT_EQ(Format("%*d|%d", {2.0, 5, 6}), "%*d|6");
  // Unknown type, unfinished directive.
  EXPECT_EQ(Format("%x %q", {1}), "%x %q");
  EXPECT_EQ(Format("slut %", {}), "slut %");
  EXPECT_EQ(Format("slut %7.2", {1.0}), "slut %7.2");
}

TEST(Format, EkstremeVaerdierGaarIkkeNed) {
  EXPECT_EQ(Format("%7.2n", {std::nan("")}), "    NAN");
  EXPECT_EQ(Format("%4.2f", {std::numeric_limits<double>::infinity()}), " INF");
  EXPECT_EQ(Format("%4.2f", {-std::numeric_limits<double>::infinity()}), "-INF");
  const std::string stor = Format("%7.2n", {1e300});
  EXPECT_EQ(stor.substr(0, 9), "1.000.000");
  EXPECT_EQ(stor.substr(stor.size() - 3), ",00");
  EXPECT_EQ(stor.size(), 301u + 100u + 3u);  // 301 digits, 100 points, ",00"
  EXPECT_EQ(Format("%4.2f", {-std::numeric_limits<double>::max()}).size(), 309u + 4u);
  EXPECT_EQ(Format("%4.2f", {std::numeric_limits<double>::denorm_min()}), "0,00");
  EXPECT_EQ(Format("%4.2f", {std::numeric_limits<double>::lowest()}).substr(0, 4), "-179");
  // Absurd widths and precisions from '*' are capped instead of exhausting memory.
  EXPECT_LE(Format("%*d", {2000000000, 1}).size(), 10000u);
  EXPECT_LE(Format("%.*f", {2000000000, 1.0}).size(), 1000u);
  EXPECT_LE(Format("%99999999999999999999d", {1}).size(), 10000u);
  // A negative '*' width aligns left.
  EXPECT_EQ(Format("%*d|", {-4, 7}), "7   |");
}

}  // namespace
}  // namespace kvistor
