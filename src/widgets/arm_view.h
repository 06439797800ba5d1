#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>

#include "model/arm_kinematics.h"
#include "model/arm_pose.h"
#include "model/arm_profile.h"

class QLabel;
class KoSwitch;

// The arm drawn from its six channel positions, to the chosen profile's measures: a side view
// in the plane the base turns it to, a dial from above for the base's turn, and the gripper's
// jaws opening and rolling. It draws what it is given; who feeds it decides whether that is the
// board's servos or the last positions sent.
//
// The user can also pose it: dragging the gripper's tip (or the arrow keys) asks the profile's
// inverse kinematics for the shoulder, elbow and wrist, dragging the dial turns the base. The
// view then wants those positions (positionsWanted) and shows them, not what it is fed, until
// the user has let go and the moves have had time to reach the board.
class KoArmView : public QWidget {
  Q_OBJECT

 public:
  // Arrow keys move the tip target this far, with Shift the larger step; Page Up and Page Down
  // turn the base.
  static constexpr double kKeyStepMm = 5;
  static constexpr double kShiftKeyStepMm = 20;
  static constexpr double kKeyStepDegrees = 5;
  static constexpr double kShiftKeyStepDegrees = 20;
  // After the last drag or key the pose wanted is shown this long before the feed takes over
  // again: long enough for a throttled move to be sent and read back.
  static constexpr int kDefaultHoldMs = 150;
  // A press this near the gripper's tip takes it, however thin the arm is drawn; the ring that
  // shows under the pointer there is this wide.
  static constexpr double kGrabReach = 24;

  explicit KoArmView(QWidget* parent = nullptr, KoArmProfile profile = KoArmProfile::shipped());

  // The profile the arm is drawn to; its owner hands it every new choice.
  void setProfile(const KoArmProfile& profile);
  const KoArmProfile& profile() const { return profile_; }

  // What the feed reads. While the user poses the arm, it is kept, not shown.
  void setPositions(const KoChannelPositions& positions);
  // The pose shown.
  const KoChannelPositions& positions() const { return positions_; }

  kinematics::WristHold wristHold() const { return hold_; }
  void setWristHold(kinematics::WristHold hold);
  KoSwitch* lockWristSwitch() const { return lockWrist_; }

  // Dragging, or just done with a drag or key: the wanted pose is shown.
  bool isPosing() const { return dragging_ != Drag::None || holdTimer_.isActive(); }
  void setHoldMs(int ms) { holdTimer_.setInterval(ms); }
  // Where the tip was asked to go, while the user poses it; whether the arm fell short of it.
  std::optional<QPointF> target() const { return target_; }
  bool isClamped() const { return clamped_; }

  // Another hand (a controller) poses the arm: its wanted channels are shown as a drag's would
  // be, and the feed waits as it does for a drag.
  void steer(const KoChannelPositions& wanted);
  // Where that hand asked the tip to go: marked when the arm fell short of it or when the pose
  // was held back because it would strike (kinematics::Fault bits). No target clears the mark.
  void showSteering(std::optional<QPointF> target, bool clamped, quint8 strike);
  quint8 heldStrike() const { return strike_; }

  // Between the side view's mm and the widget's pixels.
  QPointF toScreen(QPointF mm) const;
  QPointF toMm(QPointF pixel) const;
  QPointF tipOnScreen() const;
  QPointF dialCentre() const;
  double dialRadius() const;

  QSize sizeHint() const override { return {400, 400}; }

 signals:
  // The user posed the arm: the channels to move, with their positions; the rest are absent.
  void positionsWanted(const KoChannelPositions& moves);
  // The user chose what the wrist does while the tip is dragged.
  void wristHoldChanged(kinematics::WristHold hold);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  enum class Drag { None, Tip, Dial };
  struct Frame {
    double mmScale;  // pixels per mm
    double unit;     // pixels per the shipped arm's reach from the shoulder, for the trimmings
    QPointF origin;  // the base's foot
  };

  Frame frame() const;
  Drag hit(QPointF pixel) const;
  void reachFor(QPointF targetMm);
  void turnBaseTo(double degrees);
  // Shows the wanted pose and says which channels it moved.
  void want(const KoChannelPositions& next);
  void endPosing();
  void showHover(Drag over);
  void retranslate();
  void placeControls();

  KoArmProfile profile_;
  KoChannelPositions positions_;
  kinematics::WristHold hold_ = kinematics::WristHold::KeepAngleToGround;

  Drag dragging_ = Drag::None;
  Drag hover_ = Drag::None;
  // From the pointer to the tip, so that grabbing near the tip does not make it jump.
  QPointF grabOffsetMm_;
  // The dial's pointer angle at the last move, and the base angle asked for, unwrapped.
  double dialPointer_ = 0;
  double baseAngle_ = 0;
  std::optional<QPointF> target_;
  QPointF reachedTip_;
  bool clamped_ = false;
  quint8 strike_ = 0;
  QTimer holdTimer_;

  QWidget* lockRow_;
  QLabel* lockCaption_;
  KoSwitch* lockWrist_;
};
