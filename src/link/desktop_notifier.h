#pragma once

#include <QString>

// Desktop notifications (board or serial port arrived or left). The desktop program
// installs one over the system tray; the fallback writes them to the log.
class DesktopNotifier {
 public:
  virtual ~DesktopNotifier() = default;
  virtual void notify(const QString& title, const QString& body) = 0;

  // Not owned; nullptr restores the logging fallback.
  static void install(DesktopNotifier* notifier);
  static DesktopNotifier& current();
};
