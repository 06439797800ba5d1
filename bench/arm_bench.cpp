// The arm's kinematics: one reach (the solve a drag of the tip asks for on every mouse move),
// timed solve by solve for its median and tail, and the ground check over a whole list of
// 65,535 frames, as the editor checks a file on opening it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "model/arm_kinematics.h"

namespace {

using namespace kinematics;

// The shipped arm; it reads nothing from the settings.
KoArmProfile arm() { return KoArmProfile::shipped(); }

KoChannelPositions randomPose(std::mt19937& random) {
  KoChannelPositions p;
  for (auto& c : p) c = std::uniform_int_distribution<int>(0, 1000)(random);
  return p;
}

enum Kind { kInside, kLocked, kHandTurns, kOutside };

struct Ask {
  KoChannelPositions current;
  QPointF target;
};

// Inside: a target the hand reaches at its angle. Locked: the same with the wrist held. Hand
// turns: reachable only if the hand gives up its angle. Outside: beyond every pose.
std::vector<Ask> asks(const KoArmProfile& profile, Kind kind) {
  std::mt19937 random(3);
  std::vector<Ask> out;
  while (out.size() < 512) {
    const KoChannelPositions current = randomPose(random);
    KoChannelPositions goal = randomPose(random);
    if (kind == kLocked) goal[2] = current[2];
    if (kind == kInside) {
      // Same sum of the three pitch channels: the same hand angle on this table.
      const int wrist = *current[2] + *current[3] + *current[4] - *goal[3] - *goal[4];
      if (wrist < 0 || wrist > 1000) continue;
      goal[2] = wrist;
    }
    QPointF target = skeleton(profile, goal)[kTip];
    if (kind == kOutside) {
      const QPointF from(0, profile.linksMm[KoArmProfile::kColumn]);
      target = from + (target - from) * (1.2 + 2.0 * (out.size() % 7) / 7.0) +
               QPointF(profile.reachMm() * (out.size() % 3 == 0), 0);
    }
    if (kind == kHandTurns) {
      const Reach r = reach(profile, current, target);
      const double turned =
          handPitch(jointAngles(profile, r.positions)) - handPitch(jointAngles(profile, current));
      if (r.clamped || std::abs(turned) < 5) continue;
    }
    out.push_back({current, target});
  }
  return out;
}

void BM_Reach(benchmark::State& state) {
  const KoArmProfile profile = arm();
  const Kind kind = Kind(state.range(0));
  const std::vector<Ask> list = asks(profile, kind);
  const WristHold hold = kind == kLocked ? WristHold::LockJoint : WristHold::KeepAngleToGround;
  std::vector<double> micros;
  micros.reserve(1 << 20);
  size_t i = 0;
  for (auto _ : state) {
    const Ask& a = list[i++ % list.size()];
    const auto start = std::chrono::steady_clock::now();
    const Reach r = reach(profile, a.current, a.target, hold);
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(r);
    if (micros.size() < micros.capacity()) {
      micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
  }
  std::sort(micros.begin(), micros.end());
  const auto at = [&](double q) { return micros[size_t(q * (micros.size() - 1))]; };
  state.counters["median_us"] = at(0.5);
  state.counters["p99_us"] = at(0.99);
  state.counters["max_us"] = micros.back();
}
BENCHMARK(BM_Reach)
    ->ArgName("inside_locked_handturns_outside")
    ->DenseRange(kInside, kOutside)
    ->Unit(benchmark::kMicrosecond);

void BM_GroundCheck65535(benchmark::State& state) {
  const KoArmProfile profile = arm();
  std::vector<KoChannelPositions> frames(65535);
  for (int i = 0; i < int(frames.size()); ++i) {
    for (int c = 1; c <= 6; ++c) {
      const bool absent = (i + c) % 11 == 0;
      if (!absent) frames[i][c - 1] = (i * 7 + c * 131) % 1001;
    }
  }
  int faulty = 0;
  for (auto _ : state) {
    faulty = 0;
    for (const KoChannelPositions& f : frames) faulty += poseFaults(profile, f) != kNoFault;
    benchmark::DoNotOptimize(faulty);
  }
  state.counters["faulty_frames"] = faulty;
}
BENCHMARK(BM_GroundCheck65535)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
