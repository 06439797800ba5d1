#include "servotool/steer_debugging_tool.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSvgWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <utility>

#include "widgets/switch.h"

#include "link/protocol.h"
#include "model/notification_center.h"
#include "servotool/key_label.h"
#include "servotool/live_status.h"
#include "servotool/mass_download_panel.h"
#include "servotool/parameter_panels.h"
#include "servotool/servo_test_panel.h"
#include "widgets/fit_scroll_area.h"
#include "widgets/image_title_button.h"
#include "widgets/progress_view.h"
#include "widgets/prompter.h"
#include "widgets/status_line.h"
#include "widgets/theme.h"
#include "widgets/tool_view.h"

namespace {

constexpr int kIndicatorSide = 40;
// A "read" not answered by then has timed out at the link; later replies are readings.
constexpr qint64 kReadAnswerMs = usbHid::kDefaultReplyTimeout.count();
constexpr int kParametersWidest = 640;
constexpr int kDownloadTallest = 240;

// Holds a panel whose wrapped title would otherwise have the column size every panel by its
// height for the width, squeezing the gauges under their captions in a small window. Its
// least height still follows the width, so that a title wrapped to two lines fits.
class KoPlainHeight : public QWidget {
 public:
  KoPlainHeight(QWidget* panel, QWidget* parent) : QWidget(parent) {
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(panel);
  }
  bool hasHeightForWidth() const override { return false; }
  QSize minimumSizeHint() const override {
    const QSize least = QWidget::minimumSizeHint();
    return {least.width(), layout()->minimumHeightForWidth(std::max(width(), least.width()))};
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    if (event->size().width() != event->oldSize().width()) updateGeometry();
  }
};

}  // namespace

KoSteerDebuggingTool::KoSteerDebuggingTool(usbHid& link, QWidget* parent)
    : QWidget(parent), link_(link) {
  // On a screen smaller than the smallest window the panels scroll rather than overlap.
  auto* content = new QWidget;
  auto* scroll = new KoFitScrollArea(content, this);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->addWidget(scroll);

  panels_ = new KoServoParameterPanels(content);
  test_ = new KoServoTestPanel(
      link_, [this](int tag) { return checkState(tag); },
      [this] { return panels_->info().servoId; }, content);
  mass_ = new KoMassDownloadPanel(link_, content);
  connect(mass_, &KoMassDownloadPanel::buttonClicked, this, &KoSteerDebuggingTool::buttonClick);

  labelOnlineState_ = new QLabel(content);
  labelOnlineState_->setFont(KoTheme::font(KoTheme::Type::Title));
  labelOnlineState_->setWordWrap(true);
  // Routine successes are told here, under the notice, and fade; a box is for what must be read.
  resultLine_ = new KoStatusLine(content);
  resultLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  KoTheme::setTextRole(resultLine_, &KoTheme::Roles::bodyMuted);

  clock_ = [] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  };
  live_ = new KoLiveStatus(link_, this);
  panels_->switchLive->setOn(live_->isOn());
  connect(panels_->switchLive, &KoSwitch::toggledByUser, live_, &KoLiveStatus::setOn);
  connect(live_, &KoLiveStatus::stateChanged, this, &KoSteerDebuggingTool::showLiveState);
  connect(live_, &KoLiveStatus::servoWentSilent, this, &KoSteerDebuggingTool::liveWentSilent);
  testMoveRest_ = new QTimer(this);
  testMoveRest_->setSingleShot(true);
  connect(testMoveRest_, &QTimer::timeout, this,
          [this] { live_->setPaused(KoLiveStatus::kTestMove, false); });
  connect(test_, &KoServoTestPanel::moveSent, this, [this](int milliseconds) {
    live_->setPaused(KoLiveStatus::kTestMove, true);
    testMoveRest_->start(milliseconds);
  });
  connect(mass_, &KoMassDownloadPanel::runningChanged, this,
          [this](bool running) { live_->setPaused(KoLiveStatus::kDownloading, running); });
  connect(mass_, &KoMassDownloadPanel::allStored, this,
          [this] { showResult([] { return qtTrId("download_success"); }); });
  idCheckTimer_ = new QTimer(this);
  idCheckTimer_->setSingleShot(true);
  // Behind an open box the answer waits with the other replies; it is not silence, so the end
  // of the wait queues up behind it.
  connect(idCheckTimer_, &QTimer::timeout, this, [this] {
    KoTools::afterPrompts([tool = QPointer(this)] {
      if (tool && tool->idCheckPending_) tool->idCheckEnded(std::nullopt);
    });
  });

  // The notice shares the left column, so the gauges and the tests keep the full height.
  auto* top = new QHBoxLayout;
  top->addWidget(buildIndicator(content));
  auto* notes = new QVBoxLayout;
  notes->addWidget(labelOnlineState_);
  notes->addWidget(resultLine_);
  top->addLayout(notes, 1);

  auto* smallRow = new QHBoxLayout;
  smallRow->addWidget(panels_->viewID);
  smallRow->addWidget(panels_->viewAngleDeviation);
  smallRow->addWidget(panels_->viewLEDControl);
  // The left column has height to spare: these titles take two lines before the row widens.
  auto* limitRow = new QHBoxLayout;
  for (KoToolView* v : {panels_->viewVoltageAdjustment, panels_->viewTemperatureAdjustment,
                        panels_->viewLEDAlert}) {
    v->lableTitle()->setWordWrap(true);
  }
  limitRow->addWidget(panels_->viewVoltageAdjustment, 1);
  limitRow->addWidget(panels_->viewTemperatureAdjustment, 1);
  limitRow->addWidget(panels_->viewLEDAlert, 1);
  auto* left = new QVBoxLayout;
  left->addLayout(top);
  left->addLayout(smallRow);
  left->addWidget(panels_->viewAngleAdjustment);
  left->addLayout(limitRow, 1);
  left->addWidget(buildButtons(content));

  // A tall window gives its height to the gauges and charts; the test and the download panels
  // keep what they need.
  auto* right = new QVBoxLayout;
  right->addWidget(panels_->viewGetState, 3);
  test_->viewSteeringDebugging->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  right->addWidget(test_->viewSteeringDebugging, 2);
  auto* download = new KoPlainHeight(mass_->viewActionsDownload, content);
  download->setMaximumHeight(kDownloadTallest);
  right->addWidget(download, 1);

  // The parameters gain nothing from a wide window: past their width the readings take it.
  auto* leftColumn = new QWidget(content);
  leftColumn->setLayout(left);
  left->setContentsMargins(0, 0, 0, 0);
  leftColumn->setMaximumWidth(kParametersWidest);
  auto* columns = new QHBoxLayout(content);
  columns->setContentsMargins(10, 6, 10, 6);
  columns->addWidget(leftColumn, 1);
  columns->addLayout(right, 1);

  connect(&link_, &usbHid::connectionChanged, this, &KoSteerDebuggingTool::connectionChanged);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoSteerDebuggingTool::retranslate);
  // The indicator pulses for a change seen while the tool exists, not for the state the
  // link was in when the tool was built.
  showConnection(link_.connection());
  updateButtons();
  retranslate();
}

