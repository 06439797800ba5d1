#pragma once

#include <QObject>
#include <QPointF>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "gamepad/gamepad_mapping.h"
#include "gamepad/gamepad_state.h"
#include "model/arm_kinematics.h"
#include "model/arm_pose.h"
#include "model/arm_profile.h"

// Turns a controller's inputs into the arm's moves and the editor's actions. The left stick
// steers the gripper's tip through the profile's inverse kinematics, the other motions turn
// single joints; each at a speed that grows with the deflection past the dead zone. Every
// pose it wants lies within the profile's safe ranges, and one that would strike is held
// back at the last safe pose. A resting input never moves anything.
//
// After it stops listening (focus lost, controller gone, stop pressed) an input still held
// moves nothing until it has come back to rest: nothing moves by itself on return.
class KoGamepadDriver : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 10;
  // A step never covers more than this, however late its tick comes.
  static constexpr int kLongestStepMs = 50;
  using Clock = std::function<qint64()>;  // milliseconds on a steady clock
  using PoseSource = std::function<KoChannelPositions()>;

  explicit KoGamepadDriver(QObject* parent = nullptr);

  void setMapping(const KoGamepadMapping& mapping) { mapping_ = mapping; }
  const KoGamepadMapping& mapping() const { return mapping_; }
  void setProfile(const KoArmProfile& profile);
  void setWristHold(kinematics::WristHold hold) { hold_ = hold; }
  // Where the arm stands now; each motion starts from it, and from anything else that
  // moved the arm meanwhile (a slider, a played frame).
  void setPoseSource(PoseSource source) { pose_ = std::move(source); }
  // Tests step the time themselves and call tick() for the timer.
  void setClock(Clock clock) { clock_ = std::move(clock); }

  // Off: every motion stops at once and inputs are ignored; on again, what is held moves
  // nothing until it is let go.
  void setActive(bool on);
  bool isActive() const { return active_; }
  // The controller's inputs changed. Motions start at once; a press runs its action.
  void setState(const pad::State& state);
  // Ends every motion as if the inputs had gone (unplugged, the stop button).
  void halt();

  // One step of the motions in hand; the timer calls it while any is asked for.
  void tick();
  bool moving() const { return timer_.isActive(); }
  const QTimer& timer() const { return timer_; }

 signals:
  // The channels to move, with their positions; the rest are absent.
  void positionsWanted(const KoChannelPositions& moves);
  // An action's input was pressed.
  void actionPressed(KoGamepadMapping::Role role);
  // While the tip is steered: where it was asked to go (mm, in the arm's plane), whether the
  // arm fell short of it, and why a pose was held back (kinematics::Fault bits, 0 for none).
  // No target once the steering ends.
  void steering(std::optional<QPointF> target, bool clamped, quint8 held);

 private:
  // Deflection of each motion now, 0 for one not armed.
  std::array<double, KoGamepadMapping::kMotionCount> motions() const;
  bool anyMotion() const;
  void disarm();
  void step(double seconds);
  void takePose();
  void endSteering();
  qint64 now() const;

  KoGamepadMapping mapping_ = KoGamepadMapping::defaults();
  KoArmProfile profile_ = KoArmProfile::shipped();
  kinematics::WristHold hold_ = kinematics::WristHold::KeepAngleToGround;
  PoseSource pose_;
  Clock clock_;
  QTimer timer_;
  bool active_ = false;
  pad::State state_;
  // A motion held when listening stopped stays off until its input rests.
  std::array<bool, KoGamepadMapping::kMotionCount> armed_{};
  // Fractions of a position are kept between steps, so that a slow motion moves at all.
  std::array<double, 6> exact_{};
  // The pose last wanted, whole; a pose source that differs was moved by something else.
  KoChannelPositions wanted_{};
  std::optional<QPointF> tip_;
  bool steeringShown_ = false;
  quint8 held_ = 0;  // why the last step was held back, while it is told
  qint64 lastTick_ = 0;
};
