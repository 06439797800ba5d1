// Software cost of one acknowledged download step: 1,020 frames into the virtual board
// answering at once, so everything measured is ours (link, handshake, thread hand-offs).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <optional>

#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "link/action_downloader.h"
#include "link/usb_hid.h"
#include "model/move_frame.h"

namespace {

constexpr int kFrames = 1020;
constexpr int kSteps = kFrames + 4;  // steps 1 to 3, one step 4 per frame, step 5

struct Done : DownloadListener {
  void downloadFinished(const DownloadResult& r) override { result = r; }
  std::optional<DownloadResult> result;
};

void BM_DownloadStep(benchmark::State& state) {
  VirtualBoard board;
  board.setReplyLatency(std::chrono::milliseconds(0));
  usbHid link;
  link.setTransport(std::make_unique<VirtualHidTransport>(&board));
  while (!link.connection()) QCoreApplication::processEvents();

  DownloadJob job;
  job.group = 1;
  for (int i = 0; i < kFrames; ++i) {
    job.frames.append(frame::multiServoMove(
        500, {{1, i % 1000}, {2, 500}, {3, 500}, {4, 500}, {5, 500}, {6, 500}}));
  }
  Done done;
  ActionDownloader downloader(link);
  downloader.setListener(&done);
  downloader.setAwaitFinishAcknowledgement(true);

  for (auto _ : state) {
    board.clearReceived();
    done.result.reset();
    const auto start = std::chrono::steady_clock::now();
    downloader.start({job});
    while (!done.result) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count() / kSteps);
    if (done.result->end != DownloadEnd::Done) state.SkipWithError("download failed");
  }
  state.counters["steps"] = kSteps;
}
BENCHMARK(BM_DownloadStep)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_LOGGING_RULES", "*.info=false;*.debug=false");
  QCoreApplication app(argc, argv);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) abort();
  });
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
