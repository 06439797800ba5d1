// Saving and opening an action file of the most frames its header can count.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "model/action_file.h"
#include "model/move_frame.h"

namespace {

constexpr int kFrames = 65535;
constexpr int kChannels = 6;

// Varied times and positions, with a channel absent now and then, as a recorded group has.
QByteArray generatedImage() {
  QByteArray image("SOBARM", 6);
  frame::appendLe16(image, kFrames);
  image.append(8, '\0');
  for (int i = 0; i < kFrames; ++i) {
    frame::appendLe16(image, 50 + (i * 37) % 2000);
    for (int j = 1; j <= kChannels; ++j) {
      const bool absent = (i + j) % 11 == 0;
      frame::appendLe16(image, absent ? frame::kAbsentChannel : (i * 7 + j * 131) % 1001);
    }
  }
  return image;
}

struct Fixture {
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("bench.rob"));
  VelmarFrames frames = KoTools::readVelmarData(generatedImage());
  bool saved = KoTools::saveActionFile(path, KoTools::changeToData(frames));
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_WriteActionFile(benchmark::State& state) {
  Fixture& f = fixture();
  if (!f.dir.isValid() || f.frames.size() != kFrames) {
    state.SkipWithError("no frames or no temporary folder");
    return;
  }
  for (auto _ : state) {
    const QByteArray image = KoTools::changeToData(f.frames);
    if (!KoTools::saveActionFile(f.path, image)) {
      state.SkipWithError("save failed");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * kFrames);
}
BENCHMARK(BM_WriteActionFile)->Unit(benchmark::kMillisecond);

void BM_ReadActionFile(benchmark::State& state) {
  Fixture& f = fixture();
  if (!f.saved) {
    state.SkipWithError("the file to read could not be saved");
    return;
  }
  for (auto _ : state) {
    VelmarFrames frames = KoTools::openVelmarFile(f.path).frames;
    // Freeing the frames is the caller's cost, later; only reading is timed.
    state.PauseTiming();
    if (frames.size() != kFrames) state.SkipWithError("frames lost on reading");
    frames.clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kFrames);
}
BENCHMARK(BM_ReadActionFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
