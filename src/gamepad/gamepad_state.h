#pragma once

#include <QtGlobal>
#include <array>

// A controller's inputs as every part of the program sees them, in the game-controller
// layout (the order SDL numbers them in): axes first, then buttons.
namespace pad {

enum class Input : quint8 {
  LeftX,
  LeftY,
  RightX,
  RightY,
  LeftTrigger,
  RightTrigger,
  A,
  B,
  X,
  Y,
  Back,
  Guide,
  Start,
  LeftStick,
  RightStick,
  LeftShoulder,
  RightShoulder,
  DpadUp,
  DpadDown,
  DpadLeft,
  DpadRight,
  Count,
  None = 0xff,
};

inline constexpr int kAxes = 6;
inline constexpr int kButtons = int(Input::Count) - kAxes;
inline constexpr int kInputs = int(Input::Count);

constexpr bool isAxis(Input input) { return int(input) < kAxes; }
constexpr bool isButton(Input input) { return int(input) >= kAxes && int(input) < kInputs; }
constexpr bool isTrigger(Input input) {
  return input == Input::LeftTrigger || input == Input::RightTrigger;
}

// What the controller reports now. Sticks run from -1 to 1, right and down positive as the
// controller gives them; triggers from 0 (released) to 1.
struct State {
  std::array<double, kAxes> axes{};
  quint32 buttons = 0;  // bit b: button kAxes + b held

  double axis(Input input) const { return isAxis(input) ? axes[size_t(input)] : 0.0; }
  bool held(Input input) const { return isButton(input) && (buttons >> (int(input) - kAxes) & 1u); }
  void setHeld(Input input, bool down) {
    if (!isButton(input)) return;
    const quint32 bit = 1u << (int(input) - kAxes);
    buttons = down ? buttons | bit : buttons & ~bit;
  }
  friend bool operator==(const State&, const State&) = default;
};

// The input's name as the mapping page and the settings write it ("leftx", "a", "dpup"):
// SDL's own names, so that a controller's documentation reads the same.
const char* inputName(Input input);
Input inputNamed(const char* name);

}  // namespace pad
