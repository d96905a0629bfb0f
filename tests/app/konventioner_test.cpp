// What a user must be able to trust in the window, and what he expects of a
// desktop program: nothing typed is lost at a question, a refused number or
// a click elsewhere; undo and redo through the model; Ctrl+S, recent files,
// drops and the settings; and a file that cannot be opened.
#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QPushButton>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QUrl>

#include "app/indstillinger_dialog.h"
#include "common/indstillinger.h"
#include "tests/app/vindue_hjaelp.h"

namespace kvistor {
namespace {

using K = TKontrol;

void Tast(QWidget* w, Qt::Key tast, Qt::KeyboardModifiers mod = Qt::ControlModifier) {
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, tast, mod);
}

void Slip(QWidget* maal, const std::string& fil) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(fil))});
  const QPoint p = maal->rect().center();
  QDragEnterEvent ind(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(maal, &ind);
  QDropEvent slip(QPointF(p), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(maal, &slip);
  QApplication::processEvents();
}

// Escape (Annuller): the window and the input stay, whether closing,
// opening or dropping a file (Ja with a save that is cancelled or fails is
// the core's question, tested there).
TEST(Tillid, SpoergsmaaletFoerLukOgHentMisterIntet) {
  enum class TVej { Luk, Hent, Slip };
  for (const TVej vej : {TVej::Luk, TVej::Hent, TVej::Slip}) {
    SCOPED_TRACE(static_cast<int>(vej));
    TTestMappe m;
    m.KopierStandard();
    TVindue v(m);
    v.Skriv(K::EditMedarb, QStringLiteral("KL"));
    v.Tab();
    v.dlg.svarTre.push_back(TSvar::Annuller);
    if (vej == TVej::Hent) v.dlg.filnavne.push_back(m / "Standard.aid");
    if (vej == TVej::Luk) {
      EXPECT_FALSE(v.w->close());
    } else if (vej == TVej::Hent) {
      Tast(v.w.get(), Qt::Key_O);
    } else {
      Slip(v.w.get(), m / "Standard.aid");
    }
    EXPECT_EQ(v.dlg.Tekster("JaNejAnnuller").size(), 1u);
    EXPECT_TRUE(v.w->isVisible());
    EXPECT_EQ(v.w->Side().Inddata.Medarb, "KL");
    EXPECT_EQ(v.Felt(K::EditMedarb)->text(), QStringLiteral("KL"));
    EXPECT_TRUE(v.w->isWindowModified());
  }
}

// A number that cannot be read or lies outside its range never replaces
// the old value: the message names the field and what was typed, the old
// text comes back selected and the field keeps the focus, also when it was
// left by a click on a radio item, which then changes nothing.
TEST(Tillid, AfvistTalGiverDenGamleVaerdiOgFokusTilbage) {
  struct T {
    K felt;
    const char* tekst;
    const char* beskedHar;
    bool radioklik;
  };
  const T tilfaelde[] = {
      {K::EditHusBr, "1e9", "Huskropbredde", false},
      {K::EditHusBr, "1000000", "Huskropbredde", true},
      {K::EditFacHjd, "5.5", "Brug komma som decimaltegn", false},
      {K::EditFacHjd, "12,5x", "12,5x", true},
  };
  for (const T& t : tilfaelde) {
    SCOPED_TRACE(t.tekst);
    TTestMappe m;
    m.KopierStandard();
    TVindue v(m);
    const Inddata foer = v.w->Side().Inddata;
    const QString gammel = v.Felt(t.felt)->text();
    v.Skriv(t.felt, QString::fromUtf8(t.tekst));
    if (t.radioklik) {
      auto* terraen = v.w->Kontrol(K::RadioGroupTerrKat)->findChildren<QRadioButton*>().first();
      QTest::mouseClick(terraen, Qt::LeftButton, {}, terraen->rect().center());
    } else {
      v.Tab();
    }
    QApplication::processEvents();
    const auto fejl = v.dlg.Tekster("Fejl");
    ASSERT_EQ(fejl.size(), 1u);
    EXPECT_NE(fejl[0].find(t.beskedHar), std::string::npos) << fejl[0];
    QLineEdit* e = v.Felt(t.felt);
    EXPECT_EQ(e->text(), gammel);
    EXPECT_EQ(e->selectedText(), gammel);
    EXPECT_EQ(QApplication::focusWidget(), e);
    EXPECT_TRUE(v.w->Side().Inddata == foer);
    EXPECT_FALSE(v.w->isWindowModified());
    EXPECT_EQ(v.w->SammenlignMedModel(), "");
  }
}

// Every accepted change is one step; undo restores the whole record through
// the model (the coupled snow field follows its radio group), and undoing
// back to what the file holds clears the changed marker.
TEST(Fortryd, HverAendringErEtTrinTilbageTilDetGemte) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  std::vector<Inddata> trin{v.w->Side().Inddata};
  v.Skriv(K::EditHusBr, QStringLiteral("15"));
  v.Tab();
  trin.push_back(v.w->Side().Inddata);
  auto* forhoejet = v.w->Kontrol(K::RadioGroupNormSneFormFak)->findChildren<QRadioButton*>().at(1);
  forhoejet->click();
  trin.push_back(v.w->Side().Inddata);
  ASSERT_TRUE(v.Felt(K::EditKaraktSneLast)->isEnabled());
  auto* tag = qobject_cast<QComboBox*>(v.w->Kontrol(K::ComboBoxEL1));
  tag->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(tag, Qt::Key_Down);
  trin.push_back(v.w->Side().Inddata);
  ASSERT_FALSE(trin[3] == trin[2]);
  EXPECT_EQ(v.w->Fortrydelse().Antal(), 4u);

  for (int i = 2; i >= 0; --i) {
    Tast(v.w.get(), Qt::Key_Z);
    EXPECT_TRUE(v.w->Side().Inddata == trin[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(v.w->SammenlignMedModel(), "");
  }
  EXPECT_FALSE(v.Felt(K::EditKaraktSneLast)->isEnabled());
  EXPECT_FALSE(v.w->isWindowModified());
  EXPECT_FALSE(v.w->Handling("Fortryd")->isEnabled());
  for (int i = 1; i <= 3; ++i) {
    Tast(v.w.get(), Qt::Key_Y);
    EXPECT_TRUE(v.w->Side().Inddata == trin[static_cast<std::size_t>(i)]) << i;
  }
  EXPECT_TRUE(v.w->isWindowModified());
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
}

// Ctrl+S on the default project asks for a name (the project's, in the
// user's folder, never the program's); then it saves to that file without
// asking. The file joins the recent projects, and one that is gone leaves
// the list with a message. A dropped project opens as "Hent" does.
TEST(Fortryd, GemSenesteOgSlip) {
  TTestMappe m;
  m.KopierStandard();
  std::filesystem::copy_file(m / "Standard.aid", m / "andet.aid");
  TVindue v(m);
  v.dlg.filnavne.push_back(m / "ny.aid");
  Tast(v.w.get(), Qt::Key_S);
  ASSERT_EQ(v.dlg.fildialoger.size(), 1u);
  const TFilDialog& d = v.dlg.fildialoger[0];
  EXPECT_EQ(d.filter, "Kvistor-projekter (*.aid)|*.aid");
  EXPECT_EQ(d.forslag, "Standardprojekt.aid");
  EXPECT_NE(d.mappe + "/", m.sti.string() + "/");
  EXPECT_EQ(v.w->windowTitle(), QStringLiteral("Standardprojekt – ny.aid[*] – Kvistor"));

  v.Skriv(K::EditMedarb, QStringLiteral("KL"));
  v.Tab();
  EXPECT_TRUE(v.w->isWindowModified());
  Tast(v.w.get(), Qt::Key_S);
  EXPECT_EQ(v.dlg.fildialoger.size(), 1u);  // no second dialog
  EXPECT_FALSE(v.w->isWindowModified());
  EXPECT_EQ(TVindue(m, m / "ny.aid").w->Side().Inddata.Medarb, "KL");
  QApplication::setActiveWindow(v.w.get());

  // Ja at the question before a drop saves to the project's file, unasked.
  v.Skriv(K::EditMedarb, QStringLiteral("KM"));
  v.Tab();
  v.dlg.svarTre.push_back(TSvar::Ja);
  Slip(v.Felt(K::EditProjektnavn), m / "andet.aid");
  EXPECT_EQ(v.dlg.fildialoger.size(), 1u);
  EXPECT_EQ(TVindue(m, m / "ny.aid").w->Side().Inddata.Medarb, "KM");
  EXPECT_EQ(v.w->Projektfil(), m / "andet.aid");
  EXPECT_EQ(v.Felt(K::EditMedarb)->text(), QString());
  const QList<QAction*> seneste = v.w->SenesteMenu()->actions();
  ASSERT_GE(seneste.size(), 2);
  EXPECT_TRUE(seneste[0]->text().endsWith(QStringLiteral("andet.aid")));
  EXPECT_TRUE(seneste[1]->text().endsWith(QStringLiteral("ny.aid")));
  std::filesystem::remove(m / "ny.aid");
  seneste[1]->trigger();
  ASSERT_EQ(v.dlg.Tekster("Advarsel").size(), 1u);
  EXPECT_NE(v.dlg.Tekster("Advarsel")[0].find("findes ikke længere"), std::string::npos);
  for (QAction* a : v.w->SenesteMenu()->actions()) EXPECT_FALSE(a->text().endsWith(QStringLiteral("ny.aid")));
}

// The firm typed in "Indstillinger" is what the core reads for the report's
// head, and the window shows it at once.
TEST(Fortryd, IndstillingerGaarTilRapportensFirma) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.w->Handling("Indstillinger")->trigger();
  auto* d = dynamic_cast<TIndstillingsDialog*>(v.w->IndstillingsDialog());
  ASSERT_TRUE(d);
  d->Felt(0)->setText(QStringLiteral("Tømrer & Co"));
  d->Felt(1)->setText(QStringLiteral("KL"));
  d->accept();
  QApplication::processEvents();
  TIndstillinger ind;
  ASSERT_TRUE(LaesIndstillinger(IndstillingsfilNavn(), ind));
  EXPECT_EQ(LaesTekst(ind, NoegleFirma), "Tømrer & Co");
  EXPECT_EQ(LaesTekst(ind, NoegleUdfoertAf), "KL");
  EXPECT_EQ(v.w->Side().Firmanavn, "Tømrer & Co");
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
  AabnIndstillinger()->remove(QStringLiteral("Firma"));
}

// A named file that cannot be opened is said once, and the default project
// stays (the refusals themselves are the command line's opener's).
TEST(Tillid, EnFilDerIkkeKanAabnesEfterladerStandardprojektet) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m, m / "mangler.aid");
  EXPECT_EQ(v.dlg.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(v.w->Side().Inddata.Projektnavn, "Standardprojekt");
  EXPECT_EQ(v.w->Projektfil(), m / "Standard.aid");
}

