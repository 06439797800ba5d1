#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>
#include <functional>

#include "editor/editor_actions.h"
#include "link/action_downloader.h"

class KoArmRanges;
class KoFrameListModel;
class KoFrameMarks;
class KoImageTitleButton;
class usbHid;

// The action groups stored on the board: download the frame list into the chosen group, run
// and stop a group, erase one or all (asking first). The download button shows how far a
// download is.
class KoBoardGroups : public QObject, public DownloadListener {
  Q_OBJECT

 public:
  static constexpr EditorAction kRunGroup = EditorAction::RunGroup;
  static constexpr EditorAction kStopGroup = EditorAction::Stop;
  static constexpr EditorAction kEraseGroup = EditorAction::EraseGroup;
  static constexpr EditorAction kEraseAll = EditorAction::EraseAll;
  static constexpr EditorAction kDownload = EditorAction::Download;

  // The group number as it stands when a command goes out.
  using Group = std::function<int()>;

  KoBoardGroups(usbHid& hid, KoFrameListModel* model, Group group, QObject* parent = nullptr);

  void setDownloadButton(KoImageTitleButton* button) { button_ = button; }
  // A download stores each position within the profile's safe ranges, and asks first when a
  // frame would strike.
  void setRanges(const KoArmRanges* ranges, const KoFrameMarks* marks) {
    ranges_ = ranges;
    marks_ = marks;
  }
  ActionDownloader& downloader() { return downloader_; }

  bool buttonClick(EditorAction action);
  // The board went away: whatever a download showed is put back.
  void connectionLost();
  // The group this program started on the board, -1 when none is known to run.
  int runningGroup() const { return runningGroup_; }
  // The board confirmed the erase last asked for.
  void groupsErased();

  void downloadFrameSent(int job, int frame) override;
  void downloadFinished(const DownloadResult& result) override;

 signals:
  void frameSent(int row);
  // How a board action went: a lasting state, or a result that may fade; empty clears.
  void statusChanged(const QString& text, bool lasting);

 private:
  void download();
  void runGroup();
  void stopGroup();
  // Erases a stored group, -1 every group, once the user has said yes; forgets its length.
  void eraseGroup(int group);
  // A group ran its course, as far as its length is known.
  void groupOver();
  void showRunning(bool running);
  QString progressText(int frame) const;
  QString groupName() const;

  usbHid& hid_;
  KoFrameListModel* model_;
  Group group_;
  ActionDownloader downloader_;
  KoImageTitleButton* button_ = nullptr;
  const KoArmRanges* ranges_ = nullptr;
  const KoFrameMarks* marks_ = nullptr;
  int downloadGroup_ = 0;
  int downloadCount_ = 0;
  qint64 downloadLength_ = 0;
  int runningGroup_ = -1;
  int erasing_ = -1;
  // How long the groups downloaded in this session play, in ms; others are not known.
  QHash<int, qint64> lengths_;
  QTimer over_;
};
