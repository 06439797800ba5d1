#pragma once

// The screens' prompter is widgets/prompter.h. This forward serves the two files that still
// name this path (model/frame_encoding.cpp, editor/velmar_view_controller.cpp) until they name
// that one.
#include "widgets/prompter.h"
