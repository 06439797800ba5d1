#pragma once

#include <QString>
#include <array>

#include "gamepad/gamepad_state.h"

class QSettings;

// Which input does what, how fast and from how far out. Each role has one input; a role may
// be left without one. Kept in the settings under "gamepad/".
class KoGamepadMapping {
 public:
  // The motions a held input drives, then the actions a press runs once.
  enum Role {
    TipForward,    // the gripper's tip forward (back when negative), mm/s
    TipUp,         // the tip up (down when negative), mm/s
    BaseTurn,      // the base's turn, degrees/s
    HandTilt,      // the hand's angle to the ground, degrees/s
    GripperClose,  // degrees/s
    GripperOpen,
    RollLeft,  // the wrist's roll, degrees/s
    RollRight,
    AddFrame,
    InsertFrame,
    UpdateFrame,
    PreviousRow,
    NextRow,
    RunOrStop,
    StopAll,
    kRoleCount,
  };
  static constexpr int kMotionCount = AddFrame;
  static constexpr bool isMotion(Role role) { return role < kMotionCount; }

  struct Binding {
    pad::Input input = pad::Input::None;
    double speed = 0;     // per second at full deflection (motions only)
    double deadZone = 0;  // a fraction of full deflection; nothing moves inside it
    bool invert = false;  // motions on an axis only

    friend bool operator==(const Binding&, const Binding&) = default;
  };

  static constexpr double kDefaultDeadZone = 0.10;
  static constexpr double kMaxDeadZone = 0.9;
  // A press counts once a button, or a trigger mapped to an action, passes half way.
  static constexpr double kPressed = 0.5;

  // The layout the README describes.
  static KoGamepadMapping defaults();
  // From the settings, each missing or unreadable value at its default.
  static KoGamepadMapping load(QSettings& settings);
  void save(QSettings& settings) const;

  const Binding& binding(Role role) const { return bindings_[role]; }
  // Held to the bounds: a speed from 0 to the role's most, a dead zone from 0 to kMaxDeadZone.
  void setBinding(Role role, Binding binding);
  static double maxSpeed(Role role);
  // The settings' name of a role ("tipForward"), and its translation key ("pad_tip_forward").
  static const char* roleName(Role role);
  static const char* roleKey(Role role);

  // How far a motion is asked for now: 0 inside the dead zone, growing from there to 1 (or
  // -1) at full deflection, inverted where asked. A button counts 1 while held.
  double deflection(Role role, const pad::State& state) const;
  // An action's input is down.
  bool down(Role role, const pad::State& state) const;

  friend bool operator==(const KoGamepadMapping&, const KoGamepadMapping&) = default;

 private:
  std::array<Binding, kRoleCount> bindings_{};
};
