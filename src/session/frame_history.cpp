#include "session/frame_history.h"

#include "session/frame_list_model.h"

namespace {

VelmarFrames copies(const VelmarFrames& frames) {
  VelmarFrames out;
  out.reserve(frames.size());
  for (const VelmarFrame& f : frames) out.append(f->copy());
  return out;
}

}  // namespace

KoFrameHistory::KoFrameHistory(KoFrameListModel* model, QObject* parent)
    : QObject(parent), model_(model) {
  model_->setRecorder([this](int row, const VelmarFrames& removed, const VelmarFrames& inserted) {
    record({row, removed, inserted});
  });
}

template <typename Change>
void KoFrameHistory::changing(bool listChanged, Change change) {
  const bool wasModified = modified(), couldUndo = canUndo(), couldRedo = canRedo();
  const int oldIndex = index_, oldCount = count();
  change();
  if (modified() != wasModified) emit modifiedChanged(modified());
  if (canUndo() != couldUndo) emit canUndoChanged(canUndo());
  if (canRedo() != couldRedo) emit canRedoChanged(canRedo());
  if (listChanged || index_ != oldIndex || count() != oldCount) emit changed();
}

void KoFrameHistory::record(Splice splice) {
  if (openSteps_ > 0) {
    open_.push_back(std::move(splice));
    return;
  }
  Step step;
  step.push_back(std::move(splice));
  push(std::move(step));
}

void KoFrameHistory::push(Step step) {
  if (step.empty()) return;
  changing(true, [&] {
    // A new change drops what could be redone, and with it a saved state that lay there.
    steps_.erase(steps_.begin() + index_, steps_.end());
    if (clean_ > index_) clean_ = -1;
    steps_.push_back(std::move(step));
    ++index_;
    if (count() > kUndoLimit) {
      steps_.pop_front();
      --index_;
      clean_ = clean_ > 0 ? clean_ - 1 : -1;
    }
  });
}

void KoFrameHistory::undo() {
  if (!canUndo() || openSteps_ > 0) return;
  changing(true, [&] {
    const Step& step = steps_[size_t(--index_)];
    for (auto s = step.rbegin(); s != step.rend(); ++s)
      model_->splice(s->row, int(s->inserted.size()), copies(s->removed));
  });
  model_->reSetCode();
}

void KoFrameHistory::redo() {
  if (!canRedo() || openSteps_ > 0) return;
  changing(true, [&] {
    for (const Splice& s : steps_[size_t(index_++)])
      model_->splice(s.row, int(s.removed.size()), copies(s.inserted));
  });
  model_->reSetCode();
}

bool KoFrameHistory::modified() const { return index_ != clean_; }

void KoFrameHistory::markSaved() {
  changing(false, [&] { clean_ = index_; });
}

void KoFrameHistory::startDocument() {
  changing(false, [&] {
    steps_.clear();
    index_ = clean_ = 0;
  });
}

void KoFrameHistory::beginStep() { ++openSteps_; }

void KoFrameHistory::endStep() {
  if (openSteps_ == 0 || --openSteps_ > 0) return;
  push(std::exchange(open_, {}));
}
