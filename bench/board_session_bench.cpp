// What the Python module's calls cost underneath: the board session's move and a download of
// 1,020 frames, on the virtual board answering at once. bench/python_board compares the
// module's calls with these.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "cli/board_session.h"
#include "model/move_frame.h"

namespace {

vornctl::BoardOptions simulated() {
  vornctl::BoardOptions options;
  options.simulate = true;
  return options;
}

void BM_SessionMove(benchmark::State& state) {
  vornctl::BoardSession session(simulated());
  session.open();
  int i = 0;
  for (auto _ : state) {
    session.send(frame::multiServoMove(0, {{1, 500 + i++ % 10}}));
    // The virtual board takes posted frames on the next turn of the loop, as in the module.
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_SessionMove);

void BM_SessionDownload1020(benchmark::State& state) {
  vornctl::BoardSession session(simulated());
  session.open();
  DownloadJob job{1, {}, QStringLiteral("bench")};
  for (int i = 0; i < 1020; ++i) {
    job.frames.append(frame::multiServoMove(
        500, {{1, i % 1000}, {2, 500}, {3, 500}, {4, 500}, {5, 500}, {6, 500}}));
  }
  for (auto _ : state) session.download({job}, {});
}
BENCHMARK(BM_SessionDownload1020)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
