#include "model/move_frame.h"

#include <algorithm>

namespace frame {

QByteArray moveHeader(int count, qint64 time) {
  QByteArray out;
  out.reserve(kMoveHeaderSize + 3 * count);
  out.append(kHeader);
  out.append(kHeader);
  out.append(static_cast<char>((3 * count + 5) & 0xFF));
  out.append(static_cast<char>(kMoveCommand));
  out.append(static_cast<char>(count & 0xFF));
  appendLe16(out, time);
  return out;
}

void appendServo(QByteArray& out, qint64 id, qint64 position) {
  out.append(static_cast<char>(id & 0xFF));
  appendLe16(out, position);
}

QByteArray multiServoMove(qint64 time, const QList<ServoPosition>& servos) {
  if (servos.size() > kMaxServosPerMove) {
    throw FrameError("a move carries at most 83 servos, not " + std::to_string(servos.size()));
  }
  QByteArray out = moveHeader(static_cast<int>(servos.size()), time);
  for (const ServoPosition& s : servos) appendServo(out, s.id, s.position);
  return out;
}

QByteArray withTimeAtLeast(QByteArray move, int ms) {
  if (move.size() < kMoveHeaderSize || move[3] != char(kMoveCommand)) return move;
  if (le16(move, 5) < ms) putLe16(move, 5, std::min(ms, 0xFFFF));
  return move;
}

QByteArray headerOf(const QByteArray& move, qint64 time) {
  QByteArray out =
      move.size() >= kMoveHeaderSize ? move.first(kMoveHeaderSize) : moveHeader(0, time);
  putLe16(out, 5, time);
  return out;
}

QByteArray absentRecord() { return QByteArray(kRecordSize, kHeader); }

QByteArray armMove(const QByteArray& former, qint64 time, const ArmPositions& arm) {
  QByteArray out = headerOf(former, time);
  int count = 0;
  for (int j = 1; j <= kRecordChannels; ++j) {
    if (!arm[j - 1]) continue;
    appendServo(out, j, *arm[j - 1]);
    ++count;
  }
  out[2] = static_cast<char>(3 * count + 5);
  out[4] = static_cast<char>(count);
  return out;
}

void writeArmRecord(QByteArray& record, qint64 time, const ArmPositions& arm) {
  const auto slot = [&arm](int j) { return arm[j - 1].value_or(kAbsentChannel); };
  if (record.size() == kFileRecordSize) {
    putLe16(record, 0, time);
    for (int j = 1; j <= kRecordChannels; ++j) putLe16(record, 2 * j, slot(j));
    return;
  }
  if (record.size() < kRecordSize) record = absentRecord();
  for (int j = 1; j <= kRecordChannels; ++j) putLe16(record, 2 * (j - 1), slot(j));
}

QByteArray sixServoMove(qint64 time, const ArmPositions& arm) {
  QByteArray out = moveHeader(kRecordChannels, time);
  for (int j = 1; j <= kRecordChannels; ++j) appendServo(out, j, arm[j - 1].value_or(0));
  return out;
}

QByteArray namedMove(const QByteArray& former, qint64 time, const QList<NamedPosition>& servos) {
  QByteArray out = headerOf(former, time);
  for (const NamedPosition& s : servos) appendServo(out, s.id, s.position);
  return out;
}

namespace {

// File frames may carry a 40-slot buffer, 6 bytes per servo id, optionally behind an
// 8-byte prefix that starts with the time.
constexpr int kSlotBufferWithPrefix = 248;
constexpr int kSlotPrefix = 8;
constexpr int kSlotSize = 6;

void putIfInside(QByteArray& buffer, qint64 offset, qint64 value) {
  if (offset >= 0 && offset + 1 < buffer.size()) putLe16(buffer, offset, value);
}

}  // namespace

void writeNamedSlots(QByteArray& buffer, qint64 time, const QList<NamedPosition>& servos) {
  const qsizetype size = buffer.size();
  // Every slot is checked against the buffer, so no layout can write past its end.
  for (const NamedPosition& s : servos) {
    // Ids beyond the buffer would overflow the offset before the bounds check sees them.
    if (s.id < 1 || s.id > size) continue;
    if (size == kSlotBufferWithPrefix) {
      putIfInside(buffer, kSlotPrefix + kSlotSize * (s.id - 1), s.position);
    } else if (size == kFileRecordSize) {
      if (s.id <= kRecordChannels) putIfInside(buffer, 2 * s.id, s.position);
    } else {
      putIfInside(buffer, kSlotSize * (s.id - 1), s.position);
    }
  }
  if (size == kSlotBufferWithPrefix || size == kFileRecordSize) putIfInside(buffer, 0, time);
}

ArmPositions armPositionsOf(const QList<NamedPosition>& servos) {
  ArmPositions arm;
  for (const NamedPosition& s : servos) {
    if (s.id >= 1 && s.id <= kRecordChannels) arm[s.id - 1] = s.position;
  }
  return arm;
}

}  // namespace frame
