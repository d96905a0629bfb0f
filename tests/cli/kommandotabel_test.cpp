// The command table is the one source of the command line's options. Every
// option of every command row runs (a new row is tested by being added),
// the limits of its range are accepted and the values beyond them refused
// in the one usage-error style, and the manual page and README show what
// the table holds.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "cli/kommandoer.h"
#include "cli/manualside.h"
#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::Args;

using test::KoerInternt;
using test::TKoersel;
// A value the option takes: its example, else its value name (the file
// names "RAPPORT.txt", "FIL.svg" land in the test's folder), else the
// lower limit or the first choice.
std::string Vaerdi(const TTilvalg& t) {
  if (!t.eksempel.empty()) return t.eksempel;
  switch (t.art) {
    case TVaerdiArt::Heltal: return std::to_string(t.fra);
    case TVaerdiArt::Bogstav: return std::string(1, static_cast<char>(t.fra));
    case TVaerdiArt::Valg: return t.valg.front();
    default: return t.vaerdinavn;
  }
}

void TilfoejTilvalg(const TKommando& k, const TTilvalg& t, Args& a, const std::string& vaerdi) {
  if (std::find(a.begin(), a.end(), t.navn) != a.end()) return;
  a.push_back(t.navn);
  if (t.art != TVaerdiArt::Ingen) a.push_back(vaerdi);
  for (const std::string& r : t.kraever)
    for (const TTilvalg& p : k.tilvalg)
      if (p.navn == r) TilfoejTilvalg(k, p, a, Vaerdi(p));
}

// The arguments after the command's name that every call of it needs.
Args Grundlag(const TKommando& k, const std::string& projekt) {
  Args a;
  if (!k.ord.empty()) a.push_back(k.ord.front());
  a.push_back(projekt);
  for (const TTilvalg& t : k.tilvalg)
    if (t.paakraevet) TilfoejTilvalg(k, t, a, Vaerdi(t));
  return a;
}

// Without an option (and its value).
Args UdenTilvalg(const TTilvalg& t, Args a) {
  const auto i = std::find(a.begin(), a.end(), t.navn);
  if (i != a.end()) a.erase(i, i + (t.art == TVaerdiArt::Ingen ? 1 : 2));
  return a;
}

Args MedNavn(const TKommando& k, Args a) {
  a.insert(a.begin(), k.navn);
  return a;
}

// Runs in the test's own folder, so the value names used as file names
// stay there.
struct TIMappe {
  fs::path foer = fs::current_path();
  explicit TIMappe(const fs::path& p) { fs::current_path(p); }
  ~TIMappe() { fs::current_path(foer); }
};

