#pragma once

#include <QByteArray>
#include <QList>
#include <stdexcept>

// The multi-servo move (command 3) that frames carry ready to send, and the byte habits of
// every frame: 0x55 0x55 header, 16-bit values low byte first, values cut to their low bits.

// Thrown by a builder whose input would not fit its frame.
class FrameError : public std::length_error {
 public:
  using std::length_error::length_error;
};

struct ServoPosition {
  int id = 0;
  int position = 0;
  friend bool operator==(const ServoPosition&, const ServoPosition&) = default;
};

namespace frame {

constexpr char kHeader = 0x55;
constexpr quint16 kAbsentChannel = 0x5555;
constexpr int kMoveCommand = 3;
constexpr int kMoveHeaderSize = 7;
// LEN = 3N + 5 must fit one byte.
constexpr int kMaxServosPerMove = 83;

inline void appendLe16(QByteArray& out, qint64 value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

inline void putLe16(QByteArray& out, qsizetype offset, qint64 value) {
  out[offset] = static_cast<char>(value & 0xFF);
  out[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline quint16 le16(const QByteArray& in, qsizetype offset) {
  return static_cast<quint16>(static_cast<quint8>(in[offset]) |
                              (static_cast<quint8>(in[offset + 1]) << 8));
}

// 55 55, LEN = 3 x count + 5, 03, count, time; the triples follow.
QByteArray moveHeader(int count, qint64 time);
void appendServo(QByteArray& out, qint64 id, qint64 position);
// The move with its time raised to at least `ms`; anything that is no move stays as it is.
QByteArray withTimeAtLeast(QByteArray move, int ms);
// Throws FrameError beyond kMaxServosPerMove servos.
QByteArray multiServoMove(qint64 time, const QList<ServoPosition>& servos);

}  // namespace frame
