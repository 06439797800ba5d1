#include "gamepad/gamepad_driver.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "model/limits.h"

namespace {

using Role = KoGamepadMapping::Role;

}  // namespace

KoGamepadDriver::KoGamepadDriver(QObject* parent) : QObject(parent) {
  timer_.setInterval(kTickMs);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &KoGamepadDriver::tick);
  disarm();
}

qint64 KoGamepadDriver::now() const {
  if (clock_) return clock_();
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void KoGamepadDriver::setProfile(const KoArmProfile& profile) {
  profile_ = profile;
  // Whatever was in hand was solved for the other arm.
  wanted_ = {};
  tip_.reset();
}

void KoGamepadDriver::setActive(bool on) {
  if (on == active_) return;
  active_ = on;
  halt();
}

void KoGamepadDriver::disarm() {
  for (int m = 0; m < KoGamepadMapping::kMotionCount; ++m) {
    armed_[size_t(m)] = mapping_.deflection(Role(m), state_) == 0;
  }
}

void KoGamepadDriver::halt() {
  timer_.stop();
  disarm();
  endSteering();
}

std::array<double, KoGamepadMapping::kMotionCount> KoGamepadDriver::motions() const {
  std::array<double, KoGamepadMapping::kMotionCount> out{};
  for (int m = 0; m < KoGamepadMapping::kMotionCount; ++m) {
    if (armed_[size_t(m)]) out[size_t(m)] = mapping_.deflection(Role(m), state_);
  }
  return out;
}

bool KoGamepadDriver::anyMotion() const {
  const auto m = motions();
  return std::any_of(m.begin(), m.end(), [](double d) { return d != 0; });
}

void KoGamepadDriver::setState(const pad::State& state) {
  const pad::State before = state_;
  state_ = state;
  if (!active_) return;
  for (int m = 0; m < KoGamepadMapping::kMotionCount; ++m) {
    if (mapping_.deflection(Role(m), state_) == 0) armed_[size_t(m)] = true;
  }
  for (int r = KoGamepadMapping::kMotionCount; r < KoGamepadMapping::kRoleCount; ++r) {
    const Role role = Role(r);
    if (!mapping_.down(role, state_) || mapping_.down(role, before)) continue;
    // Whatever the stop does elsewhere, the sticks stop first and stay stopped until let go.
    if (role == KoGamepadMapping::StopAll) halt();
    emit actionPressed(role);
    // The action may have ended the listening.
    if (!active_) return;
  }
  if (anyMotion()) {
    // A change is stepped at once, so that the next move out carries it; the first step from
    // rest a tick's worth, so that the arm answers the stick without delay.
    if (!timer_.isActive()) {
      lastTick_ = now() - kTickMs;
      timer_.start();
    }
    tick();
  } else if (timer_.isActive()) {
    timer_.stop();
    endSteering();
  }
}

void KoGamepadDriver::tick() {
  if (!active_ || !anyMotion()) {
    timer_.stop();
    endSteering();
    return;
  }
  const qint64 t = now();
  const qint64 elapsed = std::clamp<qint64>(t - lastTick_, 0, kLongestStepMs);
  lastTick_ = t;
  step(double(elapsed) / 1000);
}

void KoGamepadDriver::takePose() {
  if (!pose_) return;
  const KoChannelPositions now = pose_();
  if (now == wanted_) return;
  // Something else moved the arm (or this is the first step): start from where it stands.
  wanted_ = now;
  for (size_t c = 0; c < exact_.size(); ++c) {
    exact_[c] = double(now[c].value_or(int(limits::kPosition.start)));
  }
  tip_.reset();
}

void KoGamepadDriver::endSteering() {
  tip_.reset();
  held_ = 0;
  if (!steeringShown_) return;
  steeringShown_ = false;
  emit steering(std::nullopt, false, 0);
}

void KoGamepadDriver::step(double seconds) {
  takePose();
  const auto d = motions();
  const auto speed = [&](Role role) { return d[role] * mapping_.binding(role).speed * seconds; };
  // A joint turned by degrees, within its channel's safe range; fractions kept for the next step.
  const auto turn = [&](KoArmJoints::Joint joint, double degrees) {
    const KoArmJoint& j = profile_.joints.joints[joint];
    const double span = j.angleAt1000 - j.angleAt0;
    if (degrees == 0 || j.channel < 1 || j.channel > int(exact_.size()) || span == 0) return;
    const KoChannelProfile range = profile_.channel(j.channel);
    double& at = exact_[size_t(j.channel - 1)];
    at = std::clamp(at + degrees * 1000 / span, double(range.lowest), double(range.highest));
  };
  turn(KoArmJoints::kBase, speed(KoGamepadMapping::BaseTurn));
  // Up brings the hand's angle nearer the vertical, which the pitch angles count from.
  turn(KoArmJoints::kWrist, -speed(KoGamepadMapping::HandTilt));
  turn(KoArmJoints::kGripper,
       speed(KoGamepadMapping::GripperOpen) - speed(KoGamepadMapping::GripperClose));
  turn(KoArmJoints::kWristRoll,
       speed(KoGamepadMapping::RollRight) - speed(KoGamepadMapping::RollLeft));

  KoChannelPositions next;
  for (size_t c = 0; c < next.size(); ++c) next[c] = int(std::lround(exact_[c]));

  const bool steered = d[KoGamepadMapping::TipForward] != 0 || d[KoGamepadMapping::TipUp] != 0;
  std::optional<QPointF> asked;
  std::optional<QPointF> nextTip;
  bool clamped = false;
  if (steered) {
    if (!tip_) tip_ = kinematics::skeleton(profile_, next)[kinematics::kTip];
    asked = *tip_ + QPointF(speed(KoGamepadMapping::TipForward), speed(KoGamepadMapping::TipUp));
    const kinematics::Reach r = kinematics::reach(profile_, next, *asked, hold_);
    clamped = r.clamped;
    // Beyond reach the target stays where the tip stopped, so turning back moves at once.
    nextTip = clamped ? r.tip : *asked;
    for (size_t c = 0; c < next.size(); ++c) {
      if (r.positions[c] && r.positions[c] != next[c]) {
        next[c] = r.positions[c];
        exact_[c] = *r.positions[c];
      }
    }
  } else {
    tip_.reset();
  }

  // A pose that would strike is not sent; the arm stays at the last one that would not. An arm
  // already striking (posed so by hand or by a frame) may move, or it could never get out.
  if (const quint8 faults = kinematics::poseFaults(profile_, next);
      faults && !kinematics::poseFaults(profile_, wanted_)) {
    // The target stays where it was, so that pushing on asks for the same pose and is held
    // again, and pulling back moves at once.
    for (size_t c = 0; c < exact_.size(); ++c) {
      exact_[c] = double(wanted_[c].value_or(int(limits::kPosition.start)));
    }
    steeringShown_ = true;
    held_ = faults;
    emit steering(asked.value_or(kinematics::skeleton(profile_, next)[kinematics::kTip]), clamped,
                  faults);
    return;
  }

  KoChannelPositions moves;
  bool any = false;
  for (size_t c = 0; c < next.size(); ++c) {
    if (next[c] != wanted_[c]) {
      moves[c] = next[c];
      any = true;
    }
  }
  wanted_ = next;
  if (nextTip) tip_ = nextTip;
  // A step too short to move anything says nothing new: a hold stays told.
  if (!any && held_) return;
  held_ = 0;
  if (steered) {
    steeringShown_ = true;
    emit steering(asked, clamped, 0);
  } else if (steeringShown_) {
    endSteering();
  }
  if (any) emit positionsWanted(moves);
}
