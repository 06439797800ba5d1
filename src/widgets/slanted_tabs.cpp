#include "widgets/slanted_tabs.h"

#include <QLineF>
#include <QPolygonF>
#include <algorithm>

namespace KoSlantedTabs {

namespace {

QPainterPath roundedOutline(const QPolygonF& corners, qreal radius) {
  QPainterPath path;
  if (radius <= 0) {
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
  }
  const int n = corners.size();
  for (int i = 0; i < n; ++i) {
    const QPointF corner = corners[i];
    const QPointF before = corners[(i + n - 1) % n];
    const QPointF after = corners[(i + 1) % n];
    // Never cut more than half of an edge, so neighbouring roundings do not overlap.
    const qreal inLength = QLineF(corner, before).length();
    const qreal outLength = QLineF(corner, after).length();
    const qreal in = std::min(radius, inLength / 2);
    const qreal out = std::min(radius, outLength / 2);
    const QPointF start = corner + (before - corner) * (in / inLength);
    const QPointF end = corner + (after - corner) * (out / outLength);
    if (i == 0) {
      path.moveTo(start);
    } else {
      path.lineTo(start);
    }
    path.quadTo(corner, end);
  }
  path.closeSubpath();
  return path;
}

}  // namespace

QList<Tab> layout(const QList<qreal>& titleWidths, qreal maginLeftOne, qreal maginLeftTwo,
                  qreal height, qreal bottom, qreal cornerRadius) {
  QList<Tab> tabs;
  tabs.reserve(titleWidths.size());
  const qreal top = bottom - height;
  qreal left = maginLeftOne;
  for (const qreal width : titleWidths) {
    const qreal edge = width + maginLeftTwo;
    const QPolygonF corners{{left, bottom},
                            {left + edge, bottom},
                            {left + edge + maginLeftTwo, top},
                            {left + maginLeftTwo, top}};
    tabs.append({roundedOutline(corners, cornerRadius),
                 QRectF(left + maginLeftTwo / 2, top, width + maginLeftTwo, height)});
    left += edge;
  }
  return tabs;
}

QList<QPainterPath> paths(const QList<Tab>& tabs) {
  QList<QPainterPath> result;
  result.reserve(tabs.size());
  for (const Tab& tab : tabs) result.append(tab.path);
  return result;
}

qreal rowWidth(const QList<qreal>& titleWidths, qreal maginLeftOne, qreal maginLeftTwo) {
  qreal width = maginLeftOne + maginLeftTwo;
  for (const qreal title : titleWidths) width += title + maginLeftTwo;
  return width;
}

}  // namespace KoSlantedTabs
