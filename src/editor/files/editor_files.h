#pragma once

#include <QObject>
#include <QPointer>

#include "editor/editor_actions.h"
#include "widgets/drag_view.h"

class KoFrameHistory;
class KoFrameListModel;
class KoRecentFiles;
class UILabel;

// Connects the frame list to action files: open (replace the list), integrate (append),
// save and save as, a file dropped onto the table, the recent files, and the question that
// guards unsaved changes before anything would drop them.
class KoEditorFiles : public QObject, public KoDragViewDelegate {
  Q_OBJECT

 public:
  static constexpr EditorAction kOpen = EditorAction::Open;
  static constexpr EditorAction kSave = EditorAction::Save;
  static constexpr EditorAction kIntegrate = EditorAction::Merge;
  static constexpr EditorAction kSaveAs = EditorAction::SaveAs;

  KoEditorFiles(KoFrameListModel* model, KoFrameHistory* history, UILabel* reminder,
                QObject* parent = nullptr);

  void setDragView(KoDragView* view);

  // The file buttons; false when the action is not one of them.
  bool buttonClick(EditorAction action);
  // Loads frames that came from `path`; replaces the list unless `series`. False when the
  // user declined or nothing changed.
  bool openFile(const VelmarFrames& frames, bool series, const QString& path);
  // Opens files named outside the panels (the command line, a later start handing its files
  // over): the first as Open does, each after it merged in as Merge does. Asks about unsaved
  // changes once, before any is read. A file that cannot be read tips and is left out; when
  // that is the first, nothing changes. False when nothing was opened.
  bool openPaths(const QStringList& paths);
  // Opens a file from the recent list; one that is gone leaves the list with a tip.
  void openRecent(const QString& path);
  // Asks to save, discard or keep unsaved changes; true when they may be dropped now.
  bool maybeSave();
  // Arms (true) or cancels the save reminder at the current frame count.
  void movelabel(bool move);

  KoRecentFiles* recent() const { return recent_; }
  // The file the list was last opened from or saved to; empty for a new list.
  QString currentPath() const { return currentPath_; }
  // The file's name, or "untitled" for a new list.
  QString documentName() const;
  // The name as a question shows it: never broken across lines.
  static QString unbroken(const QString& name);

  void returnDataArray(const DragViewResult& result) override;
  // Installed on the window: its close, from any key, button or the window manager, asks
  // first whether to save.
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Whether the last frame's record holds the other arm's marker; such a file may still be
  // one of ours, saved while channel 4 was hidden.
  static bool looksLikeOtherKind(const VelmarFrames& frames);

 signals:
  // The path of the last opened, integrated or dropped file.
  void filePathChanged(const QString& path);
  // The list was written to `path` (before filePathChanged tells of it).
  void saved(const QString& path);
  void scrollToRow(int row);
  // A result for the status line (none lasts).
  void statusChanged(const QString& text, bool lasting);

 private:
  void open(bool series);
  bool save(bool as);
  void setCurrentPath(const QString& path);

  KoFrameListModel* model_;
  KoFrameHistory* history_;
  KoRecentFiles* recent_;
  QString currentPath_;
  UILabel* reminder_;
  QPointer<KoDragView> dragView_;
};
