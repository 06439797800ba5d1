#include "model/easing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "model/action_file.h"
#include "model/move_frame.h"

namespace {

using easing::Curve;

// Frames as a file gives them: a 14-byte record each, an absent channel as 0x5555.
VelmarFrames framesOf(const QList<std::pair<int, std::array<int, 6>>>& rows) {
  QByteArray image("SOBARM", 6);
  frame::appendLe16(image, rows.size());
  image.append(8, '\0');
  for (const auto& [time, positions] : rows) {
    frame::appendLe16(image, time);
    for (int p : positions) frame::appendLe16(image, p < 0 ? frame::kAbsentChannel : p);
  }
  return KoTools::readVelmarData(image);
}

constexpr int X = -1;  // an absent channel

// The curve's y at x found by sampling its parameter finely, apart from the solver under test.
double sampled(const Curve& c, double x) {
  constexpr int kSamples = 200000;
  double best = 0, bestDistance = 2;
  for (int i = 0; i <= kSamples; ++i) {
    const double s = double(i) / kSamples;
    const double r = 1 - s;
    const double bx = 3 * r * r * s * c.x1 + 3 * r * s * s * c.x2 + s * s * s;
    if (std::abs(bx - x) < bestDistance) {
      bestDistance = std::abs(bx - x);
      best = 3 * r * r * s * c.y1 + 3 * r * s * s * c.y2 + s * s * s;
    }
  }
  return best;
}

TEST(EasingCurve, FollowsItsBezierAndKeepsItsEnds) {
  const Curve curves[] = {easing::kInOut, {0, 1, 1, 0}, {1, 0, 0, 1}, {0, 1, 0, 1}};
  for (const Curve& c : curves) {
    SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << "," << c.x2 << "," << c.y2);
    EXPECT_EQ(c.at(0), 0);
    EXPECT_EQ(c.at(1), 1);
    // Where a curve is flat in time (the last three near 0.5 or 0), a solver's steps go astray.
    for (double x : {0.001, 0.2, 0.499, 0.5001, 0.8, 0.999}) {
      EXPECT_NEAR(c.at(x), sampled(c, x), 1e-4) << x;
    }
  }
  // The named curves start slow, end slow, or both.
  EXPECT_LT(easing::kIn.at(0.25), 0.25);
  EXPECT_GT(easing::kOut.at(0.25), 0.25);
  EXPECT_NEAR(easing::kInOut.at(0.5), 0.5, 1e-9);
  // Out of the unit square the curve is held in it.
  EXPECT_EQ(Curve({-1, 2, 3, -4}).held(), Curve({0, 1, 1, 0}));
  EXPECT_EQ(easing::kIn.at(std::nan("")), 0);
}

TEST(EasingSteps, AddUpExactlyAndStayWithinAFramesTimes) {
  // Total, step, count, and the shortest step where a frame's longest time asks for shorter.
  const std::array<qint64, 4> cases[] = {{1234, 50, 24, 50},       {99, 50, 1, 50},
                                         {100, 50, 2, 50},         {1000, 10, 20, 50},
                                         {65535, 30000, 3, 21845}, {60001, 20000, 3, 20000}};
  for (const auto& [total, step, count, shortest] : cases) {
    SCOPED_TRACE(testing::Message() << total << " ms at " << step);
    const QList<qint64> times = easing::stepTimes(total, int(step));
    ASSERT_EQ(times.size(), count);
    EXPECT_EQ(std::accumulate(times.begin(), times.end(), qint64(0)), total);
    if (count < 2) continue;
    for (qint64 t : times) {
      EXPECT_GE(t, shortest);
      EXPECT_LE(t, limits::kFrameTime.maximum);
    }
  }
}

