#include "session/frame_history.h"

#include <QUndoStack>

#include "session/frame_list_model.h"

namespace {

VelmarFrames copies(const VelmarFrames& frames) {
  VelmarFrames out;
  out.reserve(frames.size());
  for (const VelmarFrame& f : frames) out.append(f->copy());
  return out;
}

// One change as the list reported it. The frames it holds never enter the list themselves:
// each replay puts in fresh copies, so later edits in place cannot alter the record.
class SpliceCommand final : public QUndoCommand {
 public:
  SpliceCommand(KoFrameListModel* model, int row, VelmarFrames removed, VelmarFrames inserted)
      : model_(model), row_(row), removed_(std::move(removed)), inserted_(std::move(inserted)) {}

  void redo() override {
    // Pushed after the list already changed.
    if (std::exchange(done_, false)) return;
    model_->splice(row_, int(removed_.size()), copies(inserted_));
  }
  void undo() override { model_->splice(row_, int(inserted_.size()), copies(removed_)); }

 private:
  KoFrameListModel* model_;
  int row_;
  VelmarFrames removed_;
  VelmarFrames inserted_;
  bool done_ = true;
};

}  // namespace

KoFrameHistory::KoFrameHistory(KoFrameListModel* model, QObject* parent)
    : QObject(parent), model_(model), stack_(new QUndoStack(this)) {
  stack_->setUndoLimit(kUndoLimit);
  model_->setRecorder([this](int row, const VelmarFrames& removed, const VelmarFrames& inserted) {
    stack_->push(new SpliceCommand(model_, row, removed, inserted));
  });
  connect(stack_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { emit modifiedChanged(!clean); });
  connect(stack_, &QUndoStack::indexChanged, this, &KoFrameHistory::changed);
}

void KoFrameHistory::undo() {
  stack_->undo();
  model_->reSetCode();
}

void KoFrameHistory::redo() {
  stack_->redo();
  model_->reSetCode();
}

bool KoFrameHistory::modified() const { return !stack_->isClean(); }

void KoFrameHistory::markSaved() { stack_->setClean(); }

void KoFrameHistory::startDocument() { stack_->clear(); }

void KoFrameHistory::beginStep() { stack_->beginMacro({}); }

void KoFrameHistory::endStep() { stack_->endMacro(); }
