// The layout's promises on a document built to test them: a table split
// over pages repeats its head on every page and never leaves the head (or a
// heading) at the foot of a page without a row under it.
#include <gtest/gtest.h>

#include <string>

#include "hjaelp/pdf_vaerktoej.h"
#include "documents/sats.h"

namespace kvistor {
namespace {

TEST(Sats, EnDeltTabelGentagerSitHovedOgEfterladerIntetTomtHoved) {
  TDokument d;
  // Filler that leaves little room at the foot of page 1, so the heading
  // and the table's head must go with their first row to page 2.
  TAfsnitBlok fyld;
  for (int i = 0; i < 52; ++i) fyld.Tekst += "Linje " + std::to_string(i + 1) + "\n";
  fyld.Tekst.pop_back();
  d.Blokke.push_back(fyld);
  TOverskriftBlok o;
  o.Tekst = "Tabellen";
  d.Blokke.push_back(o);
  TTabelBlok t;
  t.Bredder = {1, 3};
  t.Hoved = {{"Nummer", "Hovedtekst"}};
  for (int i = 1; i <= 120; ++i) t.Raekker.push_back({std::to_string(i), "række " + std::to_string(i)});
  d.Blokke.push_back(t);
  d.Sidefod = [](TPdfDokument& pdf, const TSideopsaetning& s, const TSideInfo& i) {
    SkrivTekst(pdf, s.Venstre, s.Hoejde - 30, "Side " + std::to_string(i.Side) + " af " +
                                                 std::to_string(i.Antal), {});
  };

  TPdfDokument pdf({});
  const TSatsResultat r = SaetDokument(pdf, d);
  std::string fejl;
  const auto bytes = pdf.Afslut(fejl);
  ASSERT_TRUE(bytes) << fejl;
  const test::TPdfFil fil(*bytes, "sats");
  const std::vector<std::string> sider = fil.Sider();
  ASSERT_EQ(static_cast<int>(sider.size()), r.Sider);
  ASSERT_GE(r.Sider, 4);
  ASSERT_EQ(r.Overskrifter.size(), 1u);
  EXPECT_EQ(r.Overskrifter[0].Side, 2);

  int raekker = 0;
  for (int s = 0; s < r.Sider; ++s) {
    const std::vector<std::string> l = DelLinjer(sider[s]);
    std::size_t hoved = std::string::npos, foersteRaekke = std::string::npos;
    for (std::size_t i = 0; i < l.size(); ++i) {
      const std::string x = test::Sammenpresset(l[i]);
      if (x == "Nummer Hovedtekst" && hoved == std::string::npos) hoved = i;
      if (x.find(" række ") != std::string::npos) {
        ++raekker;
        if (foersteRaekke == std::string::npos) foersteRaekke = i;
      }
    }
    if (s == 0) {
      EXPECT_EQ(hoved, std::string::npos) << "hovedet står alene nederst på side 1";
      EXPECT_EQ(sider[0].find("Tabellen"), std::string::npos) << "overskriften står alene";
      continue;
    }
    ASSERT_NE(foersteRaekke, std::string::npos) << "side " << s + 1;
    EXPECT_LT(hoved, foersteRaekke) << "side " << s + 1 << " mangler tabellens hoved";
    EXPECT_NE(sider[s].find("Side " + std::to_string(s + 1) + " af " + std::to_string(r.Sider)),
              std::string::npos);
  }
  EXPECT_EQ(raekker, 120);
}

// A register names the page of each mark, and a PNG picture goes in as the
// one raster image.
TEST(Sats, RegisterOgBillede) {
  TDokument d;
  d.Blokke.push_back(TAfsnitBlok{"Første side."});
  d.Blokke.push_back(TSideskiftBlok{});
  d.Blokke.push_back(TMaerkeBlok{"her"});
  d.Blokke.push_back(TPunktlisteBlok{{"en", "to"}, 10, true});
  static const char png[] =
      "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x02\x00"
      "\x00\x00\x01\x08\x02\x00\x00\x00\x7b\x40\xe8\xdd\x00\x00\x00\x0d\x49\x44\x41\x54\x78"
      "\x9c\x63\xf8\xcf\x00\x04\xff\x01\x07\x00\x01\xff\xe2\x23\x9e\x59\x00\x00\x00\x00\x49"
      "\x45\x4e\x44\xae\x42\x60\x82";
  d.Blokke.push_back(TBilledBlok{std::string(png, sizeof png - 1), 0.3, "Et billede"});
  d.Blokke.push_back(TRegisterBlok{{{"Mærket", {"her"}}}});

  TPdfDokument pdf({});
  const TSatsResultat r = SaetDokument(pdf, d);
  std::string fejl;
  const auto bytes = pdf.Afslut(fejl);
  ASSERT_TRUE(bytes) << fejl;
  const test::TPdfFil fil(*bytes, "register");
  EXPECT_EQ(r.Maal.at("her"), 2);
  const std::string side2 = test::Sammenpresset(fil.Sider().at(1));
  for (const char* t : {"1. en", "2. to", "Et billede", "Mærket 2"})
    EXPECT_NE(side2.find(t), std::string::npos) << t;
  EXPECT_EQ(DelLinjer(test::Koer("pdfimages -list " + fil.Citeret())).size(), 3u);
}

}  // namespace
}  // namespace kvistor
