// The design aids in the window, on real widgets offscreen: the live-verdict
// strip after a leave, the two aid dialogs with "Brug" and "Annuller", and
// the page "Kurver" with its export.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <regex>
#include <thread>

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "app/domstrimmel_widget.h"
#include "app/hjaelpemiddel_dialog.h"
#include "app/kurveside.h"
#include "design/aaseoptimering.h"
#include "design/charnieroptimering.h"
#include "design/hjaelpemiddeltabeller.h"
#include "design/tvaersnitssoegning.h"
#include "tests/app/vindue_hjaelp.h"

namespace kvistor {
namespace {

using K = TKontrol;

// The figure of the report line that begins with `start`, as the strip
// writes it.
std::string RapportTal(const std::vector<std::string>& rapport, const std::string& start) {
  for (const std::string& l : rapport) {
    std::smatch m;
    if (l.rfind(start, 0) == 0 && std::regex_search(l, m, std::regex(R"((L/)?[0-9]([0-9.]*[0-9])?( %)?)")))
      return m.str();
  }
  return "?";
}

bool Groen(const QLabel* l) { return l->palette().color(QPalette::WindowText) == StrimmelFarve(true); }

TEST(Hjaelpemidler, StrimmelSkifterStraksUdenRapportOgNoter) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  const TDomStrimmelVisning* s = v.w->Strimmel();
  ASSERT_TRUE(s->Strimmel().Beregnet);
  ASSERT_TRUE(s->isVisible());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Groen(s->Tal(i))) << i;

  // A wider purlin spacing (1,20 m to 2,00 m) loads each purlin more:
  // 119 % in the report. The strip turns red at the leave, while the
  // notes and the report wait for the result page.
  v.Skriv(K::EditAaseAfst, QStringLiteral("2"));
  v.Tab();
  ASSERT_TRUE(s->Strimmel().Beregnet);
  EXPECT_FALSE(s->Strimmel().Felter[0].Ok);
  EXPECT_FALSE(Groen(s->Tal(0)));
  EXPECT_TRUE(v.w->Note(0)->isHidden());
  EXPECT_FALSE(v.w->Side().Rapport.has_value());
  EXPECT_EQ(v.ur.kald, 0);
  EXPECT_TRUE(v.dlg.kald.empty());

  v.KlikFane(TFane::Resultat);
  ASSERT_TRUE(v.w->Side().Rapport.has_value());
  EXPECT_EQ(v.ur.kald, 1);
  EXPECT_FALSE(v.w->Note(0)->isHidden());
  const auto& r = *v.w->Side().Rapport;
  const auto& f = s->Strimmel().Felter;
  EXPECT_EQ(f[0].Tekst, "Åsetværsnit " + RapportTal(r, "  Den største udnyttelsesgrad for åsetværsnittet"));
  EXPECT_EQ(f[1].Tekst, "Samling " + RapportTal(r, "  Den største udnyttelsesgrad for en gerberbeslag"));
  EXPECT_EQ(f[2].Tekst, "Nedbøjning " + RapportTal(r, "  Den største nedbøjning for egenlast"));

