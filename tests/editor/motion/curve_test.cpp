#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <functional>

#include "editor/motion/curve_summary.h"
#include "editor/motion/curve_view.h"
#include "model/song_envelope.h"
#include "motion/motion_frames.h"
#include "session/arm_ranges.h"
#include "session/frame_list_model.h"
#include "session/frame_marks.h"
#include "wait.h"

namespace {

// An edit refused or giving the same frame, selecting and renumbering tell of no change; only
// the playing row carries the play mark.
TEST(FrameListModel, EachChangeIsToldOnceTheTotalFollowsAndNumbersWaitForRenumbering) {
  KoFrameListModel model;
  model.setRenumberDelay(60000);
  Frames frames(1);
  QSignalSpy told(&model, &KoFrameListModel::framesChanged);
  model.appendMany(frames.many(5));
  model.removeAt(2);
  model.splice(1, 2, frames.many(1));
  model.setData(model.index(1, KoFrameListModel::kTimeColumn), "77", Qt::EditRole);
  EXPECT_EQ(told.size(), 4);  // each change once
  qint64 sum = 0;
  for (const VelmarFrame& f : model.frames()) sum += f->time;
  EXPECT_EQ(model.timeSum(), sum);

  const QModelIndex time = model.index(0, KoFrameListModel::kTimeColumn);
  model.setData(time, "500", Qt::EditRole);
  told.clear();
  model.setData(time, "x", Qt::EditRole);
  model.setData(time, "500", Qt::EditRole);
  model.setSelectIndex(1);
  model.flushRenumbering();
  EXPECT_EQ(told.size(), 0);
  for (int row = 0; row < model.count(); ++row) {
    const QModelIndex play = model.index(row, KoFrameListModel::kPlayColumn);
    EXPECT_EQ(play.data(KoFrameListModel::PlayingRole).toBool(), row == 1) << row;
  }

  const auto shown = [&model] {
    QList<int> numbers;
    for (int row = 0; row < model.count(); ++row)
      numbers.append(model.index(row, KoFrameListModel::kPlayColumn).data().toInt());
    return numbers;
  };
  EXPECT_EQ(shown(), (QList<int>{1, 2, 3}));
  model.appendMany(frames.many(3));
  model.flushRenumbering();
  model.splice(1, 3, frames.many(1));
  model.insert(1, frames.next());
  model.removeAt(3);
  model.splice(0, 1, frames.many(2));
  // Until renumbered, a frame keeps its number and a new one shows what it came with.
  EXPECT_EQ(shown(), (QList<int>{1, 1, 1, 1, 6}));
  model.flushRenumbering();
  EXPECT_EQ(shown(), (QList<int>{1, 2, 3, 4, 5}));
}

// The summary follows the list by splices and must end as a fresh reading of the same
// list would, in its times, positions and columns.
TEST(CurveSummary, SplicesEndAsAFreshReadingAndColumnsHoldTheRangeOfTheirFrames) {
  Frames frames(7);
  VelmarFrames list = frames.many(40);
  KoCurveSummary kept;
  kept.reset(list);
  for (int step = 0; step < 300; ++step) {
    const int row = frames.pick(0, int(list.size()));
    const int removed = frames.pick(0, std::min(3, int(list.size()) - row));
    const int inserted = step % 50 == 0 ? 0 : frames.pick(0, 3);
    list.remove(row, removed);
    for (int i = 0; i < inserted; ++i) list.insert(row + i, frames.next());
    kept.splice(row, removed, inserted, list);

    KoCurveSummary fresh;
    fresh.reset(list);
    ASSERT_EQ(kept.count(), fresh.count()) << step;
    for (int r = 0; r < fresh.count(); ++r) {
      ASSERT_EQ(kept.endOf(r), fresh.endOf(r)) << step << " row " << r;
      for (int c = 1; c <= 6; ++c) ASSERT_EQ(kept.position(r, c), fresh.position(r, c));
    }
    // Columns a few frames wide, the last one holding the frame that ends the action.
    const int columns = 13;
    for (KoCurveSummary* s : {&kept, &fresh}) {
      s->setColumns(columns, 0, double(fresh.total()));
      s->placeRows();
      s->refresh(0, columns - 1);
    }
    ASSERT_EQ(kept.firstRowOf(columns), kept.count()) << step;
    for (int x = 0; x < columns; ++x)
      for (int c = 1; c <= 6; ++c) ASSERT_EQ(kept.cell(x, c), fresh.cell(x, c)) << step;
  }

  // A column's cell holds its first present frame and the range its present frames span,
  // whatever absent frames lie between; rows beyond the view belong to no column.
  list = {frameOf({100, -1, 5, 0, 0, 0}, 10), frameOf({-1, -1, 9, 0, 0, 0}, 10),
          frameOf({900, -1, 1, 0, 0, 0}, 10), frameOf({300, 40, 2, 0, 0, 0}, 10),
          frameOf({1000, 50, 3, 0, 0, 0}, 100)};
  KoCurveSummary s;
  s.reset(list);
  s.setColumns(2, 0, 40);  // [0, 20) and [20, 40]: the last frame, ending at 140, is right
  s.placeRows();
  s.refresh(0, 1);
  EXPECT_EQ(s.cell(0, 1), (KoCurveSummary::Cell{0, 100, 100}));
  EXPECT_EQ(s.cell(1, 1), (KoCurveSummary::Cell{2, 300, 900}));
  EXPECT_EQ(s.cell(0, 2), KoCurveSummary::Cell{});
  EXPECT_EQ(s.cell(1, 2), (KoCurveSummary::Cell{3, 40, 40}));
  EXPECT_EQ(s.cell(1, 3), (KoCurveSummary::Cell{1, 1, 9}));
  EXPECT_EQ(s.firstRowOf(2), 4);
}

// Without the keyboard's focus, which one of two views shown at once would have.
QImage shot(KoCurveView& view) {
  view.clearFocus();
  return view.grab().toImage();
}

// Drawn in the columns a change touched only, the view (tints and marks included) must look
// as one drawn anew; so must one hidden through changes, and one given a new font.
TEST(CurveView, ChangesLookAsIfTheWholeViewWereDrawnAnew) {
  for (const int size : {900, 12}) {  // dense columns, and few frames drawn as points
    SCOPED_TRACE(size);
    Frames frames(size);
    KoFrameListModel model;
    KoArmRanges ranges;
    KoArmProfile narrowed = KoArmProfile::shipped();
    for (KoChannelProfile& c : narrowed.channels)
      std::tie(c.lowest, c.highest) = std::pair(20, 980);
    ranges.setProfile(narrowed);
    KoFrameMarks marks(&model, &ranges);
    model.appendMany(frames.many(size));
    KoCurveView view(&model);
    view.setMarks(&marks);
    view.resize(420, 200);
    view.show();
    processPending();
    const auto compare = [&](const char* what) {
      processPending();
      KoCurveView fresh(&model);
      fresh.setMarks(&marks);
      fresh.setFont(view.font());
      fresh.resize(view.size());
      fresh.show();
      fresh.setPlayingFrame(view.playingFrame());
      fresh.showSpan(view.viewStartMs(), view.viewSpanMs());
      processPending();
      EXPECT_TRUE(shot(view) == shot(fresh)) << what;
    };
    const int middle = size / 2;
    const auto cell = [&](int row, int column, int value) {
      model.setData(model.index(row, column), QString::number(value), Qt::EditRole);
    };
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"position", [&] { cell(middle, KoFrameListModel::kFirstChannelColumn + 2, 0); }},
        {"top position", [&] { cell(0, KoFrameListModel::kFirstChannelColumn, 1000); }},
        {"time", [&] { cell(middle, KoFrameListModel::kTimeColumn, 2999); }},
        {"absent",
         [&] {
           model.replaceAt(middle + 1, frameOf({-1, -1, -1, 7, 8, 9}, 400));
         }},
        {"insert top", [&] { model.insert(0, frames.next()); }},
        {"delete top", [&] { model.removeAt(0); }},
        {"append", [&] { model.append(frames.next()); }},
        {"no time",
         [&] {
           model.insert(middle, frameOf({1000, 0, 1000, 0, 1000, 0}, 0));
         }},
        {"delete last", [&] { model.removeAt(model.count() - 1); }},
        {"splice", [&] { model.splice(2, 3, frames.many(2)); }},
        {"select", [&] { model.setSelectIndex(3); }},
        {"play", [&] { view.setPlayingFrame(middle); }},
    };
    for (const bool zoomed : {false, true}) {
      if (zoomed) view.zoom(3, 150);
      for (const auto& [what, change] : changes) {
        change();
        compare(what);
      }
    }
    model.replaceAll(frames.many(size / 2));
    compare("replace all");
    view.hide();
    model.insert(0, frames.next());
    cell(1, KoFrameListModel::kFirstChannelColumn, 0);
    model.removeAt(2);
    view.show();
    compare("hidden");
    QFont large = view.font();
    large.setPointSize(large.pointSize() * 2);
    view.setFont(large);
    compare("font");
  }
}

