#include "link/protocol.h"

#include <string>

#include "model/value_utils.h"

namespace protocol {

namespace {

constexpr int kResetServoCount = 40;
constexpr int kResetTime = 1000;
constexpr int kMiddle = 500;
constexpr int kServoInfoReplySize = 22;

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

int hexByte(QStringView text) {
  bool ok = false;
  const int v = text.toString().toInt(&ok, 16);
  return ok ? v : 0;
}

// 16-bit field of the parameter reply; 0xFFFF is "no value".
int read16(QByteArrayView report, qsizetype i) {
  const int v = at(report, i) | (at(report, i + 1) << 8);
  return v == 0xFFFF ? 0 : v;
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
  for (int id = 1; id <= kResetServoCount; ++id) all.append({id, kMiddle});
  return frame::multiServoMove(kResetTime, all);
}

QByteArray idList(Command command, const QList<int>& ids) {
  if (ids.size() > kMaxIds) {
    throw FrameError("an id list holds at most 40 ids, not " + std::to_string(ids.size()));
  }
  QByteArray out = envelope(static_cast<int>(ids.size()) + 3, command);
  out.append(byteOf(ids.size()));
  for (int id : ids) out.append(byteOf(id));
  out.append(kIdListFrameSize - out.size(), '\0');
  return out;
}

QByteArray checkManyConnectServo() {
  QByteArray out = envelope(9, kReadPositions);
  out.append(char(6));
  for (int id = 1; id <= 6; ++id) out.append(byteOf(id));
  return out;
}

QByteArray removeActions(int group) {
  QByteArray out = envelope(3, kEraseActionGroup);
  out.append(group == kAllGroups ? char(0xFF) : byteOf(group));
  return out;
}

const char* removeActionsConfirmKey(int group) {
  return group == kAllGroups ? "comfirm_all_erase" : "comfirm_single_erase";
}

QByteArray actionsRun(int group) {
  QByteArray out = envelope(5, kRunActionGroup);
  out.append(byteOf(group));
  frame::appendLe16(out, 1);
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

QByteArray writeServoInfo(const QVariantList& values) {
  if (values.size() < 8) {
    throw FrameError("servo parameters need 8 values, not " + std::to_string(values.size()));
  }
  QByteArray out = envelope(14, kWriteServoInfo);
  out.append(byteOf(KoTools::integerValue(values[0])));
  for (int i = 1; i <= 4; ++i) frame::appendLe16(out, KoTools::integerValue(values[i]));
  for (int i = 5; i <= 7; ++i) out.append(byteOf(KoTools::integerValue(values[i])));
  return out;
}

QByteArray speed(const QString& servoId, const QString& speedText, int mode) {
  QByteArray out = envelope(6, kSetMotorMode);
  out.append(byteOf(KoTools::integerValue(QStringView(servoId))));
  out.append(byteOf(mode));
  if (speedText.size() > 4) {
    const QStringView last4 = QStringView(speedText).last(4);
    out.append(byteOf(hexByte(last4.last(2))));
    out.append(byteOf(hexByte(last4.first(2))));
  } else {
    frame::appendLe16(out, KoTools::integerValue(QStringView(speedText)));
  }
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
  if (moveFrame.size() < 4 || moveFrame.size() > 253) {
    throw FrameError("a frame record carries a move of 4 to 253 bytes, not " +
                     std::to_string(moveFrame.size()));
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

std::optional<ServoInfo> decodeServoInfo(QByteArrayView report) {
  if (report.size() < kServoInfoReplySize) return std::nullopt;
  ServoInfo s;
  s.id = at(report, 4);
  s.minAngle = read16(report, 5);
  s.maxAngle = read16(report, 7);
  s.minVoltage = read16(report, 9);
  s.maxVoltage = read16(report, 11);
  s.temperatureLimit = at(report, 13);
  s.led = at(report, 14);
  s.alarm = at(report, 15);
  s.deviation = signedDeviation(at(report, 16));
  s.position = read16(report, 17);
  s.temperature = at(report, 19);
  s.voltage = read16(report, 20);
  return s;
}

}  // namespace protocol
