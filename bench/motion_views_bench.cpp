// The arm view's redraw, and the curve view of 65,535 frames: a redraw from nothing kept
// (every column summarised and drawn anew, as a new width asks), and one step of a drag (the
// edit through the frame list plus the repaint it causes), whose time bounds the frame rate
// a drag can keep. On the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "editor/motion/curve_view.h"
#include "model/frame_encoding.h"
#include "session/frame_list_model.h"
#include "silent_prompter.h"
#include "widgets/arm_view.h"

namespace {

KoFrameListModel& longList() {
  static KoFrameListModel model;
  if (model.count() == 0) {
    VelmarFrames frames;
    frames.reserve(65535);
    for (int i = 0; i < 65535; ++i) {
      auto f = std::make_shared<KoVelmarPwmModel>();
      f->time = 50 + (i * 37) % 2000;
      for (int c = 1; c <= 6; ++c) f->setId(c, (i * 7 + c * 131) % 1001);
      f->bytes = KoTools::actionToBytesWithVelmarModel(*f);
      frames.append(f);
    }
    model.appendMany(frames);
    model.setSelectIndex(30000);
  }
  return model;
}

void render(QWidget& view, QImage& image) {
  QPainter painter(&image);
  view.render(&painter);
}

void BM_ArmViewRedraw(benchmark::State& state) {
  KoArmView view;
  view.resize(580, 580);
  QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
  int step = 0;
  for (auto _ : state) {
    KoChannelPositions p;
    for (int c = 0; c < 6; ++c) p[c] = (step * 13 + c * 170) % 1001;
    ++step;
    view.setPositions(p);
    render(view, image);
  }
}
BENCHMARK(BM_ArmViewRedraw)->Unit(benchmark::kMillisecond);

void BM_CurveViewRedraw65535(benchmark::State& state) {
  KoCurveView view(&longList());
  const int width = int(state.range(0));
  view.resize(width, 200);
  view.show();
  QApplication::processEvents();
  int step = 0;
  for (auto _ : state) {
    // One pixel wider or narrower: every column changes.
    view.resize(width + (step++ & 1), 200);
    view.repaint();
    benchmark::DoNotOptimize(view.showsWhole());
  }
}
BENCHMARK(BM_CurveViewRedraw65535)->Arg(900)->Arg(1900)->Unit(benchmark::kMillisecond);

void BM_CurveViewDragStep65535(benchmark::State& state) {
  KoFrameListModel& model = longList();
  KoCurveView view(&model);
  view.resize(900, 200);
  view.show();
  QApplication::processEvents();
  model.setSelectIndex(30000);
  const QPointF at = view.pointOf(30000, 3);
  const auto hit = view.hitTest(at);
  if (!hit) {
    state.SkipWithError("no point under the press");
    return;
  }
  QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(&view, &press);
  int step = 0;
  for (auto _ : state) {
    const QPointF to(at.x(), 30 + (step++ % 140));
    QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&view, &move);
    QApplication::processEvents();
  }
  state.counters["fps"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CurveViewDragStep65535)->Unit(benchmark::kMillisecond)->UseRealTime();

// A frame put in at the top and taken out again, each with the repaint it causes: every
// later frame moves in time, so every column is summarised and drawn again.
void BM_CurveViewInsertTop65535(benchmark::State& state) {
  KoFrameListModel& model = longList();
  KoCurveView view(&model);
  view.resize(int(state.range(0)), 200);
  view.show();
  QApplication::processEvents();
  const VelmarFrame frame = model.frameAt(1);
  for (auto _ : state) {
    model.insert(0, frame);
    view.repaint();
    model.removeAt(0);
    view.repaint();
  }
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_CurveViewInsertTop65535)->Arg(490)->Arg(1900)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SilentPrompter prompter;
  KoTools::installPrompter(&prompter);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
