#include "link/protocol.h"

#include <string>

#include <algorithm>

namespace protocol {

namespace {

constexpr int kResetServoCount = limits::kMaxIdsPerList;
constexpr int kResetTime = 1000;

// Where the parameter record's fields stand in a write request (command 27) and a read
// reply (command 28); the reply goes on with the trim and the readings.
namespace field {
constexpr int kId = 4;
constexpr int kAngleMin = 5;
constexpr int kAngleMax = 7;
constexpr int kVoltageMin = 9;
constexpr int kVoltageMax = 11;
constexpr int kTemperatureLimit = 13;
constexpr int kLed = 14;
constexpr int kAlarm = 15;
constexpr int kDeviation = 16;
constexpr int kPosition = 17;
constexpr int kTemperature = 19;
constexpr int kVoltage = 20;
}  // namespace field
constexpr int kWriteServoInfoSize = 16;

// 55 55 LEN CMD: the envelope every command starts with.
QByteArray envelope(int len, Command command) {
  QByteArray out;
  out.append(frame::kHeader);
  out.append(frame::kHeader);
  out.append(static_cast<char>(len & 0xFF));
  out.append(static_cast<char>(command));
  return out;
}

char byteOf(qint64 v) { return static_cast<char>(v & 0xFF); }

void checkFrameCount(int frameCount) {
  if (frameCount < 0 || frameCount > kMaxDownloadFrames) {
    throw FrameError("an action group holds 0 to " + std::to_string(kMaxDownloadFrames) +
                     " frames, not " + std::to_string(frameCount));
  }
}

quint8 at(QByteArrayView report, qsizetype i) { return static_cast<quint8>(report[i]); }

// 16-bit field of the parameter reply; 0xFFFF is "no value".
int read16(QByteArrayView report, qsizetype i) {
  const int v = at(report, i) | (at(report, i + 1) << 8);
  return v == 0xFFFF ? 0 : v;
}

// The parameters a write request and a read reply share.
QByteArray& putParameters(QByteArray& out, const KoServoInfo& info) {
  out.append(byteOf(info.servoId));
  frame::appendLe16(out, info.angleMin);
  frame::appendLe16(out, info.angleMax);
  frame::appendLe16(out, info.voltageMin);
  frame::appendLe16(out, info.voltageMax);
  out.append(byteOf(info.temperatureLimit));
  out.append(byteOf(info.ledByte()));
  out.append(byteOf(info.alarmByte()));
  return out;
}

KoServoInfo parameters(QByteArrayView report) {
  KoServoInfo info;
  info.servoId = at(report, field::kId);
  info.angleMin = read16(report, field::kAngleMin);
  info.angleMax = read16(report, field::kAngleMax);
  info.voltageMin = read16(report, field::kVoltageMin);
  info.voltageMax = read16(report, field::kVoltageMax);
  info.temperatureLimit = at(report, field::kTemperatureLimit);
  info.ledOn = at(report, field::kLed) == 0;
  info.setAlarmByte(at(report, field::kAlarm));
  return info;
}

}  // namespace

QByteArray oneSteering(int servoId, int angle, int time) {
  return frame::multiServoMove(time > 0 ? time : 0, {{servoId, angle}});
}

QByteArray serialOneSteering(int servoId, int angle) {
  return oneSteering(servoId, angle, kSerialMoveTime);
}

QByteArray reSetAllSteer() {
  QList<ServoPosition> all;
  for (int id = 1; id <= kResetServoCount; ++id) all.append({id, limits::kPosition.start});
  return frame::multiServoMove(kResetTime, all);
}

QByteArray idList(Command command, const QList<int>& ids) {
  if (ids.size() > kMaxIds) {
    throw FrameError("an id list holds at most " + std::to_string(kMaxIds) + " ids, not " +
                     std::to_string(ids.size()));
  }
  QByteArray out = envelope(static_cast<int>(ids.size()) + 3, command);
  out.append(byteOf(ids.size()));
  for (int id : ids) out.append(byteOf(id));
  out.append(kIdListFrameSize - out.size(), '\0');
  return out;
}

QByteArray checkManyConnectServo() {
  QByteArray out = envelope(limits::kArmChannels + 3, kReadPositions);
  out.append(char(limits::kArmChannels));
  for (int id = 1; id <= limits::kArmChannels; ++id) out.append(byteOf(id));
  return out;
}

QByteArray removeActions(int group) {
  QByteArray out = envelope(3, kEraseActionGroup);
  out.append(group == kAllGroups ? char(0xFF) : byteOf(group));
  return out;
}

QByteArray actionsRun(int group, int times) {
  QByteArray out = envelope(5, kRunActionGroup);
  out.append(byteOf(group));
  frame::appendLe16(out, times);
  return out;
}

QByteArray stopActions() { return envelope(2, kStopActionGroup); }

QByteArray adjustmentDeviation(int servoId, int deviation) {
  QByteArray out = envelope(4, kAdjustDeviation);
  out.append(byteOf(servoId));
  out.append(byteOf(deviation));
  return out;
}

QByteArray readServoInfo() { return envelope(2, kReadServoInfo); }

QByteArray writeServoInfo(const KoServoInfo& info) {
  QByteArray out = envelope(kWriteServoInfoSize - 2, kWriteServoInfo);
  return putParameters(out, info);
}

QByteArray speed(int servoId, int speed, int mode) {
  QByteArray out = envelope(6, kSetMotorMode);
  out.append(byteOf(servoId));
  out.append(byteOf(mode));
  frame::appendLe16(out, speed);  // two's complement for a reverse speed
  return out;
}

int pageCount(int frameCount) { return (frameCount + kFramesPerPage - 1) / kFramesPerPage; }

QByteArray downloadStep1(int group, int frameCount) {
  checkFrameCount(frameCount);
  QByteArray out = envelope(6, kActionDownload);
  out.append(char(1));
  out.append(byteOf(group));
  // The count in base-255 chunks: a 0xFF per full page, then the rest, even when 0.
  out.append(frameCount / kFramesPerPage, char(0xFF));
  out.append(byteOf(frameCount % kFramesPerPage));
  out.append(kDownloadBufferSize - out.size(), '\0');
  return out;
}

QByteArray downloadStep2(int group, int frameCount) {
  checkFrameCount(frameCount);
  QByteArray out = envelope(6, kActionDownload);
  out.append(char(2));
  out.append(byteOf(group));
  frame::appendLe16(out, pageCount(frameCount));
  return out;
}

QByteArray downloadStep3(int group, int frameCount) {
  checkFrameCount(frameCount);
  const int pages = pageCount(frameCount);
  QByteArray out = envelope(pages + 5, kActionDownload);
  out.append(char(3));
  out.append(byteOf(group));
  out.append(byteOf(pages / 200));
  out.append(kDownloadBufferSize - out.size(), '\0');
  out[8] = 1;  // the board expects this even for a single page
  for (int p = 0; p < pages; ++p) out[7 + p] = byteOf(p);
  return out;
}

QByteArray downloadStep4(int group, int page, int index, const QByteArray& moveFrame) {
  if (moveFrame.size() < 4 || moveFrame.size() > kMaxRecordMoveSize) {
    throw FrameError("a frame record carries a move of 4 to " + std::to_string(kMaxRecordMoveSize) +
                     " bytes, not " + std::to_string(moveFrame.size()));
  }
  QByteArray out = envelope(static_cast<int>(moveFrame.size()) + 2, kActionDownload);
  out.append(char(4));
  out.append(byteOf(group));
  out.append(byteOf(page));
  out.append(byteOf(index));
  out.append(moveFrame.sliced(4));
  return out;
}

QByteArray downloadStep5(int group) {
  QByteArray out = envelope(4, kActionDownload);
  out.append(char(5));
  out.append(byteOf(group));
  return out;
}

int replyCommand(QByteArrayView report) { return report.size() > 3 ? at(report, 3) : -1; }

std::optional<int> decodeDownloadAck(QByteArrayView report) {
  if (replyCommand(report) != kActionDownload || report.size() < 5) return std::nullopt;
  return at(report, 4);
}

QList<ServoPosition> decodePositions(QByteArrayView report) {
  QList<ServoPosition> readings;
  if (report.size() < 5) return readings;
  const int count = at(report, 4);
  for (int k = 0; k < count && 7 + 3 * k < report.size(); ++k) {
    readings.append({at(report, 5 + 3 * k), at(report, 6 + 3 * k) | (at(report, 7 + 3 * k) << 8)});
  }
  return readings;
}

QList<ServoDeviation> decodeDeviations(QByteArrayView report) {
  QList<ServoDeviation> readings;
  if (report.size() < 5) return readings;
  const int count = at(report, 4);
  for (int k = 0; k < count && 6 + 2 * k < report.size(); ++k) {
    readings.append({at(report, 5 + 2 * k), signedDeviation(at(report, 6 + 2 * k))});
  }
  return readings;
}

std::optional<KoServoInfo> decodeServoInfo(QByteArrayView report) {
  if (report.size() < kServoInfoReplySize) return std::nullopt;
  KoServoInfo info = parameters(report);
  info.deviation = signedDeviation(at(report, field::kDeviation));
  info.currentPosition =
      std::min(read16(report, field::kPosition), limits::bus::kPositionReadingMax);
  info.currentTemperature = at(report, field::kTemperature);
  info.currentVoltage = std::min(read16(report, field::kVoltage), limits::bus::kVoltageReadingMax);
  return info;
}

Reply decodeReply(QByteArrayView report) {
  const int command = replyCommand(report);
  switch (command) {
    case kActionDownload:
      if (const auto step = decodeDownloadAck(report)) return DownloadAck{*step};
      break;
    case kEraseActionGroup:
      return GroupErased{};
    case kReadPositions:
      if (report.size() < 5) break;
      return PositionsRead{at(report, 4), decodePositions(report)};
    case kReadDeviations:
      return TrimsRead{decodeDeviations(report)};
    case kDownloadDeviations:
      return TrimsStored{};
    case kReadServoInfo:
      if (auto info = KoServoInfo::fromReply(report)) return ServoInfoRead{*info};
      break;
    default:
      break;
  }
  return OtherReply{};
}

std::optional<KoServoInfo> decodeWriteServoInfo(QByteArrayView frame) {
  if (frame.size() < kWriteServoInfoSize || replyCommand(frame) != kWriteServoInfo) {
    return std::nullopt;
  }
  return parameters(frame);
}

QByteArray servoInfoReplyBody(const KoServoInfo& info) {
  QByteArray body;
  putParameters(body, info);
  body.append(byteOf(info.deviation.value_or(0)));
  frame::appendLe16(body, info.currentPosition.value_or(0));
  body.append(byteOf(info.currentTemperature.value_or(0)));
  frame::appendLe16(body, info.currentVoltage.value_or(0));
  return body;
}

QByteArray positionsReplyBody(const QList<ServoPosition>& readings) {
  QByteArray body(1, byteOf(readings.size()));
  for (const ServoPosition& r : readings) {
    body.append(byteOf(r.id));
    frame::appendLe16(body, r.position);
  }
  return body;
}

QByteArray trimsReplyBody(const QList<ServoDeviation>& trims) {
  QByteArray body(1, byteOf(trims.size()));
  for (const ServoDeviation& t : trims) {
    body.append(byteOf(t.id));
    body.append(byteOf(t.deviation));
  }
  return body;
}

}  // namespace protocol
