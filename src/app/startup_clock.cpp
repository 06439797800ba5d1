#include "app/startup_clock.h"

#include <unistd.h>
#include <QDebug>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <ctime>
#include <utility>
#include <vector>

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

// Waits for the window's first paint event, then runs the work on the next turn of the event
// loop: by then the painted frame has been handed to the display. One per window, so that
// its work runs in the order it was given.
class FirstPaintWatcher : public QObject {
 public:
  static FirstPaintWatcher* of(QWidget* window) {
    // No meta-object of its own, so it is found by name.
    auto* watcher = dynamic_cast<FirstPaintWatcher*>(
        window->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
    return watcher ? watcher : new FirstPaintWatcher(window);
  }

  void add(std::function<void()> work, std::optional<std::chrono::milliseconds> latest) {
    const int id = nextId_++;
    work_.push_back({id, std::move(work)});
    if (latest) QTimer::singleShot(*latest, this, [this, id] { run(id); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] {
        while (!work_.empty()) run(work_.front().first);
        deleteLater();
      });
    }
    return false;
  }

 private:
  static constexpr QLatin1StringView kName{"firstPaintWatcher"};

  explicit FirstPaintWatcher(QWidget* window) : QObject(window) {
    setObjectName(kName);
    window->installEventFilter(this);
  }

  void run(int id) {
    const auto it = std::find_if(work_.begin(), work_.end(),
                                 [id](const auto& item) { return item.first == id; });
    if (it == work_.end()) return;
    const std::function<void()> work = std::move(it->second);
    work_.erase(it);
    work();
  }

  std::vector<std::pair<int, std::function<void()>>> work_;
  int nextId_ = 0;
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

void logStartupAfterFirstPaint(QWidget* window) {
  afterFirstPaint(window, [] {
    qInfo().noquote() << QStringLiteral("－－－－－－启动cost time = %1 ms(毫秒)")
                             .arg(startupMilliseconds(), 0, 'f', 1);
  });
}

void afterFirstPaint(QWidget* window, std::function<void()> work,
                     std::optional<std::chrono::milliseconds> latest) {
  FirstPaintWatcher::of(window)->add(std::move(work), latest);
}
