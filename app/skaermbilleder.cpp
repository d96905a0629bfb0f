// kvistor-skaermbilleder MAPPE: the real window on the current display,
// every page at the default, the smallest and the largest size, each saved as a
// PNG in MAPPE (side<n>-<bredde>x<hoejde>.png); the window with its three
// warning notes raised as noter.png, every menu opened (menu-<navn>.png),
// the settings dialog, the hinge-offset aid with its chart and the About
// window.
#include <cstdio>
#include <string>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

#include "app/hjaelpemiddel_dialog.h"
#include "app/hovedvindue.h"
#include "app/omvindue.h"
#include "app/qt_dialog.h"
#include "common/optagende_dialog.h"

namespace {

void Vent(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
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
  const QSize start = w.size();
  const QSize stoerrelser[] = {start, w.minimumSize(), w.maximumSize()};
  for (const QSize& s : stoerrelser) {
    w.resize(s);
    for (int f = 0; f < kvistor::AntalFaner; ++f) {
      w.VisFane(static_cast<kvistor::TFane>(f));
      QApplication::processEvents();
      const QString navn = QStringLiteral("%1/side%2-%3x%4.png").arg(ud).arg(f + 1).arg(s.width()).arg(s.height());
      w.grab().save(navn);
    }
  }
  w.resize(start);
  w.VisFane(kvistor::TFane::Inddata1);
  QApplication::processEvents();
  // Every menu opened below its title.
  for (QAction* a : w.menuBar()->actions()) {
    QMenu* m = a->menu();
    if (!m) continue;
    m->popup(w.mapToGlobal(w.menuBar()->actionGeometry(a).bottomLeft()));
    Vent(100);
    const QString navn = a->text().remove(QLatin1Char('&')).toLower();
    m->grab().save(QStringLiteral("%1/menu-%2.png").arg(ud, navn));
    m->hide();
  }
  w.Handling("Indstillinger")->trigger();
  Vent(100);
  if (QWidget* d = w.IndstillingsDialog()) {
    d->grab().save(ud + QStringLiteral("/indstillinger.png"));
    d->close();
  }
  w.Handling("OptimerCharnierforskydning")->trigger();
  for (int i = 0; i < 600 && !(w.Hjaelpemiddel() && w.Hjaelpemiddel()->Faerdig()); ++i) Vent(100);
  if (kvistor::THjaelpemiddelDialog* d = w.Hjaelpemiddel()) {
    Vent(100);
    d->grab().save(ud + QStringLiteral("/charnierforskydning.png"));
    d->reject();
  }
  Vent(100);

  // A purlin far too small raises the three red notes beside the pages.
  // The dialogs took the focus; nobody gives it back without a window
  // manager.
  QApplication::setActiveWindow(&w);
  w.VisFane(kvistor::TFane::Inddata2);
  auto* hoejde = static_cast<QLineEdit*>(w.Kontrol(kvistor::TKontrol::EditAaseHojde));
  hoejde->setFocus(Qt::MouseFocusReason);
  hoejde->setText(QStringLiteral("50"));
  w.VisFane(kvistor::TFane::Resultat);
  Vent(200);
  w.grab().save(ud + QStringLiteral("/noter.png"));

  w.OmVindue()->Vis();
  QApplication::processEvents();
  w.OmVindue()->grab().save(ud + QStringLiteral("/om.png"));
  for (const auto& k : dlg.kald) std::fprintf(stderr, "%s: %s\n", k.art.c_str(), k.tekst.c_str());
  return 0;
}
