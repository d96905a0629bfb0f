// The calculation document of Standard.aid read back as a checker reads it:
// page numbers, every line of the report in order, the sections, embedded
// fonts, no raster images, the outline, the language, the names on the
// cover and in the header, the appendix with "Detaljeret" only, and the
// same bytes from the same input and date.
//
// KVISTOR_DOKUMENTATION_UD=FOLDER keeps the documents there to look at.
#include <gtest/gtest.h>

#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>

#include "common/filer.h"
#include "documents/dokumentation.h"
#include "hjaelp/pdf_vaerktoej.h"
#include "common/optagende_dialog.h"
#include "hjaelp/projekt.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

using test::Sammenpresset;
using test::TPdfFil;

const TTidspunkt Dato{2026, 3, 1, 14, 5, 0};

TDokumentationsGrundlag Grundlag(const Inddata& ind, const TDokumentationsNavne& navne) {
  TDokumentationsGrundlag g;
  g.Ind = ind;
  LaesFil(std::string(KVISTOR_KILDEMAPPE) + "/Standard.aid", g.ProjektBytes);
  g.Projektfil = "Standard.aid";
  g.Navne = navne;
  return g;
}

std::string Byg(const TDokumentationsGrundlag& g, const std::string& navn) {
  TSkriptetDialog dlg;
  const auto pdf = BygDokumentation(g, TFastUr(Dato), dlg);
  EXPECT_TRUE(pdf.has_value());
  EXPECT_TRUE(dlg.Tekster("Fejl").empty());
  if (const char* ud = std::getenv("KVISTOR_DOKUMENTATION_UD"); ud && pdf)
    SkrivFil(std::string(ud) + "/" + navn + ".pdf", *pdf);
  return pdf.value_or("");
}

const TDokumentationsNavne Navne{"Rådgivende Ingeniører ApS", "Anne Andersen", "Bo Berg",
                                 "2026-117"};

TEST(Dokumentation, StandardprojektetLaesesSomEnKontrollantLaeserDet) {
  const Inddata ind = test::StandardProjekt();
  const std::string bytes = Byg(Grundlag(ind, Navne), "Standard");
  const TPdfFil pdf(bytes, "standard");
  const std::vector<std::string> sider = pdf.Sider();
  const int n = pdf.Sidetal();
  ASSERT_GT(n, 5);
  ASSERT_EQ(static_cast<int>(sider.size()), n);

  // Every page numbered "Side i af N".
  for (int i = 0; i < n; ++i)
    EXPECT_NE(sider[i].find("Side " + std::to_string(i + 1) + " af " + std::to_string(n)),
              std::string::npos)
        << "side " << i + 1;

  // Every line of the report, in order, in the Resultater section.
  TRapportResultat rapport;
  TSkriptetDialog dlg;
  ASSERT_EQ(BeregnRapport(rapport, ind, dlg, TFastUr(Dato), Navne.Firma),
            TRapportUdfald::Bygget);
  int resultatSide = -1;
  for (int i = 2; i < n && resultatSide < 0; ++i)
    if (sider[i].find("Programmets rapport, uændret") != std::string::npos) resultatSide = i;
  ASSERT_GE(resultatSide, 0);
  std::vector<std::string> tekst;
  for (int i = resultatSide; i < n; ++i)
    for (const std::string& l : DelLinjer(sider[i])) tekst.push_back(Sammenpresset(l));
  std::size_t j = 0;
  for (const std::string& linje : rapport.Rapport) {
    const std::string s = Sammenpresset(linje);
    if (s.empty()) continue;
    while (j < tekst.size() && tekst[j] != s) ++j;
    ASSERT_LT(j, tekst.size()) << "mangler i rækkefølge: " << linje;
    ++j;
  }

  // Fonts embedded, no raster image.
  const std::vector<std::string> fonte = DelLinjer(test::Koer("pdffonts " + pdf.Citeret()));
  ASSERT_GT(fonte.size(), 2u);
  for (std::size_t i = 2; i < fonte.size(); ++i)
    EXPECT_TRUE(std::regex_search(fonte[i], std::regex(R"(\s+yes\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*$)")))
        << fonte[i];
  EXPECT_EQ(DelLinjer(test::Koer("pdfimages -list " + pdf.Citeret())).size(), 2u);

  // Metadata, the language and the outline.
  const std::string info = Sammenpresset(test::Koer("pdfinfo " + pdf.Citeret()));
  for (const char* felt : {"Title: Statisk dokumentation – Standardprojekt",
                           "Author: Anne Andersen", "Subject: A2.2 Statiske beregninger",
                           "CreationDate: Sun Mar 1 14:05:00 2026"})
    EXPECT_NE(info.find(felt), std::string::npos) << felt;
  QPDF q;
  q.processMemoryFile("dok", bytes.data(), bytes.size());
  EXPECT_EQ(q.getRoot().getKey("/Lang").getUTF8Value(), "da");
  std::vector<std::string> bogmaerker;
  for (QPDFOutlineObjectHelper& o : QPDFOutlineDocumentHelper(q).getTopLevelOutlines())
    bogmaerker.push_back(o.getTitle());
  EXPECT_EQ(bogmaerker,
            (std::vector<std::string>{"1  Forudsætninger", "2  Laster", "3  Lastkombinationer",
                                      "4  Statisk model", "5  Resultater", "6  Kurver",
                                      "7  Supplerende kontrol", "8  Referencer"}));
  // The project asks for the stricter check (the default): its summary, with
  // the shear of the crack factor (the ordinary report has 11, 15, 14 %).
  const std::string a = Sammenpresset(pdf.Tekst());
  const std::size_t skaerpet = a.find("Udnyttelsesgrad forskydning : 17 % 22 % 22 %");
  EXPECT_LT(a.find("7 Supplerende kontrol\n"), skaerpet);
  EXPECT_LT(skaerpet, a.find("8 Referencer\n"));

  // The names on the cover and in the header of the pages after it; the
  // normal report extent has no appendix.
  for (const std::string& navn : {Navne.UdfoertAf, Navne.KontrolleretAf, Navne.Sag, Navne.Firma})
    EXPECT_NE(sider[0].find(navn), std::string::npos) << navn;
  EXPECT_NE(DelLinjer(sider[3]).front().find("Rådgivende Ingeniører ApS"), std::string::npos);
  EXPECT_EQ(a.find("Bilag A"), std::string::npos);

  // The same input and date give the same file.
  EXPECT_EQ(Byg(Grundlag(ind, Navne), "Standard igen"), bytes);
}

