#include "common/format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "common/tegnsaet.h"

namespace kvistor {

namespace {

// Limits that keep a damaged format or a '*' argument from asking for
// gigabytes of blanks or digits. No report line comes near them.
constexpr int kMaksBredde = 10000;
constexpr int kMaksPraecision = 400;
// The default number of decimals of f and n when the format gives none.
constexpr int kStandardDecimaler = 2;

// Number of decimals in the exact decimal expansion of a finite a >= 0.
// A double is m * 2^k; with k < 0 its expansion ends after exactly -k
// decimals (k counted after the mantissa's trailing zero bits are removed).
int ExakteDecimaler(double a) {
  if (a == 0.0) return 0;
  int e = 0;
  const double f = std::frexp(a, &e);
  const auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
  const int lav = e - 53 + std::countr_zero(m);
  return lav < 0 ? -lav : 0;
}

// Adds one to the last digit of a string of decimal digits; returns true
// when the carry runs out of the front ("999" -> "000", true).
bool LaegEnTil(std::string& cifre) {
  for (std::size_t i = cifre.size(); i-- > 0;) {
    if (cifre[i] == '9') {
      cifre[i] = '0';
    } else {
      ++cifre[i];
      return false;
    }
  }
  return true;
}

bool KunNuller(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == '0'; });
}

// Sign, whole digits (grouped by three with points when asked) and the
// decimals after a comma. The minus goes right before the digits, and only
// when some shown digit is not zero.
std::string Saml(bool negativ, std::string_view hel, std::string_view dec, bool gruppe) {
  if (hel.empty()) hel = "0";
  if (negativ && KunNuller(hel) && KunNuller(dec)) negativ = false;
  std::string ud;
  ud.reserve(hel.size() + hel.size() / 3 + dec.size() + 3);
  if (negativ) ud.push_back('-');
  if (gruppe) {
    const std::size_t n = hel.size();
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0 && (n - i) % 3 == 0) ud.push_back('.');
      ud.push_back(hel[i]);
    }
  } else {
    ud.append(hel);
  }
  if (!dec.empty()) {
    ud.push_back(',');
    ud.append(dec);
  }
  return ud;
}

// The magnitude of a whole number as digits; safe for LLONG_MIN.
std::string HeltalsCifre(long long v) {
  const unsigned long long u =
      v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, u);
  return std::string(buf, r.ptr);
}

std::string Udfyld(std::string tekst, int bredde, bool venstrestillet, bool erUtf8) {
  const std::size_t n = erUtf8 ? AntalTegn(tekst) : tekst.size();
  if (bredde <= 0 || n >= static_cast<std::size_t>(bredde)) return tekst;
  const std::size_t mangler = static_cast<std::size_t>(bredde) - n;
  if (venstrestillet) {
    tekst.append(mangler, ' ');
    return tekst;
  }
  std::string ud(mangler, ' ');
  ud += tekst;
  return ud;
}

// The quick way to FormaterFast's text for up to 6 decimals, without
// printing the exact decimal expansion. Scaled to whole units of the last
// decimal, the product is within 1.2e-4 of the exact one below 1e12, so when
// its fraction keeps 1e-3 clear of one half it rounds, half away from zero on
// the exact decimal value, to the same whole number. Nothing near a tie, for
// large values, NaN and infinities: the exact routine decides. A long purlin
// writes tens of thousands of curve lines through here.
// Written for each count of decimals, so that the divisions by its power of
// ten are by a constant.
template <int D>
std::optional<std::string> FormaterHurtigt(double v, bool gruppe) {
  constexpr unsigned long long Potens = [] {
    unsigned long long p = 1;
    for (int i = 0; i < D; ++i) p *= 10;
    return p;
  }();
  const double y = std::fabs(v) * static_cast<double>(Potens);
  if (!(y < 1e12)) return std::nullopt;  // also NaN
  const double hel = std::floor(y);
  const double rest = y - hel;
  if (std::fabs(rest - 0.5) <= 1e-3) return std::nullopt;
  const unsigned long long n = static_cast<unsigned long long>(hel) + (rest > 0.5 ? 1 : 0);
  const unsigned long long heltal = n / Potens;
  unsigned long long brok = n % Potens;

  char cifre[24];
  int nc = 0;
  unsigned long long h = heltal;
  do {
    cifre[nc++] = static_cast<char>('0' + h % 10);
    h /= 10;
  } while (h > 0);
  std::string ud;
  ud.reserve(static_cast<std::size_t>(nc + nc / 3 + D + 2));
  if (std::signbit(v) && n != 0) ud.push_back('-');  // no minus on a shown zero
  for (int i = nc - 1; i >= 0; --i) {
    ud.push_back(cifre[i]);
    if (gruppe && i > 0 && i % 3 == 0) ud.push_back('.');
  }
  if constexpr (D > 0) {
    ud.push_back(',');
    char dec[D];
    for (int i = D - 1; i >= 0; --i) {
      dec[i] = static_cast<char>('0' + brok % 10);
      brok /= 10;
    }
    ud.append(dec, static_cast<std::size_t>(D));
  }
  return ud;
}

