// A monkey at the keyboard and the mouse: random keys, clicks on random
// widgets, page and menu changes, shortcuts, undo and redo, dropped files,
// with the scripted dialog answering at random. The window must neither
// crash nor hang, and it must end showing exactly what the model holds; and
// undoing every step of its last stretch gives back the project as opened. KVISTOR_ABE_HAENDELSER sets the number of
// events (10 000 by default).
#include <gtest/gtest.h>

#include <random>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
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
  // Out of the monkey's reach: the file list below may save over any of
  // its names.
  std::filesystem::copy_file(m / "Standard.aid", m / "start.aid");
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
  const QKeySequence genveje[] = {
      QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::Key_S),
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_O),
      QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::Key_F1)};

  // The last stretch only edits, so that its steps can all be undone.
  const int redigerFra = antal - antal / 5;
  Inddata aabnet;
  for (int i = 0; i < antal; ++i) {
    if (i == redigerFra) {
      v.dlg.svarTre.push_back(TSvar::Nej);
      ASSERT_TRUE(v.w->KommandoAabn(m / "start.aid"));
      aabnet = v.w->Side().Inddata;
      menu.clear();
    }
    // Answers for whatever the next event asks.
    v.dlg.svar.push_back(terning(2) == 0);
    // In the last stretch every file dialog is cancelled: nothing is opened.
    if (terning(3) == 0 || i >= redigerFra) v.dlg.filnavne.push_back(std::nullopt);
    else v.dlg.filnavne.push_back(filer[terning(4)]);
    while (v.dlg.filnavne.size() > 4) v.dlg.filnavne.pop_front();
    while (v.dlg.svar.size() > 4) v.dlg.svar.pop_front();

    switch (terning(i >= redigerFra ? 9 : 12)) {
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
      case 9: menu[terning(static_cast<int>(menu.size()))]->trigger(); break;
      case 10: {
        const QKeySequence tast = genveje[terning(std::size(genveje))];
        QWidget* f = QApplication::focusWidget();
        QTest::keyClick(f ? f : v.w.get(), static_cast<Qt::Key>(tast[0].key()), tast[0].keyboardModifiers());
        break;
      }
      default: {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(filer[terning(4)]))});
        QDropEvent slip(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QWidget* w = maal[terning(static_cast<int>(maal.size()))];
        QApplication::sendEvent(terning(2) ? w : v.w.get(), &slip);
        break;
      }
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
  EXPECT_GT(v.w->Fortrydelse().Antal(), 1u);
  while (v.w->Fortrydelse().KanFortryde()) v.w->KommandoFortryd();
  EXPECT_TRUE(v.w->Side().Inddata == aabnet);
  EXPECT_EQ(v.w->SammenlignMedModel(), "");
  // Unchanged, unless "Gem" wrote a later step to the file meanwhile.
  EXPECT_EQ(v.w->isWindowModified(), !v.w->Fortrydelse().ErGemt());
  // The run reached the messages and the calculation, not only the keys.
  EXPECT_GT(v.dlg.kald.size(), 10u);
  if (antal >= 1000) {
    EXPECT_GT(v.ur.kald, 0);
  }
  v.w->OmVindue()->close();
}

}  // namespace
}  // namespace kvistor
