#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "editor/editor_actions.h"
#include "model/easing.h"

class KoArmRanges;
class KoFrameHistory;
class KoFrameListModel;

// The editor's motion craft on the selected frames: easing the moves between them, mirroring
// them about the middle of chosen channels, playing them backwards. Each changes the list as
// one step for undo. It knows nothing of widgets: the screen hands it the selection and asks
// it for the plan it shows before easing.
class KoMotionCraft : public QObject {
  Q_OBJECT

 public:
  static constexpr EditorAction kEase = EditorAction::Ease;
  static constexpr EditorAction kMirror = EditorAction::Mirror;
  static constexpr EditorAction kReverse = EditorAction::Reverse;

  KoMotionCraft(KoFrameListModel* model, KoFrameHistory* history, QObject* parent = nullptr);

  // What the user chose for easing; nothing when the question was cancelled.
  struct EaseChoice {
    easing::Curve curve;
    int stepMs = easing::kStepMs.start;
  };
  using EaseAsker = std::function<std::optional<EaseChoice>()>;
  using MirrorAsker = std::function<std::optional<easing::Channels>()>;
  // How the screen asks; without an asker the action goes ahead with the defaults (ease in
  // and out at the shortest step, the base's channel).
  void setAskers(EaseAsker ease, MirrorAsker mirror) {
    askEase_ = std::move(ease);
    askMirror_ = std::move(mirror);
  }
  // The actions, by tag; false when the tag is not one of them.
  bool buttonClick(EditorAction action);

  // The selected rows, ascending.
  void setSelection(std::function<QList<int>()> rows) { selection_ = std::move(rows); }
  // Where the base's channel is found for the mirror's default.
  void setRanges(const KoArmRanges* ranges) { ranges_ = ranges; }

  // Whether the selection holds a move to ease: two adjacent frames.
  bool hasMove() const;
  // What easing the selection would do, for the dialog and the curve view to show.
  easing::EasePlan plan(const easing::Curve& curve, int stepMs) const;
  // The words for a plan: the frames it adds and the list it leaves, or why it is refused.
  QString planText(const easing::EasePlan& plan) const;
  // False, with a tip, when nothing was eased: fewer than two adjacent frames selected, every
  // move too short for two steps, or the group's frames would be exceeded.
  bool ease(const easing::Curve& curve, int stepMs);

  // The base's channel, the one whose middle turns the arm to the other side.
  easing::Channels defaultMirrorChannels() const;
  // False, with a tip, when no frame or no channel is chosen.
  bool mirror(const easing::Channels& channels);
  // False, with a tip, when fewer than two frames are selected.
  bool reverse();

 private:
  QList<int> selectedRows() const;
  // Replaces each row by the frame at the same place in `frames`, as one undo step.
  void replaceRows(const QList<int>& rows, const VelmarFrames& frames);

  KoFrameListModel* model_;
  KoFrameHistory* history_;
  const KoArmRanges* ranges_ = nullptr;
  std::function<QList<int>()> selection_;
  EaseAsker askEase_;
  MirrorAsker askMirror_;
};
