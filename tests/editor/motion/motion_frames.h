#pragma once

#include <array>
#include <random>

#include "model/pose.h"
#include "mouse.h"

// A frame of channels 1 to 6 as the cards make it, lasting `time` ms; a negative position is
// an absent channel. The time is taken as given: a file may hold times the fields would refuse.
inline VelmarFrame frameOf(const std::array<int, 6>& positions, int time = 1000) {
  KoPose pose;
  for (size_t i = 0; i < positions.size(); ++i) {
    pose.positions[i] = positions[i];
    pose.shown[i] = positions[i] >= 0;
  }
  pose.time = time;
  return KoTools::frameOfPose(pose, 0);
}

// Frames of varied times (some of none) and positions, a channel absent now and then.
class Frames {
 public:
  explicit Frames(unsigned seed) : random_(seed) {}
  VelmarFrame next() {
    std::array<int, 6> p;
    for (int& v : p) v = pick(0, 9) == 0 ? -1 : pick(0, 1000);
    return frameOf(p, pick(0, 6) == 0 ? 0 : pick(1, 3000));
  }
  VelmarFrames many(int count) {
    VelmarFrames out;
    for (int i = 0; i < count; ++i) out.append(next());
    return out;
  }
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  std::mt19937 random_;
};
