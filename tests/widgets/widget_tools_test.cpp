#include "widgets/widget_tools.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

namespace {

TEST(ResizeImage, CropsTheCentreToTheTargetShape) {
  EXPECT_EQ(KoTools::resizeImageSource({200, 100}, {50, 50}), QRect(50, 0, 100, 100));
  EXPECT_EQ(KoTools::resizeImageSource({100, 200}, {50, 50}), QRect(0, 50, 100, 100));
  EXPECT_EQ(KoTools::resizeImageSource({100, 100}, {0, 10}), QRect());

  QImage wide(200, 100, QImage::Format_RGB32);
  wide.fill(Qt::red);
  QPainter(&wide).fillRect(50, 0, 100, 100, Qt::blue);
  const QImage out = KoTools::resizeImage(wide, {40, 40});
  EXPECT_EQ(out.size(), QSize(40, 40));
  EXPECT_EQ(out.pixelColor(0, 0), QColor(Qt::blue));
  EXPECT_TRUE(KoTools::resizeImage(QImage(), {40, 40}).isNull());
}

TEST(WidgetHelpers, AMenuItemCallsBackWithItsData) {
  int chosen = 0;
  std::unique_ptr<QAction> item(KoTools::menuItemWithTitle(
      QStringLiteral("copy"), [&] { ++chosen; }, QKeySequence(QStringLiteral("Ctrl+C")), 7,
      nullptr));
  item->trigger();
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(item->data().toInt(), 7);
}

}  // namespace
