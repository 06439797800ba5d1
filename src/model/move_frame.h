#pragma once

#include <QByteArray>
#include <QList>
#include <array>
#include <optional>
#include <stdexcept>

#include "model/limits.h"

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

// A frame's move is rebuilt behind the header it already has (or a new empty one), so a
// header read from a file keeps what the rebuild does not set.
QByteArray headerOf(const QByteArray& move, qint64 time);

// The arm's positions record: channels 1 to 6, an absent one holding kAbsentChannel; 12
// bytes from the sliders, or the 14-byte file record with the time first.
constexpr int kRecordChannels = limits::kArmChannels;
constexpr int kRecordSize = 2 * kRecordChannels;
constexpr int kFileRecordSize = kRecordSize + 2;
QByteArray absentRecord();

// Positions of channels 1 to 6; nothing for an absent channel.
using ArmPositions = std::array<std::optional<qint64>, kRecordChannels>;
// The move of the present channels behind `former`'s header, count and length set.
QByteArray armMove(const QByteArray& former, qint64 time, const ArmPositions& arm);
// Rewrites `record` in place; a record of neither size is first made a 12-byte one.
void writeArmRecord(QByteArray& record, qint64 time, const ArmPositions& arm);
// The serial line's fixed move: all six channels, an absent one at 0 (25 bytes).
QByteArray sixServoMove(qint64 time, const ArmPositions& arm);

// A servo named by a positions text. Kept 64-bit: a text may name any number, and a
// truncated id would land in another servo's slot.
struct NamedPosition {
  qint64 id = 0;
  qint64 position = 0;
  friend bool operator==(const NamedPosition&, const NamedPosition&) = default;
};
// The named servos behind `former`'s header, whose count and length stay as they were.
QByteArray namedMove(const QByteArray& former, qint64 time, const QList<NamedPosition>& servos);
// Writes the named positions into a file frame's buffer, by its layout: the 248-byte slot
// buffer (time first), the 14-byte file record, or bare 6-byte slots.
void writeNamedSlots(QByteArray& buffer, qint64 time, const QList<NamedPosition>& servos);
// Channels 1 to 6 as the named servos set them (a later one wins), the others absent.
ArmPositions armPositionsOf(const QList<NamedPosition>& servos);

}  // namespace frame
