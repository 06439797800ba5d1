#include "editor/motion/motion_controls.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "editor/board/online_control.h"
#include "editor/board/teach_recorder.h"
#include "editor/motion/arm_feed.h"
#include "editor/motion/curve_view.h"
#include "editor/motion/gamepad_controls.h"
#include "editor/profiles/arm_profile_dialog.h"
#include "model/limits.h"
#include "session/arm_ranges.h"
#include "session/editor_session.h"
#include "session/frame_list_model.h"
#include "session/online_run.h"
#include "widgets/arm_view.h"
#include "widgets/number_field.h"
#include "widgets/svg_images.h"
#include "widgets/switch.h"
#include "widgets/theme.h"
#include "widgets/velmar_pan_view.h"
#include "widgets/velmar_slider_view.h"
#include "widgets/widget_tools.h"

namespace {

const QString kLiveKey = QStringLiteral("liveArm");
const QString kSoftKey = QStringLiteral("softStart");
const QString kSoftTimeKey = QStringLiteral("softStartTime");
const QString kIntervalKey = QStringLiteral("teachInterval");
const QString kLockWristKey = QStringLiteral("armLockWrist");

const char* const kRecordTitle = QT_TRID_NOOP("record_hand");
const char* const kStopTitle = QT_TRID_NOOP("record_stop");

}  // namespace

KoMotionControls::KoMotionControls(KoEditorSession& session, KoOnlineControl* online,
                                   QObject* parent)
    : QObject(parent), online_(online), session_(session) {
  KoFrameListModel* model = session.list();
  QSettings settings;
  moves_ =
      new KoArmMoves([this](int channel, int position) { moveChannel(channel, position); }, this);
  recorder_ = new KoTeachRecorder(session, this);
  gamepad_ = new KoGamepadControls(
      session, [this](int channel, int position) { moveChannel(channel, position); }, recorder_,
      this);
  liveSwitch_ = new KoSwitch;
  liveSwitch_->setOn(settings.value(kLiveKey, false).toBool());
  connect(liveSwitch_, &KoSwitch::toggledByUser, this, [this](bool on) {
    QSettings().setValue(kLiveKey, on);
    showLive(on);
  });
  liveRow_ = new QWidget;
  auto* live = new QHBoxLayout(liveRow_);
  live->setContentsMargins(0, 0, 0, 0);
  live->addWidget(caption(QT_TRID_NOOP("live_arm")));
  live->addWidget(liveSwitch_);
  live->addWidget(gamepad_->row());
  KoTools::setAccessibleKeys(liveSwitch_, QT_TRID_NOOP("live_arm"), QT_TRID_NOOP("live_arm_tips"));
  tooltips_.append({liveSwitch_, QT_TRID_NOOP("live_arm_tips")});
  profileButton_ = new QPushButton;
  profileButton_->setAutoDefault(false);
  live->addWidget(profileButton_);
  KoTools::setAccessibleKeys(profileButton_, QT_TRID_NOOP("arm_profile_open"),
                             QT_TRID_NOOP("arm_profile_open_tips"));
  tooltips_.append({profileButton_, QT_TRID_NOOP("arm_profile_open_tips")});
  connect(profileButton_, &QPushButton::clicked, this,
          [this] { KoArmProfileDialog::edit(liveRow_->window()); });

  curves_ = new KoCurveView(model);
  KoTools::setAccessibleKeys(curves_, QT_TRID_NOOP("curves"), QT_TRID_NOOP("curves_tips"));
  tooltips_.append({curves_, QT_TRID_NOOP("curves_tips")});
  connect(curves_, &KoCurveView::frameClicked, this, &KoMotionControls::scrollToRow);
  connect(online_->run(), &KoOnlineRun::stepPlayed, curves_, &KoCurveView::setPlayingFrame);
  connect(online_, &KoOnlineControl::runEnded, curves_, [this] { curves_->setPlayingFrame(-1); });

  softSwitch_ = new KoSwitch;
  softSwitch_->setOn(settings.value(kSoftKey, false).toBool());
  softField_ = new KoNumberField(limits::kFrameTime.maximum);
  softField_->setValue(settings.value(kSoftTimeKey, kDefaultSoftStartMs).toInt());
  softField_->setFixedWidth(56);
  connect(softSwitch_, &KoSwitch::toggledByUser, this, &KoMotionControls::applySoftStart);
  connect(softField_, &QLineEdit::editingFinished, this, &KoMotionControls::applySoftStart);
  tooltips_.append({softSwitch_, QT_TRID_NOOP("soft_start_tips")});
  tooltips_.append({softField_, QT_TRID_NOOP("soft_start_tips")});
  KoTools::setAccessibleKeys(softSwitch_, QT_TRID_NOOP("soft_start"),
                             QT_TRID_NOOP("soft_start_tips"));
  KoTools::setAccessibleKeys(softField_, QT_TRID_NOOP("soft_start_time"));
  softCaption_ = caption(QT_TRID_NOOP("soft_start"));
  softTime_ = new QWidget;
  auto* soft = new QHBoxLayout(softTime_);
  soft->setContentsMargins(0, 0, 0, 0);
  soft->setSpacing(4);
  soft->addWidget(softField_);
  soft->addWidget(new QLabel(QStringLiteral("ms")));
  // Under two switches, within the height of the panel's buttons.
  for (QWidget* w : softTime_->findChildren<QWidget*>()) {
    w->setFont(KoTheme::font(KoTheme::Type::Caption));
  }
  softField_->setFixedHeight(18);
  showSoftStart();

  recordButton_ = new QPushButton;
  recordButton_->setProperty("koTag", tagOf(kRecordTag));
  tooltips_.append({recordButton_, QT_TRID_NOOP("record_hand_tips")});
  intervalField_ = new KoNumberField(KoTeachRecorder::kMaxInterval);
  intervalField_->setValue(settings.value(kIntervalKey, KoTeachRecorder::kDefaultInterval).toInt());
  intervalField_->setFixedWidth(56);
  tooltips_.append({intervalField_, QT_TRID_NOOP("record_interval_tips")});
  KoTools::setAccessibleKeys(intervalField_, QT_TRID_NOOP("record_interval"),
                             QT_TRID_NOOP("record_interval_tips"));
  // Held within its range once the user is done typing, since the field takes every digit.
  connect(intervalField_, &QLineEdit::editingFinished, this, [this] {
    recorder_->setInterval(intervalField_->value());
    intervalField_->setValue(recorder_->interval());
    QSettings().setValue(kIntervalKey, recorder_->interval());
  });
  recorder_->setInterval(intervalField_->value());
  intervalField_->setValue(recorder_->interval());
  recordRow_ = new QWidget;
  auto* record = new QHBoxLayout(recordRow_);
  record->setContentsMargins(0, 0, 0, 0);
  record->setSpacing(4);
  record->addWidget(recordButton_);
  record->addSpacing(4);
  record->addWidget(caption(QT_TRID_NOOP("record_interval")));
  record->addWidget(intervalField_);
  connect(recorder_, &KoTeachRecorder::recordingChanged, this, &KoMotionControls::showRecording);
  showRecording(false);
  connect(recorder_, &KoTeachRecorder::scrollToRow, this, &KoMotionControls::scrollToRow);
  retranslate();
}

