// kvistor: the desktop program. "kvistor PROJEKT.aid" opens that project
// instead of the default one.
#include <cstdio>
#include <cstring>
#include <string>

#include <QApplication>

#include "app/hovedvindue.h"
#include "app/programmappe.h"
#include "app/qt_dialog.h"
#include "common/filer.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::puts("Kvistor 1.0.0");
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::puts("Brug: kvistor [PROJEKT.aid]\n"
                "Starter Kvistor, dimensionering af åse- og gerberforbindelser.\n"
                "Uden projektfil hentes Standard.aid fra programmappen.\n"
                "  --version  vis programmets version\n"
                "  --help     vis denne hjælp\n"
                "Rapport uden vindue: kvistor-cli rapport PROJEKT.aid");
      return 0;
    }
  }
  kvistor::InstallerSignalOprydning();
  // Qt takes its own options (-platform, -style, ...) out of the arguments.
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kvistor"));
  std::string projekt;
  const QStringList argumenter = QCoreApplication::arguments();
  for (int i = 1; i < argumenter.size(); ++i) {
    if (argumenter[i].startsWith(QLatin1Char('-'))) {
      std::fprintf(stderr, "kvistor: ukendt tilvalg %s (se kvistor --help)\n", argumenter[i].toLocal8Bit().constData());
      return 1;
    }
    if (projekt.empty()) projekt = argumenter[i].toStdString();
  }
  kvistor::IndlaesDanskeOversaettelser(app);
  kvistor::TQtDialog dialog;
  kvistor::TSystemUr ur;
  const std::string mappe =
      kvistor::BestemProgrammappe(QCoreApplication::applicationDirPath().toStdString());
  kvistor::THovedvindue vindue(dialog, ur, mappe, projekt);
  dialog.SaetForaelder(&vindue);
  vindue.show();
  return app.exec();
}