// Taller than one band of the copy to the screen, so that every band must land in its place.
TEST(CurveView, LinesStandAtTheirPositionsAcrossThePlot) {
  KoFrameListModel model;
  VelmarFrames frames;
  for (int i = 0; i < 40; ++i) frames.append(frameOf({0, 1000, 500, -1, -1, -1}, 100));
  model.appendMany(frames);
  KoCurveView view(&model);
  view.resize(600, 400);
  view.show();
  processPending();
  const QImage image = shot(view).convertToFormat(QImage::Format_RGB32);
  // The row where the channel's colour spans most of the width.
  const auto rowOf = [&image](int channel) {
    const QRgb colour = KoCurveView::channelColour(channel).rgb();
    for (int y = 0; y < image.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      if (std::count(line, line + image.width(), colour) > image.width() * 3 / 4) return y;
    }
    return -1;
  };
  const int top = rowOf(2), middle = rowOf(3), bottom = rowOf(1);
  ASSERT_GT(top, 0);
  EXPECT_NEAR(middle, (top + bottom) / 2.0, 1.0);
  EXPECT_GT(bottom - top, image.height() / 2);

  // A channel swinging from end to end within every column covers each row between them.
  VelmarFrames swings;
  for (int i = 0; i < 6000; ++i) swings.append(frameOf({i % 2 ? 1000 : 0, -1, -1, -1, -1, -1}, 1));
  model.replaceAll(swings);
  processPending();
  const QImage swung = shot(view).convertToFormat(QImage::Format_RGB32);
  const QRgb colour = KoCurveView::channelColour(1).rgb();
  for (const int x : {swung.width() / 3, swung.width() / 2, 2 * swung.width() / 3}) {
    int covered = 0;
    for (int y = top; y <= bottom; ++y) covered += swung.pixel(x, y) == colour;
    EXPECT_EQ(covered, bottom - top + 1) << x;
  }
}

