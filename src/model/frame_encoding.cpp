#include "model/frame_encoding.h"

#include "model/limits.h"
#include "model/value_utils.h"

namespace KoTools {

VelmarFrame returnVelmarCurrentData(const ChannelViews& views, const QString& timeText, int index) {
  auto result = std::make_shared<KoVelmarPwmModel>();
  result->ID = index + 1;
  result->time = integerValue(QStringView(timeText));

  int visible = 0;
  for (const ChannelView* v : views) visible += v->isHidden() ? 0 : 1;

  QByteArray bytes = frame::moveHeader(visible, result->time);
  QString action;
  QByteArray record(frame::kRecordSize, 0);
  for (qsizetype i = 0; i < views.size(); ++i) {
    const qint64 channel = i + 1;
    if (views[i]->isHidden()) {
      if (i < frame::kRecordChannels) frame::putLe16(record, 2 * i, frame::kAbsentChannel);
      continue;
    }
    // The record and the move carry the slider's own value even where the field clamps.
    const qint64 p = integerValue(QStringView(views[i]->text()));
    result->setValue(QVariant::fromValue(p), QStringLiteral("id%1").arg(channel));
    action += actionPositionText(channel, p);
    if (i < frame::kRecordChannels) frame::putLe16(record, 2 * i, p);
    frame::appendServo(bytes, channel, p);
  }
  result->data = record;
  result->action = action;
  result->bytes = bytes;
  return result;
}

QByteArray actionToBytesWithVelmarModel(const KoVelmarPwmModel& f) {
  return frame::armMove(f.bytes, f.time, f.armPositions());
}

QByteArray actionToBytesWithModel(const KoPwmModel& f) {
  return frame::namedMove(f.bytes, f.time, actionPositions(f.action));
}

QByteArray actionToPositionsBytesWithModel(KoPwmModel& f) {
  frame::writeNamedSlots(f.data, f.time, actionPositions(f.action));
  return QByteArray(f.data.constData(), f.data.size());
}

QByteArray modelChangeToData(const KoActionModel& f) {
  return frame::sixServoMove(f.time, frame::armPositionsOf(actionPositions(f.action)));
}

QByteArray sixServoMoveWithVelmarModel(const KoVelmarPwmModel& f) {
  return frame::sixServoMove(f.time, f.armPositions());
}

VelmarFrame readingToVelmarModel(const QList<ServoPosition>& readings, const ChannelViews& views,
                                 int index, qint64 time, bool* complete) {
  auto result = std::make_shared<KoVelmarPwmModel>();
  result->ID = index + 1;
  result->time = time;

  QByteArray record = frame::absentRecord();
  QList<int> waiting = visibleChannelIds(views);
  QString action;
  QByteArray triples;
  int count = 0;
  for (const ServoPosition& reading : readings) {
    const int id = reading.id;
    qint64 p = reading.position;
    waiting.removeAll(id);
    p = limits::readBackPosition(p);
    if (id < 1 || id > views.size() || views[id - 1]->isHidden()) continue;
    result->setValue(QVariant::fromValue(p), QStringLiteral("id%1").arg(id));
    action += actionPositionText(id, p);
    if (id <= frame::kRecordChannels) frame::putLe16(record, 2 * (id - 1), p);
    frame::appendServo(triples, id, p);
    ++count;
  }
  if (complete) *complete = waiting.isEmpty();
  if (!waiting.isEmpty() || action.isEmpty()) return nullptr;
  result->data = record;
  result->action = action;
  result->bytes = frame::moveHeader(count, time) + triples;
  return result;
}

void sendSetAngleWithVelmarSliderViews(const ChannelViews& views, const KoVelmarPwmModel& f) {
  const qsizetype n = std::min<qsizetype>(views.size(), frame::kRecordChannels);
  for (qsizetype i = 0; i < n; ++i) views[i]->setText(QString::number(f.id(int(i + 1))));
}

void sendSetAngleWithSliderViews(const ChannelViews& views, const KoActionModel& f) {
  const QStringList pieces = actionPieces(f.action);
  for (qsizetype i = 1; i + 1 < pieces.size(); i += 2) {
    const qint64 id = integerValue(QStringView(pieces[i]));
    if (id >= 1 && id <= views.size()) views[id - 1]->setText(pieces[i + 1]);
  }
}

void sendReSetAllSteer(const QString& control, int /*min*/, int /*max*/, const QString& value,
                       const ChannelViews& views) {
  for (ChannelView* v : views) {
    if (control == QLatin1String("slider")) {
      v->setText(value);
    } else {
      v->setControlText(control, value);
      v->setControlText(QStringLiteral("lableSmall"), value);
    }
    v->setShake(true);
  }
}

}  // namespace KoTools
