#pragma once

#include "session/online_run.h"

// The steady clock, noting the first time the run reads it: the start of its pass.
class NotingClock : public KoRunClock {
 public:
  Clock::time_point now() override {
    const Clock::time_point t = Clock::now();
    if (passStart == Clock::time_point{}) passStart = t;
    return t;
  }
  Clock::time_point passStart{};
};
