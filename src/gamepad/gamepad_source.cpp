#include "gamepad/gamepad_source.h"
