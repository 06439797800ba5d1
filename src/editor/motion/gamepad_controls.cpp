#include "editor/motion/gamepad_controls.h"
