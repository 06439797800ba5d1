// Python's headers come before Qt's, whose `slots` keyword they use as a name.
#include <pybind11/pybind11.h>

#include "python/link_thread.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#include "model/language.h"
#include "python/errors.h"

namespace vornpy {

namespace {

// A script's output is its own: the link's diagnostics stay quiet, as vornctl's do, unless
// VORN_VERBOSE is set.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg || qEnvironmentVariableIsSet("VORN_VERBOSE")) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

}  // namespace

// Work runs from a timer, not from the delivery of a posted event: a call that waits for the
// board runs a nested event loop, and one nested in the delivery of posted events could sleep
// through events posted from other threads (a run's moves) until its time-out.
struct LinkThread::Running {
  std::thread thread;
  QCoreApplication* app = nullptr;
  QTimer* timer = nullptr;
  std::atomic<bool> ended{false};
  std::mutex mutex;
  std::deque<std::function<void()>> work;

  void runWork() {
    for (;;) {
      std::function<void()> next;
      {
        std::lock_guard lock(mutex);
        if (work.empty()) return;
        next = std::move(work.front());
        work.pop_front();
      }
      next();
    }
  }
};

namespace {
std::atomic<LinkThread*> started{nullptr};
}

LinkThread& LinkThread::instance() {
  // Never destroyed: boards Python still holds at exit are let go with the process.
  static LinkThread* link = started = new LinkThread;
  return *link;
}

LinkThread::LinkThread() : running_(std::make_unique<Running>()) {
  std::promise<void> ready;
  std::future<void> started = ready.get_future();
  running_->thread = std::thread([&ready, this] {
    static int argc = 1;
    static char name[] = "vorn";
    static char* argv[] = {name, nullptr};
    qInstallMessageHandler(quiet);
    QCoreApplication app(argc, argv);
    // The texts of vornctl, in the language chosen in the desktop program.
    QCoreApplication::setOrganizationName(QStringLiteral("Vorn"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorn"));
    KoLanguage::instance().install(KoLanguage::instance().code());
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [this] { running_->runWork(); });
    running_->app = &app;
    running_->timer = &timer;
    ready.set_value();
    app.exec();
    running_->ended = true;
  });
  started.get();
}

void LinkThread::post(std::function<void()> work) {
  if (hasEnded()) throw Error(QStringLiteral("vorn has shut down"));
  std::lock_guard lock(running_->mutex);
  running_->work.push_back(std::move(work));
  // One start runs everything posted before the timer fires.
  if (running_->work.size() == 1) {
    QMetaObject::invokeMethod(
        running_->timer, [timer = running_->timer] { timer->start(0); }, Qt::QueuedConnection);
  }
}

bool LinkThread::isCurrent() const {
  return std::this_thread::get_id() == running_->thread.get_id();
}

bool LinkThread::hasEnded() const { return running_->ended; }

void LinkThread::quitIfStarted() {
  LinkThread* link = started;
  if (!link || link->hasEnded() || link->isCurrent()) return;
  QMetaObject::invokeMethod(link->running_->app, &QCoreApplication::quit, Qt::QueuedConnection);
  pybind11::gil_scoped_release released;
  link->running_->thread.join();
}

}  // namespace vornpy
