#include "editor/file_panels.h"

#include <QApplication>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>

#include "model/prompter.h"

namespace {

const QString kFilter = QStringLiteral("*.rob");

class DialogPanels final : public KoFilePanels {
 public:
  QStringList chooseFilesToOpen(bool multiple) override {
    QFileDialog panel(QApplication::activeWindow(), qtTrId("open_action"), {}, kFilter);
    panel.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    return panel.exec() == QDialog::Accepted ? panel.selectedFiles() : QStringList{};
  }
  QString chooseFileToSave() override {
    QFileDialog panel(QApplication::activeWindow(), qtTrId("save_action"), {}, kFilter);
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setDefaultSuffix(QStringLiteral("rob"));
    return panel.exec() == QDialog::Accepted ? panel.selectedFiles().value(0) : QString();
  }
};

KoFilePanels* current = nullptr;

}  // namespace

void KoFilePanels::install(KoFilePanels* panels) { current = panels; }

KoFilePanels& KoFilePanels::installed() {
  static DialogPanels dialogs;
  return current ? *current : dialogs;
}

namespace KoTools {

ActionFileChoice<KoVelmarPwmModel> openFileAllowsMultipleSelectionVelmar(bool multiple) {
  return chooseVelmarFiles(KoFilePanels::installed().chooseFilesToOpen(multiple), multiple);
}

bool saveFileWith(const VelmarFrames& frames) {
  if (frames.size() > kMaxActionFrames) {
    showTipWithMessage(qtTrId("save_too_many_frames").arg(kMaxActionFrames));
    return false;
  }
  if (const qsizetype bad = firstUnwritableFrame(frames); bad >= 0) {
    showTipWithMessage(qtTrId("save_frame_damaged").arg(bad + 1));
    return false;
  }
  const QByteArray image = changeToData(frames);
  const QString path = KoFilePanels::installed().chooseFileToSave();
  if (path.isEmpty()) {
    qInfo().noquote() << "取消";
    return false;
  }
  QString error;
  if (!saveActionFile(path, image, &error)) {
    showTipWithMessage(qtTrId("save_file_fail").arg(QFileInfo(path).fileName(), error));
    return false;
  }
  return true;
}

}  // namespace KoTools