std::optional<std::string> FormaterHurtigt(double v, int decimaler, bool gruppe) {
  switch (decimaler) {
    case 0: return FormaterHurtigt<0>(v, gruppe);
    case 1: return FormaterHurtigt<1>(v, gruppe);
    case 2: return FormaterHurtigt<2>(v, gruppe);
    case 3: return FormaterHurtigt<3>(v, gruppe);
    case 4: return FormaterHurtigt<4>(v, gruppe);
    case 5: return FormaterHurtigt<5>(v, gruppe);
    case 6: return FormaterHurtigt<6>(v, gruppe);
    default: return std::nullopt;
  }
}

}  // namespace

std::string FormaterFast(double v, int decimaler, bool tusindtalsSeparator) {
  if (std::optional<std::string> s = FormaterHurtigt(v, decimaler, tusindtalsSeparator))
    return std::move(*s);
  return FormaterEksakt(v, decimaler, tusindtalsSeparator);
}

std::string FormaterEksakt(double v, int decimaler, bool tusindtalsSeparator) {
  if (std::isnan(v)) return "NAN";
  if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
  const int p = std::clamp(decimaler, 0, kMaksPraecision);
  const bool negativ = std::signbit(v);
  const double a = std::fabs(v);

  // Print the exact value with all its decimals (or with p decimals when the
  // exact value has no more than that: then no rounding happens at all), and
  // round on the digit string, half away from zero. glibc and to_chars round
  // ties to even, which is not what the program has always shown.
  const int exakte = ExakteDecimaler(a);
  const int q = std::max(exakte, p);
  // Up to 309 whole digits, a point and at most max(1074, 400) decimals.
  char buf[1600];
  const auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, q);
  if (r.ec != std::errc()) return "NAN";  // cannot happen with this buffer
  const std::string_view tekst(buf, static_cast<std::size_t>(r.ptr - buf));
  const std::size_t punkt = tekst.find('.');
  std::string_view hel = tekst.substr(0, punkt);
  std::string_view dec =
      punkt == std::string_view::npos ? std::string_view() : tekst.substr(punkt + 1);

  if (exakte <= p) return Saml(negativ, hel, dec, tusindtalsSeparator);

  const bool opad = dec[static_cast<std::size_t>(p)] >= '5';
  if (!opad) return Saml(negativ, hel, dec.substr(0, static_cast<std::size_t>(p)),
                         tusindtalsSeparator);
  std::string cifre(hel);
  cifre.append(dec.substr(0, static_cast<std::size_t>(p)));
  if (LaegEnTil(cifre)) cifre.insert(cifre.begin(), '1');
  const std::size_t nHel = cifre.size() - static_cast<std::size_t>(p);
  return Saml(negativ, std::string_view(cifre).substr(0, nHel),
              std::string_view(cifre).substr(nHel), tusindtalsSeparator);
}