// The wheel zooms about the pointer, keys and buttons about the middle; panning stops at the
// song's end, a double click fits the action again, and what plays stays in view.
TEST(CurveView, ZoomPanAndPlayKeepTheTimeInViewWithinTheActionAndItsSong) {
  KoFrameListModel model;
  VelmarFrames list;
  for (int i = 0; i < 200; ++i) list.append(frameOf({i * 5, 500, 500, 500, 500, 500}, 100));
  const SongEnvelope song{std::vector<float>(24000, 0.5f), 120000};
  KoCurveView view(&model);
  view.setSong(&song);
  view.resize(600, 200);
  view.show();
  processPending();
  EXPECT_EQ(view.viewSpanMs(), KoCurveView::wholeSpanMs(120000)) << "no frames: the song";
  model.appendMany(list);
  processPending();
  ASSERT_TRUE(view.showsWhole());
  const double whole = view.viewSpanMs();
  EXPECT_EQ(whole, KoCurveView::wholeSpanMs(20000));
  const auto x = [&view] { return view.pointOf(120, 1).x(); };
  const QPointF at = view.pointOf(120, 1);
  QWheelEvent event(at, view.mapToGlobal(at), {}, {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase,
                    false);
  QApplication::sendEvent(&view, &event);
  EXPECT_NEAR(view.viewSpanMs(), whole / (KoCurveView::kZoomStep * KoCurveView::kZoomStep), 1);
  EXPECT_NEAR(x(), at.x(), 1);  // the frame under the pointer stays
  const auto drag = [&view](QPoint from, QPoint by) {
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, from + by);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, from + by);
  };

  // Dragged by the empty plot, the frames follow the pointer; taken sideways, a point hands
  // the drag to the time axis and edits nothing.
  double before = x();
  drag(QPoint(int(at.x()) + 20, 40), QPoint(-60, 0));
  EXPECT_NEAR(x(), before - 60, 1);
  before = x();
  drag(view.pointOf(120, 1).toPoint(), QPoint(40, 3));
  EXPECT_NEAR(x(), before + 40, 1);
  EXPECT_EQ(model.frameAt(120)->id(1), 600);

  ASSERT_GT(view.viewStartMs(), 0);
  for (int i = 0; i < 40; ++i) QTest::keyClick(&view, Qt::Key_Left);
  EXPECT_EQ(view.viewStartMs(), 0);
  view.showSpan(1e9, 1000);
  EXPECT_DOUBLE_EQ(view.viewStartMs() + view.viewSpanMs(), KoCurveView::wholeSpanMs(120000));
  QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(int(at.x()), 30));
  EXPECT_TRUE(view.showsWhole());

  using B = KoCurveView::ZoomButton;
  view.zoomButton(B::In)->click();
  QTest::keyClick(&view, Qt::Key_Plus);
  EXPECT_NEAR(view.viewSpanMs(), whole / (KoCurveView::kZoomStep * KoCurveView::kZoomStep), 1e-6);
  QTest::keyClick(&view, Qt::Key_Minus);
  view.zoomButton(B::Out)->click();
  EXPECT_TRUE(view.showsWhole());
  for (int i = 0; i < 20; ++i) QTest::keyClick(&view, Qt::Key_Minus);
  EXPECT_EQ(view.viewSpanMs(), KoCurveView::wholeSpanMs(120000));
  QTest::keyClick(&view, Qt::Key_0);
  EXPECT_TRUE(view.showsWhole());
  QTest::keyClick(&view, Qt::Key_Minus);
  view.zoomButton(B::Whole)->click();
  EXPECT_TRUE(view.showsWhole());

  view.setSongPosition(60000);
  const double page = view.viewStartMs();
  EXPECT_TRUE(page > 60000 - whole / 4 && page < 60000) << page;
  view.setSongPosition(60000 + qint64(whole / 2));
  EXPECT_EQ(view.viewStartMs(), page);
  view.setPlayingFrame(10);  // ends at 1.1 s
  EXPECT_LT(view.viewStartMs(), 1100);
}

