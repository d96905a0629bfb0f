// The drawings in the window's own paint boxes and font, at the default and
// the smallest window size: every text of the two control drawings and of the
// force diagrams stays inside its box, clear of every line, marker and other
// text. With KVISTOR_TEGNINGER_PNG=folder the pictures are also saved there,
// to be looked at.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QPainter>

#include "app/kurveside.h"
#include "app/tegneflade.h"
#include "graphics/kontroltegning.h"
#include "graphics/kraftkurvetegning.h"
#include "hjaelp/optagende_laerred.h"
#include "tests/app/vindue_hjaelp.h"

namespace kvistor {
namespace {

// Draws into an image of the paint box's size and font, as its paint event
// does, and returns the conflicts of the texts.
std::vector<std::string> TegnSomFladen(const TTegneflade* flade, const std::string& navn,
                                       const std::function<void(TLaerred&, int, int)>& tegn) {
  const int b = flade->width(), h = flade->height();
  QImage billede(b, h, QImage::Format_RGB32);
  std::vector<std::string> konflikter;
  {
    QPainter maler(&billede);
    maler.setFont(flade->font());
    TegnMed(maler, [&](TLaerred& l, int bb, int hh) {
      TOptagendeLaerred optager(l);
      tegn(optager, bb, hh);
      konflikter = Tekstkonflikter(optager, bb, hh);
    }, b, h);
  }
  if (const char* mappe = std::getenv("KVISTOR_TEGNINGER_PNG"))
    billede.save(QString::fromStdString(std::string(mappe) + "/" + navn + ".png"));
  return konflikter;
}

TEST(Tegninger, TeksterneStaarFritIVinduetsFlader) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  for (const char* fag : {"8", "4"}) {
    if (std::string(fag) == "4") {
      v.w->VisFane(TFane::Inddata1);
      v.Skriv(TKontrol::EditAntalFag, QString::fromLatin1(fag));
      v.Tab();
      ASSERT_EQ(v.w->Side().Inddata.AntalFag, 4);
    }
    for (const QSize stoerrelse : {QSize(792, 654), QSize(792, 540)}) {
      v.w->resize(stoerrelse);
      const std::string hvor = std::string(fag) + " fag " + std::to_string(stoerrelse.height());
      for (const TFane fane : {TFane::KontrolTvaer, TFane::KontrolLaengde}) {
        v.w->VisFane(fane);
        QApplication::processEvents();
        const TKontroltegning art =
            fane == TFane::KontrolTvaer ? TKontroltegning::Tvaer : TKontroltegning::Laengde;
        const std::string navn = (fane == TFane::KontrolTvaer ? "tvaer " : "laengde ") + hvor;
        EXPECT_EQ(TegnSomFladen(v.w->Tegning(fane), navn,
                                [&](TLaerred& l, int b, int h) {
                                  TegnKontroltegning(art, v.w->Side().Inddata, l, b, h);
                                }),
                  std::vector<std::string>{})
            << navn;
      }
      // The cases governing bending, then purlin 1 under LK 9/w, whose
      // largest shear lies just inside the left end.
      v.w->VisFane(TFane::Kurver);
      QApplication::processEvents();
      TKurveside* k = v.w->Kurveside();
      for (const QString& valg : {QString(), QStringLiteral("Ås 1, LK 9, LT w")}) {
        if (!valg.isEmpty()) k->Valg()->setCurrentIndex(k->Valg()->findText(valg));
        QApplication::processEvents();
        ASSERT_FALSE(k->Kurver().empty()) << valg.toStdString();
        const std::string navn = "kurver " + hvor + (valg.isEmpty() ? "" : " LK9w");
        EXPECT_EQ(TegnSomFladen(k->Flade(), navn,
                                [&](TLaerred& l, int b, int h) {
                                  TegnKraftkurveDiagram(k->Kurver(), l, b, h);
                                }),
                  std::vector<std::string>{})
            << navn;
      }
      k->Valg()->setCurrentIndex(0);
    }
  }
}

}  // namespace
}  // namespace kvistor