std::string Format(std::string_view fmt, std::initializer_list<FormatArg> args) {
  std::string ud;
  ud.reserve(fmt.size() + 16);
  const FormatArg* arg = args.begin();
  const FormatArg* const slut = args.end();
  const std::size_t n = fmt.size();
  std::size_t i = 0;

  while (i < n) {
    const char c = fmt[i];
    if (c != '%') {
      ud.push_back(c);
      ++i;
      continue;
    }
    const std::size_t start = i;
    ++i;
    if (i < n && fmt[i] == '%') {
      ud.push_back('%');
      ++i;
      continue;
    }

    bool ok = true;
    bool venstrestillet = false;
    if (i < n && fmt[i] == '-') {
      venstrestillet = true;
      ++i;
    }
    // A width or precision: digits, or '*' for the next argument.
    auto LaesTal = [&](int& tal, int maks) {
      if (i < n && fmt[i] == '*') {
        ++i;
        if (arg == slut || arg->art != FormatArg::Art::Heltal) {
          if (arg != slut) ++arg;
          ok = false;
          return;
        }
        const long long h = (arg++)->heltal;
        tal = static_cast<int>(std::clamp<long long>(h, -maks, maks));
        return;
      }
      tal = 0;
      while (i < n && fmt[i] >= '0' && fmt[i] <= '9') {
        tal = std::min(tal * 10 + (fmt[i] - '0'), maks);
        ++i;
      }
    };

    int bredde = 0;
    LaesTal(bredde, kMaksBredde);
    if (bredde < 0) {  // a negative '*' width left-aligns, as in C
      venstrestillet = true;
      bredde = -bredde;
    }
    int praecision = -1;
    if (i < n && fmt[i] == '.') {
      ++i;
      LaesTal(praecision, kMaksPraecision);
      if (praecision < 0) praecision = -1;  // a negative '*' precision counts as none
    }
    char type = 0;
    if (i < n) {
      type = fmt[i];
      ++i;
    }
    if (type >= 'A' && type <= 'Z') type = static_cast<char>(type - 'A' + 'a');

    // Every directive takes its value from the list even when it cannot use
    // it, so the directives after a faulty one still meet their own values.
    std::string felt;
    if (type == 'd' || type == 's' || type == 'f' || type == 'n') {
      if (arg == slut) {
        ok = false;
      } else if (!ok) {
        ++arg;
      } else {
        const FormatArg& a = *arg++;
        switch (type) {
          case 'd':
            if (a.art == FormatArg::Art::Heltal) {
              std::string cifre = HeltalsCifre(a.heltal);
              if (praecision > 0 && cifre.size() < static_cast<std::size_t>(praecision))
                cifre.insert(0, static_cast<std::size_t>(praecision) - cifre.size(), '0');
              felt = (a.heltal < 0 ? "-" : "") + cifre;
            } else {
              ok = false;
            }
            break;
          case 's':
            if (a.art == FormatArg::Art::Tekst) {
              felt = praecision >= 0 ? KlipTilTegn(a.tekst, static_cast<std::size_t>(praecision))
                                     : a.tekst;
            } else {
              ok = false;
            }
            break;
          default: {  // 'f' and 'n'
            const int p = praecision >= 0 ? praecision : kStandardDecimaler;
            const bool gruppe = type == 'n';
            if (a.art == FormatArg::Art::Tal) {
              felt = FormaterFast(a.tal, p, gruppe);
            } else if (a.art == FormatArg::Art::Heltal) {
              // A whole number is shown as a number rather than refused; going
              // through its digits keeps values beyond 2^53 exact.
              felt = Saml(a.heltal < 0, HeltalsCifre(a.heltal),
                          std::string(static_cast<std::size_t>(p), '0'), gruppe);
            } else {
              ok = false;
            }
            break;
          }
        }
      }
    } else {
      ok = false;
    }

    if (ok) {
      ud += Udfyld(std::move(felt), bredde, venstrestillet, type == 's');
    } else {
      // Unknown, unfinished or unmatched directive: written as it stands.
      ud.append(fmt.substr(start, i - start));
    }
  }
  return ud;
}

}  // namespace kvistor
