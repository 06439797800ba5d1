#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>
#include <variant>

#include "link/servo_info.h"
#include "model/limits.h"
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
constexpr int kMaxIds = limits::kMaxIdsPerList;
constexpr int kDownloadBufferSize = 248;
constexpr int kMaxPages = 241;
constexpr int kFramesPerPage = 255;
constexpr int kMaxDownloadFrames = kMaxPages * kFramesPerPage;
constexpr int kAllGroups = -1;
constexpr int kSerialMoveTime = 20;
// A download step 4 carries a move of at most this many bytes (its LEN must fit one byte).
constexpr int kMaxRecordMoveSize = 0xFF - 2;
constexpr int kServoInfoReplySize = 22;

// Command 3.
QByteArray oneSteering(int servoId, int angle, int time);  // time <= 0 sends 0
QByteArray serialOneSteering(int servoId, int angle);      // 20 ms, for the serial line
QByteArray reSetAllSteer();                                // ids 1 to 40 to 500 in 1 s

// Commands 20 to 23: ids in a 45-byte zero-filled frame; at most 40 ids.
QByteArray idList(Command command, const QList<int>& ids);
QByteArray checkManyConnectServo();  // command 21 for ids 1 to 6, unpadded

// Command 8; group -1 erases every group.
QByteArray removeActions(int group);

// Plays the group `times` times over.
QByteArray actionsRun(int group, int times = 1);
QByteArray stopActions();
QByteArray adjustmentDeviation(int servoId, int deviation);
QByteArray readServoInfo();
// Command 27: the record's parameters (its readings are not sent).
QByteArray writeServoInfo(const KoServoInfo& info);
// Command 26: mode 1 turns the servo as a motor at a signed speed, 0 returns it to servo mode.
QByteArray speed(int servoId, int speed, int mode);

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
// Reply 28; readings above what a servo can report are held at it (position 1000, 15 V).
std::optional<KoServoInfo> decodeServoInfo(QByteArrayView report);

// A reply as the link hands it on, decoded once.
struct DownloadAck {
  int step = 0;
};
struct GroupErased {};
struct PositionsRead {
  int count = 0;  // how many servos answered, as the board says
  QList<ServoPosition> readings;
};
struct TrimsRead {
  QList<ServoDeviation> trims;
};
// The board took the trims to store (reply 22).
struct TrimsStored {};
struct ServoInfoRead {
  KoServoInfo info;
};
// A report too short or naming a command no screen handles.
struct OtherReply {};
using Reply = std::variant<OtherReply, DownloadAck, GroupErased, PositionsRead, TrimsRead,
                           TrimsStored, ServoInfoRead>;
Reply decodeReply(QByteArrayView report);

// The board's side of the parameter record, for the virtual board: the fields a write
// request carries, and the reply to a read (as reported, without holding the readings).
std::optional<KoServoInfo> decodeWriteServoInfo(QByteArrayView frame);
QByteArray servoInfoReplyBody(const KoServoInfo& info);
// Replies 21 and 23 after their CMD: the count, then the readings.
QByteArray positionsReplyBody(const QList<ServoPosition>& readings);
QByteArray trimsReplyBody(const QList<ServoDeviation>& trims);

// A trim byte: two's complement.
constexpr int signedDeviation(quint8 b) { return static_cast<qint8>(b); }

}  // namespace protocol
