#include <gtest/gtest.h>

#include <QSizeGrip>
#include <QTest>

#include "app/window.h"
#include "wait.h"

namespace {

struct Screen {
  const char* name;
  QRect screen;
  QRect available;
  bool fixed;
};

TEST(WindowPlacement, FitsTheAvailableAreaAndIsFixedOnlyWhereTheFixedSizeFits) {
  const Screen screens[] = {
      {"1280x800, nothing taken", {0, 0, 1280, 800}, {0, 0, 1280, 800}, true},
      {"1280x800 under a panel", {0, 0, 1280, 800}, {0, 27, 1280, 773}, false},
      {"1366x768", {0, 0, 1366, 768}, {0, 0, 1366, 768}, false},
      {"1920x1080 at 150 %", {0, 0, 1280, 720}, {0, 30, 1280, 690}, false},
      {"second screen to the right", {1920, 0, 1366, 768}, {1920, 0, 1366, 740}, false},
  };
  for (const Screen& s : screens) {
    SCOPED_TRACE(s.name);
    const WindowPlacement p = placeWindow(s.screen, s.available);
    EXPECT_TRUE(s.available.contains(p.geometry)) << p.geometry.x() << "," << p.geometry.y();
    EXPECT_EQ(p.fixed(), s.fixed);
    EXPECT_EQ(p.minimum.boundedTo(s.available.size()), p.minimum);  // the minimum fits too
    if (s.fixed) {
      EXPECT_EQ(p.geometry.size(), QSize(1260, 800));
    }
  }
}

class KoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.place({QRect(100, 100, 1000, 700), QSize(600, 400), QSize(2000, 2000)});
    window.show();
  }

  void press(QPoint at) { QTest::mousePress(&window, Qt::LeftButton, {}, at); }
  void moveTo(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, window.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     {});
    QCoreApplication::sendEvent(&window, &move);
  }

  KoWindow window{nullptr, false};
};

TEST_F(KoWindowTest, EveryEdgeAndCornerResizesWhileTheSizeMayChange) {
  const int w = window.width() - 1;
  const int h = window.height() - 1;
  const struct {
    QPoint at;
    Qt::Edges edges;
  } cases[] = {
      {{0, 300}, Qt::LeftEdge},
      {{w, 300}, Qt::RightEdge},
      {{500, 0}, Qt::TopEdge},
      {{500, h}, Qt::BottomEdge},
      {{0, 0}, Qt::LeftEdge | Qt::TopEdge},
      {{w, h}, Qt::RightEdge | Qt::BottomEdge},
      {{500, 300}, {}},
      {{KoWindow::kEdge, 300}, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(window.edgesAt(c.at), c.edges) << c.at.x() << "," << c.at.y();
  EXPECT_TRUE(window.grip()->isVisible());

  const QSize before = window.size();
  press({w, 300});
  moveTo({w + 50, 300});
  QTest::mouseRelease(&window, Qt::LeftButton, {}, {w + 50, 300});
  EXPECT_EQ(window.size(), before + QSize(50, 0));

  window.place({window.geometry(), window.size(), window.size()});
  EXPECT_EQ(window.edgesAt({0, 0}), Qt::Edges());
  EXPECT_FALSE(window.grip()->isVisible());
  window.toggleZoom();  // nothing to zoom into
  EXPECT_FALSE(window.isMaximized());
}

TEST_F(KoWindowTest, AClickLeavesTheWindowWhereItIsAndADragMovesIt) {
  const QPoint start = window.pos();
  press({500, 300});
  moveTo({501, 301});
  EXPECT_FALSE(window.moving());
  QTest::mouseRelease(&window, Qt::LeftButton, {}, {501, 301});
  EXPECT_EQ(window.pos(), start);

  press({500, 300});
  moveTo({540, 320});
  EXPECT_TRUE(window.moving());
  QTest::mouseRelease(&window, Qt::LeftButton, {}, {540, 320});
  EXPECT_FALSE(window.moving());
  EXPECT_EQ(window.pos(), start + QPoint(40, 20));
}

TEST(KoWindow, SquareCornersWithoutACompositor) {
  EXPECT_FALSE(KoWindow::compositorRunning());  // the offscreen desktop has none
  KoWindow window;
  EXPECT_FALSE(window.roundCorners());
  EXPECT_FALSE(window.testAttribute(Qt::WA_TranslucentBackground));
  window.resize(200, 100);
  const QImage image = window.grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), image.pixelColor(100, 50));
}

}  // namespace
