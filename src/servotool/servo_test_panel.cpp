#include "servotool/servo_test_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "link/servo_info.h"
#include "link/usb_hid.h"
#include "servotool/key_label.h"
#include "widgets/number_field.h"
#include "widgets/slider.h"
#include "widgets/tool_view.h"
#include "widgets/widget_tools.h"

namespace {

KoSlider* testSlider(const KoServoRange& range, int tag) {
  auto* slider = new KoSlider(Qt::Horizontal, KoSliderCell::KoSpeedSlider);
  slider->setRange(range.minimum, range.maximum);
  slider->setStep(range.step);
  slider->setValue(range.start);
  slider->setTag(tag);
  return slider;
}

KoNumberField* testField(const KoServoRange& range, int tag) {
  auto* field = new KoNumberField(static_cast<int>(range.maximum));
  field->setMinimum(static_cast<int>(range.minimum));
  field->setTag(tag);
  field->setFixedWidth(64);
  field->setValue(static_cast<int>(range.start));
  return field;
}

}  // namespace

KoServoTestPanel::KoServoTestPanel(usbHid& link, std::function<bool(int tag)> gate,
                                   std::function<int()> servoId, QWidget* parent)
    : QObject(parent), link_(link), gate_(std::move(gate)), servoId_(std::move(servoId)) {
  viewSteeringDebugging = new KoToolView(QStringLiteral("servo_test"), parent);
  sege = new KoSegmentedControl;
  sege->setDelegate(this);
  textDebuggingtime = testField(KoServoInfo::kMoveTime, kTimeField);
  sliderTime = testSlider(KoServoInfo::kMoveTime, kTimeSlider);
  textDebuggingPostion = testField(KoServoInfo::kTargetPosition, kPositionField);
  sliderPostion = testSlider(KoServoInfo::kTargetPosition, kPositionSlider);
  // The slider runs both ways, so the field takes a sign too.
  textSpeed = testField(KoServoInfo::kMotorSpeed, kSpeedField);
  sliderSpeed = testSlider(KoServoInfo::kMotorSpeed, kSpeedSlider);

  auto caption = [](const char* key) { return new KoKeyLabel(key); };
  auto* grid = new QGridLayout(viewSteeringDebugging->contentWidget());
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(sege, 0, 0, 1, 3, Qt::AlignLeft);
  grid->addWidget(caption(QT_TRID_NOOP("time")), 1, 0);
  grid->addWidget(textDebuggingtime, 1, 1);
  grid->addWidget(sliderTime, 1, 2);
  grid->addWidget(caption(QT_TRID_NOOP("position")), 2, 0);
  grid->addWidget(textDebuggingPostion, 2, 1);
  grid->addWidget(sliderPostion, 2, 2);
  // The speed row shares the grid's columns, so it lines up with the rows above.
  auto* speedCaption = caption(QT_TRID_NOOP("speed"));
  grid->addWidget(speedCaption, 3, 0);
  grid->addWidget(textSpeed, 3, 1);
  grid->addWidget(sliderSpeed, 3, 2);
  grid->setColumnStretch(2, 1);
  motorRow_ = {speedCaption, textSpeed, sliderSpeed};
  for (QWidget* w : motorRow_) {
    // A hidden speed row keeps its room, so the panel does not jump when the mode changes.
    QSizePolicy keep = w->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    w->setSizePolicy(keep);
    w->hide();
  }

  const char* sent = QT_TRID_NOOP("servo_field_tips");
  KoTools::setAccessibleKeys(textDebuggingtime, QT_TRID_NOOP("servo_test_time_name"), sent);
  KoTools::setAccessibleKeys(sliderTime, QT_TRID_NOOP("servo_test_time_name"),
                             QT_TRID_NOOP("servo_time_tips"));
  KoTools::setAccessibleKeys(textDebuggingPostion, QT_TRID_NOOP("servo_test_position_name"), sent);
  KoTools::setAccessibleKeys(sliderPostion, QT_TRID_NOOP("servo_test_position_name"),
                             QT_TRID_NOOP("servo_move_tips"));
  KoTools::setAccessibleKeys(textSpeed, QT_TRID_NOOP("servo_test_speed_name"), sent);
  KoTools::setAccessibleKeys(sliderSpeed, QT_TRID_NOOP("servo_test_speed_name"),
                             QT_TRID_NOOP("servo_speed_tips"));

  for (KoSlider* s : {sliderTime, sliderPostion, sliderSpeed}) {
    connect(s, &KoSlider::sliderAction, this, [this, s] { sliderClick(s->tag()); });
  }
  for (KoNumberField* f : {textDebuggingtime, textDebuggingPostion, textSpeed}) {
    connect(f, &KoNumberField::confirmed, this, [this, f] { fieldConfirmed(f->tag()); });
  }
}

void KoServoTestPanel::showServoPosition(int position) {
  sliderPostion->setValue(position);
  textDebuggingPostion->setValue(sliderPostion->intValue());
}

void KoServoTestPanel::sliderClick(int tag) {
  switch (tag) {
    case kTimeSlider:
      textDebuggingtime->setValue(sliderTime->intValue());
      break;
    case kPositionSlider:
      textDebuggingPostion->setValue(sliderPostion->intValue());
      sendMove();
      break;
    case kSpeedSlider:
      textSpeed->setValue(sliderSpeed->intValue());
      sendMotorSpeed(sliderSpeed->intValue());
      break;
  }
}

void KoServoTestPanel::fieldConfirmed(int tag) {
  if (gate_ && !gate_(tag)) return;
  switch (tag) {
    case kTimeField:
      sliderTime->setValue(textDebuggingtime->value());
      break;
    case kPositionField:
      sliderPostion->setValue(textDebuggingPostion->value());
      sendMove();
      break;
    case kSpeedField:
      sliderSpeed->setValue(textSpeed->value());
      sendMotorSpeed(textSpeed->value());
      break;
  }
}

void KoServoTestPanel::sendMove() {
  const int time = textDebuggingtime->value();
  if (link_.sendOneSteering(servoId_(), sliderPostion->intValue(), time)) emit moveSent(time);
}

void KoServoTestPanel::sendMotorSpeed(int speed) { link_.sendSpeed(servoId_(), speed, 1); }

void KoServoTestPanel::selectTitleIndex(int index) {
  for (QWidget* w : motorRow_) w->setVisible(index != 0);
  motorMode_ = index != 0;
  if (index != 0) return;
  textSpeed->setValue(0);
  sliderSpeed->setValue(0);
  link_.sendSpeed(servoId_(), 0, 0);
}

void KoServoTestPanel::resetToServoMode() {
  sege->setIndex(0);
  selectTitleIndex(0);
}
