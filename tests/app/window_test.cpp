#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/startup_clock.h"
#include "app/window.h"
#include "app/window_buttons.h"
#include "mouse.h"
#include "wait.h"

namespace {

TEST(WindowPlacement, FitsTheAvailableAreaAndIsFixedOnlyWhereTheFixedSizeFits) {
  const std::tuple<const char*, QRect, QRect, bool> screens[] = {
      {"1280x800, nothing taken", {0, 0, 1280, 800}, {0, 0, 1280, 800}, true},
      {"1280x800 under a panel", {0, 0, 1280, 800}, {0, 27, 1280, 773}, false},
      {"second screen to the right", {1920, 0, 1366, 768}, {1920, 0, 1366, 740}, false},
  };
  for (const auto& [name, screen, available, fixed] : screens) {
    SCOPED_TRACE(name);
    const WindowPlacement p = placeWindow(screen, available);
    EXPECT_TRUE(available.contains(p.geometry)) << p.geometry.x() << "," << p.geometry.y();
    EXPECT_EQ(p.fixed(), fixed);
    EXPECT_EQ(p.minimum.boundedTo(available.size()), p.minimum);  // the minimum fits too
    if (fixed) {
      EXPECT_EQ(p.geometry.size(), QSize(1260, 800));
    }
  }
  const QRect large = placeWindow({0, 0, 1920, 1080}, {0, 30, 1920, 1050}).geometry;
  EXPECT_EQ(large, QRect(192, 135, 1536, 840)) << "a share of a large screen, centred";
}

// A resizable window shows where a press resizes it; a fixed one neither resizes nor zooms.
TEST(Window, ResizesFromItsEdgesAndZoomsOnlyWhereItMay) {
  KoWindow window;
  KoWindowButtons buttons(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const bool fixed : {false, true}) {
    const QRect screen(0, 0, fixed ? 1280 : 1920, fixed ? 800 : 1080);
    window.place(placeWindow(screen, screen));
    buttons.refresh();
    EXPECT_EQ(buttons.zoom()->isEnabled(), !fixed);
    const int w = window.width(), h = window.height();
    const std::pair<QPoint, Qt::CursorShape> points[] = {{{2, 2}, Qt::SizeFDiagCursor},
                                                         {{w - 2, 2}, Qt::SizeBDiagCursor},
                                                         {{2, h / 2}, Qt::SizeHorCursor},
                                                         {{w / 2, h - 2}, Qt::SizeVerCursor},
                                                         {{w / 2, h / 2}, Qt::ArrowCursor}};
    for (const auto& [at, shape] : points) {
      QTest::mouseMove(&window, at);
      EXPECT_EQ(window.cursor().shape(), fixed ? Qt::ArrowCursor : shape)
          << at.x() << "," << at.y();
    }
  }
  // Without the window manager's help it follows the pointer, stopping at the least size.
  window.place(placeWindow({0, 0, 1920, 1080}, {0, 0, 1920, 1080}));
  const QRect start = window.geometry();
  for (const auto& [from, by] :
       {std::pair{QPoint(start.width() - 2, start.height() - 2), QPoint(40, 20)},
        {QPoint(2, 2), QPoint(5000, 5000)}}) {
    press(&window, from);
    drag(&window, from + by);
    release(&window, from + by);
  }
  // Zoomed and back, the zoom button says what it would do next.
  for (const auto& [show, name] : {std::pair{&QWidget::showMaximized, "window_restore"},
                                   {&QWidget::showNormal, "window_zoom"}}) {
    (window.*show)();
    EXPECT_EQ(buttons.zoom()->accessibleName(), qtTrId(name));
  }
  const QPoint corner = start.bottomRight() + QPoint(40, 20);
  EXPECT_EQ(
      window.geometry(),
      QRect(corner - QPoint(window.minimumWidth(), window.minimumHeight()) + QPoint(1, 1), corner));
}

using namespace std::chrono_literals;

// Deferred start-up work runs after the first paint, once, in order; an unpainted window still
// gets what has a deadline, and a gone one nothing.
TEST(AfterFirstPaint, RunsOnceInOrderAfterTheFirstPaintOrAtItsDeadline) {
  QWidget window;
  window.resize(200, 100);
  QStringList ran;
  const auto note = [&ran](const char* work) { return [&ran, work] { ran << work; }; };
  {
    QWidget gone;
    afterFirstPaint(&gone, note("gone"), 0ms);
  }
  afterFirstPaint(&window, note("log"));
  afterFirstPaint(&window, note("deadline"), 0ms);
  afterFirstPaint(&window, note("link"), 10s);
  EXPECT_TRUE(processUntil([&] { return !ran.isEmpty(); }));
  QApplication::processEvents();
  EXPECT_EQ(ran, QStringList{"deadline"});

  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(processUntil([&] { return ran.size() == 3; }));
  window.repaint();
  QApplication::processEvents();
  EXPECT_EQ(ran, QStringList({"deadline", "log", "link"})) << "a later paint runs nothing again";
}

}  // namespace
