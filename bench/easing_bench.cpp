// Easing a thousand moves of a long list into short steps, as the editor's ease action and
// vornctl's "file ease" do it.
#include <benchmark/benchmark.h>

#include <QByteArray>

#include "model/action_file.h"
#include "model/easing.h"
#include "model/move_frame.h"

namespace {

constexpr int kFrames = limits::kMaxFramesPerFile;
constexpr int kMoves = 1000;
constexpr int kStepMs = 50;

// Moves of 500 to 2,000 ms with varied positions and a channel absent now and then; the
// eased moves are spread over the whole list.
struct Fixture {
  VelmarFrames frames;
  QList<int> rows;

  Fixture() {
    QByteArray image("SOBARM", 6);
    frame::appendLe16(image, kFrames);
    image.append(8, '\0');
    for (int i = 0; i < kFrames; ++i) {
      frame::appendLe16(image, 500 + (i * 37) % 1501);
      for (int j = 1; j <= limits::kArmChannels; ++j) {
        const bool absent = (i + j) % 11 == 0;
        frame::appendLe16(image, absent ? frame::kAbsentChannel : (i * 7 + j * 131) % 1001);
      }
    }
    frames = KoTools::readVelmarData(image);
    const int spacing = kFrames / kMoves;
    for (int m = 0; m < kMoves; ++m) rows << m * spacing << m * spacing + 1;
  }
};

void BM_EaseThousandMoves(benchmark::State& state) {
  static const Fixture f;
  qint64 added = 0;
  for (auto _ : state) {
    easing::EasePlan plan =
        easing::planEase(f.frames, f.rows, easing::kInOut, kStepMs, limits::kMaxFramesPerFile * 2);
    VelmarFrames eased = easing::applied(f.frames, plan);
    added = eased.size() - f.frames.size();
    benchmark::DoNotOptimize(eased);
    // Freeing the new frames afterwards (the plan holds them too) is not part of easing.
    state.PauseTiming();
    plan = {};
    eased.clear();
    state.ResumeTiming();
  }
  state.counters["frames added"] = double(added);
}
BENCHMARK(BM_EaseThousandMoves)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
