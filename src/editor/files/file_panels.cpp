#include "editor/files/file_panels.h"

#include <QApplication>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <optional>

#include "model/action_text.h"
#include "model/file_io.h"
#include "widgets/file_panel_texts.h"
#include "widgets/prompter.h"
#include "widgets/widget_tools.h"

namespace {

QString filter() {
  return qtTrId("file_filter_actions") + QStringLiteral(" (*.rob *.json *.csv);;") +
         QStringLiteral("Vorn (*.rob);;JSON (*.json);;CSV (*.csv)");
}

std::optional<KoTools::ActionTextFormat> textFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("json")) return KoTools::ActionTextFormat::Json;
  if (suffix == QLatin1String("csv")) return KoTools::ActionTextFormat::Csv;
  return std::nullopt;
}

VelmarFrames openTextFile(const QString& path, KoTools::ActionTextFormat format) {
  const QString name = QFileInfo(path).fileName();
  const KoTools::FileRead file = KoTools::readFile(path, KoTools::kMaxActionTextSize);
  if (!file.ok()) {
    KoTools::showTipWithMessage(qtTrId("open_file_fail").arg(name, KoTools::describe(file.error)));
    return {};
  }
  KoTools::ActionTextError error;
  const auto records = KoTools::importActionText(file.data, format, &error);
  if (!records) {
    QString where = QStringLiteral("%1:%2").arg(name).arg(error.line);
    if (!error.field.isEmpty()) where += QStringLiteral(", ") + error.field;
    KoTools::showTipWithMessage(qtTrId("file_text_refused").arg(where, error.message));
    return {};
  }
  return KoTools::readVelmarData(KoTools::actionImage(*records));
}

class DialogPanels final : public KoFilePanels {
 public:
  QStringList chooseFilesToOpen(bool multiple, const QString& title) override {
    QFileDialog panel(QApplication::activeWindow(), title, {}, filter());
    panel.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    KoTools::speakChosenLanguage(panel);
    return panel.exec() == QDialog::Accepted ? panel.selectedFiles() : QStringList{};
  }
  QString chooseFileToSave(const QString& current) override {
    // A file's path opens its folder with the file chosen, so Save As keeps it together.
    QFileDialog panel(QApplication::activeWindow(), qtTrId("save_action"), current, filter());
    panel.setAcceptMode(QFileDialog::AcceptSave);
    KoTools::speakChosenLanguage(panel);
    panel.setDefaultSuffix(QStringLiteral("rob"));
    return panel.exec() == QDialog::Accepted ? panel.selectedFiles().value(0) : QString();
  }
  QString chooseSong() override {
    QFileDialog panel(
        QApplication::activeWindow(), qtTrId("music_choose_title"), {},
        qtTrId("music_file_filter") + QStringLiteral(" (*.wav *.mp3 *.ogg *.oga *.flac);;* (*)"));
    panel.setFileMode(QFileDialog::ExistingFile);
    KoTools::speakChosenLanguage(panel);
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

ActionFileChoice<KoVelmarPwmModel> openFileAllowsMultipleSelectionVelmar(bool multiple,
                                                                         const QString& title) {
  const QStringList paths = KoFilePanels::installed().chooseFilesToOpen(multiple, title);
  if (!multiple && paths.size() == 1 && textFormatOf(paths[0])) {
    ActionFileChoice<KoVelmarPwmModel> choice;
    choice.frames = openEditorFile(paths[0]);
    if (!choice.frames.isEmpty()) choice.path = paths[0];
    return choice;
  }
  ActionFileChoice<KoVelmarPwmModel> choice = chooseVelmarFiles(paths, multiple);
  showFileProblems(choice.problems);
  return choice;
}

VelmarFrames openEditorFile(const QString& path) {
  if (const auto format = textFormatOf(path)) return openTextFile(path, *format);
  return framesTold(openVelmarFile(path));
}

QString saveFileWith(const VelmarFrames& frames, const QString& path, const QString& current) {
  if (frames.size() > kMaxActionFrames) {
    showTipWithMessage(qtTrId("save_too_many_frames").arg(kMaxActionFrames));
    return {};
  }
  if (const qsizetype bad = firstUnwritableFrame(frames); bad >= 0) {
    showTipWithMessage(qtTrId("save_frame_damaged").arg(bad + 1));
    return {};
  }
  QByteArray image = changeToData(frames);
  const QString target =
      path.isEmpty() ? KoFilePanels::installed().chooseFileToSave(current) : path;
  if (target.isEmpty()) {
    qInfo().noquote() << "取消";
    return {};
  }
  if (const auto format = textFormatOf(target)) {
    image = exportActionText(actionRecords(image), *format);
  }
  QString error;
  if (!saveActionFile(target, image, &error)) {
    showTipWithMessage(qtTrId("save_file_fail").arg(QFileInfo(target).fileName(), error));
    return {};
  }
  return target;
}

}  // namespace KoTools