TEST(Kommandotabel, HvertTilvalgVirkerOgOmraadernesGraenserHoererMed) {
  test::TTestMappe m;
  TIMappe her(m.sti);
  // The standard project in the detailed extent, so --kurver has its curves.
  test::StandardMed(m, "p.aid", {{36, "1"}});
  // The price file --priser FIL reads, under its value name.
  ASSERT_TRUE(SkrivFil(m / "FIL", "C24=1,00\n"));

  for (const TKommando& k : Kommandoer()) {
    const Args grundlag = Grundlag(k, m / "p.aid");
    const TKoersel h = KoerInternt({k.navn, "--help"});
    EXPECT_EQ(h.kode, KodeOk) << k.navn;
    EXPECT_EQ(h.ud.rfind("Brug: kvistor-cli " + k.navn + " ", 0), 0u) << h.ud;

    for (const TTilvalg& t : k.tilvalg) {
      const std::string hvad = k.navn + " " + t.navn;
      EXPECT_NE(h.ud.find("\n  " + t.navn), std::string::npos) << hvad << " mangler i --help";
      Args a = grundlag;
      TilfoejTilvalg(k, t, a, Vaerdi(t));
      const TKoersel r = KoerInternt(MedNavn(k, a));
      EXPECT_TRUE(r.kode == KodeOk || r.kode == KodeAdvarsel)
          << hvad << ": kode " << r.kode << "\n" << r.fejl;
      EXPECT_EQ(r.fejl.find("Fejl:"), std::string::npos) << hvad << "\n" << r.fejl;

      // The limits of a range are part of it; one step beyond is a usage
      // error that names the option.
      std::vector<std::pair<std::string, bool>> proever;
      if (t.art == TVaerdiArt::Heltal)
        proever = {{std::to_string(t.fra), true}, {std::to_string(t.til), true},
                   {std::to_string(t.fra - 1), false}, {std::to_string(t.til + 1), false},
                   {"", false}, {"1,5", false}};
      if (t.art == TVaerdiArt::Bogstav)
        proever = {{std::string(1, static_cast<char>(t.fra)), true},
                   {std::string(1, static_cast<char>(t.til)), true},
                   {std::string(1, static_cast<char>(t.fra - 1)), false},
                   {std::string(1, static_cast<char>(t.til + 1)), false}};
      if (t.art == TVaerdiArt::Valg) {
        for (const std::string& v : t.valg) proever.emplace_back(v, true);
        proever.emplace_back("intet-valg", false);
      }
      if (t.kontrol) proever = {{Vaerdi(t), true}, {"", false}};
      for (const auto& [v, gyldig] : proever) {
        Args b = UdenTilvalg(t, grundlag);
        TilfoejTilvalg(k, t, b, v);
        std::string tekst;
        EXPECT_EQ(FortolkArgumenter(k, b, tekst).has_value(), gyldig) << hvad << " \"" << v << "\"";
        if (!gyldig) {
          EXPECT_NE(tekst.find(t.navn), std::string::npos) << tekst;
        }
      }
      // An option whose value is missing at the end of the line.
      if (t.art != TVaerdiArt::Ingen) {
        Args b = UdenTilvalg(t, grundlag);
        b.push_back(t.navn);
        const TKoersel u = KoerInternt(MedNavn(k, b));
        EXPECT_EQ(u.kode, KodeBrug) << hvad;
        EXPECT_EQ(u.fejl, "Fejl: " + t.navn + " mangler sin værdi (" + t.vaerdinavn +
                              ").\nSkriv \"kvistor-cli " + k.navn +
                              " --help\" for at se, hvordan kommandoen bruges.\n");
      }
      // An option that needs another is refused without it.
      for (const std::string& r : t.kraever) {
        Args b = UdenTilvalg(t, grundlag);
        b.insert(b.end(), {t.navn, Vaerdi(t)});
        std::string tekst;
        EXPECT_FALSE(FortolkArgumenter(k, b, tekst)) << hvad << " uden " << r;
        EXPECT_EQ(tekst, t.navn + " kræver " + r + ".");
      }
    }

    // The one usage-error style, and no file written for a refused call.
    const TKoersel u = KoerInternt(MedNavn(k, {m / "p.aid", "--ukendt"}));
    EXPECT_EQ(u.kode, KodeBrug);
    EXPECT_EQ(u.fejl, "Fejl: " + k.navn + " kender ikke tilvalget --ukendt.\nSkriv \"kvistor-cli " +
                          k.navn + " --help\" for at se, hvordan kommandoen bruges.\n");
    // The project itself as output is refused, and the project is kept.
    for (const TTilvalg& t : k.tilvalg) {
      if (t.navn != "-o") continue;
      Args b = UdenTilvalg(t, grundlag);
      b.insert(b.end(), {"-o", m / "p.aid"});
      const std::string foer = Bytes(m / "p.aid");
      const TKoersel r = KoerInternt(MedNavn(k, b));
      EXPECT_EQ(r.kode, KodeBrug) << k.navn << r.fejl;
      EXPECT_NE(r.fejl.find("oven i projektfilen"), std::string::npos) << r.fejl;
      EXPECT_EQ(Bytes(m / "p.aid"), foer) << k.navn;
    }
  }
  const TKoersel u = KoerInternt({"regn", "p.aid"});
  EXPECT_EQ(u.kode, KodeBrug);
  EXPECT_EQ(u.fejl, "Fejl: ukendt kommando regn.\nSkriv \"kvistor-cli --help\" for at se kommandoerne.\n");
}

// The text between the marker lines "{{navn}}" and "{{/navn}}" of a file:
// before, between and after.
struct TBlok {
  std::string foer, inde, efter;
};
std::optional<TBlok> FindBlok(const std::string& tekst, const std::string& navn) {
  const std::size_t a = tekst.find("{{" + navn + "}}");
  const std::size_t b = tekst.find("{{/" + navn + "}}");
  if (a == std::string::npos || b == std::string::npos || b < a) return std::nullopt;
  const std::size_t indeStart = tekst.find('\n', a) + 1;
  const std::size_t indeSlut = tekst.rfind('\n', b) + 1;
  return TBlok{tekst.substr(0, indeStart), tekst.substr(indeStart, indeSlut - indeStart),
               tekst.substr(indeSlut)};
}

TEST(Kommandotabel, ManualsideOgReadmeViserTabellen) {
  const char* opdater = std::getenv("KVISTOR_GOLDEN_OPDATER");
  const bool skriv = opdater != nullptr && std::string(opdater) == "1";
  struct TDel {
    const char* fil;
    const char* blok;
    std::string indhold;
  };
  const TDel dele[] = {{"packaging/kvistor-cli.1", "kvistor-cli synopsis", ManualSynopsis()},
                       {"packaging/kvistor-cli.1", "kvistor-cli kommandoer", ManualKommandoer()},
                       {"README.md", "kvistor-cli synopsis", "\n" + ReadmeSynopsis() + "\n"}};
  for (const TDel& d : dele) {
    const std::string sti = std::string(KVISTOR_KILDEMAPPE) + "/" + d.fil;
    const std::string tekst = Bytes(sti);
    const auto blok = FindBlok(tekst, d.blok);
    ASSERT_TRUE(blok) << d.fil << " mangler {{" << d.blok << "}} ... {{/" << d.blok << "}}";
    if (skriv && blok->inde != d.indhold)
      ASSERT_TRUE(SkrivFil(sti, blok->foer + d.indhold + blok->efter)) << sti;
    else
      EXPECT_EQ(blok->inde, d.indhold)
          << d.fil << " følger ikke kommandotabellen; KVISTOR_GOLDEN_OPDATER=1 skriver den om";
  }
}

}  // namespace
}  // namespace kvistor
