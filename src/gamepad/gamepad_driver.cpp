#include "gamepad/gamepad_driver.h"
