// Replies come off a serial line or a HID pipe, whole, cut short or run together. Decoding one
// must read only what lies inside it, and what it yields must make a well-formed frame; the
// builders fed from text fields must always produce frames as long as they announce.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "link/protocol.h"
#include "model/move_frame.h"
#include "model/pose.h"
#include "model/value_utils.h"

namespace {

constexpr int kRecordChannels = 6;

void require(bool ok) {
  if (!ok) __builtin_trap();
}

template <class List>
bool isPrefixOf(const List& shorter, const List& longer) {
  return shorter.size() <= longer.size() &&
         std::equal(shorter.begin(), shorter.end(), longer.begin());
}

// A report cut anywhere can only lose readings from its end. The cut copy has its own
// buffer, so reading past it is caught.
void checkCutReport(const uint8_t* data, size_t size, const QList<ServoPosition>& positions,
                    const QList<protocol::ServoDeviation>& deviations,
                    const std::optional<KoServoInfo>& info, const std::optional<int>& ack) {
  if (size == 0) return;
  const size_t cut = data[size - 1] % size;
  const auto copy = std::make_unique<char[]>(cut);
  std::copy(data, data + cut, copy.get());
  const QByteArrayView shorter(copy.get(), static_cast<qsizetype>(cut));

  require(isPrefixOf(protocol::decodePositions(shorter), positions));
  require(isPrefixOf(protocol::decodeDeviations(shorter), deviations));
  if (const auto cutInfo = protocol::decodeServoInfo(shorter)) require(cutInfo == info);
  if (const auto cutAck = protocol::decodeDownloadAck(shorter)) require(cutAck == ack);
}

// Bytes 0 to 2 are the header no decoder reads; they pick the channels asked for.
void checkReadBack(const uint8_t* data, size_t size, const QList<ServoPosition>& readings) {
  const int count = size > 0 ? 1 + data[0] % 16 : kRecordChannels;
  const unsigned hidden = size > 2 ? data[1] | data[2] << 8 : 0;
  QList<int> ids;
  for (int i = 0; i < count; ++i) {
    if (!(hidden >> i & 1)) ids.append(i + 1);
  }
  const qint64 time = size > 2 ? 20 * data[2] : 1000;
  bool complete = false;
  const VelmarFrame f = KoTools::frameOfReadings(readings, ids, 0, time, &complete);

  const auto isVisible = [&](int id) { return ids.contains(id); };
  bool everyVisibleRead = true;
  for (int id : ids) {
    everyVisibleRead = everyVisibleRead && std::any_of(readings.begin(), readings.end(),
                                                       [id](const auto& r) { return r.id == id; });
  }
  const qsizetype taken = std::count_if(readings.begin(), readings.end(),
                                        [&](const auto& r) { return isVisible(r.id); });
  require(complete == everyVisibleRead);
  require((f != nullptr) == (everyVisibleRead && taken > 0));
  if (!f) return;

  // The move announces exactly the triples it carries; the record mirrors the fields.
  require(f->bytes.size() == frame::kMoveHeaderSize + 3 * taken);
  require(static_cast<quint8>(f->bytes[2]) == ((3 * taken + 5) & 0xFF));
  require(static_cast<quint8>(f->bytes[4]) == (taken & 0xFF));
  require(frame::le16(f->bytes, 5) == (time & 0xFFFF));
  require(f->data.size() == 2 * kRecordChannels);
  for (int j = 1; j <= KoVelmarPwmModel::kChannelCount; ++j) {
    require(f->id(j) >= 0 && f->id(j) <= 1000);
    if (j > kRecordChannels) continue;
    const quint16 stored = frame::le16(f->data, 2 * (j - 1));
    require(isVisible(j) ? stored == f->id(j) : stored == frame::kAbsentChannel);
  }
}

// An integer field: where the whole text is one integer, it reads as Qt reads it, or pinned
// to a limit where Qt finds it too long.
void checkInteger(QStringView text) {
  const qint64 value = KoTools::integerValue(text);
  if (!KoTools::isPureInt(text)) return;
  bool ok = false;
  const qint64 reference = text.trimmed().toLongLong(&ok);
  if (ok) {
    require(value == reference);
  } else {
    require(value == std::numeric_limits<qint64>::max() ||
            value == std::numeric_limits<qint64>::min());
  }
}

int intAt(const uint8_t* data, size_t size, size_t i) {
  int v = 0;
  for (size_t k = 0; k < 4; ++k) v = (v << 8) | (i + k < size ? data[i + k] : 0);
  return v;
}

// Any integers fit the typed builders' frames: values are cut to their fields, never spill.
void checkTypedBuilders(const uint8_t* data, size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  checkInteger(text);
  for (const QString& part : text.split(u',')) checkInteger(part);

  const QByteArray speed =
      protocol::speed(intAt(data, size, 0), intAt(data, size, 4), intAt(data, size, 8));
  require(speed.size() == 8 && static_cast<quint8>(speed[2]) + 2 == speed.size());

  KoServoInfo record;
  record.servoId = intAt(data, size, 0);
  record.angleMin = intAt(data, size, 4);
  record.angleMax = intAt(data, size, 8);
  record.voltageMin = intAt(data, size, 12);
  record.voltageMax = intAt(data, size, 16);
  record.temperatureLimit = intAt(data, size, 20);
  const QByteArray info = protocol::writeServoInfo(record);
  require(info.size() == 16 && static_cast<quint8>(info[2]) + 2 == info.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView report(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const int command = protocol::replyCommand(report);
  require(command >= -1 && command <= 0xFF);
  const std::optional<int> ack = protocol::decodeDownloadAck(report);
  const QList<ServoPosition> positions = protocol::decodePositions(report);
  const QList<protocol::ServoDeviation> deviations = protocol::decodeDeviations(report);
  const std::optional<KoServoInfo> info = protocol::decodeServoInfo(report);
  protocol::decodeReply(report);

  checkCutReport(data, size, positions, deviations, info, ack);
  checkReadBack(data, size, positions);
  checkTypedBuilders(data, size);
  return 0;
}