  // A broken field rule: the strip names why, the figures go.
  v.KlikFane(TFane::Inddata1);
  v.Skriv(K::EditHusBr, QStringLiteral("0"));
  v.Tab();
  EXPECT_FALSE(s->Strimmel().Beregnet);
  EXPECT_EQ(s->Strimmel().Felt, K::EditHusBr);
  EXPECT_FALSE(s->Besked()->isHidden());
  EXPECT_TRUE(s->Tal(0)->isHidden());
  // Nor does an aid start on it: the rule's message again, no dialog.
  const std::size_t fejl = v.dlg.Tekster("Fejl").size();
  v.w->Knap(QStringLiteral("Find billigste tværsnit ..."))->click();
  EXPECT_EQ(v.w->Hjaelpemiddel(), nullptr);
  ASSERT_EQ(v.dlg.Tekster("Fejl").size(), fejl + 1);
  EXPECT_EQ(v.w->AktivFane(), TFane::Inddata1);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

// Runs an aid from its button to its finished table.
THjaelpemiddelDialog* KoerHjaelpemiddel(TVindue& v, const char* knap) {
  v.w->VisFane(TFane::Inddata2);
  QPushButton* k = v.w->Knap(QString::fromUtf8(knap));
  if (!k) return nullptr;
  k->click();
  THjaelpemiddelDialog* d = v.w->Hjaelpemiddel();
  if (!d) return nullptr;
  EXPECT_TRUE(d->isVisible());
  EXPECT_TRUE(QTest::qWaitFor([d] { return d->Faerdig(); }, 60000));
  return d;
}

TEST(Hjaelpemidler, BrugAnvenderDenValgteRaekkeGennemModellen) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);

  THjaelpemiddelDialog* d = KoerHjaelpemiddel(v, "Find billigste tværsnit ...");
  ASSERT_NE(d, nullptr);
  const TTvaersnitsSoegning soeg = FindMindsteTvaersnit(v.w->Side().Inddata, false);
  ASSERT_FALSE(soeg.Bestaaede.empty());
  EXPECT_EQ(d->Tabel()->rowCount(), static_cast<int>(soeg.Bestaaede.size()));
  EXPECT_EQ(d->Tabel()->currentRow(), 0);  // the smallest first, chosen
  EXPECT_TRUE(d->Fremdrift()->isHidden());
  ASSERT_TRUE(d->BrugKnap()->isEnabled());
  d->BrugKnap()->click();
  const TTvaersnitsVariant& bedst = soeg.Bestaaede.front();
  EXPECT_EQ(v.w->Side().Inddata.AaseHojde, bedst.Hoejde);
  EXPECT_EQ(v.w->Side().Inddata.AaseBredde, bedst.Bredde);
  EXPECT_EQ(v.w->Side().Inddata.Beslag, bedst.Beslag);
  EXPECT_EQ(v.w->Side().InddataAendret, 1);
  EXPECT_TRUE(v.w->Strimmel()->Strimmel().Beregnet);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");

  d = KoerHjaelpemiddel(v, "Optimer charnierforskydning ...");
  ASSERT_NE(d, nullptr);
  const TCharnierScanning scan = OptimerCharnierforskydning(v.w->Side().Inddata);
  ASSERT_TRUE(scan.Bedste.has_value());
  const TTabel tabel = CharnierTabel(scan, "", false);
  ASSERT_TRUE(tabel.Valgt.has_value());
  EXPECT_EQ(d->Tabel()->rowCount(), static_cast<int>(tabel.Raekker.size()));
  EXPECT_EQ(d->Tabel()->currentRow(), static_cast<int>(*tabel.Valgt));
  d->BrugKnap()->click();
  EXPECT_EQ(v.w->Side().RadioGroupCharnForsk, 1);
  EXPECT_EQ(std::lround(v.w->Side().Inddata.CharnForsk * 1000), scan.Kurve[*scan.Bedste].ForskydningMm);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");

  // The joint search: section, hanger and offset in one "Brug".
  d = KoerHjaelpemiddel(v, "Find billigste åse ...");
  ASSERT_NE(d, nullptr);
  const TAaseOptimering opt = FindBilligsteAas(v.w->Side().Inddata);
  ASSERT_FALSE(opt.Bestaaede.empty());
  EXPECT_EQ(d->Tabel()->rowCount(), static_cast<int>(opt.Bestaaede.size()));
  EXPECT_TRUE(d->Note()->text().startsWith(QStringLiteral("Bedste: ")));
  d->BrugKnap()->click();
  const TAaseVariant& b = opt.Bestaaede.front();
  EXPECT_EQ(v.w->Side().Inddata.AaseHojde, b.Hoejde);
  EXPECT_EQ(v.w->Side().Inddata.AaseBredde, b.Bredde);
  EXPECT_EQ(v.w->Side().Inddata.Beslag, b.Beslag);
  EXPECT_EQ(std::lround(v.w->Side().Inddata.CharnForsk * 1000), b.ForskydningMm);
  EXPECT_TRUE(v.w->Strimmel()->Strimmel().Felter[0].Ok);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");

  // "Annuller" leaves the record as it is, whether or not the search ended.
  const Inddata foer = v.w->Side().Inddata;
  v.w->Knap(QStringLiteral("Optimer charnierforskydning ..."))->click();
  QPointer<THjaelpemiddelDialog> annulleret = v.w->Hjaelpemiddel();
  ASSERT_TRUE(annulleret);
  annulleret->AnnullerKnap()->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return annulleret.isNull(); }, 60000));
  EXPECT_EQ(v.w->Side().Inddata.CharnForsk, foer.CharnForsk);
  EXPECT_EQ(v.w->Side().Inddata.AaseHojde, foer.AaseHojde);
  EXPECT_TRUE(v.dlg.Tekster("Fejl").empty());
}

