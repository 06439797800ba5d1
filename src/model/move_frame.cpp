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

}  // namespace frame