KoSteerDebuggingTool::~KoSteerDebuggingTool() = default;

// The indicator pulses about its centre inside a box that leaves it room to grow.
QWidget* KoSteerDebuggingTool::buildIndicator(QWidget* parent) {
  auto* indicatorBox = new QWidget(parent);
  indicatorBox->setFixedSize(kIndicatorSide * 6 / 5 + 2, kIndicatorSide * 6 / 5 + 2);
  imageOnlineState_ = new QSvgWidget(indicatorBox);
  pulse_ = new QVariantAnimation(this);
  pulse_->setDuration(2000);
  pulse_->setKeyValueAt(0, 1.0);
  pulse_->setKeyValueAt(0.5, 1.2);
  pulse_->setKeyValueAt(1, 1.0);
  const auto scaleIndicator = [this, indicatorBox](double scale) {
    const int side = qRound(kIndicatorSide * scale);
    imageOnlineState_->setGeometry((indicatorBox->width() - side) / 2,
                                   (indicatorBox->height() - side) / 2, side, side);
  };
  connect(pulse_, &QVariantAnimation::valueChanged, this,
          [scaleIndicator](const QVariant& v) { scaleIndicator(v.toDouble()); });
  scaleIndicator(1.0);
  return indicatorBox;
}

QWidget* KoSteerDebuggingTool::buildButtons(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  myprogress_ = new KoProgressView(box);
  myprogress_->setFixedSize(200, 30);
  QSizePolicy keep = myprogress_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  myprogress_->setSizePolicy(keep);
  column->addWidget(myprogress_, 0, Qt::AlignHCenter);

  auto* row = new QHBoxLayout;
  auto button = [&](const char* image, const char* key, int tag) {
    auto* b = new KoImageTitleButton(QString::fromLatin1(image), QString::fromLatin1(key), box);
    b->setTag(tag);
    b->setMinimumWidth(110);
    row->addWidget(b);
    connect(b, &QAbstractButton::clicked, this, [this, tag] { buttonClick(tag); });
    return b;
  };
  buttonDefault_ = button(":/images/reset-dev.svg", QT_TRID_NOOP("default"), kDefault);
  buttonSetting_ = button(":/images/down-dev.svg", QT_TRID_NOOP("set"), kSet);
  buttonRead_ = button(":/images/read-dev.svg", QT_TRID_NOOP("read"), kRead);
  column->addLayout(row);
  return box;
}

