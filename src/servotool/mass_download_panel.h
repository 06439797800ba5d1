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
class QListWidget;
class QWidget;
class usbHid;

// Downloads several action files into the groups their names begin with ("12号wave.rob"
// goes to group 12), one after another. Its list says what will happen to each chosen file
// before anything is sent (its group, or why it is refused), which file and frame are going
// out, and at the end how each file came out.
class KoMassDownloadPanel : public QObject, public DownloadListener {
  Q_OBJECT

 public:
  enum Tag { kOpen = 4003, kDownload = 4004 };
  enum class Status {
    Ready,
    NoGroup,  // refused: its name has no group number
    GroupOver,
    Damaged,
    TooLong,  // refused: more frames than a group holds
    Sending,
    Stored,
    Failed,
    NotSent,  // an earlier file failed, so it was not sent
  };
  // One chosen file and what became of it.
  struct Entry {
    QString name;
    int group = -1;
    PwmFrames frames;
    Status status = Status::Ready;
    int frame = 0;          // the frame going out while Sending
    DownloadResult result;  // why it Failed
  };

  KoMassDownloadPanel(usbHid& link, QWidget* parent);

  // Asks the user for action files; tests put in a chooser that returns paths.
  void setFileChooser(std::function<QStringList()> chooser) { chooser_ = std::move(chooser); }
  ActionDownloader& downloader() { return downloader_; }

  // The buttons, once the tool's gate has let them act.
  void chooseFiles();
  void startDownload();
  // The button, the group box and the file label as when no download runs.
  void resetPanel();

  const QStringList& actions() const { return actions_; }
  // The line the list shows for an entry, in the chosen language.
  static QString describe(const Entry& entry);
  static bool refused(Status status);

  void downloadJobStarted(int job) override;
  void downloadFrameSent(int job, int frame) override;
  void downloadFinished(const DownloadResult& result) override;

  KoToolView* viewActionsDownload;
  QComboBox* boxActions;
  QLabel* labelActionCode;
  KoImageTitleButton* buttonbatchOpen;
  KoImageTitleButton* buttonbatchDownload;
  QListWidget* listFiles;

 signals:
  void buttonClicked(int tag);
  // A download started or ended, however it ended.
  void runningChanged(bool running);
  // Every file sent went in; the tool says so calmly, the list shows each.
  void allStored();

 private:
  QStringList askForFiles();
  void showRunning(bool running);
  static Entry classify(const QString& path);
  void showEntry(int index);
  void retranslate();

  ActionDownloader downloader_;
  std::function<QStringList()> chooser_;
  QStringList actionsFile_;
  QStringList actions_;
  QList<Entry> entries_;
  // The entry of each download job, in job order.
  QList<int> jobEntries_;
};
