#pragma once

#include <QObject>
#include <functional>

#include "link/action_downloader.h"

class KoFrameListModel;
class KoImageTitleButton;
class usbHid;

// The action groups stored on the board: download the frame list into the chosen group, run
// and stop a group, erase one or all. The download button shows how far a download is.
class KoBoardGroups : public QObject, public DownloadListener {
  Q_OBJECT

 public:
  enum Tag {
    kRunGroup = 4001,
    kStopGroup = 4002,
    kEraseGroup = 4003,
    kEraseAll = 4004,
    kDownload = 4005,
  };

  // The group number as it stands when a command goes out.
  using Group = std::function<int()>;

  KoBoardGroups(usbHid& hid, KoFrameListModel* model, Group group, QObject* parent = nullptr);

  void setDownloadButton(KoImageTitleButton* button) { button_ = button; }
  ActionDownloader& downloader() { return downloader_; }

  bool buttonClick(int tag);
  // The board went away: whatever a download showed is put back.
  void connectionLost();

  void downloadFrameSent(int job, int frame) override;
  void downloadFinished(const DownloadResult& result) override;

 signals:
  void frameSent(int row);

 private:
  void download();
  void showRunning(bool running);
  QString progressText(int frame) const;
  QString groupName() const;

  usbHid& hid_;
  KoFrameListModel* model_;
  Group group_;
  ActionDownloader downloader_;
  KoImageTitleButton* button_ = nullptr;
  int downloadGroup_ = 0;
  int downloadCount_ = 0;
};
