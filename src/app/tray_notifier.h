#pragma once

#include <QObject>
#include <QPointer>

#include "link/desktop_notifier.h"

class QLabel;
class QSystemTrayIcon;
class QTimer;
class QWidget;

// Desktop notifications over the system tray, each removed after 3 s; lives as long as its
// window. Where the desktop has no notification area (the tray then drops messages without a
// word) the same notice shows inside the window for 3 s instead.
class TrayNotifier : public QObject, public DesktopNotifier {
  Q_OBJECT

 public:
  static constexpr int kShownMilliseconds = 3000;

  // useTray: whether the desktop offers the tray; by default asked of the platform.
  explicit TrayNotifier(QWidget* window, bool useTray = canUseTray(),
                        int shownMilliseconds = kShownMilliseconds);
  ~TrayNotifier() override;

  static bool canUseTray();
  void notify(const QString& title, const QString& body) override;

  // The in-window notice, or nullptr while the tray is used.
  QLabel* notice() const { return notice_; }

 private:
  QPointer<QWidget> window_;
  QSystemTrayIcon* tray_ = nullptr;
  QLabel* notice_ = nullptr;
  QTimer* hide_;
};
