#include "editor/frame_editor.h"

#include "editor/frame_list_model.h"
#include "model/prompter.h"

namespace {
constexpr int kAddDelay = 50;
}

KoFrameEditor::KoFrameEditor(KoFrameListModel* model, PoseSource pose, QObject* parent)
    : QObject(parent), model_(model), pose_(std::move(pose)) {
  addDone_.setSingleShot(true);
  addDone_.setInterval(kAddDelay);
  connect(&addDone_, &QTimer::timeout, this, &KoFrameEditor::addFinished);
}

bool KoFrameEditor::buttonClick(int tag) {
  switch (tag) {
    case kAdd:
      add();
      return true;
    case kDelete:
      remove();
      return true;
    case kUpdate:
      update();
      return true;
    case kInsert:
      insert();
      return true;
    default:
      return false;
  }
}

void KoFrameEditor::add() {
  if (!stopped_()) return;
  model_->append(pose_(model_->count()));
  addDone_.start();
}

void KoFrameEditor::addFinished() {
  tipWhenOverLimit();
  emit scrollToRow(model_->selectIndex());
  emit listEdited();
}

void KoFrameEditor::remove() {
  if (!stopped_()) return;
  if (model_->selectIndex() != -1) model_->removeAt(model_->selectIndex());
  model_->reSetCode();
  emit listEdited();
}

void KoFrameEditor::update() {
  const int p = model_->selectIndex();
  if (!stopped_() || p == -1) return;
  model_->replaceAt(p, pose_(p));
  model_->reSetCode();
  emit listEdited();
}

void KoFrameEditor::insert() {
  if (!stopped_()) return;
  const int at = std::max(model_->selectIndex(), 0);
  model_->insert(at, pose_(at));
  model_->reSetCode();
  tipWhenOverLimit();
  emit scrollToRow(at);
  emit listEdited();
}

void KoFrameEditor::tipWhenOverLimit() {
  if (model_->count() > KoFrameListModel::kMaxFrames) {
    KoTools::showTipWithMessage(qtTrId("actions_max_velmar_tips"));
  }
}

void KoFrameEditor::menuclick(int tag) {
  const int at = model_->selectIndex();
  if (tag == kCopy) {
    modelCopy_ = model_->frameAt(at);
  } else if (modelCopy_ && at >= 0) {
    // The copy is taken now, so a change made to the copied frame shows in later pastes.
    switch (tag) {
      case kPasteBefore:
        model_->insert(at, modelCopy_->copy());
        break;
      case kPasteAfter:
        model_->insert(at + 1, modelCopy_->copy());
        break;
      case kPasteOver:
        model_->replaceAt(at, modelCopy_->copy());
        break;
      default:
        return;
    }
  }
  model_->reSetCode();
}
