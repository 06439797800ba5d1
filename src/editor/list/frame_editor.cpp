#include "editor/list/frame_editor.h"

#include <QClipboard>
#include <QGuiApplication>

#include "editor/list/frame_clipboard.h"
#include "model/limits.h"
#include "session/arm_ranges.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "widgets/prompter.h"

namespace {
constexpr int kAddDelay = 50;
int refusalTipDelay = 100;
}  // namespace

KoFrameEditor::KoFrameEditor(KoFrameListModel* model, PoseSource pose, QObject* parent)
    : QObject(parent), model_(model), pose_(std::move(pose)) {
  addDone_.setSingleShot(true);
  addDone_.setInterval(kAddDelay);
  connect(&addDone_, &QTimer::timeout, this, &KoFrameEditor::addFinished);
  connect(model_, &KoFrameListModel::editRefused, this, &KoFrameEditor::editRefused);
}

void KoFrameEditor::setRefusalTipDelay(int milliseconds) { refusalTipDelay = milliseconds; }

void KoFrameEditor::editRefused(int row, int channel) {
  const VelmarFrame frame = model_->frameAt(row);
  if (!frame) return;
  // A new refusal of the same frame restarts its wait.
  RefusalTip& pending = refusalTips_[frame.get()];
  pending.frame = frame;
  pending.channel = channel;
  if (!pending.timer) {
    pending.timer = new QTimer(this);
    pending.timer->setSingleShot(true);
    connect(pending.timer, &QTimer::timeout, this, [this, key = frame.get()] {
      const RefusalTip told = refusalTips_.take(key);
      if (!told.timer) return;
      told.timer->deleteLater();
      if (told.frame.expired()) return;
      // What the cell takes: values beyond a channel's safe range are clamped, not refused.
      const limits::Range range = told.channel == 0 ? limits::kFrameTime
                                  : ranges_ ? ranges_->profile().channel(told.channel).range()
                                            : limits::kPosition;
      KoTools::showTipWithMessage(qtTrId("modify_erro").arg(range.minimum).arg(range.maximum));
    });
  }
  pending.timer->start(refusalTipDelay);
}

bool KoFrameEditor::buttonClick(EditorAction action) {
  switch (action) {
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
    case kCopy:
    case kPasteBefore:
    case kPasteAfter:
    case kPasteOver:
      menuclick(action);
      return true;
    default:
      return false;
  }
}

// A pose with every channel hidden would make a frame that moves nothing.
VelmarFrame KoFrameEditor::poseWithChannels(int index) const {
  VelmarFrame pose = pose_(index);
  for (int channel = 1; pose && channel <= KoVelmarPwmModel::kChannelCount; ++channel) {
    if (pose->isPresent(channel)) return inRange(pose);
  }
  KoTools::showTipWithMessage(qtTrId("pose_no_channel"));
  return nullptr;
}

VelmarFrame KoFrameEditor::inRange(const VelmarFrame& frame) const {
  return ranges_ ? ranges_->inRange(frame) : frame;
}

void KoFrameEditor::add() {
  if (!stopped_()) return;
  const VelmarFrame pose = poseWithChannels(model_->count());
  if (!pose) return;
  model_->append(pose);
  addDone_.start();
}

void KoFrameEditor::addFinished() {
  tipWhenOverLimit();
  emit scrollToRow(model_->selectIndex());
  emit listEdited();
}

QList<int> KoFrameEditor::selectedRows() const {
  QList<int> rows = selection_ ? selection_() : QList<int>{};
  if (rows.isEmpty() && model_->selectIndex() >= 0) rows = {model_->selectIndex()};
  return rows;
}

bool KoFrameEditor::toldEmpty() const {
  if (model_->count() > 0) return false;
  KoTools::showTipWithMessage(qtTrId("add_action_tips"));
  return true;
}

void KoFrameEditor::remove() {
  if (!stopped_() || toldEmpty()) return;
  const QList<int> rows = selectedRows();
  if (!rows.isEmpty()) {
    if (history_) history_->beginStep();
    for (auto r = rows.crbegin(); r != rows.crend(); ++r) model_->removeAt(*r);
    if (history_) history_->endStep();
  }
  model_->reSetCode();
  emit listEdited();
}

void KoFrameEditor::update() {
  const int p = model_->selectIndex();
  if (!stopped_() || toldEmpty() || p == -1) return;
  const VelmarFrame pose = poseWithChannels(p);
  if (!pose) return;
  model_->replaceAt(p, pose);
  model_->reSetCode();
  emit listEdited();
}

void KoFrameEditor::insert() {
  if (!stopped_()) return;
  const int at = std::max(model_->selectIndex(), 0);
  const VelmarFrame pose = poseWithChannels(at);
  if (!pose) return;
  model_->insert(at, pose);
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

bool KoFrameEditor::canPaste() const {
  return !modelCopy_.isEmpty() || !QGuiApplication::clipboard()->text().trimmed().isEmpty();
}

void KoFrameEditor::menuclick(EditorAction action) {
  if (action == kCopy) {
    copy();
  } else if (action == kPasteBefore || action == kPasteAfter || action == kPasteOver) {
    paste(action);
  }
}

void KoFrameEditor::copy() {
  const QList<int> rows = selectedRows();
  if (rows.isEmpty()) return;
  modelCopy_.clear();
  for (int r : rows) modelCopy_.append(model_->frameAt(r));
  copiedText_ = KoTools::framesText(modelCopy_);
  QGuiApplication::clipboard()->setText(copiedText_);
}

std::optional<VelmarFrames> KoFrameEditor::framesToPaste() const {
  const QString text = QGuiApplication::clipboard()->text();
  // The copies are taken now, so a change made to a copied frame shows in later pastes.
  if (!modelCopy_.isEmpty() && (text == copiedText_ || text.trimmed().isEmpty())) {
    VelmarFrames frames;
    for (const VelmarFrame& f : modelCopy_) frames.append(f->copy());
    return frames;
  }
  KoTools::FrameTextError error;
  auto frames = KoTools::framesFromText(text, &error);
  if (!frames) {
    KoTools::showTipWithMessage(qtTrId("paste_refused").arg(error.line).arg(error.column));
  }
  return frames;
}

void KoFrameEditor::paste(EditorAction where) {
  const QList<int> rows = selectedRows();
  const std::optional<VelmarFrames> frames = framesToPaste();
  if (!frames || frames->isEmpty()) return;
  int at = rows.isEmpty() ? model_->count() : rows.first();
  if (where == kPasteAfter && !rows.isEmpty()) at = rows.last() + 1;
  if (history_) history_->beginStep();
  for (const VelmarFrame& pasted : *frames) {
    const VelmarFrame f = inRange(pasted);
    if (where == kPasteOver && at < model_->count()) {
      model_->replaceAt(at, f);
    } else {
      model_->insert(at, f);
    }
    ++at;
  }
  if (history_) history_->endStep();
  model_->setSelectIndex(at - 1);
  model_->reSetCode();
  tipWhenOverLimit();
  emit scrollToRow(at - 1);
}