// A search that reports part of its work and then runs until it is told to
// stop: the progress bar appears, and "Annuller" reaches the search.
TEST(Hjaelpemidler, FremdriftOgAnnullerNaarSoegningen) {
  std::atomic<bool> stoppet{false};
  auto* d = new THjaelpemiddelDialog(QStringLiteral("Prøve"), [&stoppet](const TSoegeStyring& s) {
    s.Fremdrift(3, 10);
    while (!s.Stop.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    stoppet = true;
    return THjaelpemiddelResultat{};
  });
  d->show();
  ASSERT_TRUE(QTest::qWaitFor([d] { return d->Fremdrift()->isVisible(); }, 10000));
  EXPECT_EQ(d->Fremdrift()->value(), 3);
  EXPECT_EQ(d->Fremdrift()->maximum(), 10);
  EXPECT_FALSE(d->BrugKnap()->isEnabled());
  d->AnnullerKnap()->click();
  EXPECT_TRUE(d->isHidden());
  delete d;  // joins the search, which must have seen the stop
  EXPECT_TRUE(stoppet);
}

TEST(Hjaelpemidler, KurvesidenViserOgGemmerDiagrammerne) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.KlikFane(TFane::Kurver);
  ASSERT_EQ(v.w->AktivFane(), TFane::Kurver);
  TKurveside* k = v.w->Kurveside();
  ASSERT_FALSE(k->Kurver().empty());
  EXPECT_EQ(k->Valg()->currentIndex(), 0);  // the cases governing bending
  EXPECT_FALSE(v.w->Side().Rapport.has_value());

  k->Valg()->setCurrentIndex(k->Valg()->count() - 1);
  ASSERT_EQ(k->Kurver().size(), 1u);
  EXPECT_EQ(TilfaeldeNavn(k->Kurver()[0].Tilfaelde), k->Valg()->currentText().toStdString());

  v.dlg.filnavne = {m / "k.svg", m / "k.png", std::nullopt};
  k->GemSvg();
  k->GemPng();
  k->GemSvg();  // cancelled: nothing written, nothing said
  std::ifstream svg(m / "k.svg");
  const std::string tekst((std::istreambuf_iterator<char>(svg)), {});
  EXPECT_NE(tekst.find("<svg"), std::string::npos);
  EXPECT_NE(tekst.find("</svg>"), std::string::npos);
  EXPECT_EQ(QImage(QString::fromStdString(m / "k.png")).size(),
            QSize(KurveEksportBredde, KurveEksportHoejdePrTilfaelde));
  EXPECT_EQ(v.dlg.Tekster("GemFilnavn").size(), 3u);
  EXPECT_TRUE(v.dlg.Tekster("Fejl").empty());
}

}  // namespace
}  // namespace kvistor
