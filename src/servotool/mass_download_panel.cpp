#include "servotool/mass_download_panel.h"

#include <QComboBox>
#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "link/usb_hid.h"
#include "model/action_file.h"
#include "model/file_io.h"
#include "model/limits.h"
#include "model/notification_center.h"
#include "servotool/key_label.h"
#include "widgets/image_title_button.h"
#include "widgets/prompter.h"
#include "widgets/theme.h"
#include "widgets/tool_view.h"
#include "widgets/widget_tools.h"

KoMassDownloadPanel::KoMassDownloadPanel(usbHid& link, QWidget* parent)
    : QObject(parent), downloader_(link) {
  downloader_.setListener(this);
  // Each file is stored only once the board has taken its last step.
  downloader_.setAwaitFinishAcknowledgement(true);

  viewActionsDownload = new KoToolView(QStringLiteral("mass_download_Tips"), parent);
  // The title carries the naming rule, too long for one line at the smallest window.
  viewActionsDownload->lableTitle()->setWordWrap(true);
  boxActions = new QComboBox;
  boxActions->setEditable(false);
  boxActions->setMaxVisibleItems(10);
  boxActions->setMinimumWidth(64);
  labelActionCode = new KoKeyLabel(QT_TRID_NOOP("action_index"));
  KoTools::setAccessibleKeys(boxActions, QT_TRID_NOOP("action_index"),
                             QT_TRID_NOOP("mass_group_tips"));
  buttonbatchOpen =
      new KoImageTitleButton(QStringLiteral(":/images/mass-open.svg"), QStringLiteral("mass_open"));
  buttonbatchOpen->setTag(kOpen);
  buttonbatchDownload = new KoImageTitleButton(QStringLiteral(":/images/download.svg"),
                                               QStringLiteral("mass_download"));
  buttonbatchDownload->setTag(kDownload);
  listFiles = new QListWidget;
  listFiles->setSelectionMode(QAbstractItemView::NoSelection);
  listFiles->setWordWrap(true);
  listFiles->setMinimumHeight(3 * listFiles->fontMetrics().lineSpacing() + 8);
  KoTools::setAccessibleKeys(listFiles, QT_TRID_NOOP("mass_file_list_name"),
                             QT_TRID_NOOP("mass_file_list_tips"));

  auto* grid = new QGridLayout(viewActionsDownload->contentWidget());
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(labelActionCode, 0, 0);
  grid->addWidget(boxActions, 0, 1);
  grid->addWidget(buttonbatchOpen, 0, 2);
  grid->addWidget(buttonbatchDownload, 0, 3);
  grid->addWidget(listFiles, 1, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoMassDownloadPanel::retranslate);

  for (KoImageTitleButton* b : {buttonbatchOpen, buttonbatchDownload}) {
    connect(b, &QAbstractButton::clicked, this, [this, b] { emit buttonClicked(b->tag()); });
  }
}

QStringList KoMassDownloadPanel::askForFiles() {
  if (chooser_) return chooser_();
  return QFileDialog::getOpenFileNames(viewActionsDownload, qtTrId("mass_open"), QString(),
                                       QStringLiteral("*.rob"));
}

bool KoMassDownloadPanel::refused(Status s) {
  return s == Status::NoGroup || s == Status::GroupOver || s == Status::Damaged ||
         s == Status::TooLong;
}

// Why a file cannot go, decided before anything is sent.
KoMassDownloadPanel::Entry KoMassDownloadPanel::classify(const QString& path) {
  Entry e;
  e.name = QFileInfo(path).fileName();
  const KoTools::BatchGroup batch = KoTools::batchGroupOfFileName(e.name);
  if (batch.problem != KoTools::BatchGroup::Problem::None) {
    e.status = batch.problem == KoTools::BatchGroup::Problem::NoGroup ? Status::NoGroup
                                                                      : Status::GroupOver;
    return e;
  }
  e.group = batch.group;
  const KoTools::FileRead file = KoTools::readFile(path, KoTools::kMaxActionFileSize);
  e.frames = KoTools::readPwmData(file.data);
  if (!file.ok() || e.frames.isEmpty()) {
    e.status = Status::Damaged;
  } else if (e.frames.size() > limits::kMaxFramesPerGroup) {
    e.status = Status::TooLong;
  }
  return e;
}

void KoMassDownloadPanel::chooseFiles() {
  const QStringList paths = askForFiles();
  if (paths.isEmpty()) return;
  entries_.clear();
  actionsFile_.clear();
  actions_.clear();
  for (const QString& p : paths) {
    entries_.append(classify(p));
    const Entry& e = entries_.last();
    if (e.status != Status::Ready) continue;
    actionsFile_.append(e.name);
    actions_.append(QString::number(e.group));
  }
  boxActions->clear();
  boxActions->addItems(actions_);
  boxActions->setCurrentIndex(0);
  retranslate();
}

