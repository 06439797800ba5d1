#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#ifdef VORN_TEST_GUI
#include <QApplication>

#include "editor/list/frame_editor.h"
#include "recording_prompter.h"
#endif

namespace {

#ifdef VORN_TEST_GUI
// Each screen test starts with a fresh recording prompter, and refused cell edits told at once.
class PrompterReset : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    RecordingPrompter::instance().reset();
    KoTools::installPrompter(&RecordingPrompter::instance());
    KoFrameEditor::setRefusalTipDelay(0);
  }
};
#endif

void quietInfo(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtInfoMsg || type == QtDebugMsg) return;
  fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietInfo);
  // Widget tests need no display (test discovery runs the binary outside CTest, too).
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Settings go to a folder of this process's own, never the user's: CTest runs several test
  // processes at once, and one's language choice must not leak into another's.
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir settingsFolder;
  if (!settingsFolder.isValid()) {
    fprintf(stderr, "no temporary folder for the settings\n");
    return 1;
  }
  for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(format, QSettings::UserScope, settingsFolder.path());
#ifdef VORN_TEST_GUI
  QApplication app(argc, argv);
#else
  QCoreApplication app(argc, argv);
#endif
  QCoreApplication::setOrganizationName(QStringLiteral("VornTests"));
  QCoreApplication::setApplicationName(QStringLiteral("vorn-tests"));
  ::testing::InitGoogleTest(&argc, argv);
#ifdef VORN_TEST_GUI
  ::testing::UnitTest::GetInstance()->listeners().Append(new PrompterReset);
#endif
  return RUN_ALL_TESTS();
}
