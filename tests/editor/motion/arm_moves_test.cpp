#include <gtest/gtest.h>

#include <tuple>

#include "editor/motion/arm_feed.h"

namespace {

// A channel's move as it went out: when, which channel, to where.
using Sent = std::tuple<qint64, int, int>;

KoChannelPositions only(std::initializer_list<std::pair<int, int>> moves) {
  KoChannelPositions out;
  for (const auto& [channel, position] : moves) out[channel - 1] = position;
  return out;
}

const KoChannelPositions kTimer{};

// Scripts of wanted moves: at a time, the moves wanted, or kTimer when the timer fired.
TEST(ArmMoves, AtMostOneMovePerChannelPerIntervalAlwaysTheLatestAndTheTimerDueForIt) {
  const std::tuple<const char*, std::vector<std::pair<qint64, KoChannelPositions>>, QList<Sent>>
      scripts[] = {
          {"one channel",
           {{0, only({{3, 100}})},
            {5, only({{3, 110}})},
            {12, only({{3, 120}})},
            {19, kTimer},  // early: nothing is due yet
            {20, kTimer},
            {25, only({{3, 130}})},
            {40, kTimer},
            {70, only({{3, 140}})}},
           {{0, 3, 100}, {20, 3, 120}, {40, 3, 130}, {70, 3, 140}}},
          {"channels keep their own intervals",
           {{0, only({{3, 100}, {6, 400}})},
            {10, only({{4, 200}})},
            {12, only({{3, 101}, {4, 201}})},
            {20, kTimer},
            {30, kTimer}},
           {{0, 3, 100}, {0, 6, 400}, {10, 4, 200}, {20, 3, 101}, {30, 4, 201}}},
          {"the latest goes even if sent before",
           {{0, only({{2, 300}})}, {5, only({{2, 310}})}, {8, only({{2, 300}})}, {20, kTimer}},
           {{0, 2, 300}, {20, 2, 300}}},
      };
  for (const auto& [name, steps, expected] : scripts) {
    SCOPED_TRACE(name);
    qint64 now = 0;
    QList<Sent> sent;
    KoArmMoves moves([&](int channel, int position) { sent.append({now, channel, position}); });
    moves.setClock([&] { return now; });
    for (const auto& [at, wanted] : steps) {
      now = at;
      wanted == kTimer ? moves.flush() : moves.want(wanted);
    }
    EXPECT_EQ(sent, expected);
    EXPECT_FALSE(moves.pending());
    EXPECT_FALSE(moves.timer().isActive());
  }

  // The timer is set for when the first waiting move may go, not a whole interval on.
  qint64 now = 0;
  int sends = 0;
  KoArmMoves moves([&](int, int) { ++sends; });
  moves.setClock([&] { return now; });
  moves.want(only({{1, 10}}));
  EXPECT_FALSE(moves.timer().isActive());
  now = 4;
  moves.want(only({{2, 10}}));
  now = 7;
  moves.want(only({{1, 11}, {2, 11}}));
  ASSERT_TRUE(moves.timer().isActive());
  EXPECT_EQ(moves.timer().interval(), 13);  // channel 1 may go at 20
  now = 20;
  moves.flush();
  EXPECT_EQ(sends, 3);
  EXPECT_EQ(moves.timer().interval(), 4);  // channel 2 at 24
}

}  // namespace
