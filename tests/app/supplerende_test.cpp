// The window's pieces for the checks beside the report and the files for
// other programs, on real widgets offscreen with the scripted dialog: each
// shows the core's numbers and saves the core's bytes through the one
// writer. With KVISTOR_TEGNINGER_PNG=folder the widgets are also saved there
// as pictures, to be looked at.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "app/dokumentation_dialog.h"
#include "app/eksport.h"
#include "app/hjaelpemiddel_dialog.h"
#include "app/kurveside.h"
#include "app/supplerende_side.h"
#include "app/supplerende_strimmel.h"
#include "app/supplerende_valg.h"
#include "common/indstillinger.h"
#include "common/optagende_dialog.h"
#include "design/tvaersnitssoegning.h"
#include "documents/tabelskrivning.h"
#include "graphics/dxf_tegning.h"
#include "hjaelp/pdf_vaerktoej.h"
#include "hjaelp/projekt.h"
#include "hjaelp/test_mappe.h"
#include "tests/app/vindue_hjaelp.h"

namespace kvistor {
namespace {

using test::TTestMappe;

TInddataside StandardSide(int brandminutter) {
  TInddataside s = test::LaesSide(std::filesystem::path(KVISTOR_KILDEMAPPE) / "Standard.aid");
  s.Inddata.Brandmodstand = brandminutter;
  return s;
}

void Billede(QWidget& w, const char* navn) {
  if (const char* mappe = std::getenv("KVISTOR_TEGNINGER_PNG"))
    w.grab().save(QString::fromStdString(std::string(mappe) + "/" + navn + ".png"));
}

std::vector<std::string> Linjer(const QPlainTextEdit* t) {
  std::vector<std::string> ud;
  for (const QString& l : t->toPlainText().split(QLatin1Char('\n'))) ud.push_back(l.toStdString());
  return ud;
}

// The strip's second block and the page show the stricter report's own
// figures (Standard.aid: 73 % / 21 % / L/620, fire R30 reached at 24 min),
// and the page saves and prints what it shows.
TEST(Supplerende, StrimmelOgSideViserKernensTal) {
  TTestMappe m;
  const TInddataside side = StandardSide(30);
  TSupplerendeStrimmelVisning strimmel;
  strimmel.setFixedWidth(160);
  strimmel.Vis(OpdaterSupplerendeStrimmel(side));
  strimmel.show();
  EXPECT_EQ(strimmel.Tal(0)->text(), QStringLiteral("Åsetværsnit 73 % – OK"));
  EXPECT_EQ(strimmel.Tal(1)->text(), QStringLiteral("Samling 21 % – OK"));
  EXPECT_EQ(strimmel.Tal(2)->text(), QStringLiteral("Nedbøjning L/620 – OK"));
  EXPECT_EQ(strimmel.Tal(3)->text(), QStringLiteral("Brand R30 ikke opfyldt (24 min)"));
  EXPECT_EQ(strimmel.Tal(3)->palette().color(QPalette::WindowText), QColor(Qt::red));
  strimmel.adjustSize();
  Billede(strimmel, "supplerende_strimmel");

  TSkriptetDialog dlg;
  const TFastUr ur(TTidspunkt{2026, 1, 2, 3, 4, 5});
  TSupplerendeSide s(dlg, ur);
  s.resize(900, 600);
  s.Vis(side);
  Billede(s, "supplerende_side");
  const TSupplerendeRapport& r = s.Rapport();
  ASSERT_TRUE(r.Skaerpet && r.Brand);
  EXPECT_EQ(Linjer(s.Tekst()), r.Linjer);
  EXPECT_NE(std::find(r.Linjer.begin(), r.Linjer.end(), "  Den største udnyttelsesgrad for åsetværsnittet er 73 %."),
            r.Linjer.end());
  EXPECT_NE(std::find(r.Linjer.begin(), r.Linjer.end(), "  Opnået brandmodstand: 24 min"), r.Linjer.end());

  dlg.filnavne.push_back(m / "supplerende.txt");
  s.Gem();
  std::vector<std::string> gemt;
  ASSERT_TRUE(LaesTekstfil(m / "supplerende.txt", gemt));
  EXPECT_EQ(gemt, r.Linjer);
  s.SaetPdfUdskrift(m / "supplerende.pdf");
  s.Udskriv();
  EXPECT_EQ(test::Bytes(m / "supplerende.pdf").substr(0, 5), "%PDF-");

  // A broken rule: the reason on the page, no box, nothing to print.
  TInddataside brudt = side;
  brudt.Inddata.HusBr = 0;
  dlg.kald.clear();
  s.Vis(brudt);
  EXPECT_TRUE(s.Tekst()->toPlainText().startsWith(QStringLiteral("Ikke beregnet: ")));
  EXPECT_FALSE(s.GemKnap()->isEnabled());
  EXPECT_TRUE(dlg.kald.empty());

  // No check asked for: the block goes.
  TInddataside ingen = side;
  ingen.Inddata.SkaerpetKontrol = 0;
  ingen.Inddata.Brandmodstand = 0;
  strimmel.Vis(OpdaterSupplerendeStrimmel(ingen));
  EXPECT_TRUE(strimmel.isHidden());
}

// "Eksporter ..." and the drawings' buttons write the core's bytes under
// the chosen name; a name of no known format is refused with no file.
TEST(Supplerende, EksportOgTegningerSkriverKernensBytes) {
  TTestMappe m;
  const TInddataside side = StandardSide(0);
  TSkriptetDialog dlg;
  const TTabelProjekt p = BeregnTabelProjekt("Standard.aid", side.Inddata, dlg);
  const TResultattabeller t = BygResultattabeller({p});
  for (const auto& [navn, format] : {std::pair{"r.csv", TTabelFormat::Csv}, {"r.json", TTabelFormat::Json}}) {
    dlg.filnavne.push_back(m / navn);
    ASSERT_TRUE(EksporterTabeller(side, dlg, "Standard.aid")) << navn;
    std::string aarsag;
    EXPECT_EQ(test::Bytes(m / navn), TabellerSomFil(t, format, aarsag).value_or("")) << navn;
  }
  dlg.filnavne.push_back(m / "r.xlsx");
  ASSERT_TRUE(EksporterTabeller(side, dlg));
  EXPECT_EQ(test::Bytes(m / "r.xlsx").substr(0, 2), "PK");
  dlg.filnavne.push_back(m / "r.txt");
  EXPECT_FALSE(EksporterTabeller(side, dlg));
  EXPECT_FALSE(std::filesystem::exists(m / "r.txt"));
  EXPECT_EQ(dlg.Tekster("Fejl").size(), 1u);

  TTegningsEksport knapper(TKontroltegning::Laengde, side, nullptr, dlg);
  dlg.filnavne.push_back(m / "l.dxf");
  knapper.GemDxf();
  EXPECT_EQ(test::Bytes(m / "l.dxf"), DxfKontroltegning(TKontroltegning::Laengde, side.Inddata).Dxf);
  dlg.filnavne.push_back(m / "l.svg");
  knapper.GemSvg();
  EXPECT_NE(test::Bytes(m / "l.svg").find("<svg"), std::string::npos);

  TKurveside kurver(dlg);
  kurver.Vis(side);
  ASSERT_FALSE(kurver.Kurver().empty());
  dlg.filnavne.push_back(m / "k.dxf");
  kurver.GemDxf();
  EXPECT_EQ(test::Bytes(m / "k.dxf"), DxfKraftkurver(kurver.Kurver()).Dxf);
}

// The document's dialog starts from the settings; a name changed there is
// the one on the cover, and the project's checks get their chapter.
TEST(Supplerende, DokumentationMedNavneFraIndstillingerne) {
  const test::TKonfigmappe m;
  TIndstillinger ind;
  SaetTekst(ind, NoegleFirma, "Rådgivende Ingeniører A/S");
  SaetTekst(ind, NoegleUdfoertAf, "Anne Hansen");
  ASSERT_TRUE(GemIndstillinger(IndstillingsfilNavn(), ind));
  const TInddataside side = StandardSide(30);
  TSkriptetDialog dlg;
  std::string navne[TDokumentationDialog::AntalFelter];
  IndstilledeNavne(side, dlg, navne);

  TDokumentationDialog d(navne);
  EXPECT_EQ(d.Navn(0), "Rådgivende Ingeniører A/S");
  EXPECT_EQ(d.Navn(1), "Anne Hansen");
  EXPECT_EQ(d.Navn(2), "");
  d.Felt(2)->setText(QStringLiteral("Bo Kontrollant"));
  d.Felt(3)->setText(QStringLiteral("2026-17"));
  Billede(d, "dokumentation_dialog");
  for (int i = 0; i < TDokumentationDialog::AntalFelter; ++i) navne[i] = d.Navn(i);

  dlg.filnavne.push_back(m / "dok.pdf");
  ASSERT_TRUE(GemDokumentationsPdf(side, navne, TFastUr(TTidspunkt{2026, 1, 2, 3, 4, 5}), dlg,
                                   "/et/sted/Standard.aid"));
  const std::string tekst = test::TPdfFil(test::Bytes(m / "dok.pdf"), "dok").Tekst();
  for (const char* ord : {"Bo Kontrollant", "2026-17", "Anne Hansen", "Standard.aid", "Supplerende kontrol",
                          "Brandmodstand R30", "Opnået brandmodstand: 24 min"})
    EXPECT_NE(tekst.find(ord), std::string::npos) << ord;
}

// The tick boxes of the section search: a variant must then also pass the
// stricter check; the head says so, and the search starts afresh.
TEST(Supplerende, HjaelpemidletsAfkrydsningerGenstarterSoegningen) {
  const Inddata ind = StandardSide(30).Inddata;
  auto lav = [ind](const TSupplerendeValg& s) {
    return THjaelpemiddelDialog::TSoegning([ind, s](const TSoegeStyring&) {
      THjaelpemiddelResultat r;
      r.Note = QString::fromStdString(SupplerendeKravTekst(s));
      return r;
    });
  };
  THjaelpemiddelDialog d(QStringLiteral("Find billigste tværsnit"), lav(IngenSupplerende));
  const TSupplerendeValgBoks* boks = TilfoejSupplerendeValg(d, ind, lav);
  EXPECT_TRUE(boks->Brand()->isEnabled());
  EXPECT_TRUE(QTest::qWaitFor([&] { return d.Faerdig(); }, 5000));
  EXPECT_EQ(d.Note()->text(), QString());
  boks->Skaerpet()->setChecked(true);
  boks->Brand()->setChecked(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return d.Faerdig(); }, 5000));
  EXPECT_EQ(d.Note()->text(), QStringLiteral("Varianterne skal også bestå skærpet kontrol og brandmodstand R30 (3 sider)."));
}

