// A monkey at the keyboard and the mouse: random keys, clicks on random
// widgets, page and menu changes, with the scripted dialog answering at
// random. The window must neither crash nor hang, and it must end showing
// exactly what the model holds. KVISTOR_ABE_HAENDELSER sets the number of
// events (10 000 by default).
#include <gtest/gtest.h>

#include <random>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QRadioButton>

#include "tests/app/vindue_hjaelp.h"

namespace kvistor {
namespace {

TEST(Abe, TilfaeldigeHaendelserEnderMedVinduetLigModellen) {
  const int antal = qEnvironmentVariableIsEmpty("KVISTOR_ABE_HAENDELSER")
                        ? 10000
                        : qEnvironmentVariableIntValue("KVISTOR_ABE_HAENDELSER");
  TTestMappe m;
  m.KopierStandard();
  TVindue v(m);
  v.w->SaetPdfUdskrift(m / "abe.pdf");
  std::mt19937 tal(20261207);
  auto terning = [&](int n) { return static_cast<int>(tal() % static_cast<unsigned>(n)); };

  // The widgets a user can reach, and the menu items (closing and the About
  // window's own event loop excepted: closing ends the run, tested apart).
  QList<QWidget*> maal;
  for (QWidget* w : v.w->findChildren<QWidget*>())
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w))
      maal << w;
  QList<QAction*> menu;
  for (QAction* a : v.w->Menupunkter())
    if (a->objectName() != QStringLiteral("Afslut")) menu << a;
  const Qt::Key taster[] = {Qt::Key_0, Qt::Key_1, Qt::Key_5, Qt::Key_9, Qt::Key_Comma, Qt::Key_Period,
                            Qt::Key_Minus, Qt::Key_A, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab,
                            Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space};
  const std::string filer[] = {m / "abe.aid", m / "abe.txt", m / "findes ikke.aid", m / "Standard.aid"};

  for (int i = 0; i < antal; ++i) {
    // Answers for whatever the next event asks.
    v.dlg.svar.push_back(terning(2) == 0);
    if (terning(3) == 0) v.dlg.filnavne.push_back(std::nullopt);
    else v.dlg.filnavne.push_back(filer[terning(4)]);
    while (v.dlg.filnavne.size() > 4) v.dlg.filnavne.pop_front();
    while (v.dlg.svar.size() > 4) v.dlg.svar.pop_front();

    switch (terning(10)) {
      case 0:
      case 1:
      case 2:
      case 3: {
        QWidget* f = QApplication::focusWidget();
        QTest::keyClick(f ? f : v.w.get(), taster[terning(std::size(taster))]);
        break;
      }
      case 4:
      case 5:
      case 6: {
        QWidget* w = maal[terning(static_cast<int>(maal.size()))];
        if (!w->isVisible() || !w->isEnabled()) break;
        if (auto* c = qobject_cast<QComboBox*>(w)) {
          c->setFocus(Qt::MouseFocusReason);
          QTest::keyClick(c, terning(2) ? Qt::Key_Down : Qt::Key_Up);
        } else if (qobject_cast<QAbstractButton*>(w) &&
                   qobject_cast<QAbstractButton*>(w)->text() == QStringLiteral("Afslut programmet")) {
          break;
        } else {
          QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        }
        break;
      }
      case 7:
      case 8: {
        QTabBar* t = v.w->Faner();
        QTest::mouseClick(t, Qt::LeftButton, {}, t->tabRect(terning(AntalFaner)).center());
        break;
      }
      default: menu[terning(static_cast<int>(menu.size()))]->trigger(); break;
    }
    // Closing, the About window or a button's keyboard press may have taken
    // the window away; the monkey carries on in it.
    if (!v.w->isVisible() || QApplication::activeWindow() != v.w.get()) {
      v.w->OmVindue()->close();
      if (QWidget* d = v.w->IndstillingsDialog()) d->close();
      if (QWidget* d = v.w->DokumentationsDialog()) d->close();
      v.w->show();
      QApplication::setActiveWindow(v.w.get());
    }
    if (i % 500 == 0) {
      v.w->VisFane(TFane::HjaelpTvaer);  // commits the field being edited
      ASSERT_EQ(v.w->SammenlignMedModel(), "") << "efter " << i << " hændelser";
    }
  }
  // Leave the field being edited, as any command would, then compare.
  v.w->VisFane(TFane::HjaelpTvaer);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
  // The run reached the messages and the calculation, not only the keys.
  EXPECT_GT(v.dlg.kald.size(), 10u);
  if (antal >= 1000) {
    EXPECT_GT(v.ur.kald, 0);
  }
  v.w->OmVindue()->close();
}

}  // namespace
}  // namespace kvistor