// The smaller points: the window has its icon, sits inside the screen and
// opens at the size it was closed at;
// the guide with no PDF viewer says where the PDF is; "Om Kvistor" closes
// with Escape and with its button.
TEST(Tillid, IkonPladsVejledningOgOm) {
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  EXPECT_FALSE(v.w->windowIcon().isNull());
  const QRect fri = v.w->screen()->availableGeometry();
  EXPECT_TRUE(fri.contains(v.w->frameGeometry())) << fri.width() << "x" << fri.height();
  v.w->resize(v.w->minimumSize());
  ASSERT_TRUE(v.w->close());
  EXPECT_EQ(TVindue(m).w->size(), v.w->minimumSize());
  AabnIndstillinger()->remove(QStringLiteral("Vindue"));
  v.w->show();
  QApplication::setActiveWindow(v.w.get());
  v.w->SaetFilAabner([](const std::string&) { return false; });
  Tast(v.w.get(), Qt::Key_F1, Qt::NoModifier);
  ASSERT_EQ(v.dlg.Tekster("Information").size(), 1u);
  EXPECT_NE(v.dlg.Tekster("Information")[0].find(m / "Kvistor10_Brugervejledning.pdf"), std::string::npos);
  for (bool flugt : {true, false}) {
    v.w->Handling("Om")->trigger();
    ASSERT_TRUE(v.w->OmVindue()->isVisible());
    QApplication::setActiveWindow(v.w->OmVindue());
    if (flugt) QTest::keyClick(v.w->OmVindue(), Qt::Key_Escape);
    else v.w->OmVindue()->LukKnap()->click();
    EXPECT_FALSE(v.w->OmVindue()->isVisible());
  }
}

}  // namespace
}  // namespace kvistor
