#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "editor/editor_actions.h"
#include "model/action_model.h"

class KoArmRanges;
class KoFrameHistory;
class KoFrameListModel;

// The frame-list operations of the editor: add, delete, update and insert the current
// pose, and the table's copy and paste menu. It knows nothing of widgets: the screen hands
// it the pose (a new frame for a given row) and whether an online run is in progress.
class KoFrameEditor : public QObject {
  Q_OBJECT

 public:
  // The frame buttons and the menu items.
  static constexpr EditorAction kAdd = EditorAction::Add;
  static constexpr EditorAction kDelete = EditorAction::Delete;
  static constexpr EditorAction kUpdate = EditorAction::Update;
  static constexpr EditorAction kInsert = EditorAction::Insert;
  static constexpr EditorAction kCopy = EditorAction::Copy;
  static constexpr EditorAction kPasteBefore = EditorAction::PasteBefore;
  static constexpr EditorAction kPasteAfter = EditorAction::PasteAfter;
  static constexpr EditorAction kPasteOver = EditorAction::PasteOver;

  using PoseSource = std::function<VelmarFrame(int index)>;

  KoFrameEditor(KoFrameListModel* model, PoseSource pose, QObject* parent = nullptr);

  // Frames made from the pose and pasted frames are held within its safe ranges.
  void setRanges(const KoArmRanges* ranges) { ranges_ = ranges; }
  // Changes of several frames become one undo step there.
  void setHistory(KoFrameHistory* history) { history_ = history; }
  // The selected rows, ascending; without it the model's one selected frame.
  void setSelection(std::function<QList<int>()> rows) { selection_ = std::move(rows); }

  void setStopped(std::function<bool()> stopped) { stopped_ = std::move(stopped); }
  // The wait before an added frame is checked against the limit and scrolled to.
  void setAddDelay(int milliseconds) { addDone_.setInterval(milliseconds); }
  // The wait before a value refused in a cell is told ("modify_erro"): the refusals of one
  // frame within it are told once, and none for a frame gone by then.
  static void setRefusalTipDelay(int milliseconds);

  // The buttons, by tag; false when the tag is not one of them.
  bool buttonClick(EditorAction action);
  // The menu items, by tag. Not refused during an online run. Copy takes every selected
  // frame and puts them on the clipboard as text too; paste takes the clipboard's text when
  // it came from elsewhere, refusing all of it with a tip when one cell would be refused.
  void menuclick(EditorAction action);
  // Whether the paste items may be chosen.
  bool canPaste() const;

 signals:
  // The list changed by a button: the save reminder starts again.
  void listEdited();
  void scrollToRow(int row);

 private:
  void add();
  // An empty list has nothing to delete or update: says so, as a run does.
  bool toldEmpty() const;
  void remove();
  void update();
  void insert();
  void tipWhenOverLimit();
  void addFinished();
  QList<int> selectedRows() const;
  void copy();
  void paste(EditorAction where);
  // The pose as a frame within the safe ranges, or null (with a tip) when no channel shows.
  VelmarFrame poseWithChannels(int index) const;
  VelmarFrame inRange(const VelmarFrame& frame) const;
  // Null when the clipboard holds text that a paste refuses (the tip is shown).
  std::optional<VelmarFrames> framesToPaste() const;
  // The list refused a value typed into a cell of this row.
  void editRefused(int row, int channel);

  KoFrameListModel* model_;
  PoseSource pose_;
  std::function<bool()> stopped_ = [] { return true; };
  VelmarFrames modelCopy_;
  // The text the last copy put on the clipboard: while it is still there, a paste uses the
  // copied frames themselves, whose records may hold more than the text shows.
  QString copiedText_;
  KoFrameHistory* history_ = nullptr;
  const KoArmRanges* ranges_ = nullptr;
  std::function<QList<int>()> selection_;
  QTimer addDone_;
  // A refusal waiting to be told, per frame.
  struct RefusalTip {
    QTimer* timer = nullptr;
    std::weak_ptr<KoVelmarPwmModel> frame;
    int channel = 0;  // 0: the time
  };
  QHash<const KoVelmarPwmModel*, RefusalTip> refusalTips_;
};
