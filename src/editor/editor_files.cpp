#include "editor/editor_files.h"

#include <QFileInfo>

#include "editor/file_panels.h"
#include "editor/frame_list_model.h"
#include "editor/save_reminder.h"
#include "model/prompter.h"

KoEditorFiles::KoEditorFiles(KoFrameListModel* model, UILabel* reminder, QObject* parent)
    : QObject(parent), model_(model), reminder_(reminder) {}

void KoEditorFiles::setDragView(KoDragView* view) {
  dragView_ = view;
  view->setDelegate(this);
}

bool KoEditorFiles::buttonClick(int tag) {
  switch (tag) {
    case kOpen:
      open(false);
      return true;
    case kSave:
      save();
      return true;
    case kIntegrate:
      open(true);
      return true;
    default:
      return false;
  }
}

void KoEditorFiles::open(bool series) {
  const auto choice = KoTools::openFileAllowsMultipleSelectionVelmar(false);
  if (choice.frames.isEmpty()) return;
  if (!openFile(choice.frames, series, choice.path)) return;
  // Integrated frames are not in any file yet.
  movelabel(series);
  emit filePathChanged(choice.path);
}

void KoEditorFiles::save() {
  if (model_->count() == 0) {
    KoTools::showTipWithMessage(qtTrId("add_action_tips"));
    return;
  }
  if (KoTools::saveFileWith(model_->frames())) movelabel(false);
}

void KoEditorFiles::returnDataArray(const DragViewResult& result) {
  const auto* frames = std::get_if<VelmarFrames>(&result);
  if (!frames) return;
  const QString path = dragView_ ? dragView_->filePath() : QString();
  if (openFile(*frames, false, path)) emit filePathChanged(path);
}

bool KoEditorFiles::looksLikeOtherKind(const VelmarFrames& frames) {
  if (frames.isEmpty()) return false;
  const QByteArray& record = frames.last()->data;
  for (qsizetype at = 8; at + 1 < record.size(); at += 6) {
    if (record[at] == 0x55 && record[at + 1] == 0x55) return true;
  }
  return false;
}

bool KoEditorFiles::openFile(const VelmarFrames& frames, bool series, const QString& path) {
  if (frames.isEmpty()) return true;
  if (looksLikeOtherKind(frames) &&
      !KoTools::showCancelAndOkWithMessage(
          qtTrId("is_file_velmar_ask").arg(QFileInfo(path).fileName()),
          KoTools::Question::Destructive)) {
    return false;
  }
  if (series) {
    model_->appendMany(frames);
  } else {
    model_->replaceAll(frames);
  }
  model_->reSetCode();
  emit scrollToRow(model_->count() - 1);
  movelabel(false);
  return true;
}

void KoEditorFiles::movelabel(bool move) {
  reminder_->setActionCount(model_->count());
  reminder_->setMove(move);
}
