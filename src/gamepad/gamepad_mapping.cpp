#include "gamepad/gamepad_mapping.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

namespace {

using Role = KoGamepadMapping::Role;
using pad::Input;

struct RoleInfo {
  const char* name;
  const char* key;
  Input input;
  double speed;
  double maxSpeed;
  bool invert;
};

// Stick up reads negative; the tip and the hand go up for it.
constexpr RoleInfo kRoles[KoGamepadMapping::kRoleCount] = {
    {"tipForward", QT_TRID_NOOP("pad_tip_forward"), Input::LeftX, 80, 400, false},
    {"tipUp", QT_TRID_NOOP("pad_tip_up"), Input::LeftY, 80, 400, true},
    {"baseTurn", QT_TRID_NOOP("pad_base_turn"), Input::RightX, 45, 360, false},
    {"handTilt", QT_TRID_NOOP("pad_hand_tilt"), Input::RightY, 60, 360, true},
    {"gripperClose", QT_TRID_NOOP("pad_gripper_close"), Input::RightTrigger, 90, 360, false},
    {"gripperOpen", QT_TRID_NOOP("pad_gripper_open"), Input::LeftTrigger, 90, 360, false},
    {"rollLeft", QT_TRID_NOOP("pad_roll_left"), Input::LeftShoulder, 90, 360, false},
    {"rollRight", QT_TRID_NOOP("pad_roll_right"), Input::RightShoulder, 90, 360, false},
    {"addFrame", QT_TRID_NOOP("pad_add_frame"), Input::A, 0, 0, false},
    {"insertFrame", QT_TRID_NOOP("pad_insert_frame"), Input::X, 0, 0, false},
    {"updateFrame", QT_TRID_NOOP("pad_update_frame"), Input::Y, 0, 0, false},
    {"previousRow", QT_TRID_NOOP("pad_previous_row"), Input::DpadUp, 0, 0, false},
    {"nextRow", QT_TRID_NOOP("pad_next_row"), Input::DpadDown, 0, 0, false},
    {"runOrStop", QT_TRID_NOOP("pad_run_or_stop"), Input::Start, 0, 0, false},
    {"stopAll", QT_TRID_NOOP("pad_stop_all"), Input::B, 0, 0, false},
};

const QString kGroup = QStringLiteral("gamepad");

}  // namespace

KoGamepadMapping KoGamepadMapping::defaults() {
  KoGamepadMapping m;
  for (int r = 0; r < kRoleCount; ++r) {
    const RoleInfo& info = kRoles[r];
    m.bindings_[r] = {info.input, info.speed, isMotion(Role(r)) ? kDefaultDeadZone : 0,
                      info.invert};
  }
  return m;
}

double KoGamepadMapping::maxSpeed(Role role) { return kRoles[role].maxSpeed; }
const char* KoGamepadMapping::roleName(Role role) { return kRoles[role].name; }
const char* KoGamepadMapping::roleKey(Role role) { return kRoles[role].key; }

void KoGamepadMapping::setBinding(Role role, Binding b) {
  if (role < 0 || role >= kRoleCount) return;
  if (!pad::isAxis(b.input) && !pad::isButton(b.input)) b.input = pad::Input::None;
  // NaN fails every comparison, so it is caught before clamping passes it through.
  b.speed = std::isfinite(b.speed) ? std::clamp(b.speed, 0.0, maxSpeed(role)) : 0;
  b.deadZone = std::isfinite(b.deadZone) ? std::clamp(b.deadZone, 0.0, kMaxDeadZone) : 0;
  if (!isMotion(role)) b.speed = 0;
  bindings_[role] = b;
}

KoGamepadMapping KoGamepadMapping::load(QSettings& settings) {
  KoGamepadMapping m = defaults();
  settings.beginGroup(kGroup);
  for (int r = 0; r < kRoleCount; ++r) {
    const Role role = Role(r);
    settings.beginGroup(QString::fromLatin1(roleName(role)));
    Binding b = m.bindings_[r];
    if (settings.contains(QStringLiteral("input"))) {
      const QByteArray name = settings.value(QStringLiteral("input")).toString().toLatin1();
      // "none" is a role left without an input; anything unknown keeps the default.
      if (name == "none") {
        b.input = Input::None;
      } else if (const Input input = pad::inputNamed(name.constData()); input != Input::None) {
        b.input = input;
      }
    }
    bool ok = false;
    if (const double v = settings.value(QStringLiteral("speed")).toDouble(&ok); ok) b.speed = v;
    if (const double v = settings.value(QStringLiteral("deadZone")).toDouble(&ok); ok) {
      b.deadZone = v;
    }
    if (settings.contains(QStringLiteral("invert"))) {
      b.invert = settings.value(QStringLiteral("invert")).toBool();
    }
    m.setBinding(role, b);
    settings.endGroup();
  }
  settings.endGroup();
  return m;
}

void KoGamepadMapping::save(QSettings& settings) const {
  settings.beginGroup(kGroup);
  for (int r = 0; r < kRoleCount; ++r) {
    const Binding& b = bindings_[r];
    settings.beginGroup(QString::fromLatin1(roleName(Role(r))));
    settings.setValue(
        QStringLiteral("input"),
        QString::fromLatin1(b.input == Input::None ? "none" : pad::inputName(b.input)));
    if (isMotion(Role(r))) {
      settings.setValue(QStringLiteral("speed"), b.speed);
      settings.setValue(QStringLiteral("deadZone"), b.deadZone);
      settings.setValue(QStringLiteral("invert"), b.invert);
    }
    settings.endGroup();
  }
  settings.endGroup();
}

double KoGamepadMapping::deflection(Role role, const pad::State& state) const {
  if (role < 0 || role >= kRoleCount) return 0;
  const Binding& b = bindings_[role];
  double value = 0;
  if (pad::isButton(b.input)) {
    value = state.held(b.input) ? 1 : 0;
  } else if (pad::isAxis(b.input)) {
    const double raw = std::clamp(state.axis(b.input), -1.0, 1.0);
    const double magnitude = std::abs(raw);
    if (!(magnitude > b.deadZone)) return 0;
    // From 0 at the dead zone's edge, so that the speed grows smoothly out of rest.
    value = std::copysign((magnitude - b.deadZone) / (1 - b.deadZone), raw);
    if (b.invert) value = -value;
  }
  return value;
}

bool KoGamepadMapping::down(Role role, const pad::State& state) const {
  if (role < 0 || role >= kRoleCount) return false;
  const Binding& b = bindings_[role];
  if (pad::isButton(b.input)) return state.held(b.input);
  return pad::isAxis(b.input) && std::abs(state.axis(b.input)) > kPressed;
}