QString KoMassDownloadPanel::describe(const Entry& e) {
  const QString group = QString::number(e.group);
  switch (e.status) {
    case Status::Ready:
      return qtTrId("mass_file_ready").arg(e.name, group);
    case Status::NoGroup:
      return qtTrId("mass_file_no_group").arg(e.name);
    case Status::GroupOver:
      return qtTrId("mass_file_group_over").arg(e.name, QString::number(limits::kGroup.maximum));
    case Status::Damaged:
      return qtTrId("mass_file_damaged").arg(e.name);
    case Status::TooLong:
      return qtTrId("mass_file_too_long")
          .arg(e.name, QString::number(e.frames.size()),
               QString::number(limits::kMaxFramesPerGroup));
    case Status::Sending:
      return qtTrId("mass_file_sending")
          .arg(e.name, group, QString::number(e.frame + 1), QString::number(e.frames.size()));
    case Status::Stored:
      return qtTrId("mass_file_stored").arg(e.name, group);
    case Status::Failed:
      return e.result.end == DownloadEnd::Cancelled
                 ? qtTrId("mass_file_cancelled").arg(e.name)
                 : downloadFailMessage(e.name, e.result.end, e.result.step);
    case Status::NotSent:
      return qtTrId("mass_file_not_sent").arg(e.name);
  }
  return e.name;
}

void KoMassDownloadPanel::showEntry(int index) {
  QListWidgetItem* item = listFiles->item(index);
  if (!item) return;
  const Entry& e = entries_[index];
  item->setText(describe(e));
  const bool bad = e.status == Status::Failed || refused(e.status);
  // Refusals and failures in red; both read on the list's inset.
  const KoTheme::Roles& colours = KoTheme::roles();
  item->setForeground(bad ? colours.danger : colours.text);
}

void KoMassDownloadPanel::retranslate() {
  while (listFiles->count() > entries_.size()) delete listFiles->takeItem(listFiles->count() - 1);
  while (listFiles->count() < entries_.size()) listFiles->addItem(QString());
  for (int i = 0; i < entries_.size(); ++i) showEntry(i);
}

void KoMassDownloadPanel::startDownload() {
  QList<DownloadJob> jobs;
  jobEntries_.clear();
  for (int i = 0; i < entries_.size(); ++i) {
    Entry& e = entries_[i];
    // A file that went out before is sent again; a refused one never is.
    if (refused(e.status)) continue;
    e.status = Status::Ready;
    DownloadJob job;
    job.group = e.group;
    job.name = e.name;
    for (const PwmFrame& frame : e.frames) job.frames.append(frame->bytes);
    jobs.append(job);
    jobEntries_.append(i);
  }
  if (jobs.isEmpty()) {
    KoTools::showTipWithMessage(qtTrId("add_action_first_mass"));
    return;
  }
  retranslate();
  QString why;
  if (!downloader_.start(jobs, &why)) {
    qWarning().noquote() << "mass download refused:" << why;
    KoTools::showTipWithMessage(downloadFailMessage(jobs.first().name, DownloadEnd::SendFailed, 1));
    return;
  }
  showRunning(true);
}

void KoMassDownloadPanel::showRunning(bool running) {
  emit runningChanged(running);
  buttonbatchDownload->setBackgroundColor(running ? KoImageTitleButton::busyBackgroundColor()
                                                  : KoImageTitleButton::defaultBackgroundColor());
  buttonbatchDownload->setMyTitle(running ? QStringLiteral("progress")
                                          : QStringLiteral("mass_download"));
  buttonbatchDownload->update();
}

void KoMassDownloadPanel::resetPanel() { showRunning(false); }

void KoMassDownloadPanel::downloadJobStarted(int job) {
  if (job < 0 || job >= jobEntries_.size()) return;
  // A job starts only once the one before it is stored.
  if (job > 0) {
    entries_[jobEntries_[job - 1]].status = Status::Stored;
    showEntry(jobEntries_[job - 1]);
  }
  Entry& e = entries_[jobEntries_[job]];
  e.status = Status::Sending;
  e.frame = 0;
  showEntry(jobEntries_[job]);
  listFiles->scrollToItem(listFiles->item(jobEntries_[job]));
  boxActions->setCurrentIndex(job);
}

void KoMassDownloadPanel::downloadFrameSent(int job, int frame) {
  if (job < 0 || job >= jobEntries_.size()) return;
  Entry& e = entries_[jobEntries_[job]];
  e.frame = frame;
  showEntry(jobEntries_[job]);
}

void KoMassDownloadPanel::downloadFinished(const DownloadResult& result) {
  resetPanel();
  const int failedJob = result.end == DownloadEnd::Done ? int(jobEntries_.size()) : result.job;
  for (int job = 0; job < jobEntries_.size(); ++job) {
    Entry& e = entries_[jobEntries_[job]];
    if (job < failedJob) {
      e.status = Status::Stored;
    } else if (job == failedJob) {
      e.status = Status::Failed;
      e.result = result;
    } else {
      e.status = Status::NotSent;
    }
    showEntry(jobEntries_[job]);
  }
  if (result.end == DownloadEnd::Done) {
    emit allStored();
  } else if (result.end != DownloadEnd::Cancelled) {
    const QString file = actionsFile_.value(result.job);
    qWarning().noquote()
        << QStringLiteral("mass download of %1 ended at step %2").arg(file).arg(result.step);
    QString message = downloadFailMessage(file, result.end, result.step);
    // The files before it went through; say so, since the board keeps them.
    if (result.job > 0) message += u' ' + qtTrId("download_fail_earlier_kept");
    KoTools::showTipWithMessage(message);
  }
}
