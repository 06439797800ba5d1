#pragma once

#include <QList>
#include <QObject>
#include <functional>

#include "widgets/segmented_control.h"

class KoNumberField;
class KoSlider;
class KoToolView;
class QLabel;
class QWidget;
class usbHid;

// The servo test: a timed move to a position, and the switch between servo mode and motor
// mode with a signed speed. Slider moves send at once; confirmed fields pass the gate first.
class KoServoTestPanel : public QObject, public KoSegmentedControlDelegate {
  Q_OBJECT

 public:
  enum Tag {
    kSpeedField = 2001,
    kTimeField = 2002,
    kPositionField = 2003,
    kTimeSlider = 1006,
    kPositionSlider = 1007,
    kSpeedSlider = 1008,
  };

  // `gate` decides whether a tagged field may act now; `servoId` is the id the tool shows.
  KoServoTestPanel(usbHid& link, std::function<bool(int tag)> gate, std::function<int()> servoId,
                   QWidget* parent);

  // Mode switch: 0 servo mode (speed back to 0, sent), anything else motor mode.
  void selectTitleIndex(int index) override;
  // Back to servo mode, as when the user leaves the tool.
  void resetToServoMode();
  // A servo is set turning: the mode switch stands on motor mode.
  bool motorMode() const { return motorMode_; }

  // The servo was read at `position`: the knob and its field stand there, nothing is sent.
  void showServoPosition(int position);

  void sliderClick(int tag);
  void fieldConfirmed(int tag);

  KoToolView* viewSteeringDebugging;
  KoSegmentedControl* sege;
  KoNumberField* textDebuggingtime;
  KoSlider* sliderTime;
  KoNumberField* textDebuggingPostion;
  KoSlider* sliderPostion;
  KoNumberField* textSpeed;
  KoSlider* sliderSpeed;

 signals:
  // A timed move went out; the servo is moving for `milliseconds`.
  void moveSent(int milliseconds);

 private:
  void sendMove();
  void sendMotorSpeed(int speed);

  usbHid& link_;
  std::function<bool(int)> gate_;
  std::function<int()> servoId_;
  bool motorMode_ = false;
  QList<QWidget*> motorRow_;
};
