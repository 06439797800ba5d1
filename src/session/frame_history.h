#pragma once

#include <QObject>
#include <deque>
#include <vector>

#include "model/action_model.h"

class KoFrameListModel;

// Undo and redo of every change to the frame list. The list reports each change as the
// frames it took out and those it put in, so a step holds only the rows it touched and undoing
// it costs no copy of the whole list. The history is the document's: an opened file starts a
// fresh one, so no undo brings another file's frames back under this file's name. The clean
// state of the stack is the saved state: the window's modified mark and the save reminder
// follow it.
class KoFrameHistory : public QObject {
  Q_OBJECT

 public:
  // The oldest steps go beyond this many; each may hold a whole opened file.
  static constexpr int kUndoLimit = 200;

  explicit KoFrameHistory(KoFrameListModel* model, QObject* parent = nullptr);

  bool canUndo() const { return index_ > 0; }
  bool canRedo() const { return index_ < count(); }
  // Steps kept, and how many of them are done (the rest can be redone).
  int count() const { return int(steps_.size()); }
  int index() const { return index_; }
  void undo();
  void redo();
  bool modified() const;
  // The list is as it was last saved.
  void markSaved();
  // The list is a document just opened: nothing to undo or redo, and nothing unsaved.
  void startDocument();

  // Changes made between begin and end are undone and redone as one step.
  void beginStep();
  void endStep();

 signals:
  void modifiedChanged(bool modified);
  void canUndoChanged(bool canUndo);
  void canRedoChanged(bool canRedo);
  // The list changed, by an edit, an undo or a redo.
  void changed();

 private:
  // One change as the list reported it. Its frames never enter the list themselves: each
  // replay puts in fresh copies, so later edits in place cannot alter the record.
  struct Splice {
    int row;
    VelmarFrames removed;
    VelmarFrames inserted;
  };
  using Step = std::vector<Splice>;

  void record(Splice splice);
  void push(Step step);
  // Runs a change of index_, clean_ or the steps, then says what it changed.
  template <typename Change>
  void changing(bool listChanged, Change change);

  KoFrameListModel* model_;
  std::deque<Step> steps_;
  int index_ = 0;
  // The index at which the list is as saved; -1 once no undo or redo can reach that state.
  int clean_ = 0;
  int openSteps_ = 0;
  Step open_;
};
