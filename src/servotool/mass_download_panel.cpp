#include "servotool/mass_download_panel.h"

#include <QComboBox>
#include <QDebug>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

#include "link/usb_hid.h"
#include "model/action_file.h"
#include "model/prompter.h"
#include "servotool/key_label.h"
#include "widgets/image_title_button.h"
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
  labelActionFile = new QLabel;
  labelActionFile->setWordWrap(true);
  labelActionFile->setAlignment(Qt::AlignCenter);
  QFont f = labelActionFile->font();
  f.setPixelSize(16);
  labelActionFile->setFont(f);
  // Room for the file and the frame lines, so the panels above do not move as they come.
  labelActionFile->setMinimumHeight(2 * QFontMetrics(f).lineSpacing() + 4);

  auto* grid = new QGridLayout(viewActionsDownload->contentWidget());
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(labelActionCode, 0, 0);
  grid->addWidget(boxActions, 0, 1);
  grid->addWidget(buttonbatchOpen, 0, 2);
  grid->addWidget(buttonbatchDownload, 0, 3);
  grid->addWidget(labelActionFile, 1, 0, 1, 4);
  grid->setColumnStretch(1, 1);

  for (KoImageTitleButton* b : {buttonbatchOpen, buttonbatchDownload}) {
    connect(b, &QAbstractButton::clicked, this, [this, b] { emit buttonClicked(b->tag()); });
  }
}

QStringList KoMassDownloadPanel::askForFiles() {
  if (chooser_) return chooser_();
  return QFileDialog::getOpenFileNames(viewActionsDownload, qtTrId("mass_open"), QString(),
                                       QStringLiteral("*.rob"));
}

void KoMassDownloadPanel::chooseFiles() {
  const auto choice = KoTools::chooseFiles(askForFiles(), true);
  if (choice.names.isEmpty()) return;
  actionsFile_ = choice.names;
  dataArray_ = choice.frameLists;
  actions_.clear();
  for (const QString& name : actionsFile_)
    actions_.append(QString::number(KoTools::groupOfFileName(name)));
  boxActions->clear();
  boxActions->addItems(actions_);
  boxActions->setCurrentIndex(0);
}

void KoMassDownloadPanel::startDownload() {
  if (dataArray_.isEmpty()) {
    KoTools::showTipWithMessage(qtTrId("add_action_first_mass"));
    return;
  }
  QList<DownloadJob> jobs;
  for (int i = 0; i < dataArray_.size(); ++i) {
    DownloadJob job;
    job.group = actions_[i].toInt();
    job.name = actionsFile_[i];
    for (const PwmFrame& frame : dataArray_[i]) job.frames.append(frame->bytes);
    jobs.append(job);
  }
  QString why;
  if (!downloader_.start(jobs, &why)) {
    qWarning().noquote() << "mass download refused:" << why;
    KoTools::showTipWithMessage(
        downloadFailMessage(actionsFile_.first(), DownloadEnd::SendFailed, 1));
    return;
  }
  showRunning(true);
}

void KoMassDownloadPanel::showRunning(bool running) {
  buttonbatchDownload->setBackgroundColor(running ? KoImageTitleButton::busyBackgroundColor()
                                                  : KoImageTitleButton::defaultBackgroundColor());
  buttonbatchDownload->setMyTitle(running ? QStringLiteral("progress")
                                          : QStringLiteral("mass_download"));
  buttonbatchDownload->update();
}

void KoMassDownloadPanel::resetPanel() {
  showRunning(false);
  labelActionFile->clear();
}

void KoMassDownloadPanel::downloadJobStarted(int job) {
  if (job < 0 || job >= actionsFile_.size()) return;
  boxActions->setCurrentIndex(job);
  labelActionFile->setText(QStringLiteral("%1 %2").arg(qtTrId("progress"), actionsFile_[job]));
}

void KoMassDownloadPanel::downloadFrameSent(int job, int frame) {
  if (job < 0 || job >= actionsFile_.size()) return;
  labelActionFile->setText(
      QStringLiteral("%1 %2\n%3")
          .arg(qtTrId("progress"), actionsFile_[job],
               qtTrId("download_frame").arg(frame + 1).arg(dataArray_[job].size())));
}

void KoMassDownloadPanel::downloadFinished(const DownloadResult& result) {
  resetPanel();
  if (result.end == DownloadEnd::Done) {
    KoTools::showTipWithMessage(qtTrId("download_success"));
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