// Each eased move keeps its start, its end and its time; every step lies on the curve.
TEST(EasingPlan, EveryStepLiesOnTheCurveAndTheMoveKeepsItsEndsAndTime) {
  const std::pair<const char*, Curve> curves[] = {{"in", easing::kIn},
                                                  {"custom", {0.2, 0.9, 0.3, 0.1}}};
  const std::array<int, 6> start{100, 900, 500, 0, 1000, 250};
  const std::array<int, 6> end{900, 100, 500, 1000, 0, 260};
  for (const auto& [name, curve] : curves) {
    for (int step : {50, 70, 400}) {
      for (int moveTime : {1237, 3001}) {
        SCOPED_TRACE(testing::Message() << name << ", " << moveTime << " ms at " << step);
        const VelmarFrames frames = framesOf({{700, start}, {moveTime, end}, {300, start}});
        const easing::EasePlan plan = easing::planEase(frames, {0, 1}, curve, step);
        const VelmarFrames eased = easing::applied(frames, plan);
        const qsizetype n = moveTime / step;
        ASSERT_EQ(eased.size(), frames.size() - 1 + n);
        EXPECT_EQ(plan.added, n - 1);
        EXPECT_EQ(eased.first()->bytes, frames.first()->bytes);
        EXPECT_EQ(eased.last()->bytes, frames.last()->bytes);
        EXPECT_EQ(eased[n]->data.sliced(2), frames[1]->data.sliced(2));
        EXPECT_EQ(eased[n]->armPositions(), frames[1]->armPositions());

        qint64 gone = 0;
        for (qsizetype k = 1; k <= n; ++k) {
          const KoVelmarPwmModel& f = *eased[k];
          gone += f.time;
          EXPECT_GE(f.time, step);
          const double y = curve.at(double(gone) / moveTime);
          for (int j = 0; j < 6; ++j) {
            const double want = start[j] + (end[j] - start[j]) * y;
            EXPECT_NEAR(double(f.id(j + 1)), want, 0.5) << "step " << k << " ch" << j + 1;
          }
          // The move each step sends, and the table's text, say the same as its fields.
          EXPECT_EQ(f.bytes, frame::armMove(f.bytes, f.time, f.armPositions()));
          EXPECT_TRUE(f.action.startsWith(QStringLiteral("#1 P%1 #2 P").arg(f.id(1))));
        }
        EXPECT_EQ(gone, moveTime);
      }
    }
  }
}

TEST(EasingPlan, AbsentChannelsStayAbsentAndStartWhereTheyWereLastSent) {
  // ch2, absent at the end, is never sent; ch3 starts where an earlier frame put it; ch4 was
  // never sent before.
  const VelmarFrames frames = framesOf({{500, {500, 500, 200, X, 500, 500}},
                                        {500, {100, 500, X, X, 500, 500}},
                                        {1000, {900, X, 800, 600, 500, 500}}});
  const VelmarFrames eased =
      easing::applied(frames, easing::planEase(frames, {1, 2}, easing::kIn, 100));
  ASSERT_EQ(eased.size(), 12);
  for (int k = 2; k < 12; ++k) {
    SCOPED_TRACE(k);
    EXPECT_FALSE(eased[k]->isPresent(2));
    EXPECT_TRUE(eased[k]->isPresent(3));
    EXPECT_EQ(eased[k]->isPresent(4), k == 11);
    EXPECT_GE(eased[k]->id(3), 200);
    const KoVelmarPwmModel& f = *eased[k];
    EXPECT_EQ(f.bytes, frame::armMove(f.bytes, f.time, f.armPositions()));
  }
  EXPECT_EQ(eased[2]->id(3), 200 + std::lround(600 * easing::kIn.at(0.1)));
  EXPECT_EQ(eased[11]->armPositions(), frames[2]->armPositions());
  EXPECT_EQ(eased[11]->data.sliced(2), frames[2]->data.sliced(2));
}

TEST(MirrorAndReverse, ReverseGivesTheWayBackAndMirrorTurnsChosenChannels) {
  const VelmarFrames frames = framesOf({{100, {1, 1, 1, 1, 1, 1}},
                                        {200, {2, 2, 2, 2, 2, X}},
                                        {300, {3, 3, 3, 3, 3, 3}},
                                        {400, {4, 4, 4, 4, 4, 4}}});
  // The way back takes each move's time forward; the first frame keeps its own.
  QList<std::tuple<qint64, int, bool>> back;
  for (const VelmarFrame& f : easing::reversed(frames))
    back.append({f->time, f->id(1), f->isPresent(6)});
  EXPECT_EQ(back, (QList<std::tuple<qint64, int, bool>>{
                      {100, 4, true}, {400, 3, true}, {300, 2, false}, {200, 1, true}}));

  // Mirroring turns channels about the middle, leaving a position past the end; twice, it undoes.
  const VelmarFrame f = framesOf({{800, {500, 120, 0, X, 1200, 1000}}}).first();
  const easing::Channels all{true, true, true, true, true, true};
  const VelmarFrame m = easing::mirrored(*f, all);
  EXPECT_EQ(easing::sentPositions(*m), (frame::ArmPositions{500, 880, 1000, {}, 1200, 0}));
  EXPECT_EQ(m->id(5), 1000);
  EXPECT_EQ(m->time, 800);
  EXPECT_EQ(easing::mirrored(*m, all)->bytes, f->bytes);
}

}  // namespace
