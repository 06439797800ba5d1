#pragma once

class QWidget;

// Milliseconds since the process started (since this was first asked where the system
// cannot tell).
double startupMilliseconds();

// Logs the start-up time ("启动cost time = N ms") once `window` has been painted for the
// first time, on the event-loop turn after that paint, so that the figure holds the first
// frame the user sees and not only the call to show().
void logStartupAfterFirstPaint(QWidget* window);
