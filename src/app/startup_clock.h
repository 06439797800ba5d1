#pragma once

// Milliseconds since the process started (since this was first asked where the system
// cannot tell).
double startupMilliseconds();
