// The guide's filled tables hold the program's own numbers: each row of the
// strength classes, kmod, kdef and the hanger capacities, read back from the
// Markdown the guide was set from, equals the program's tables at the
// decimals it prints. A column put in the wrong place, a row dropped or a
// rounding that drifts shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "loads/lastkombinationer.h"
#include "project/felttabel.h"
#include "project/katalog.h"
#include "purlin/traemateriale.h"

namespace kvistor {
namespace {

std::string Udfyldt() {
  std::ifstream f(KVISTOR_VEJLEDNING_MD);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string Trim(std::string s) {
  const auto a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// The cells of the first table row from `fra` on that begins with these
// cells, or none.
std::vector<std::string> Raekke(const std::string& md, const std::string& start,
                                std::size_t fra = 0) {
  const auto p = md.find("\n| " + start + " |", fra);
  if (p == std::string::npos) return {};
  std::string linje = md.substr(p + 3, md.find('\n', p + 1) - p - 3);
  std::vector<std::string> celler;
  std::stringstream s(linje);
  for (std::string c; std::getline(s, c, '|');) celler.push_back(Trim(c));
  return celler;
}

// A Danish number as printed; "–" is no capacity at all.
double Tal(std::string s) {
  if (s == "–") return 0;
  for (char& c : s)
    if (c == ',') c = '.';
  return std::stod(s);
}

void SammeTal(const std::string& celle, double program, int decimaler, const std::string& hvad) {
  EXPECT_NEAR(Tal(celle), program, 0.5 * std::pow(10.0, -decimaler) + 1e-9) << hvad << ": " << celle;
}

std::string Navn(std::string_view s) {
  std::string t(s);
  t.erase(std::remove(t.begin(), t.end(), '#'), t.end());
  return Trim(t);
}

TEST(VejledningensTal, TabellerneHolderProgrammetsEgneTal) {
  const std::string md = Udfyldt();
  ASSERT_FALSE(md.empty()) << KVISTOR_VEJLEDNING_MD;
  for (int i = 0; i < AntalStyrkeKlasser; ++i) {
    const auto& k = StyrkeKlasser[static_cast<std::size_t>(i)];
    const std::string navn = Navn(StyrkeKlasseTekster[static_cast<std::size_t>(i)]);
    const auto r = Raekke(md, navn);
    ASSERT_EQ(r.size(), 6u) << navn;
    SammeTal(r[1], k.E0mean, 0, navn + " E0,mean");
    SammeTal(r[2], k.fmk, 0, navn + " fm,k");
    SammeTal(r[3], k.fvk, 1, navn + " fv,k");
    SammeTal(r[4], GammaM(1, i), 2, navn + " γM");
    SammeTal(r[5], k.c, 3, navn + " c");
  }
  const std::size_t kmod = md.find("| Lastkombination | Lastvarighedsklasse |");
  ASSERT_NE(kmod, std::string::npos) << "kmod-tabellen mangler";
  for (int lk = 1; lk <= 12; ++lk) {
    const auto r = Raekke(md, std::to_string(lk), kmod);
    ASSERT_EQ(r.size(), 5u) << "kmod LK " << lk;
    for (int a = 0; a < 3; ++a) SammeTal(r[2 + a], Kmod(a, lk), 2, "kmod LK " + std::to_string(lk));
  }
  for (int a = 0; a < 3; ++a) {
    const std::string navn = Navn(AnvKlasseTekster[static_cast<std::size_t>(a)]);
    const auto r = Raekke(md, navn);
    ASSERT_EQ(r.size(), 3u) << navn;
    SammeTal(r[1], Kdef(a), 1, navn + " kdef");
    SammeTal(r[2], 1 + Kdef(a), 1, navn + " 1 + kdef");
  }
  for (int b = 0; b < AntalBeslag; ++b) {
    const TBData& d = BeslagTabel[static_cast<std::size_t>(b)];
    const std::string navn = Trim(std::string(d.Navn));
    const auto r = Raekke(md, std::to_string(b) + " | " + navn);
    ASSERT_EQ(r.size(), 6u) << navn;
    SammeTal(r[2], d.F1k, 2, navn + " F1k");
    SammeTal(r[3], d.F2k, 2, navn + " F2k");
    SammeTal(r[4], d.F3k, 2, navn + " F3k");
    SammeTal(r[5], d.Nk, 2, navn + " Nk");
  }
}

}  // namespace
}  // namespace kvistor
