#include "editor/motion/gamepad_view.h"
