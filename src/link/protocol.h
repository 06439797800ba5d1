#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVariantList>
#include <optional>

#include "model/move_frame.h"

// The board's command protocol as pure functions: builders return the exact bytes to send
// (the links only send them), decoders read reply reports with every offset checked.
// Builders throw FrameError for input that would not fit its frame.
namespace protocol {

enum Command : quint8 {
  kMultiServoMove = 0x03,
  kActionDownload = 0x05,
  kRunActionGroup = 0x06,
  kStopActionGroup = 0x07,
  kEraseActionGroup = 0x08,
  kUnloadServos = 0x14,
  kReadPositions = 0x15,
  kDownloadDeviations = 0x16,
  kReadDeviations = 0x17,
  kAdjustDeviation = 0x18,
  kSetMotorMode = 0x1A,
  kWriteServoInfo = 0x1B,
  kReadServoInfo = 0x1C,
};

constexpr int kReportSize = 64;
constexpr int kIdListFrameSize = 45;
constexpr int kMaxIds = 40;
constexpr int kDownloadBufferSize = 248;
constexpr int kMaxPages = 241;
constexpr int kFramesPerPage = 255;
constexpr int kMaxDownloadFrames = kMaxPages * kFramesPerPage;
constexpr int kAllGroups = -1;
constexpr int kSerialMoveTime = 20;

// Command 3.
QByteArray oneSteering(int servoId, int angle, int time);  // time <= 0 sends 0
QByteArray serialOneSteering(int servoId, int angle);      // 20 ms, for the serial line
QByteArray reSetAllSteer();                                // ids 1 to 40 to 500 in 1 s

// Commands 20 to 23: ids in a 45-byte zero-filled frame; at most 40 ids.
QByteArray idList(Command command, const QList<int>& ids);
QByteArray checkManyConnectServo();  // command 21 for ids 1 to 6, unpadded

// Command 8; group -1 erases every group. The caller confirms first with the key below.
QByteArray removeActions(int group);
const char* removeActionsConfirmKey(int group);

QByteArray actionsRun(int group);
QByteArray stopActions();
QByteArray adjustmentDeviation(int servoId, int deviation);
QByteArray readServoInfo();
// id, lower angle, upper angle, minimum mV, maximum mV, temperature limit, LED, alarm bits;
// each a number or numeric text. Throws FrameError for fewer than 8 values.
QByteArray writeServoInfo(const QVariantList& values);
// Speed text longer than 4 characters is two's-complement hex ("ffffff9c"), else decimal.
QByteArray speed(const QString& servoId, const QString& speed, int mode);

// The five steps of an action download (frame count F, at most 241 pages of 255 frames).
QByteArray downloadStep1(int group, int frameCount);
QByteArray downloadStep2(int group, int frameCount);
QByteArray downloadStep3(int group, int frameCount);
// moveFrame: the frame's ready command-3 frame; its first four bytes are replaced.
QByteArray downloadStep4(int group, int page, int index, const QByteArray& moveFrame);
QByteArray downloadStep5(int group);
int pageCount(int frameCount);

// Replies. Each decoder reads only what lies wholly inside the report.
int replyCommand(QByteArrayView report);  // -1 for a report too short to name one
std::optional<int> decodeDownloadAck(QByteArrayView report);
QList<ServoPosition> decodePositions(QByteArrayView report);

struct ServoDeviation {
  int id = 0;
  int deviation = 0;
  friend bool operator==(const ServoDeviation&, const ServoDeviation&) = default;
};
QList<ServoDeviation> decodeDeviations(QByteArrayView report);

struct ServoInfo {
  int id = 0;
  int minAngle = 0;
  int maxAngle = 0;
  int minVoltage = 0;  // millivolts
  int maxVoltage = 0;
  int temperatureLimit = 0;  // degrees Celsius
  int led = 0;               // 0 = on
  int alarm = 0;             // bit 2 stall, bit 1 over-voltage, bit 0 over-temperature
  int deviation = 0;
  int position = 0;
  int temperature = 0;
  int voltage = 0;
  friend bool operator==(const ServoInfo&, const ServoInfo&) = default;
};
std::optional<ServoInfo> decodeServoInfo(QByteArrayView report);

// A trim byte: two's complement.
constexpr int signedDeviation(quint8 b) { return static_cast<qint8>(b); }

}  // namespace protocol
