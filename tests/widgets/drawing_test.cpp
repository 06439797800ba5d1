#include <gtest/gtest.h>

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

#include "widgets/nine_slice.h"
#include "widgets/svg_images.h"
#include "widgets/tool_view.h"

namespace {

// A rounded box over a shadow that drops lower than the box, as the panels draw it.
void drawBox(QPainter& p, const QRect& rect, const QColor& fill) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QRectF box = QRectF(rect).adjusted(6, 6, -6, -6);
  for (int i = 6; i > 0; --i) {
    p.setBrush(QColor(0, 0, 0, 9));
    p.drawRoundedRect(box.adjusted(-i, -i + 3, i, i + 3), 12 + i, 12 + i);
  }
  p.setBrush(fill);
  p.drawRoundedRect(box, 12, 12);
}
constexpr int kBorder = 6 + 3 + 12 + 1;

QImage canvas(QSize size, qreal ratio) {
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(QColor(0x30, 0x80, 0xc0));
  return image;
}

// The largest difference of any channel of any pixel.
int largestDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 256;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  }
  return largest;
}

// Painted in slices, a box looks as drawn whole, wherever it is placed and at whatever size
// or whole pixel ratio; what cannot be sliced is drawn whole. Rounding leaves at most a step
// or two of difference where the translucent rings overlap.
TEST(NineSlice, PaintsWhatTheWholeDrawingWould) {
  for (const QColor fill : {QColor(0xf4, 0xf5, 0xf7), QColor(255, 177, 70, 160)}) {
    KoNineSlice slices(kBorder, [&](QPainter& p, const QRect& r) { drawBox(p, r, fill); });
    for (const qreal ratio : {1.0, 2.0, 1.5, 1.0}) {
      for (const QRect target :
           {QRect(0, 0, 2 * kBorder + 1, 2 * kBorder + 1), QRect(7, 3, 300, 120),
            QRect(1, 2, 61, 2 * kBorder + 2), QRect(4, 4, 2 * kBorder, 80)}) {
        const QSize size = target.size() + QSize(12, 10);
        QImage sliced = canvas(size, ratio), whole = canvas(size, ratio);
        {
          QPainter p(&sliced), q(&whole);
          slices.paint(p, target);
          q.setClipRect(target);  // as a widget's painting is
          drawBox(q, target, fill);
        }
        EXPECT_LE(largestDifference(sliced, whole), 2)
            << fill.name(QColor::HexArgb).toStdString() << " ratio " << ratio << " at "
            << target.x() << "," << target.y() << " " << target.width() << "x" << target.height();
      }
    }
  }

  // A panel's slices are drawn again in its new colour.
  KoToolView panel;
  panel.resize(200, 120);
  for (const QColor colour : {QColor(0x20, 0x40, 0x60), QColor(0xe0, 0xd0, 0x10)}) {
    panel.setBackColor(colour);
    EXPECT_EQ(panel.grab().toImage().pixelColor(100, 80), colour);
  }
}

const QString kPicture = QStringLiteral(":/images/robotarm.svg");

QImage drawnNow(const QString& path, QSize pixels) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  QSvgRenderer(path).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  return image;
}

TEST(SvgImages, DrawingsAndIconsFollowFileSizeAndRatioAndGiveUpWhatIsNotUsed) {
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
    EXPECT_EQ(drawing.at(QSize(48, 48), 1.0), drawnNow(kPicture, QSize(48, 48)));
    EXPECT_EQ(KoSvgImages::keptAhead(), 0);
    drawing.setPath(QStringLiteral(":/images/connect.svg"));
    EXPECT_EQ(drawing.at(QSize(48, 48), 1.0),
              drawnNow(QStringLiteral(":/images/connect.svg"), QSize(48, 48)));
    drawing.drawAhead(QSize(32, 32));
  }
  EXPECT_EQ(KoSvgImages::keptAhead(), 0);  // given up when the drawing went

  // An icon is drawn without the icon plug-in: sharp at both pixel ratios, the same picture as
  // the file drawn at that size, greyed when disabled, and nothing from a missing file.
  const QString record = QStringLiteral(":/images/record.svg");
  const QIcon icon = KoSvgImages::icon(record, QSize(16, 16));
  ASSERT_FALSE(icon.isNull());
  for (const qreal ratio : {1.0, 2.0}) {
    SCOPED_TRACE(ratio);
    QImage shown = icon.pixmap(QSize(16, 16), ratio).toImage();
    shown.setDevicePixelRatio(1);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              drawnNow(record, QSize(16, 16) * ratio));
  }
  EXPECT_NE(icon.pixmap(QSize(16, 16), 1, QIcon::Disabled).toImage(),
            icon.pixmap(QSize(16, 16), 1).toImage());
  EXPECT_TRUE(KoSvgImages::icon(QStringLiteral(":/images/no-such.svg"), QSize(16, 16)).isNull());
}

}  // namespace
