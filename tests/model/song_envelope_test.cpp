#include "model/song_envelope.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "song_files.h"

namespace {

// The envelope of `seconds` of samples from `sample`, fed in buffers of `buffer` frames.
SongEnvelope envelopeOf(double seconds, int rate, int channels,
                        const std::function<double(qint64, int)>& sample, int buffer = 1024) {
  KoEnvelopeBuilder builder;
  const auto frames = qint64(std::llround(seconds * rate));
  std::vector<qint16> block;
  for (qint64 at = 0; at < frames; at += buffer) {
    const qint64 n = std::min<qint64>(buffer, frames - at);
    block.resize(size_t(n * channels));
    for (qint64 f = 0; f < n; ++f)
      for (int c = 0; c < channels; ++c)
        block[size_t(f * channels + c)] = qint16(std::lround(sample(at + f, c) * 32767));
    builder.add(block.data(), n, channels, rate);
  }
  return builder.finish();
}

TEST(SongEnvelopeTest, BinsKeepTimeAtRatesThatDoNotDivideIntoThem) {
  // 44.1 kHz gives 220.5 frames a bin: a bin cut short each time would drift 2 % a minute.
  const int rate = 44100;
  const SongEnvelope e = envelopeOf(60.0, rate, 2, [rate](qint64 f, int) {
    return f >= 59 * rate ? 0.5 : 0.0;  // sound only in the last second
  });
  EXPECT_EQ(e.durationMs, 60000);
  EXPECT_NEAR(double(e.rms.size()), 60000.0 / SongEnvelope::kBinMs, 1.0);
  const auto firstLoud = std::find_if(e.rms.begin(), e.rms.end(), [](float v) { return v > 0; });
  EXPECT_NEAR(double(firstLoud - e.rms.begin()) * SongEnvelope::kBinMs, 59000.0,
              SongEnvelope::kBinMs);
  EXPECT_NEAR(e.peak(59500, 59600), 0.5, 0.001);
  EXPECT_EQ(e.peak(0, 58990), 0.0f);
  EXPECT_EQ(e.peak(70000, 80000), 0.0f) << "past the end is silence";
}

TEST(SongEnvelopeTest, ChannelsAreMixedAndLevelsAreRootMeanSquare) {
  // A full-scale sine has an RMS of 1/sqrt(2); the same wave on one channel of two, half that.
  const int rate = 8000;
  const auto sine = [rate](qint64 f) { return std::sin(2 * M_PI * 400.0 * f / rate); };
  const SongEnvelope both = envelopeOf(1.0, rate, 2, [&](qint64 f, int) { return sine(f); });
  const SongEnvelope left =  // from a decoder that gives a frame at a time
      envelopeOf(
          1.0, rate, 2, [&](qint64 f, int c) { return c == 0 ? sine(f) : 0.0; }, 1);
  EXPECT_NEAR(both.peak(100, 900), 1 / std::sqrt(2.0), 0.01);
  EXPECT_NEAR(left.peak(100, 900), 0.5 / std::sqrt(2.0), 0.01);
}

// NaN or overshoot in a decoder's samples, and any time asked, give levels within full scale.
TEST(SongEnvelopeTest, OddSamplesAndTimesGiveLevelsWithinFullScale) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // Two frames a bin: (NaN, 0.5), (inf, -inf) | (3e38, -1e30), (0.25, NaN).
  const std::vector<float> samples{nan, 0.5f, inf, -inf, 3e38f, -1e30f, 0.25f, nan};
  KoEnvelopeBuilder builder;
  builder.add(samples.data(), 4, 2, 400);
  const SongEnvelope e = builder.finish();
  ASSERT_EQ(e.rms.size(), 2u);
  EXPECT_FLOAT_EQ(e.rms[0], std::sqrt(0.25f * 0.25f / 2));
  EXPECT_FLOAT_EQ(e.rms[1], std::sqrt(0.125f * 0.125f / 2));

  EXPECT_EQ(e.peak(nan, 10), 0);
  EXPECT_EQ(e.peak(-inf, inf), e.rms[0]);
  EXPECT_EQ(e.peak(5, 1e19), e.rms[1]);
  EXPECT_EQ(e.peak(9, 5), 0);
}

