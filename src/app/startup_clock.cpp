#include "app/startup_clock.h"

#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
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
