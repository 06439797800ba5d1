#include "editor/motion/gamepad_controls.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "editor/board/teach_recorder.h"
#include "editor/motion/arm_feed.h"
#include "editor/motion/gamepad_dialog.h"
#include "gamepad/gamepad_driver.h"
#include "gamepad/gamepad_source.h"
#include "session/arm_ranges.h"
#include "session/editor_session.h"
#include "widgets/arm_view.h"
#include "widgets/switch.h"
#include "widgets/widget_tools.h"

const char* const KoGamepadControls::kSettingsKey = "gamepadOn";

namespace {

const QString kLockWristKey = QStringLiteral("armLockWrist");

}  // namespace

KoGamepadControls::KoGamepadControls(KoEditorSession& session,
                                     std::function<void(int channel, int position)> send,
                                     KoTeachRecorder* recorder, QObject* parent)
    : QObject(parent),
      session_(session),
      moves_(new KoArmMoves(std::move(send), this)),
      recorder_(recorder),
      source_(new KoGamepadSource(this)),
      driver_(new KoGamepadDriver(this)) {
  moves_->setTogether(true);
  KoArmRanges* ranges = session.ranges();
  driver_->setProfile(ranges->profile());
  connect(ranges, &KoArmRanges::profileChanged, this,
          [this, ranges] { driver_->setProfile(ranges->profile()); });
  driver_->setWristHold(QSettings().value(kLockWristKey, false).toBool()
                            ? kinematics::WristHold::LockJoint
                            : kinematics::WristHold::KeepAngleToGround);
  driver_->setPoseSource([this] {
    KoChannelPositions at;
    const auto& positions = session_.pose().positions;
    for (size_t c = 0; c < at.size(); ++c) at[c] = int(positions[c]);
    return at;
  });
  connect(source_, &KoGamepadSource::stateChanged, driver_, &KoGamepadDriver::setState);
  connect(source_, &KoGamepadSource::connected, this, [this](const QString& name) {
    listen();
    if (isOn()) emit statusChanged(qtTrId("gamepad_connected").arg(name), false);
  });
  connect(source_, &KoGamepadSource::disconnected, this, [this](const QString& name) {
    stopMoving();
    listen();
    if (isOn()) emit statusChanged(qtTrId("gamepad_disconnected").arg(name), true);
  });
  connect(driver_, &KoGamepadDriver::positionsWanted, this, &KoGamepadControls::moved);
  connect(driver_, &KoGamepadDriver::actionPressed, this, &KoGamepadControls::pressed);
  connect(driver_, &KoGamepadDriver::steering, this,
          [this](std::optional<QPointF> target, bool clamped, quint8 strike) {
            if (armView_) armView_->showSteering(target, clamped, strike);
          });

  row_ = new QWidget;
  auto* layout = new QHBoxLayout(row_);
  layout->setContentsMargins(0, 0, 0, 0);
  caption_ = new QLabel;
  layout->addWidget(caption_);
  switch_ = new KoSwitch;
  layout->addWidget(switch_);
  KoTools::setAccessibleKeys(switch_, QT_TRID_NOOP("gamepad"), QT_TRID_NOOP("gamepad_tips"));
  mappingButton_ = new QPushButton;
  mappingButton_->setAutoDefault(false);
  layout->addWidget(mappingButton_);
  KoTools::setAccessibleKeys(mappingButton_, QT_TRID_NOOP("gamepad_mapping_open"),
                             QT_TRID_NOOP("gamepad_mapping_open_tips"));
  connect(switch_, &KoSwitch::toggledByUser, this, [this](bool on) {
    setOn(on);
    if (on && canMove_ && !canMove_()) emit statusChanged(qtTrId("gamepad_needs_board"), false);
  });
  connect(mappingButton_, &QPushButton::clicked, this, &KoGamepadControls::editMapping);
  retranslate();
  if (QSettings().value(QLatin1String(kSettingsKey), false).toBool()) setOn(true);
}

KoGamepadControls::~KoGamepadControls() {
  // The driver's timer must not step into a session half gone.
  driver_->setActive(false);
}

void KoGamepadControls::setWindow(QWidget* window) {
  if (window_) window_->removeEventFilter(this);
  window_ = window;
  if (window_) window_->installEventFilter(this);
  listen();
}

