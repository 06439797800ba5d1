#include "model/pose.h"

#include "model/value_utils.h"

KoChannelPositions KoPose::present() const {
  KoChannelPositions out;
  for (int i = 0; i < kChannels; ++i) {
    if (shown[size_t(i)]) out[size_t(i)] = int(positions[size_t(i)]);
  }
  return out;
}

QList<int> KoPose::shownIds() const {
  QList<int> ids;
  for (int i = 0; i < kChannels; ++i) {
    if (shown[size_t(i)]) ids.append(i + 1);
  }
  return ids;
}

namespace KoTools {

VelmarFrame frameOfPose(const KoPose& pose, int index) {
  auto result = std::make_shared<KoVelmarPwmModel>();
  result->ID = index + 1;
  result->time = pose.time;

  QByteArray bytes = frame::moveHeader(int(pose.shownIds().size()), result->time);
  QString action;
  QByteArray record(frame::kRecordSize, 0);
  for (int i = 0; i < KoPose::kChannels; ++i) {
    const qint64 channel = i + 1;
    if (!pose.shown[size_t(i)]) {
      frame::putLe16(record, 2 * i, frame::kAbsentChannel);
      continue;
    }
    const qint64 p = pose.positions[size_t(i)];
    result->setValue(QVariant::fromValue(p), QStringLiteral("id%1").arg(channel));
    action += actionPositionText(channel, p);
    frame::putLe16(record, 2 * i, p);
    frame::appendServo(bytes, channel, p);
  }
  result->data = record;
  result->action = action;
  result->bytes = bytes;
  return result;
}

VelmarFrame frameOfReadings(const QList<ServoPosition>& readings, const QList<int>& ids, int index,
                            qint64 time, bool* complete) {
  auto result = std::make_shared<KoVelmarPwmModel>();
  result->ID = index + 1;
  result->time = time;

  QByteArray record = frame::absentRecord();
  QList<int> waiting = ids;
  QString action;
  QByteArray triples;
  int count = 0;
  for (const ServoPosition& reading : readings) {
    const int id = reading.id;
    waiting.removeAll(id);
    if (!ids.contains(id)) continue;
    const qint64 p = limits::readBackPosition(reading.position);
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

KoPose poseWithFrame(KoPose pose, const KoVelmarPwmModel& f) {
  for (int i = 0; i < KoPose::kChannels; ++i) pose.positions[size_t(i)] = f.id(i + 1);
  return pose;
}

KoPose poseWithFileFrame(KoPose pose, const KoActionModel& f) {
  const QStringList pieces = actionPieces(f.action);
  for (qsizetype i = 1; i + 1 < pieces.size(); i += 2) {
    const qint64 id = integerValue(QStringView(pieces[i]));
    if (id >= 1 && id <= KoPose::kChannels) {
      pose.positions[size_t(id - 1)] = integerValue(QStringView(pieces[i + 1]));
    }
  }
  return pose;
}

}  // namespace KoTools
