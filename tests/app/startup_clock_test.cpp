#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <chrono>

#include "app/startup_clock.h"
#include "wait.h"

namespace {

using namespace std::chrono_literals;

// Deferred start-up work: after the first paint, once, in the order given; a window that is
// never painted still gets what has a deadline, and a window that is gone gets nothing.
TEST(AfterFirstPaint, RunsOnceAfterTheFirstPaintInTheOrderGiven) {
  QWidget window;
  window.resize(200, 100);
  QStringList ran;
  afterFirstPaint(&window, [&] { ran << "log"; });
  afterFirstPaint(
      &window, [&] { ran << "link"; }, 10s);
  QApplication::processEvents();
  EXPECT_TRUE(ran.isEmpty()) << "nothing before the window is painted";

  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(processUntil([&] { return ran.size() == 2; }));
  EXPECT_EQ(ran, QStringList({"log", "link"}));

  window.repaint();
  QApplication::processEvents();
  EXPECT_EQ(ran.size(), 2) << "a later paint runs nothing again";
}

TEST(AfterFirstPaint, AnUnpaintedWindowRunsOnlyWhatHasADeadlineAndAGoneOneNothing) {
  QWidget window;  // never shown, like one started minimised
  int withDeadline = 0;
  int without = 0;
  {
    QWidget gone;
    afterFirstPaint(
        &gone, [&] { ++without; }, 0ms);
  }
  afterFirstPaint(&window, [&] { ++without; });
  afterFirstPaint(
      &window, [&] { ++withDeadline; }, 0ms);
  EXPECT_TRUE(processUntil([&] { return withDeadline == 1; }));
  QApplication::processEvents();
  EXPECT_EQ(without, 0);

  // Painted later after all: what waited for the paint runs then, the rest not again.
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(processUntil([&] { return without == 1; }));
  EXPECT_EQ(withDeadline, 1);
}

}  // namespace