void KoMotionControls::attachArmView(KoVelmarPanView* panView) {
  panView_ = panView;
  panView->imageVelmar()->installEventFilter(this);
  panView->setCornerWidget(liveRow_);
  showLive(liveSwitch_->isOn());
}

QLabel* KoMotionControls::caption(const char* key) {
  auto* label = new QLabel;
  captions_.append({label, key});
  return label;
}

void KoMotionControls::showRecording(bool on) {
  recordButton_->setIcon(KoSvgImages::icon(
      on ? QStringLiteral(":/images/record-stop.svg") : QStringLiteral(":/images/record.svg"),
      recordButton_->iconSize()));
  recordButton_->setText(qtTrId(on ? kStopTitle : kRecordTitle));
  intervalField_->setEnabled(!on);
}

void KoMotionControls::showLive(bool on) {
  if (!panView_) return;
  // The arm, its joint table and its feed come when the arm is first shown: on most starts
  // the switch is off and the still picture is all there is to draw.
  if (on && !armView_) {
    KoArmRanges* ranges = session_.ranges();
    armView_ = new KoArmView(panView_, ranges->profile());
    connect(ranges, &KoArmRanges::profileChanged, armView_,
            [this, ranges] { armView_->setProfile(ranges->profile()); });
    armView_->stackUnder(panView_->sliders().first());
    feed_ = new KoArmFeed(session_, armView_, this);
    feed_->setSerialLine(&online_->serialLine());
    armView_->setWristHold(QSettings().value(kLockWristKey, false).toBool()
                               ? kinematics::WristHold::LockJoint
                               : kinematics::WristHold::KeepAngleToGround);
    connect(armView_, &KoArmView::positionsWanted, moves_, &KoArmMoves::want);
    connect(armView_, &KoArmView::wristHoldChanged, this, [](kinematics::WristHold hold) {
      QSettings().setValue(kLockWristKey, hold == kinematics::WristHold::LockJoint);
    });
    gamepad_->setArmView(armView_);
  }
  if (!armView_) return;
  armView_->setGeometry(panView_->imageVelmar()->geometry());
  // The still picture stays underneath, so that it keeps telling where the pan view put it.
  armView_->setVisible(on);
  if (on) feed_->refresh();
}

void KoMotionControls::moveChannel(int channel, int position) {
  if (channel < 1 || channel > KoPose::kChannels) return;
  session_.setPosition(channel, position);
  online_->sliderMoved(channel, position);
}

void KoMotionControls::applySoftStart() {
  showSoftStart();
  QSettings settings;
  settings.setValue(kSoftKey, softSwitch_->isOn());
  settings.setValue(kSoftTimeKey, softField_->value());
}

// Without storing: at start-up the values have just been read from the settings.
void KoMotionControls::showSoftStart() {
  softField_->setValue(std::max(softField_->value(), 0));
  online_->setSoftStart(softSwitch_->isOn() ? softField_->value() : 0);
  softField_->setEnabled(softSwitch_->isOn());
}

bool KoMotionControls::buttonClick(EditorAction action) {
  if (action != kRecordTag) return false;
  if (recorder_->isRecording()) {
    recorder_->stop();
  } else {
    recorder_->setInterval(intervalField_->value());
    recorder_->start();
  }
  return true;
}

bool KoMotionControls::eventFilter(QObject* watched, QEvent* event) {
  // The live arm takes the still picture's place wherever the pan view puts it.
  if (armView_ && watched == panView_->imageVelmar() &&
      (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
    armView_->setGeometry(panView_->imageVelmar()->geometry());
  }
  return QObject::eventFilter(watched, event);
}

void KoMotionControls::retranslate() {
  for (const auto& [widget, key] : captions_) static_cast<QLabel*>(widget)->setText(qtTrId(key));
  for (const auto& [widget, key] : tooltips_) widget->setToolTip(qtTrId(key));
  profileButton_->setText(qtTrId("arm_profile_open"));
  gamepad_->retranslate();
  showRecording(recorder_->isRecording());
}
