#include <gtest/gtest.h>
#include <QCoreApplication>

#include "recording_prompter.h"

namespace {

// Every test starts with a fresh recording prompter and an immediate edit-tip delay.
class PrompterReset : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    RecordingPrompter::instance().reset();
    KoTools::installPrompter(&RecordingPrompter::instance());
    KoActionModel::setEditTipDelay(0);
  }
};

void quietInfo(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtInfoMsg || type == QtDebugMsg) return;
  fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietInfo);
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new PrompterReset);
  return RUN_ALL_TESTS();
}
