#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <chrono>

#include "app/startup_clock.h"
#include "wait.h"

namespace {

using namespace std::chrono_literals;

// Deferred start-up work: after the first paint, once, in the order given; a window that is
// not painted (one started minimised) still gets what has a deadline, and a window that is
// gone gets nothing.
TEST(AfterFirstPaint, RunsOnceInOrderAfterTheFirstPaintOrAtItsDeadline) {
  QWidget window;
  window.resize(200, 100);
  QStringList ran;
  {
    QWidget gone;
    afterFirstPaint(
        &gone, [&] { ran << "gone"; }, 0ms);
  }
  afterFirstPaint(&window, [&] { ran << "log"; });
  afterFirstPaint(
      &window, [&] { ran << "deadline"; }, 0ms);
  afterFirstPaint(
      &window, [&] { ran << "link"; }, 10s);
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