void KoSteerDebuggingTool::showResult(std::function<QString()> text) {
  result_ = std::move(text);
  resultLine_->showResult(result_());
}

bool KoSteerDebuggingTool::checkState(int tag) {
  const bool needsBoard = tag == KoMassDownloadPanel::kDownload || tag == kSet || tag == kRead;
  if (needsBoard && !link_.connection()) {
    KoTools::showTipWithMessage(qtTrId("connect_robot"));
    return false;
  }
  if (link_.download()) {
    KoTools::showTipWithMessage(qtTrId("progress"));
    return false;
  }
  return true;
}

void KoSteerDebuggingTool::buttonClick(int tag) {
  if (!checkState(tag)) return;
  switch (tag) {
    case kDefault:
      reSet();
      break;
    case kSet: {
      if (!singleServo() || setResting_) return;
      const int newId = panels_->info().servoId;
      if (servoIdOnBus_ && *servoIdOnBus_ != newId) {
        const QString ask = qtTrId("servo_id_change_ask").arg(*servoIdOnBus_).arg(newId);
        if (!KoTools::showCancelAndOkWithMessage(ask)) return;
        idToCheck_ = newId;
      }
      live_->setPaused(KoLiveStatus::kWriting, true);
      sendWriteServoInfo();
      myprogress_->startTimedRun();
      setResting_ = true;
      updateButtons();
      QTimer::singleShot(setRest_, this, [this] {
        setResting_ = false;
        updateButtons();
        if (idToCheck_) checkNewId();
        live_->setPaused(KoLiveStatus::kWriting, false);
      });
      break;
    }
    case kRead:
      if (singleServo() && link_.sendReadServoInfo()) {
        readAskedAt_ = clock_();
        testFollows_ = true;
      }
      break;
    case KoMassDownloadPanel::kOpen:
      mass_->chooseFiles();
      break;
    case KoMassDownloadPanel::kDownload:
      mass_->startDownload();
      break;
  }
}

void KoSteerDebuggingTool::sendWriteServoInfo() { link_.sendWriteServoInfo(panels_->info()); }

void KoSteerDebuggingTool::reSet() {
  KoServoInfo info = panels_->info();
  info.reset();
  panels_->setInfo(info);
}

void KoSteerDebuggingTool::connection() { recheck(true); }

void KoSteerDebuggingTool::recheck(bool clearLiveStop) {
  check_ = Check::Pending;
  if (clearLiveStop) live_->clearStopped();
  live_->setPaused(KoLiveStatus::kNotSingle, true);
  updateButtons();
  retranslate();
  link_.sendCheckManyConnectServo();
}

void KoSteerDebuggingTool::usbhidDidMatch() { connection(); }

void KoSteerDebuggingTool::usbhidDidCountServos(int count) {
  servoCount_ = count;
  check_ = count == 0 ? Check::None : count == 1 ? Check::Single : Check::Many;
  const bool single = check_ == Check::Single;
  // The last servo's values would read as this bus's.
  panels_->setEmpty(!single);
  if (!single) servoIdOnBus_.reset();
  updateButtons();
  retranslate();
  live_->setPaused(KoLiveStatus::kNotSingle, !single);
  testFollows_ = single;
  // One quiet read names the servo and fills the gauges, unless live status already asked.
  if (single && live_->unanswered() == 0) link_.sendReadServoInfoQuietly();
}

void KoSteerDebuggingTool::usbhidDidReadServoInfo(const KoServoInfo& info) {
  // With more than one servo on the bus (or no count yet) the answer may be a mix of several,
  // and writing would give them all one id.
  if (!singleServo()) return;
  live_->answered();
  servoIdOnBus_ = info.servoId;
  if (std::exchange(testFollows_, false) && info.currentPosition) {
    test_->showServoPosition(*info.currentPosition);
  }
  if (readAskedAt_ && clock_() - *readAskedAt_ <= kReadAnswerMs) {
    readAskedAt_.reset();
    panels_->setInfo(info);
    panels_->showReading(info, clock_());
    showResult([] { return qtTrId("read_success"); });
    return;
  }
  if (idCheckPending_) {
    panels_->setInfo(info);
    idCheckEnded(info.servoId);
    return;
  }
  panels_->showReading(info, clock_());
}

void KoSteerDebuggingTool::checkNewId() {
  idCheckPending_ = true;
  testFollows_ = true;
  link_.sendReadServoInfoQuietly();
  idCheckTimer_->start(idCheckWait_);
}

