#pragma once
// Delphi-style number and text formatting under the program's Danish number
// settings (decimal comma, thousands point), whatever the machine's locale.
//
// Supported directives: %% and %[width][.precision]type with type d, s, f, n;
// width and precision may be '*' (taken from the argument list as integers).
// Width is a minimum and never cuts. Shown decimals are rounded half away from
// zero on the exact decimal value of the double. A number whose shown digits
// are all zero carries no minus sign. 'n' groups thousands with a point.
#include <initializer_list>
#include <string>
#include <string_view>

namespace kvistor {

struct FormatArg {
  enum class Art { Heltal, Tal, Tekst };
  Art art;
  long long heltal = 0;
  double tal = 0.0;
  std::string tekst;

  FormatArg(int v) : art(Art::Heltal), heltal(v) {}
  FormatArg(long v) : art(Art::Heltal), heltal(v) {}
  FormatArg(long long v) : art(Art::Heltal), heltal(v) {}
  FormatArg(unsigned v) : art(Art::Heltal), heltal(v) {}
  // Sizes and counts (std::size_t) are welcome too; beyond LLONG_MAX they stop there.
  FormatArg(unsigned long v) : art(Art::Heltal), heltal(Klem(v)) {}
  FormatArg(unsigned long long v) : art(Art::Heltal), heltal(Klem(v)) {}
  FormatArg(double v) : art(Art::Tal), tal(v) {}
  FormatArg(const char* v) : art(Art::Tekst), tekst(v) {}
  FormatArg(std::string v) : art(Art::Tekst), tekst(std::move(v)) {}
  FormatArg(std::string_view v) : art(Art::Tekst), tekst(v) {}

 private:
  static long long Klem(unsigned long long v) {
    constexpr unsigned long long maks = 9223372036854775807ULL;
    return v > maks ? static_cast<long long>(maks) : static_cast<long long>(v);
  }
};

// Format("%7.2n", {1234.5}) == "1.234,50". A directive without a matching
// argument, or of the wrong kind, is written as the directive itself (never
// throws, never reads past the list).
std::string Format(std::string_view fmt, std::initializer_list<FormatArg> args);

// Fixed-point text of v with the given decimals, Danish comma, optional
// thousands points; rounding and minus-sign rules as for Format.
std::string FormaterFast(double v, int decimaler, bool tusindtalsSeparator);
// The same text always by rounding the exact decimal expansion of v, the
// slow way FormaterFast takes near a rounding tie; for checking the quick way.
std::string FormaterEksakt(double v, int decimaler, bool tusindtalsSeparator);

}  // namespace kvistor
