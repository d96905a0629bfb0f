// The main window driven through its real widgets, offscreen, with the
// scripted dialog: start-up, leaving fields, the result page, the commands
// and closing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QMessageBox>

#include "app/printer.h"
#include "app/qt_dialog.h"
#include "app/programmappe.h"
#include "tests/app/vindue_hjaelp.h"

namespace kvistor {
namespace {

using K = TKontrol;

bool Indeholder(const std::vector<std::string>& v, const std::string& s) {
  return std::find(v.begin(), v.end(), s) != v.end();
}

TEST(Vindue, StartMedGodSkadetOgManglendeStandardfil) {
  struct Tilfaelde {
    const char* navn;
    const char* indhold;  // nullptr: no file; "" : copy the real one
    const char* fejlBegynder;
    const char* titel;  // the title names only a file that was read
  };
  const Tilfaelde tilfaelde[] = {
      {"god", "", nullptr, "Standardprojekt – Standard.aid[*] – Kvistor"},
      {"skadet", "Kun\r\nto linier\r\n", "Uventet fejl i inddatafilen ", "Uden navn[*] – Kvistor"},
      {"mangler", nullptr, "Programmet har forgæves prøvet at hente inddatafilen ", "Uden navn[*] – Kvistor"},
  };
  for (const Tilfaelde& t : tilfaelde) {
    SCOPED_TRACE(t.navn);
    TTestMappe m;
    if (t.indhold && *t.indhold == '\0') m.KopierStandard();
    else if (t.indhold) std::ofstream(m / "Standard.aid", std::ios::binary) << t.indhold;
    TVindue v(m);
    const auto fejl = v.dlg.Tekster("Fejl");
    if (t.fejlBegynder) {
      ASSERT_EQ(fejl.size(), 1u);
      EXPECT_EQ(fejl[0].rfind(t.fejlBegynder, 0), 0u) << fejl[0];
      EXPECT_EQ(v.Felt(K::EditHusBr)->text(), QString());  // the start values, no file read
    } else {
      EXPECT_TRUE(v.dlg.kald.empty());
      EXPECT_EQ(v.Felt(K::EditHusBr)->text(), QStringLiteral("     12,00"));
      EXPECT_EQ(v.Felt(K::EditProjektnavn)->text(), QStringLiteral("Standardprojekt"));
    }
    EXPECT_EQ(v.w->Side().InddataAendret, 0);
    EXPECT_EQ(v.w->AktivFane(), TFane::Inddata1);
    EXPECT_EQ(v.w->SammenlignMedModel(), "");
    EXPECT_EQ(v.w->windowTitle(), QString::fromUtf8(t.titel));
    EXPECT_FALSE(v.w->isWindowModified());
  }
}

TEST(Vindue, DanskeKnaptekster) {
  ASSERT_TRUE(IndlaesDanskeOversaettelser(*QCoreApplication::instance()));
  QMessageBox boks(QMessageBox::Question, QStringLiteral("Bekræft"), QStringLiteral("?"),
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(boks.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Ja"));
  EXPECT_EQ(boks.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nej"));
  EXPECT_EQ(boks.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annuller"));
  EXPECT_EQ(QtFilter("Kvistor-projekter (*.aid)|*.aid"), QStringLiteral("Kvistor-projekter (*.aid)"));
}

TEST(Vindue, ProgrammappeFindesBesideProgrammetEllerIShare) {
  TTestMappe m;
  std::filesystem::create_directories(m.sti / "bin");
  std::filesystem::create_directories(m.sti / "share" / "kvistor");
  std::ofstream(m.sti / "share" / "kvistor" / "Standard.aid") << "x";
  EXPECT_EQ(BestemProgrammappe((m.sti / "bin").string()),
            std::filesystem::weakly_canonical(m.sti / "share" / "kvistor").string() + "/");
  std::ofstream(m.sti / "bin" / "Standard.aid") << "x";
  EXPECT_EQ(BestemProgrammappe((m.sti / "bin").string()), (m.sti / "bin").string() + "/");
}

TEST(Vindue, ForladFeltMedFejlOgMedGodVaerdi) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.Skriv(K::EditHusBr, QStringLiteral("-3"));
  v.Tab();
  EXPECT_EQ(v.dlg.Tekster("Fejl"), std::vector<std::string>{"Huskropbredden skal være positiv"});
  EXPECT_EQ(QApplication::focusWidget(), v.Felt(K::EditHusBr));  // the focus is put back
  EXPECT_EQ(v.Felt(K::EditHusBr)->text(), QStringLiteral("     -3,00"));  // the value stays
  EXPECT_EQ(v.w->Side().Inddata.HusBr, -3.0);
  EXPECT_EQ(v.w->Side().InddataAendret, 1);

  // A second leave of the unchanged field says nothing again.
  v.Tab();
  EXPECT_EQ(v.dlg.Tekster("Fejl").size(), 1u);

  v.Skriv(K::EditFacHjd, QStringLiteral("6"));
  v.Tab();
  EXPECT_EQ(v.Felt(K::EditFacHjd)->text(), QStringLiteral("      6,00"));
  EXPECT_EQ(v.w->Side().Inddata.FacHjd, 6.0);
  EXPECT_EQ(v.dlg.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

// A message box takes the focus while it is shown and gives it back; here the
// "box" moves the focus through another, edited field and back.
class TFokusflyttendeDialog : public TSkriptetDialog {
 public:
  QLineEdit* gennem = nullptr;
  QLineEdit* tilbage = nullptr;
  TSvar Meddel(TBeskedArt art, const std::string& titel, const std::string& t,
               TKnapper knapper) override {
    const TSvar svar = TSkriptetDialog::Meddel(art, titel, t, knapper);
    if (art == TBeskedArt::Fejl) {
      gennem->setFocus(Qt::MouseFocusReason);
      tilbage->setFocus(Qt::ActiveWindowFocusReason);
    }
    return svar;
  }
};

TEST(Vindue, BeskedUnderEtFeltsForladelseStarterIngenNyForladelse) {
  TTestMappe m;
  m.KopierStandard();
  TFokusflyttendeDialog dlg;
  TTaelleUr ur;
  THovedvindue w(dlg, ur, m.sti.string() + "/");
  w.show();
  QApplication::setActiveWindow(&w);
  auto* husbr = qobject_cast<QLineEdit*>(w.Kontrol(K::EditHusBr));
  auto* fachjd = qobject_cast<QLineEdit*>(w.Kontrol(K::EditFacHjd));
  dlg.gennem = fachjd;
  dlg.tilbage = husbr;
  fachjd->setText(QStringLiteral("-1"));  // would fail its own rule if left
  husbr->setFocus(Qt::MouseFocusReason);
  husbr->selectAll();
  QTest::keyClicks(husbr, QStringLiteral("0"));
  QTest::keyClick(husbr, Qt::Key_Tab);
  EXPECT_EQ(dlg.Tekster("Fejl"), std::vector<std::string>{"Huskropbredden skal være positiv"});
  EXPECT_EQ(w.Side().Inddata.FacHjd, 4.0);
  EXPECT_EQ(QApplication::focusWidget(), husbr);
  EXPECT_EQ(w.SammenlignMedModel(), "");
}

TEST(Vindue, TekstSkrevetIMaterialelistenErIntetKatalogvalg) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  auto* liste = qobject_cast<QComboBox*>(v.w->Kontrol(K::ComboBoxEL1));
  liste->setFocus(Qt::MouseFocusReason);
  liste->lineEdit()->selectAll();
  QTest::keyClicks(liste, QStringLiteral("Skifer"));
  v.Tab();
  EXPECT_EQ(v.w->Side().ComboBoxEL1.Tekst, "Skifer");
  EXPECT_EQ(v.w->Side().ComboBoxEL1.Valgt, -1);
  EXPECT_EQ(v.Felt(K::EditEL1)->text(), QStringLiteral("      0,00"));
  // Picking an item again takes its catalogue row.
  liste->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(liste, Qt::Key_Down);
  EXPECT_EQ(v.w->Side().ComboBoxEL1.Valgt, 0);
  EXPECT_EQ(v.Felt(K::EditEL1)->text(), QStringLiteral("      0,05"));
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

TEST(Vindue, FejlPaaAndenSideViserSidenOgFeltet) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.w->VisFane(TFane::Inddata2);
  v.Skriv(K::EditAaseHojde, QStringLiteral("0"));
  v.KlikFane(TFane::KontrolTvaer);  // the command waits for the field
  EXPECT_EQ(v.dlg.Tekster("Fejl"), std::vector<std::string>{"Åsehøjden skal være positiv"});
  EXPECT_EQ(v.w->AktivFane(), TFane::Inddata2);
  EXPECT_EQ(QApplication::focusWidget(), v.Felt(K::EditAaseHojde));
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

TEST(Vindue, CharnierforskydningJaNejStyrerFeltet) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  auto* boks = v.w->Kontrol(K::RadioGroupCharnForsk);
  auto knapper = boks->findChildren<QRadioButton*>();
  ASSERT_EQ(knapper.size(), 2);
  EXPECT_FALSE(v.Felt(K::EditCharnForsk)->isEnabled());  // "Ja" in Standard.aid
  QTest::mouseClick(knapper[1], Qt::LeftButton);         // "Nej"
  EXPECT_TRUE(v.Felt(K::EditCharnForsk)->isEnabled());
  v.Skriv(K::EditCharnForsk, QStringLiteral("0,5"));
  v.Tab();
  EXPECT_EQ(v.w->Side().Inddata.CharnForsk, 0.5);
  QTest::mouseClick(knapper[0], Qt::LeftButton);  // "Ja": 6,00 / 7
  EXPECT_FALSE(v.Felt(K::EditCharnForsk)->isEnabled());
  EXPECT_EQ(v.Felt(K::EditCharnForsk)->text(), QStringLiteral("      0,86"));
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

TEST(Vindue, ResultatfanenRegnerMedDetNetopIndtastede) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.Skriv(K::EditHusBr, QStringLiteral("14"));
  v.KlikFane(TFane::Resultat);  // straight after typing, without leaving
  EXPECT_EQ(v.w->AktivFane(), TFane::Resultat);
  ASSERT_TRUE(v.w->Side().Rapport.has_value());
  EXPECT_TRUE(v.w->Resultatfelt()->toPlainText().contains(QStringLiteral("Bygningsbredde      :14,00 m")));
  EXPECT_EQ(v.w->Resultatfelt()->font().pixelSize(), 13);
  EXPECT_EQ(QApplication::focusWidget(), v.w->Resultatfelt());
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

TEST(Vindue, ResultatRegnesEnGangPrVisningOgNoterneFoelgerInddata) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  // A purlin far too small raises all three notes.
  v.w->VisFane(TFane::Inddata2);
  v.Skriv(K::EditAaseHojde, QStringLiteral("50"));
  v.Tab();
  v.KlikFane(TFane::Resultat);
  EXPECT_EQ(v.ur.kald, 1);
  EXPECT_TRUE(v.w->Side().AdvarAas);
  for (int f = 0; f < AntalFaner; ++f) {
    v.w->VisFane(static_cast<TFane>(f));
    EXPECT_TRUE(v.w->Note(0)->isVisible()) << f;
  }
  // Shown again with unsaved changes: computed afresh, once (and the page
  // of the supplementary checks once, for its own report).
  EXPECT_EQ(v.ur.kald, 3);
  v.w->KommandoResultat();
  EXPECT_EQ(v.ur.kald, 4);
  // After saving, a second showing uses the result already computed.
  v.dlg.filnavne.push_back(m / "p.aid");
  v.w->KommandoGemSom();
  EXPECT_EQ(v.w->Side().InddataAendret, 0);
  v.w->VisFane(TFane::Inddata1);
  v.w->VisFane(TFane::Resultat);
  EXPECT_EQ(v.ur.kald, 4);
  // Any input change hides the notes and discards the result.
  v.w->VisFane(TFane::Inddata2);
  v.Skriv(K::EditAaseHojde, QStringLiteral("225"));
  v.Tab();
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(v.w->Note(i)->isVisible());
  EXPECT_TRUE(v.w->Resultatfelt()->toPlainText().isEmpty());
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

TEST(Vindue, UdskrivOgGemUdenResultat) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.w->SaetPdfUdskrift(m / "u.pdf");
  v.w->Knap(QStringLiteral("Udskriv (&Print) ..."))->click();
  v.w->Knap(QStringLiteral("Gem &Resultat ..."))->click();
  EXPECT_EQ(v.dlg.Tekster("FejlDialog"),
            (std::vector<std::string>{"Resultatet er endnu ikke beregnet", "Resultatet er endnu ikke beregnet"}));
  EXPECT_FALSE(std::filesystem::exists(m / "u.pdf"));
}

TEST(Vindue, HentOgGemGennemDialogerne) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.Skriv(K::EditProjektnavn, QStringLiteral("Hal 3"));
  v.dlg.filnavne.push_back(m / "hal3.aid");
  v.w->Knap(QStringLiteral("Gem &som ..."))->click();  // commits the typed name first
  ASSERT_TRUE(std::filesystem::exists(m / "hal3.aid"));
  EXPECT_EQ(v.w->Side().InddataAendret, 0);

  v.Skriv(K::EditProjektnavn, QStringLiteral("Noget andet"));
  v.w->VisFane(TFane::Inddata2);
  v.dlg.filnavne.push_back(m / "hal3.aid");
  v.dlg.svar.push_back(false);  // do not save the changes first
  v.w->KommandoHent();
  EXPECT_TRUE(Indeholder(v.dlg.Tekster("JaNejAnnuller"), "Skal nuværende inddata først gemmes?"));
  EXPECT_EQ(v.Felt(K::EditProjektnavn)->text(), QStringLiteral("Hal 3"));
  EXPECT_EQ(v.w->AktivFane(), TFane::Inddata1);
  EXPECT_EQ(v.w->Side().InddataAendret, 0);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");

  // A project given on the command line is opened instead of the default.
  TVindue aaben(m, m / "hal3.aid");
  EXPECT_EQ(aaben.Felt(K::EditProjektnavn)->text(), QStringLiteral("Hal 3"));
  EXPECT_EQ(aaben.w->Side().InddataAendret, 0);
}

TEST(Vindue, LukMedOgUdenAendringer) {
  TTestMappe m;
  m.KopierStandard();
  {
    TVindue v(m);
    EXPECT_TRUE(v.w->close());
    EXPECT_TRUE(v.dlg.Tekster("JaNejAnnuller").empty());
  }
  {
    TVindue v(m);
    v.Skriv(K::EditMedarb, QStringLiteral("KL"));  // committed by closing
    v.dlg.svar.push_back(false);
    EXPECT_TRUE(v.w->close());
    EXPECT_EQ(v.dlg.Tekster("JaNejAnnuller"), std::vector<std::string>{"Skal nuværende inddata først gemmes?"});
    EXPECT_EQ(v.w->Side().Inddata.Medarb, "KL");
  }
}

// The words of a PDF with their page and left edge in points, read by
// pdftotext.
struct TPdfOrd {
  int side;
  double x;
  std::string tekst;
};

std::vector<TPdfOrd> LaesPdfOrd(const std::string& pdf, const std::string& html) {
  std::vector<TPdfOrd> ud;
  if (std::system(("pdftotext -bbox '" + pdf + "' '" + html + "'").c_str()) != 0) return ud;
  std::ifstream ind(html);
  const std::regex ord(R"x(<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>)x");
  std::string linje;
  int side = 0;
  while (std::getline(ind, linje)) {
    if (linje.find("<page ") != std::string::npos) ++side;
    std::smatch m;
    if (std::regex_search(linje, m, ord)) ud.push_back({side, std::stod(m[1]), m[2]});
  }
  return ud;
}

// Left edge of the printable area of the A4 page the PDF seam prints on.
double VenstreKant() {
  QPrinter p(QPrinter::HighResolution);
  p.setOutputFormat(QPrinter::PdfFormat);
  p.setPageSize(QPageSize(QPageSize::A4));
  return p.pageLayout().paintRect(QPageLayout::Point).left();
}

TEST(Vindue, UdskriftTilPdfHarVenstremargenOgSideskift) {
  TTestMappe m;
  const std::string pdf = m / "u.pdf";
  ASSERT_TRUE(SkrivLinjerTilPdf(pdf, UdskriftForloeb({"Side en", "\fSide to", "sidste linie"})));
  const auto ord = LaesPdfOrd(pdf, m / "u.html");
  ASSERT_EQ(ord.size(), 6u);
  const int sider[] = {1, 1, 2, 2, 2, 2};  // the form feed started page two
  for (std::size_t i = 0; i < ord.size(); ++i) EXPECT_EQ(ord[i].side, sider[i]) << ord[i].tekst;
  // Ten blanks of Courier New 10 pt (6 pt each) before every line.
  for (int i : {0, 2, 4}) EXPECT_NEAR(ord[i].x - VenstreKant(), 60.0, 1.0) << ord[i].tekst;
}

// A long report runs on over as many pages as it needs: no line is lost at
// a page's foot.
TEST(Vindue, UdskriftAf200LinjerBeholderHverLinje) {
  TTestMappe m;
  std::vector<std::string> rapport;
  for (int i = 1; i <= 200; ++i) rapport.push_back("linje" + std::to_string(i));
  ASSERT_TRUE(SkrivLinjerTilPdf(m / "l.pdf", UdskriftForloeb(rapport)));
  const auto ord = LaesPdfOrd(m / "l.pdf", m / "l.html");
  ASSERT_EQ(ord.size(), 200u);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(ord[static_cast<std::size_t>(i)].tekst, "linje" + std::to_string(i + 1));
  EXPECT_GT(ord.back().side, 2);
}

TEST(Vindue, UdskrivResultatGennemPdfSoemmen) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.w->KommandoResultat();
  v.w->SaetPdfUdskrift(m / "r.pdf");
  v.w->KommandoUdskriv();
  const auto ord = LaesPdfOrd(m / "r.pdf", m / "r.html");
  ASSERT_FALSE(ord.empty());
  const auto kvistor = std::find_if(ord.begin(), ord.end(), [](const TPdfOrd& o) { return o.tekst == "Kvistor"; });
  ASSERT_NE(kvistor, ord.end());
  EXPECT_EQ(kvistor->side, 1);
  EXPECT_NEAR(kvistor->x - VenstreKant(), 60.0, 1.0);
  EXPECT_NEAR(ord[0].x - VenstreKant(), 60.0, 1.0);  // the rule above it
  EXPECT_GT(ord.back().side, 1);  // a full page goes on to the next
}

}  // namespace
}  // namespace kvistor