void KoSteerDebuggingTool::idCheckEnded(std::optional<int> answeredId) {
  idCheckTimer_->stop();
  idCheckPending_ = false;
  const int wanted = idToCheck_.value_or(0);
  idToCheck_.reset();
  if (!answeredId) {
    KoTools::showTipWithMessage(qtTrId("servo_id_change_silent").arg(wanted));
  } else if (*answeredId == wanted) {
    showResult([wanted] { return qtTrId("servo_id_change_done").arg(wanted); });
  } else {
    KoTools::showTipWithMessage(qtTrId("servo_id_change_other").arg(*answeredId).arg(wanted));
  }
}

void KoSteerDebuggingTool::liveWentSilent() {
  // A new count says whether the servo left the bus or only stopped answering reads.
  recheck(false);
}

bool KoSteerDebuggingTool::singleServo() const {
  return check_ == Check::NotRun || check_ == Check::Single;
}

QString KoSteerDebuggingTool::notice() const {
  QString text;
  if (check_ == Check::None) {
    text = qtTrId("servo_count_none");
  } else if (check_ == Check::Many) {
    text = qtTrId("servo_count_many").arg(servoCount_);
  } else {
    text = qtTrId("single_servo_tips");
  }
  if (live_->isStopped()) text += u'\n' + qtTrId("live_stopped");
  return text;
}

void KoSteerDebuggingTool::retranslate() {
  // Only a new language shows the result again; other calls must not hold back its fade.
  const QString shown = resultLine_->text();
  if (!shown.isEmpty() && result_ && result_() != shown) resultLine_->showResult(result_());
  updateButtons();
  showLiveState();
}

// The colour goes with the text, so that a stop undone by the switch leaves no red behind.
void KoSteerDebuggingTool::showNotice() {
  labelOnlineState_->setText(notice());
  const bool calm = check_ != Check::None && check_ != Check::Many && !live_->isStopped();
  // On the window's dark body: calm grey while nothing is wrong, light red when the user has
  // to act.
  KoTheme::setTextRole(labelOnlineState_,
                       calm ? &KoTheme::Roles::bodyMuted : &KoTheme::Roles::bodyWarning);
}

void KoSteerDebuggingTool::showLiveState() {
  QLabel* state = panels_->labelLiveState;
  if (!live_->isOn()) {
    state->clear();
  } else if (live_->isStopped()) {
    state->setText(qtTrId("live_state_stopped"));
  } else if (live_->isPolling()) {
    state->setText(qtTrId("live_state_running"));
  } else {
    state->setText(qtTrId("live_state_paused"));
  }
  if (panels_->switchLive->isOn() != live_->isOn()) panels_->switchLive->setOn(live_->isOn());
  showNotice();
}

void KoSteerDebuggingTool::updateButtons() {
  const bool usable = singleServo();
  // A disabled button says why; the notice says it too.
  const QString why = usable || check_ == Check::Pending ? QString() : notice();
  const auto paint = [&why](KoImageTitleButton* b, bool enabled) {
    b->setEnabled(enabled);
    b->setBackgroundColor(enabled ? KoImageTitleButton::defaultBackgroundColor()
                                  : KoImageTitleButton::busyBackgroundColor());
    b->setToolTip(enabled ? QString() : why);
    b->setAccessibleDescription(enabled ? QString() : why);
  };
  paint(buttonSetting_, usable && !setResting_);
  paint(buttonRead_, usable);
}

void KoSteerDebuggingTool::showConnection(bool connected) {
  imageOnlineState_->load(connected ? QStringLiteral(":/images/connect.svg")
                                    : QStringLiteral(":/images/disconnect.svg"));
}

void KoSteerDebuggingTool::connectionChanged(bool connected) {
  showConnection(connected);
  pulse_->stop();
  pulse_->start();
  if (connected) return;
  mass_->resetPanel();
  if (viewShow_) link_.setDownload(false);
}

void KoSteerDebuggingTool::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) viewWillAppear();
}

void KoSteerDebuggingTool::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) viewWillDisappear();
}

void KoSteerDebuggingTool::viewWillAppear() {
  viewShow_ = true;
  live_->setPaused(KoLiveStatus::kHidden, false);
  link_.setDelegate(this);
  if (link_.connection()) connection();
}

// Also runs when the window closes, so a servo is not left turning after the program ends.
void KoSteerDebuggingTool::viewWillDisappear() {
  viewShow_ = false;
  live_->setPaused(KoLiveStatus::kHidden, true);
  if (motorMode()) resetToServoMode();
}

void KoSteerDebuggingTool::resetToServoMode() { test_->resetToServoMode(); }

bool KoSteerDebuggingTool::motorMode() const { return test_->motorMode(); }
