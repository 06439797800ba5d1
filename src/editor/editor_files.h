#pragma once

#include <QObject>
#include <QPointer>

#include "widgets/drag_view.h"

class KoFrameListModel;
class UILabel;

// Connects the frame list to action files: open (replace the list), integrate (append),
// save, a file dropped onto the table, and the save reminder that follows them.
class KoEditorFiles : public QObject, public KoDragViewDelegate {
  Q_OBJECT

 public:
  enum Tag { kOpen = 9001, kSave = 9002, kIntegrate = 9003 };

  KoEditorFiles(KoFrameListModel* model, UILabel* reminder, QObject* parent = nullptr);

  void setDragView(KoDragView* view);

  // The file buttons, by tag; false when the tag is not one of them.
  bool buttonClick(int tag);
  // Loads frames that came from `path`; replaces the list unless `series`. False when the
  // user declined or nothing changed.
  bool openFile(const VelmarFrames& frames, bool series, const QString& path);
  // Arms (true) or cancels the save reminder at the current frame count.
  void movelabel(bool move);

  void returnDataArray(const DragViewResult& result) override;

  // Whether the last frame's record holds the other arm's marker; such a file may still be
  // one of ours, saved while channel 4 was hidden.
  static bool looksLikeOtherKind(const VelmarFrames& frames);

 signals:
  // The path of the last opened, integrated or dropped file.
  void filePathChanged(const QString& path);
  void scrollToRow(int row);

 private:
  void open(bool series);
  void save();

  KoFrameListModel* model_;
  UILabel* reminder_;
  QPointer<KoDragView> dragView_;
};
