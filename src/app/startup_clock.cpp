#include "app/startup_clock.h"

#include <unistd.h>
#include <QDebug>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <ctime>

namespace {

// The process's start, in seconds since boot, from /proc (clock-tick resolution).
double processStartSinceBoot() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray line = stat.readAll();
  // Fields after the command name, which is in parentheses and may hold spaces.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  constexpr int kStartTime = 22 - 3;  // field 22, counted from field 3
  if (fields.size() <= kStartTime) return -1;
  return fields[kStartTime].toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Waits for the window's first paint event, then logs on the next turn of the event loop:
// by then the painted frame has been handed to the display.
class FirstPaintLogger : public QObject {
 public:
  explicit FirstPaintLogger(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] {
        qInfo().noquote() << QStringLiteral("－－－－－－启动cost time = %1 ms(毫秒)")
                                 .arg(startupMilliseconds(), 0, 'f', 1);
        deleteLater();
      });
    }
    return false;
  }
};

}  // namespace

double startupMilliseconds() {
  const double start = processStartSinceBoot();
  timespec now{};
  if (start >= 0 && clock_gettime(CLOCK_BOOTTIME, &now) == 0) {
    return (static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - start) * 1000.0;
  }
  static QElapsedTimer sinceFirstAsked;
  if (!sinceFirstAsked.isValid()) sinceFirstAsked.start();
  return static_cast<double>(sinceFirstAsked.nsecsElapsed()) / 1e6;
}

void logStartupAfterFirstPaint(QWidget* window) { new FirstPaintLogger(window); }
