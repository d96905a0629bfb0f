// The GUI tests need one application object for all of them; ctest runs them
// on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

// The offscreen platform cannot raise windows and says so each time the
// About window is brought to the front; that is no fault of the program.
void Beskeder(QtMsgType type, const QMessageLogContext& ctx, const QString& tekst) {
  if (tekst.contains(QStringLiteral("does not support raise()"))) return;
  qt_message_output(type, ctx, tekst);
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(Beskeder);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The window keeps recent files, its place and the last folder in the
  // settings file: the tests keep theirs in a folder of their own.
  QTemporaryDir indstillinger;
  qputenv("XDG_CONFIG_HOME", indstillinger.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
