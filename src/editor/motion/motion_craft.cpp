#include "editor/motion/motion_craft.h"

#include <QLocale>

#include "session/arm_ranges.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "widgets/prompter.h"

KoMotionCraft::KoMotionCraft(KoFrameListModel* model, KoFrameHistory* history, QObject* parent)
    : QObject(parent), model_(model), history_(history) {}

bool KoMotionCraft::buttonClick(EditorAction action) {
  if (action == kEase) {
    // Asked only when there is something to ease.
    if (!hasMove()) {
      KoTools::showTipWithMessage(qtTrId("craft_choose_two"));
      return true;
    }
    const std::optional<EaseChoice> choice = askEase_ ? askEase_() : EaseChoice{easing::kInOut};
    if (choice) ease(choice->curve, choice->stepMs);
  } else if (action == kMirror) {
    const auto channels = askMirror_ ? askMirror_() : defaultMirrorChannels();
    if (channels) mirror(*channels);
  } else if (action == kReverse) {
    reverse();
  } else {
    return false;
  }
  return true;
}

QList<int> KoMotionCraft::selectedRows() const {
  QList<int> rows = selection_ ? selection_() : QList<int>{};
  if (rows.isEmpty() && model_->selectIndex() >= 0) rows = {model_->selectIndex()};
  // A stale selection may name rows the list no longer has.
  rows.removeIf([this](int r) { return r < 0 || r >= model_->count(); });
  return rows;
}

easing::EasePlan KoMotionCraft::plan(const easing::Curve& curve, int stepMs) const {
  return easing::planEase(model_->frames(), selectedRows(), curve, stepMs);
}

QString KoMotionCraft::planText(const easing::EasePlan& plan) const {
  const QLocale locale;
  if (plan.refused()) {
    return qtTrId("craft_over_budget")
        .arg(model_->number(plan.overBudgetRow - 1))
        .arg(model_->number(plan.overBudgetRow))
        .arg(locale.toString(limits::kMaxFramesPerGroup));
  }
  return qtTrId("craft_will_add")
      .arg(locale.toString(plan.added))
      .arg(locale.toString(model_->count() + plan.added))
      .arg(locale.toString(limits::kMaxFramesPerGroup));
}

bool KoMotionCraft::hasMove() const {
  const QList<int> rows = selectedRows();
  for (qsizetype i = 1; i < rows.size(); ++i) {
    if (rows[i] == rows[i - 1] + 1) return true;
  }
  return false;
}

bool KoMotionCraft::ease(const easing::Curve& curve, int stepMs) {
  const QList<int> rows = selectedRows();
  if (!hasMove()) {
    KoTools::showTipWithMessage(qtTrId("craft_choose_two"));
    return false;
  }
  const easing::EasePlan plan = easing::planEase(model_->frames(), rows, curve, stepMs);
  if (plan.refused()) {
    KoTools::showTipWithMessage(planText(plan));
    return false;
  }
  if (plan.moves.isEmpty()) {
    KoTools::showTipWithMessage(qtTrId("craft_too_short").arg(2 * easing::kStepMs.clamp(stepMs)));
    return false;
  }
  history_->beginStep();
  // From the last move back, so the rows of the moves still to come stay where they were.
  for (auto m = plan.moves.crbegin(); m != plan.moves.crend(); ++m) {
    model_->replaceAt(m->row, m->steps.last());
    for (qsizetype k = m->steps.size() - 2; k >= 0; --k) model_->insert(m->row, m->steps[k]);
  }
  history_->endStep();
  model_->reSetCode();
  return true;
}

easing::Channels KoMotionCraft::defaultMirrorChannels() const {
  easing::Channels channels{};
  const int base = ranges_ ? ranges_->profile().joints.joints[KoArmJoints::kBase].channel
                           : KoArmJoints::shipped().joints[KoArmJoints::kBase].channel;
  if (base >= 1 && base <= limits::kArmChannels) channels[size_t(base - 1)] = true;
  return channels;
}

void KoMotionCraft::replaceRows(const QList<int>& rows, const VelmarFrames& frames) {
  history_->beginStep();
  for (qsizetype i = 0; i < rows.size(); ++i) model_->replaceAt(rows[i], frames[i]);
  history_->endStep();
  model_->reSetCode();
}

bool KoMotionCraft::mirror(const easing::Channels& channels) {
  const QList<int> rows = selectedRows();
  if (rows.isEmpty() || std::find(channels.begin(), channels.end(), true) == channels.end()) {
    KoTools::showTipWithMessage(qtTrId("craft_choose_mirror"));
    return false;
  }
  VelmarFrames mirrored;
  for (int r : rows) mirrored.append(easing::mirrored(*model_->frameAt(r), channels));
  replaceRows(rows, mirrored);
  return true;
}

bool KoMotionCraft::reverse() {
  const QList<int> rows = selectedRows();
  if (rows.size() < 2) {
    KoTools::showTipWithMessage(qtTrId("craft_choose_reverse"));
    return false;
  }
  VelmarFrames selected;
  for (int r : rows) selected.append(model_->frameAt(r));
  replaceRows(rows, easing::reversed(selected));
  return true;
}
