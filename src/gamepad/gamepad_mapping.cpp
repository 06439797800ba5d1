#include "gamepad/gamepad_mapping.h"
