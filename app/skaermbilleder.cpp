// kvistor-skaermbilleder MAPPE: the real window on the current display,
// every page at the default size and at the smallest size, each saved as a
// PNG in MAPPE (side<n>-<bredde>x<hoejde>.png); the window with its three
// warning notes raised as noter.png, the About window as om.png, and the
// dialogs the user guide shows (dialog-<name>.png).
#include <cstdio>
#include <string>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <functional>

#include "app/hjaelpemiddel_dialog.h"
#include "app/hovedvindue.h"
#include "app/omvindue.h"
#include "app/qt_dialog.h"
#include "common/optagende_dialog.h"

namespace {

// Opens a dialog with the button or menu entry of this text, waits until it
// is ready (a search done), saves it as dialog-<navn>.png and closes it. A
// dialog run modally blocks the trigger, so the waiting runs on a timer.
bool FotograferDialog(QWidget& vindue, const QString& tekst, const QString& fil) {
  std::function<void()> udloes;
  for (auto* k : vindue.findChildren<QAbstractButton*>())
    if (k->text().remove('&') == tekst && k->isEnabled()) udloes = [k] { k->click(); };
  if (!udloes)
    for (auto* a : vindue.findChildren<QAction*>())
      if (a->text().remove('&') == tekst) udloes = [a] { a->trigger(); };
  if (!udloes) return false;
  bool taget = false;
  QElapsedTimer ur;
  ur.start();
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* d = qobject_cast<QDialog*>(w);
      if (!d || !d->isVisible()) continue;
      const auto* soegning = dynamic_cast<kvistor::THjaelpemiddelDialog*>(d);
      if (soegning && !soegning->Faerdig() && ur.elapsed() < 20000) return;
      QApplication::processEvents();
      d->grab().save(fil);
      taget = true;
      timer.stop();
      d->reject();
      return;
    }
  });
  timer.start(20);
  udloes();
  while (!taget && ur.elapsed() < 20000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  timer.stop();
  return taget;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (QCoreApplication::arguments().size() < 2) {
    std::fputs("Brug: kvistor-skaermbilleder MAPPE\n", stderr);
    return 1;
  }
  kvistor::IndlaesDanskeOversaettelser(app);
  const QString ud = QCoreApplication::arguments().at(1);
  QDir().mkpath(ud);
  kvistor::TSkriptetDialog dlg;
  kvistor::TFastUr ur({2026, 12, 7, 10, 0, 0});
  const std::string mappe = QCoreApplication::applicationDirPath().toStdString() + "/";
  kvistor::THovedvindue w(dlg, ur, mappe);
  w.show();
  // Without a window manager nobody activates the window; the typing below
  // needs the focus.
  QApplication::setActiveWindow(&w);
  const QSize stoerrelser[] = {QSize(792, 654), w.minimumSize(), w.maximumSize()};
  for (const QSize& s : stoerrelser) {
    w.resize(s);
    for (int f = 0; f < kvistor::AntalFaner; ++f) {
      w.VisFane(static_cast<kvistor::TFane>(f));
      QApplication::processEvents();
      const QString navn = QStringLiteral("%1/side%2-%3x%4.png").arg(ud).arg(f + 1).arg(s.width()).arg(s.height());
      w.grab().save(navn);
    }
  }
  // A purlin far too small raises the three red notes beside the pages.
  w.resize(792, 654);
  w.VisFane(kvistor::TFane::Inddata2);
  auto* hoejde = static_cast<QLineEdit*>(w.Kontrol(kvistor::TKontrol::EditAaseHojde));
  hoejde->setFocus(Qt::MouseFocusReason);
  hoejde->setText(QStringLiteral("50"));
  w.VisFane(kvistor::TFane::Resultat);
  QApplication::processEvents();
  w.grab().save(ud + QStringLiteral("/noter.png"));

  // The dialogs the user guide shows, on the default project.
  w.resize(792, 654);
  w.VisFane(kvistor::TFane::Inddata2);
  hoejde->setFocus(Qt::MouseFocusReason);
  hoejde->setText(QStringLiteral("225"));
  w.VisFane(kvistor::TFane::Inddata1);
  w.VisFane(kvistor::TFane::Inddata2);
  QApplication::processEvents();
  for (const auto& [tekst, navn] : {std::pair{"Optimer charnierforskydning ...", "charnier"},
                                     std::pair{"Indstillinger ...", "indstillinger"}})
    if (!FotograferDialog(w, QString::fromUtf8(tekst), ud + "/dialog-" + navn + ".png"))
      std::fprintf(stderr, "Dialogen \"%s\" kunne ikke fotograferes\n", tekst);

  w.OmVindue()->Vis();
  QApplication::processEvents();
  w.OmVindue()->grab().save(ud + QStringLiteral("/om.png"));
  for (const auto& k : dlg.kald) std::fprintf(stderr, "%s: %s\n", k.art.c_str(), k.tekst.c_str());
  return 0;
}
