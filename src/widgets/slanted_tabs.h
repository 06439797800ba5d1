#pragma once

#include <QList>
#include <QPainterPath>
#include <QRectF>

// A row of right-leaning slanted tabs, shared by the top bar and the segmented control so that
// both draw and hit-test the same outlines.
namespace KoSlantedTabs {

struct Tab {
  // Closed outline of the tab; also its hit area.
  QPainterPath path;
  // The box the title is centred in.
  QRectF titleRect;
};

// Lays out one tab per title width. Each tab's bottom and top edges are the title width plus
// `maginLeftTwo` long, the top edge shifted right by `maginLeftTwo`; the first tab starts at
// `maginLeftOne` and neighbours share a slanted side. `cornerRadius` rounds the corners; with 0
// the outlines are plain four-sided ones.
QList<Tab> layout(const QList<qreal>& titleWidths, qreal maginLeftOne, qreal maginLeftTwo,
                  qreal height, qreal bottom, qreal cornerRadius = 0);

// The outlines of `layout`, in tab order.
QList<QPainterPath> paths(const QList<Tab>& tabs);

// The width the row covers from x = 0 to the right end of the last tab's top edge.
qreal rowWidth(const QList<qreal>& titleWidths, qreal maginLeftOne, qreal maginLeftTwo);

}  // namespace KoSlantedTabs
