// kvistor: the desktop program. "kvistor PROJEKT.aid" opens that project
// instead of the default one.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>

#include "app/hovedvindue.h"
#include "app/programmappe.h"
#include "app/qt_dialog.h"
#include "common/filer.h"
#include "common/version.h"

namespace {

constexpr const char* Hjaelp =
    "Brug: kvistor [PROJEKT.aid]\n"
    "Starter Kvistor, dimensionering af åse- og gerberforbindelser.\n"
    "Uden projektfil hentes Standard.aid (din egen i ~/.config/Kvistor, ellers programmets).\n"
    "  --version  vis programmets version\n"
    "  --help     vis denne hjælp\n"
    "Rapport uden vindue: kvistor-cli rapport PROJEKT.aid\n";

// Whether a local X display can be reached. Qt would end the program with
// an abort when it cannot connect; a remote display is left to Qt.
bool XSkaermSvarer(const std::string& display) {
  if (display.empty() || display[0] != ':') return true;
  const std::string nr = display.substr(1, display.find('.') - 1);
  const std::string sti = "/tmp/.X11-unix/X" + nr;
  const int s = socket(AF_UNIX, SOCK_STREAM, 0);
  if (s < 0) return true;
  bool svar = false;
  for (bool abstrakt : {true, false}) {
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    // The abstract name first, as the X libraries try it.
    const std::size_t fra = abstrakt ? 1 : 0;
    if (sti.size() + fra >= sizeof(a.sun_path)) break;
    sti.copy(a.sun_path + fra, sti.size());
    const socklen_t laengde = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + fra + sti.size());
    if (connect(s, reinterpret_cast<sockaddr*>(&a), laengde) == 0) {
      svar = true;
      break;
    }
  }
  close(s);
  return svar;
}

// The reason there is no screen to show the window on; empty when there is
// one (or a platform was chosen, which Qt then answers for).
std::string IngenSkaerm(const QString& platform) {
  const auto env = [](const char* n) { const char* v = std::getenv(n); return std::string(v ? v : ""); };
  const std::string valgt = platform.isEmpty() ? env("QT_QPA_PLATFORM") : platform.toStdString();
  if (!valgt.empty() && valgt.rfind("xcb", 0) != 0) return {};
  const std::string display = env("DISPLAY");
  if (valgt.empty() && !env("WAYLAND_DISPLAY").empty()) return {};
  if (display.empty()) return "der er ingen skærm at vise vinduet på (DISPLAY er ikke sat)";
  if (!XSkaermSvarer(display)) return "skærmen " + display + " svarer ikke";
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  QStringList argumenter;
  for (int i = 0; i < argc; ++i) argumenter << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption hjaelp(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringLiteral("version"));
  parser.addOption(hjaelp);
  parser.addOption(version);
  // Qt's own options, which the application object takes out again.
  QCommandLineOption platform(QStringLiteral("platform"), {}, QStringLiteral("navn"));
  parser.addOption(platform);
  for (const char* qt : {"style", "display", "qwindowgeometry", "stylesheet", "session", "qwindowtitle"}) {
    QCommandLineOption o(QString::fromLatin1(qt), {}, QStringLiteral("værdi"));
    o.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(o);
  }
  parser.addOption(QCommandLineOption(QStringLiteral("reverse")));
  parser.addPositionalArgument(QStringLiteral("projekt"), QStringLiteral("projektfil"));
  if (!parser.parse(argumenter)) {
    // The parser's own words are English; the program speaks Danish.
    const QStringList ukendte = parser.unknownOptionNames();
    std::string fejl = "et tilvalg mangler sin værdi";
    if (!ukendte.isEmpty()) {
      // Named as it was typed, with its dashes.
      QString skrevet = ukendte.first();
      for (const QString& a : argumenter)
        if (a.startsWith(QLatin1Char('-')) && a.section(QLatin1Char('='), 0, 0).endsWith(QLatin1Char('-') + skrevet))
          skrevet = a.section(QLatin1Char('='), 0, 0);
      fejl = "ukendt tilvalg " + skrevet.toStdString();
    }
    std::fprintf(stderr, "kvistor: %s (se kvistor --help)\n", fejl.c_str());
    return 1;
  }
  if (parser.isSet(hjaelp)) {
    std::fputs(Hjaelp, stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("Kvistor %.*s\n", static_cast<int>(kvistor::ProgramVersion.size()), kvistor::ProgramVersion.data());
    return 0;
  }
  if (parser.positionalArguments().size() > 1) {
    std::fputs("kvistor: højst én projektfil (se kvistor --help)\n", stderr);
    return 1;
  }
  if (const std::string grund = IngenSkaerm(parser.value(platform)); !grund.empty()) {
    std::fprintf(stderr, "kvistor: kan ikke starte vinduet: %s.\n", grund.c_str());
    return 1;
  }
  const std::string projekt =
      parser.positionalArguments().isEmpty() ? std::string() : parser.positionalArguments().first().toStdString();

  kvistor::InstallerSignalOprydning();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kvistor"));
  QApplication::setOrganizationName(QStringLiteral("Kvistor"));
  QApplication::setApplicationVersion(QString::fromUtf8(kvistor::ProgramVersion.data(),
                                                        static_cast<qsizetype>(kvistor::ProgramVersion.size())));
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
