#include "editor/motion/gamepad_dialog.h"
