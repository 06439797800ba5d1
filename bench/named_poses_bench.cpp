// Importing a poses file whose every name is taken, on the window's thread: the time grows
// with the number of poses, not its square or cube. Half the names are long enough to be cut
// for their numbers, so the cut ones share a stem.
#include <benchmark/benchmark.h>

#include <QList>

#include "model/named_poses.h"

namespace {

void BM_MergeDuplicates(benchmark::State& state) {
  const int count = int(state.range(0));
  const KoChannelPositions positions{500, 500, 500, 500, 500, 500};
  KoNamedPoses kept;
  kept.put({QStringLiteral("Wave"), positions});
  QList<KoNamedPose> imported;
  for (int i = 0; i < count; ++i) {
    imported.append(
        {i % 2 ? QStringLiteral("Wave") : QString(58, u'x') + QString::number(i % 10), positions});
  }
  for (auto _ : state) {
    KoNamedPoses poses = kept;
    benchmark::DoNotOptimize(poses.merge(imported));
  }
  state.SetComplexityN(count);
  state.counters["us_per_pose"] = benchmark::Counter(
      double(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MergeDuplicates)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
