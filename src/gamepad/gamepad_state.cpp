#include "gamepad/gamepad_state.h"

#include <cstring>

namespace pad {

namespace {

const char* const kNames[kInputs] = {
    "leftx",
    "lefty",
    "rightx",
    "righty",
    "lefttrigger",
    "righttrigger",
    "a",
    "b",
    "x",
    "y",
    "back",
    "guide",
    "start",
    "leftstick",
    "rightstick",
    "leftshoulder",
    "rightshoulder",
    "dpup",
    "dpdown",
    "dpleft",
    "dpright",
};

}  // namespace

const char* inputName(Input input) { return int(input) < kInputs ? kNames[int(input)] : ""; }

Input inputNamed(const char* name) {
  for (int i = 0; i < kInputs; ++i) {
    if (std::strcmp(kNames[i], name) == 0) return Input(i);
  }
  return Input::None;
}

}  // namespace pad
