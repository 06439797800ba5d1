#pragma once

#include <chrono>
#include <functional>
#include <optional>

class QWidget;

// Milliseconds since the process started (since this was first asked where the system
// cannot tell).
double startupMilliseconds();

// Logs the start-up time ("启动cost time = N ms") once `window` has been painted for the
// first time, on the event-loop turn after that paint, so that the figure holds the first
// frame the user sees and not only the call to show().
void logStartupAfterFirstPaint(QWidget* window);

// Runs `work` once, on the event-loop turn after `window` is first painted: what the first
// frame does not show need not delay it. A window that is never painted (one started
// minimised) runs it after `latest`, if given. Calls made for one window run in call order;
// nothing runs if the window goes first.
void afterFirstPaint(QWidget* window, std::function<void()> work,
                     std::optional<std::chrono::milliseconds> latest = std::nullopt);
