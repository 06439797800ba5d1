#pragma once

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "gamepad/gamepad_state.h"

// A game controller plugged in for as long as it lives, made with SDL's virtual joystick: SDL
// maps it as a controller of every axis and button of pad::Input. What it is set to reaches a
// KoGamepadSource at its next poll(). It may be made before or after the source starts. Its
// name must be none of SDL's database, whose mapping would take its axes over.
class VirtualPad {
 public:
  explicit VirtualPad(const char* name = "Virtual pad") {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    initialised_ = true;
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.name = name;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) return;
    id_ = SDL_JoystickGetDeviceInstanceID(index);
    joystick_ = SDL_JoystickOpen(index);
    // SDL maps a trigger over the axis's whole raw range, so a raw 0 reads as half pressed
    // once the trigger has moved: released is the lowest raw value.
    setAxis(pad::Input::LeftTrigger, 0);
    setAxis(pad::Input::RightTrigger, 0);
  }
  ~VirtualPad() {
    unplug();
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  }
  VirtualPad(const VirtualPad&) = delete;

  // Gone for good: a later set does nothing.
  void unplug() {
    // Device indices shift as controllers come and go; the instance id stays.
    for (int i = 0; id_ >= 0 && i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
    }
    if (joystick_) SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    id_ = -1;
  }

  // Sticks from -1 to 1 over the whole raw range (-1 is SDL's -32768), triggers from 0 to 1.
  void setAxis(pad::Input input, double value) {
    if (!joystick_ || !pad::isAxis(input)) return;
    const double raw = pad::isTrigger(input)
                           ? SDL_JOYSTICK_AXIS_MIN + std::clamp(value, 0.0, 1.0) * 65535.0
                           : std::clamp(value, -1.0, 1.0) * (value < 0 ? 32768.0 : 32767.0);
    SDL_JoystickSetVirtualAxis(joystick_, int(input), Sint16(std::lround(raw)));
  }
  void setButton(pad::Input input, bool down) {
    if (!joystick_ || !pad::isButton(input)) return;
    SDL_JoystickSetVirtualButton(joystick_, int(input) - pad::kAxes, down);
  }

 private:
  bool initialised_ = false;
  SDL_Joystick* joystick_ = nullptr;
  SDL_JoystickID id_ = -1;
};
