#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

#include "link/action_downloader.h"
#include "model/action_model.h"

class KoImageTitleButton;
class KoToolView;
class QComboBox;
class QLabel;
class QWidget;
class usbHid;

// Downloads several action files into the groups their names begin with ("12号wave.rob"
// goes to group 12), one after another, and shows the file, group and frame going out.
class KoMassDownloadPanel : public QObject, public DownloadListener {
  Q_OBJECT

 public:
  enum Tag { kOpen = 4003, kDownload = 4004 };

  KoMassDownloadPanel(usbHid& link, QWidget* parent);

  // Asks the user for action files; tests put in a chooser that returns paths.
  void setFileChooser(std::function<QStringList()> chooser) { chooser_ = std::move(chooser); }
  ActionDownloader& downloader() { return downloader_; }

  // The buttons, once the tool's gate has let them act.
  void chooseFiles();
  void startDownload();
  // The button, the group box and the file label as when no download runs.
  void resetPanel();

  const QStringList& actionsFile() const { return actionsFile_; }
  const QStringList& actions() const { return actions_; }

  void downloadJobStarted(int job) override;
  void downloadFrameSent(int job, int frame) override;
  void downloadFinished(const DownloadResult& result) override;

  KoToolView* viewActionsDownload;
  QComboBox* boxActions;
  QLabel* labelActionCode;
  KoImageTitleButton* buttonbatchOpen;
  KoImageTitleButton* buttonbatchDownload;
  QLabel* labelActionFile;

 signals:
  void buttonClicked(int tag);

 private:
  QStringList askForFiles();
  void showRunning(bool running);

  ActionDownloader downloader_;
  std::function<QStringList()> chooser_;
  QStringList actionsFile_;
  QStringList actions_;
  QList<PwmFrames> dataArray_;
};
