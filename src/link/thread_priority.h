#pragma once

#include <QString>
#include <functional>

// What a thread was granted when it asked to be woken ahead of ordinary work.
enum class ThreadPriority { Normal, Raised, Realtime };

// The calls by which a thread changes its own scheduling, each true when granted. Tests and
// the timing benchmark put refusing ones in place of the system's.
struct SchedulingCalls {
  std::function<bool(int priority)> realtime;
  std::function<bool(int nice)> nice;

  static const SchedulingCalls& system();
  static const SchedulingCalls& refused();
};

// Asks for the calling thread to be woken ahead of ordinary work: a modest real-time priority
// where the system grants one, else a lower nice value, else nothing; a refusal is no error.
// Only for a thread that spends its time blocked and works in short bursts: a real-time
// thread that spins starves everything beneath it. On Linux, threads it starts later do not
// inherit the real-time class.
ThreadPriority raiseThreadPriority(const SchedulingCalls& calls = SchedulingCalls::system());

QString priorityName(ThreadPriority priority);