void KoGamepadControls::setArmView(KoArmView* view) {
  armView_ = view;
  if (!view) return;
  driver_->setWristHold(view->wristHold());
  connect(view, &KoArmView::wristHoldChanged, driver_, &KoGamepadDriver::setWristHold);
}

bool KoGamepadControls::isOn() const { return switch_->isOn(); }

bool KoGamepadControls::isListening() const { return driver_->isActive(); }

void KoGamepadControls::setOn(bool on) {
  if (on && !source_->start()) {
    emit statusChanged(qtTrId("gamepad_unavailable").arg(source_->error()), false);
    on = false;
  }
  switch_->setOn(on);
  QSettings().setValue(QLatin1String(kSettingsKey), on);
  recorder_->setReadsPose(on);
  if (on) {
    QSettings settings;
    driver_->setMapping(KoGamepadMapping::load(settings));
    // Controllers already plugged in are announced by the first poll.
    source_->poll();
    if (!source_->hasController()) emit statusChanged(qtTrId("gamepad_waiting"), false);
  } else {
    stopMoving();
    source_->stop();
  }
  listen();
}

void KoGamepadControls::boardGone() {
  if (!isOn() || (canMove_ && canMove_())) return;
  setOn(false);
  emit statusChanged(qtTrId("gamepad_board_gone"), false);
}

void KoGamepadControls::listen() {
  const bool windowActive = window_ && window_->isActiveWindow();
  // The mapping dialog shows the controller while the switch is off too.
  if (source_->isStarted()) source_->setListening(editing_ || (isOn() && windowActive));
  const bool active = isOn() && !editing_ && windowActive && source_->hasController();
  if (!active && driver_->isActive()) stopMoving();
  driver_->setActive(active);
}

void KoGamepadControls::stopMoving() {
  driver_->halt();
  moves_->cancel();
  if (armView_) armView_->showSteering(std::nullopt, false, 0);
}

void KoGamepadControls::moved(const KoChannelPositions& moves) {
  // A run or a download moves the arm meanwhile; the sticks take up from where it is left.
  if ((busy_ && busy_()) || (canMove_ && !canMove_())) return;
  for (size_t c = 0; c < moves.size(); ++c) {
    if (moves[c]) session_.setPosition(int(c + 1), *moves[c]);
  }
  moves_->want(moves);
  if (armView_) armView_->steer(moves);
}

void KoGamepadControls::pressed(KoGamepadMapping::Role role) {
  switch (role) {
    case KoGamepadMapping::AddFrame:
      emit actionAsked(EditorAction::Add);
      break;
    case KoGamepadMapping::InsertFrame:
      emit actionAsked(EditorAction::Insert);
      break;
    case KoGamepadMapping::UpdateFrame:
      emit actionAsked(EditorAction::Update);
      break;
    case KoGamepadMapping::PreviousRow:
      emit rowStepAsked(-1);
      break;
    case KoGamepadMapping::NextRow:
      emit rowStepAsked(1);
      break;
    case KoGamepadMapping::RunOrStop:
      emit runOrStopAsked();
      break;
    case KoGamepadMapping::StopAll:
      stopMoving();
      emit stopAsked();
      break;
    default:
      break;
  }
}

void KoGamepadControls::editMapping() {
  const bool started = source_->isStarted();
  if (!started && !source_->start()) {
    emit statusChanged(qtTrId("gamepad_unavailable").arg(source_->error()), false);
  }
  editing_ = true;
  listen();
  if (const auto mapping = KoGamepadDialog::edit(row_->window(), source_)) {
    driver_->setMapping(*mapping);
  }
  editing_ = false;
  if (!isOn()) source_->stop();
  listen();
}

bool KoGamepadControls::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ &&
      (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowDeactivate ||
       event->type() == QEvent::WindowActivate)) {
    listen();
  }
  return QObject::eventFilter(watched, event);
}

void KoGamepadControls::retranslate() {
  caption_->setText(qtTrId("gamepad"));
  switch_->setToolTip(qtTrId("gamepad_tips"));
  mappingButton_->setText(qtTrId("gamepad_mapping_open"));
  mappingButton_->setToolTip(qtTrId("gamepad_mapping_open_tips"));
}