// In the window: the fire requirement on "Inddata 2" marks the input changed
// and reaches the strip and the page after "Beregningsresultat"; the
// "Filer" menu exports; "Brug" of the joint search is one step that
// "Fortryd" takes back whole.
TEST(Supplerende, IVinduet) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.w->VisFane(TFane::Inddata2);
  for (QRadioButton* r : v.w->Kontrol(TKontrol::RadioGroupBrandmodstand)->findChildren<QRadioButton*>())
    if (r->text() == QStringLiteral("R30")) r->click();
  EXPECT_EQ(v.w->Side().Inddata.Brandmodstand, 30);
  EXPECT_EQ(v.w->Side().InddataAendret, 1);
  EXPECT_EQ(v.w->SupplerendeStrimmel()->Tal(3)->text(), QStringLiteral("Brand R30 ikke opfyldt (24 min)"));
  v.KlikFane(TFane::Supplerende);
  ASSERT_EQ(v.w->AktivFane(), TFane::Supplerende);
  const TSupplerendeRapport& r = v.w->SupplerendeSide()->Rapport();
  EXPECT_NE(std::find(r.Linjer.begin(), r.Linjer.end(), "  Opnået brandmodstand: 24 min"), r.Linjer.end());
  EXPECT_EQ(Linjer(v.w->SupplerendeSide()->Tekst()), r.Linjer);
  Billede(*v.w, "vindue_supplerende");
  v.KlikFane(TFane::KontrolLaengde);
  Billede(*v.w, "vindue_kontrol_laengde");

  QStringList punkter;
  for (QAction* a : v.w->Menupunkter()) punkter << a->text();
  EXPECT_TRUE(punkter.contains(QStringLiteral("Gem &dokumentation (PDF) ...")));
  v.dlg.filnavne.push_back(m / "t.json");
  v.w->Handling("Eksporter")->trigger();
  EXPECT_NE(test::Bytes(m / "t.json").find("\"Standard.aid\""), std::string::npos);

  const Inddata foer = v.w->Side().Inddata;
  v.w->Handling("FindBilligsteAas")->trigger();
  THjaelpemiddelDialog* d = v.w->Hjaelpemiddel();
  ASSERT_NE(d, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([d] { return d->Faerdig(); }, 60000));
  ASSERT_TRUE(d->BrugKnap()->isEnabled());
  d->BrugKnap()->click();
  EXPECT_FALSE(v.w->Side().Inddata == foer);
  v.w->Handling("Fortryd")->trigger();
  EXPECT_TRUE(v.w->Side().Inddata == foer);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");

  // The tick box of the stricter check is bound like every field.
  v.w->VisFane(TFane::Inddata2);
  auto* afkrydsning = qobject_cast<QCheckBox*>(v.w->Kontrol(TKontrol::CheckBoxSkaerpetKontrol));
  ASSERT_TRUE(afkrydsning && afkrydsning->isChecked());
  afkrydsning->click();
  EXPECT_EQ(v.w->Side().Inddata.SkaerpetKontrol, 0);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

}  // namespace
}  // namespace kvistor
