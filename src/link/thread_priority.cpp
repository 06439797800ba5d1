#include "link/thread_priority.h"

#if defined(__linux__)
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <windows.h>
#elif defined(__unix__) || defined(__APPLE__)
#include <pthread.h>
#include <sched.h>
#endif

namespace {

// Above every ordinary thread and below the kernel's interrupt threads (50).
constexpr int kRealtimePriority = 10;
constexpr int kNice = -10;

bool systemRealtime(int priority) {
#if defined(__linux__)
  // Linux schedules each thread on its own: 0 names the calling thread, not the process.
  sched_param param{};
  param.sched_priority = priority;
  return sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0;
#elif defined(_WIN32)
  (void)priority;
  return SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL) != 0;
#elif defined(__unix__) || defined(__APPLE__)
  sched_param param{};
  param.sched_priority = priority;
  return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
#else
  (void)priority;
  return false;
#endif
}

bool systemNice(int nice) {
#if defined(__linux__)
  // On Linux a thread id names one thread and its nice value alone.
  return setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), nice) == 0;
#elif defined(_WIN32)
  (void)nice;
  return SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST) != 0;
#else
  // Elsewhere a nice value belongs to the whole process.
  (void)nice;
  return false;
#endif
}

}  // namespace

const SchedulingCalls& SchedulingCalls::system() {
  static const SchedulingCalls calls{systemRealtime, systemNice};
  return calls;
}

const SchedulingCalls& SchedulingCalls::refused() {
  static const SchedulingCalls calls{[](int) { return false; }, [](int) { return false; }};
  return calls;
}

ThreadPriority raiseThreadPriority(const SchedulingCalls& calls) {
  if (calls.realtime(kRealtimePriority)) return ThreadPriority::Realtime;
  if (calls.nice(kNice)) return ThreadPriority::Raised;
  return ThreadPriority::Normal;
}

QString priorityName(ThreadPriority priority) {
  switch (priority) {
    case ThreadPriority::Realtime:
      return QStringLiteral("real-time");
    case ThreadPriority::Raised:
      return QStringLiteral("raised");
    case ThreadPriority::Normal:
      break;
  }
  return QStringLiteral("normal");
}
