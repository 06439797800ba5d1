#include "link/thread_priority.h"

#include <gtest/gtest.h>

#include <ostream>
#include <thread>

#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

#ifdef __linux__
struct Scheduling {
  int policy;
  int nice;
  bool operator==(const Scheduling&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Scheduling& s) {
    return out << "policy " << s.policy << ", nice " << s.nice;
  }
};

Scheduling ownScheduling() {
  return {sched_getscheduler(0) & ~SCHED_RESET_ON_FORK,
          getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()))};
}

// Whatever is granted holds for the asking thread alone; a thread it starts is ordinary again,
// so a real-time class never spreads. As root both grants are met; as a user, likely neither.
TEST(ThreadPriority, WhatIsReportedIsWhatTheAskingThreadGotAndItAlone) {
  SchedulingCalls niceOnly = SchedulingCalls::system();
  niceOnly.realtime = SchedulingCalls::refused().realtime;
  const std::pair<const char*, SchedulingCalls> cases[] = {{"system", SchedulingCalls::system()},
                                                           {"nice only", niceOnly}};
  for (const auto& [name, calls] : cases) {
    const Scheduling before = ownScheduling();
    ThreadPriority obtained{};
    Scheduling asker{}, child{};
    std::thread([&, &calls = calls] {
      obtained = raiseThreadPriority(calls);
      asker = ownScheduling();
      std::thread([&] { child = ownScheduling(); }).join();
    }).join();
    EXPECT_EQ(ownScheduling(), before) << name;
    switch (obtained) {
      case ThreadPriority::Realtime:
        EXPECT_EQ(asker.policy, SCHED_FIFO) << name;
        EXPECT_EQ(child.policy, SCHED_OTHER) << name;
        break;
      case ThreadPriority::Raised:
        EXPECT_EQ(asker.policy, SCHED_OTHER) << name;
        EXPECT_LT(asker.nice, before.nice) << name;
        break;
      case ThreadPriority::Normal:
        EXPECT_EQ(asker, before) << name;
        break;
    }
  }
}
#endif

}  // namespace