// At tempi across the range, its ends too, from a first click late or at once, and at the usual
// sample rates.
TEST(BeatEstimateTest, AClickTrackGivesItsBeatsAndSilenceNone) {
  const std::tuple<double, double, int> cases[] = {
      {120, 0, 44100}, {120, 230, 22050}, {90, 100, 44100}, {174, 40, 48000}, {64, 500, 22050},
      {50, 0, 22050},  {220, 10, 44100},  {137, 0, 44100},  {51.3, 0, 8000}};
  for (const auto& [bpm, firstMs, rate] : cases) {
    SCOPED_TRACE(testing::Message() << bpm << " bpm from " << firstMs << " ms at " << rate);
    const SongEnvelope e = envelopeOf(30.0, rate, 1, clickTrack(rate, bpm, firstMs));
    const beats::Estimate est = beats::estimate(e);
    const double period = 60000.0 / bpm;
    ASSERT_GT(est.timesMs.size(), 10);
    EXPECT_NEAR(est.periodMs, period, 0.2);
    EXPECT_NEAR(est.bpm(), bpm, 0.5);
    // Every beat within 10 ms of a click, and one beat for every click.
    for (qint64 t : est.timesMs) {
      const double off = std::fmod(t - firstMs + period * 100, period);
      EXPECT_LE(std::min(off, period - off), 10.0) << "beat at " << t;
    }
    for (qsizetype i = 1; i < est.timesMs.size(); ++i)
      EXPECT_NEAR(double(est.timesMs[i] - est.timesMs[i - 1]), period, 10.0);
    EXPECT_NEAR(double(est.timesMs.size()), std::ceil((30000 - firstMs) / period), 1.0);
  }
  // Three clicks are too few to fit a line through: a period of whole bins still comes out whole.
  for (double firstMs : {150, 300}) {
    const auto clicks = clickTrack(22050, 50, firstMs);
    EXPECT_NEAR(beats::estimate(envelopeOf(3.65, 22050, 1, clicks)).periodMs, 1200, 0.001);
  }
  // Silence and a sound too short have none.
  for (const SongEnvelope& e : {envelopeOf(20.0, 8000, 1, [](qint64, int) { return 0.0; }),
                                envelopeOf(1.0, 8000, 1, clickTrack(8000, 120)), SongEnvelope{}})
    EXPECT_EQ(beats::estimate(e).periodMs, 0);
}

// Each selected frame moves to the nearest beat in reach, by the time of the frame before it.
TEST(BeatSnapTest, SelectedFramesStartOnTheNearestBeatInReach) {
  const QList<qint64> beats{0, 500, 1000, 1500, 2000, 2500, 3000, 3500};
  const QList<int> times{480, 630, 390, 740, 300};  // starts 0, 480, 1110, 1500, 2240
  const std::tuple<QList<int>, QList<int>, QList<qint64>, int, QList<int>> cases[] = {
      {times, {1}, beats, 30000, {500, 630, 390, 740, 300}},  // the rest moves with it
      {times, {2}, beats, 30000, {480, 520, 390, 740, 300}},
      {times, {1, 2, 3, 4}, beats, 30000, {500, 500, 500, 500, 300}},  // from the last change
      {times, {}, beats, 30000, times},
      // The nearest beat, 0, would leave row 0 no time; 500 is the nearest within reach.
      {{40, 100, 100}, {1}, beats, 30000, {500, 100, 100}},
      // Before a frame's shortest time: 60, though 45 lies nearer.
      {{40, 100}, {1}, {45, 60}, 30000, {60, 100}},
      {{200, 100}, {1}, {5000}, 1000, {200, 100}},  // beyond the longest frame time
      {{750, 100}, {1}, beats, 30000, {500, 100}},  // half way: the earlier
  };
  for (const auto& [frameTimes, selected, at, longest, expected] : cases) {
    EXPECT_EQ(beats::snapped(frameTimes, selected, at, 50, longest), expected)
        << frameTimes.first() << " " << selected.size();
  }
}

}  // namespace
