#pragma once

#include <QList>
#include <QString>

// Where one channel slider sits on the arm picture, and its captions.
class KoVelmarSliderModel {
 public:
  double left = 0;
  double top = 0;
  QString leftTitle;
  QString rightTitle;

  // The placements of the resource "velmarPostion" (a JSON list of objects with the keys
  // left, top, leftTitle, rightTitle), in its order; none if it is missing or malformed.
  static QList<KoVelmarSliderModel> getNodesInfo(
      const QString& path = QStringLiteral(":/velmarPostion.json"));
};
