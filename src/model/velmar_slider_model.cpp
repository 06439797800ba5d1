#include "model/velmar_slider_model.h"

#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QList<KoVelmarSliderModel> KoVelmarSliderModel::getNodesInfo(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    qWarning().noquote() << "no slider placements at" << path;
    return {};
  }
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
  if (!doc.isArray()) {
    qWarning().noquote() << "slider placements unreadable:" << error.errorString();
    return {};
  }
  QList<KoVelmarSliderModel> nodes;
  for (const QJsonValue& v : doc.array()) {
    const QJsonObject o = v.toObject();
    KoVelmarSliderModel m;
    m.left = o.value(QLatin1String("left")).toDouble();
    m.top = o.value(QLatin1String("top")).toDouble();
    m.leftTitle = o.value(QLatin1String("leftTitle")).toString();
    m.rightTitle = o.value(QLatin1String("rightTitle")).toString();
    nodes.append(m);
  }
  return nodes;
}
