#include <gtest/gtest.h>

#include <QPainter>
#include <QSvgRenderer>

#include "widgets/svg_images.h"

namespace {

const QString kPicture = QStringLiteral(":/images/robotarm.svg");

QImage drawnNow(const QString& path, QSize pixels) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  QSvgRenderer(path).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  return image;
}

// A drawing follows its file and size; one asked for ahead and never painted, or painted at
// another size, or whose file changed first, is given up.
TEST(SvgImages, DrawingFollowsFileAndSizeAndGivesUpWhatItDoesNotUse) {
  {
    KoSvgDrawing drawing(kPicture);
    drawing.drawAhead(QSize(32, 32));
    drawing.drawAhead(QSize(64, 64));  // replaces the first
    EXPECT_EQ(KoSvgImages::keptAhead(), 1);
    KoSvgImages::prepare(kPicture, QSize(64, 64));
    EXPECT_EQ(KoSvgImages::keptAhead(), 1);
    KoSvgImages::forget(kPicture, QSize(64, 64));
    EXPECT_EQ(drawing.at(QSize(64, 64), 1.0), drawnNow(kPicture, QSize(64, 64)));
    EXPECT_EQ(KoSvgImages::keptAhead(), 0);
    drawing.drawAhead(QSize(48, 48));  // drawn already: nothing more ahead
    EXPECT_EQ(KoSvgImages::keptAhead(), 0);
    const QImage& picture = drawing.at(QSize(48, 48), 1.0);
    EXPECT_EQ(picture.size(), QSize(48, 48));
    EXPECT_EQ(picture, drawnNow(kPicture, QSize(48, 48)));
    EXPECT_EQ(KoSvgImages::keptAhead(), 0);
    drawing.setPath(QStringLiteral(":/images/connect.svg"));
    EXPECT_EQ(drawing.at(QSize(48, 48), 1.0),
              drawnNow(QStringLiteral(":/images/connect.svg"), QSize(48, 48)));
  }
  {
    KoSvgDrawing drawing(kPicture);
    drawing.drawAhead(QSize(32, 32));
    drawing.setPath(QStringLiteral(":/images/connect.svg"));
    EXPECT_EQ(KoSvgImages::keptAhead(), 0);
    drawing.drawAhead(QSize(32, 32));
  }
  EXPECT_EQ(KoSvgImages::keptAhead(), 0);  // given up when the drawing went
}

// An icon drawn without the icon plug-in: sharp at both pixel ratios, the same picture as the
// file drawn at that size, greyed when disabled, and nothing from a missing file.
TEST(SvgImages, AnIconIsTheFileDrawnAtBothRatios) {
  const QString record = QStringLiteral(":/images/record.svg");
  const QIcon icon = KoSvgImages::icon(record, QSize(16, 16));
  ASSERT_FALSE(icon.isNull());
  for (const qreal ratio : {1.0, 2.0}) {
    SCOPED_TRACE(ratio);
    QImage shown = icon.pixmap(QSize(16, 16), ratio).toImage();
    EXPECT_EQ(shown.size(), QSize(16, 16) * ratio);
    shown.setDevicePixelRatio(1);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              drawnNow(record, QSize(16, 16) * ratio));
  }
  EXPECT_NE(icon.pixmap(QSize(16, 16), 1, QIcon::Disabled).toImage(),
            icon.pixmap(QSize(16, 16), 1).toImage());
  EXPECT_TRUE(KoSvgImages::icon(QStringLiteral(":/images/no-such.svg"), QSize(16, 16)).isNull());
}

}  // namespace
