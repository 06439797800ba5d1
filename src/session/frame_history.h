#pragma once

#include <QObject>

#include "model/action_model.h"

class KoFrameListModel;
class QUndoStack;

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

  QUndoStack* stack() const { return stack_; }
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
  // The list changed, by an edit, an undo or a redo.
  void changed();

 private:
  KoFrameListModel* model_;
  QUndoStack* stack_;
};