TEST(Dokumentation, DetaljeretFaarBilagAOgUdenNavneTommeUnderskriftslinjer) {
  Inddata ind = test::StandardProjekt();
  ind.RappOmfang = 1;
  ind.SkaerpetKontrol = 0;
  ind.Brandmodstand = 30;
  const TPdfFil pdf(Byg(Grundlag(ind, {}), "Standard detaljeret"), "detaljeret");
  const std::vector<std::string> sider = pdf.Sider();
  // The fire section the project asks for (and no stricter check) before
  // the references, the appendix last.
  const std::string a = Sammenpresset(pdf.Tekst());
  const std::size_t supplerende = a.find("7 Supplerende kontrol\n");
  ASSERT_NE(supplerende, std::string::npos);
  EXPECT_EQ(a.find("Skærpet kontrol: revnefaktor 0,67"), std::string::npos);
  EXPECT_LT(supplerende, a.find("Opnået brandmodstand: 24 min"));
  EXPECT_LT(a.find("Opnået brandmodstand: 24 min"), a.find("8 Referencer\n"));
  EXPECT_LT(a.find("8 Referencer\n"), a.find("Bilag A Detaljerede resultater\n"));
  EXPECT_NE(a.find("Detaljerede resultater for dim.givende tilfælde"), std::string::npos);

  // Both signature fields stand with their captions, their lines left to be
  // written on.
  const std::string forside = Sammenpresset(sider.at(0));
  for (const char* felt : {"Udført af", "Kontrolleret af"})
    EXPECT_NE(forside.find(felt), std::string::npos) << felt;
  std::size_t underskrifter = 0;
  for (std::size_t p = 0; (p = forside.find("Underskrift", p)) != std::string::npos; ++p)
    ++underskrifter;
  EXPECT_EQ(underskrifter, 2u);
}

TEST(Dokumentation, EnProjektfilDerBryderEnReglerGiverBeskedOgIntetDokument) {
  Inddata ind = test::StandardProjekt();
  ind.Beslag = -1;
  TSkriptetDialog dlg;
  EXPECT_FALSE(BygDokumentation(Grundlag(ind, {}), TFastUr(Dato), dlg).has_value());
  EXPECT_FALSE(dlg.Tekster("Fejl").empty());
}

}  // namespace
}  // namespace kvistor
