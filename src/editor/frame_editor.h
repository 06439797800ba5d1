#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "model/action_model.h"

class KoFrameListModel;

// The frame-list operations of the editor: add, delete, update and insert the current
// pose, and the table's copy and paste menu. It knows nothing of widgets: the screen hands
// it the pose (a new frame for a given row) and whether an online run is in progress.
class KoFrameEditor : public QObject {
  Q_OBJECT

 public:
  // Tags of the frame buttons and of the menu items.
  enum Tag {
    kAdd = 5002,
    kDelete = 5003,
    kUpdate = 5004,
    kInsert = 5005,
    kCopy = 1001,
    kPasteBefore = 1002,
    kPasteAfter = 1003,
    kPasteOver = 1004,
  };

  using PoseSource = std::function<VelmarFrame(int index)>;

  KoFrameEditor(KoFrameListModel* model, PoseSource pose, QObject* parent = nullptr);

  void setStopped(std::function<bool()> stopped) { stopped_ = std::move(stopped); }
  // The wait before an added frame is checked against the limit and scrolled to.
  void setAddDelay(int milliseconds) { addDone_.setInterval(milliseconds); }

  // The buttons, by tag; false when the tag is not one of them.
  bool buttonClick(int tag);
  // The menu items, by tag. Not refused during an online run.
  void menuclick(int tag);
  // Whether the paste items may be chosen.
  bool canPaste() const { return modelCopy_ != nullptr; }
  VelmarFrame modelCopy() const { return modelCopy_; }

 signals:
  // The list changed by a button: the save reminder starts again.
  void listEdited();
  void scrollToRow(int row);

 private:
  void add();
  void remove();
  void update();
  void insert();
  void tipWhenOverLimit();
  void addFinished();

  KoFrameListModel* model_;
  PoseSource pose_;
  std::function<bool()> stopped_ = [] { return true; };
  VelmarFrame modelCopy_;
  QTimer addDone_;
};