// At 65,535 frames of about a second the scale moves about once in a thousand frames added.
TEST(CurveView, TheScaleLeavesLittleRoomSeldomChangesAndLabelsRoundSteps) {
  int changes = 0;
  const qint64 first = 65535LL * 1000;
  double last = KoCurveView::wholeSpanMs(first);
  for (qint64 total = first; total < first + 1000 * 1000; total += 1000) {
    const double span = KoCurveView::wholeSpanMs(total);
    EXPECT_GT(span, double(total));
    EXPECT_LE(span, total * (1 + 1 / KoCurveView::kWholeGrains));
    changes += span != last;
    last = span;
  }
  EXPECT_LE(changes, 2);
  EXPECT_EQ(KoCurveView::wholeSpanMs(0), 0);
  EXPECT_GT(KoCurveView::wholeSpanMs(1), 1);

  // The whole time in ms, the width in pixels, and the step between labels.
  const std::tuple<qint64, double, double> labels[] = {
      {10000, 500, 2000},  // 1 s would put labels 50 px apart
      {1000, 500, 200},   {61000, 600, 10000}, {50, 600, 10}, {0, 600, 0},
  };
  for (const auto& [totalMs, width, step] : labels)
    EXPECT_EQ(KoCurveView::timeStep(totalMs, width, 60), step) << totalMs;
}

}  // namespace
