#include "servotool/steer_debugging_tool.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QSvgWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include "link/protocol.h"
#include "model/prompter.h"
#include "servotool/key_label.h"
#include "servotool/mass_download_panel.h"
#include "servotool/parameter_panels.h"
#include "servotool/servo_test_panel.h"
#include "widgets/fit_scroll_area.h"
#include "widgets/image_title_button.h"
#include "widgets/progress_view.h"
#include "widgets/tool_view.h"

namespace {

const QColor kIdle(0xDD, 0xDE, 0xE1);
constexpr int kIndicatorSide = 40;

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

  labelOnlineState_ = new KoKeyLabel(QT_TRID_NOOP("single_servo_tips"), content);
  QFont note = labelOnlineState_->font();
  note.setPointSize(14);
  labelOnlineState_->setFont(note);
  labelOnlineState_->setWordWrap(true);
  labelOnlineState_->setStyleSheet(QStringLiteral("color:#e0453a;"));

  // The notice shares the left column, so the gauges and the tests keep the full height.
  auto* top = new QHBoxLayout;
  top->addWidget(buildIndicator(content));
  top->addWidget(labelOnlineState_, 1);

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

  auto* right = new QVBoxLayout;
  right->addWidget(panels_->viewGetState, 3);
  right->addWidget(test_->viewSteeringDebugging, 2);
  right->addWidget(mass_->viewActionsDownload, 1);

  auto* columns = new QHBoxLayout(content);
  columns->setContentsMargins(10, 6, 10, 6);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  connect(&link_, &usbHid::connectionChanged, this, &KoSteerDebuggingTool::connectionChanged);
  connectionChanged(link_.connection());
  updateButtons();
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

void KoSteerDebuggingTool::setDelays(Delay setRest, Delay firstTip) {
  setRest_ = setRest;
  firstTip_ = firstTip;
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
    case kSet:
      if (!singleServo() || setResting_) return;
      sendWriteServoInfo();
      myprogress_->startTimedRun();
      setResting_ = true;
      updateButtons();
      QTimer::singleShot(setRest_, this, [this] {
        setResting_ = false;
        updateButtons();
      });
      break;
    case kRead:
      if (singleServo()) link_.sendReadServoInfo();
      break;
    case KoMassDownloadPanel::kOpen:
      mass_->chooseFiles();
      break;
    case KoMassDownloadPanel::kDownload:
      mass_->startDownload();
      break;
  }
}

void KoSteerDebuggingTool::sendWriteServoInfo() {
  link_.sendWriteServoInfo(panels_->info());
}

void KoSteerDebuggingTool::reSet() {
  KoServoInfo info = panels_->info();
  info.reset();
  panels_->setInfo(info);
}

void KoSteerDebuggingTool::connection() {
  check_ = Check::Pending;
  updateButtons();
  link_.sendCheckManyConnectServo();
}

void KoSteerDebuggingTool::usbhidDidMatch() { connection(); }

void KoSteerDebuggingTool::usbhidDidCountServos(int count) {
  check_ = count == 1 ? Check::Single : Check::Many;
  updateButtons();
}

void KoSteerDebuggingTool::usbhidDidReadServoInfo(const KoServoInfo& info) {
  // With more than one servo on the bus (or no count yet) the answer may be a mix of several,
  // and writing would give them all one id.
  if (!singleServo()) return;
  panels_->setInfo(info);
  KoTools::showTipWithMessage(qtTrId("read_success"));
}

bool KoSteerDebuggingTool::singleServo() const {
  return check_ == Check::NotRun || check_ == Check::Single;
}

void KoSteerDebuggingTool::updateButtons() {
  const bool usable = singleServo();
  const auto paint = [](KoImageTitleButton* b, bool enabled) {
    b->setEnabled(enabled);
    b->setBackgroundColor(enabled ? KoImageTitleButton::defaultBackgroundColor() : kIdle);
  };
  paint(buttonSetting_, usable && !setResting_);
  paint(buttonRead_, usable);
}

void KoSteerDebuggingTool::connectionChanged(bool connected) {
  imageOnlineState_->load(connected ? QStringLiteral(":/images/connect.svg")
                                    : QStringLiteral(":/images/disconnect.svg"));
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
  link_.setDelegate(this);
  if (!firstEnter_) {
    firstEnter_ = true;
    QTimer::singleShot(firstTip_, this,
                       [] { KoTools::showTipWithMessage(qtTrId("single_servo_tips")); });
  }
  if (link_.connection()) connection();
}

// Also runs when the window closes, so a servo is not left turning after the program ends.
void KoSteerDebuggingTool::viewWillDisappear() {
  viewShow_ = false;
  if (link_.motorMode()) resetToServoMode();
}

void KoSteerDebuggingTool::resetToServoMode() { test_->resetToServoMode(); }
