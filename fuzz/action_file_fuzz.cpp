// Any byte string may arrive as an action file. Reading it, editing its frames and writing it
// back must stay inside every buffer, keep each frame's record and move in step with its
// fields, and never lose or invent a frame.
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "model/action_file.h"
#include "model/action_model.h"
#include "model/frame_encoding.h"
#include "model/move_frame.h"

namespace {

constexpr int kChannels = 6;
constexpr qsizetype kMoveSize = frame::kMoveHeaderSize + 3 * kChannels;

void require(bool ok) {
  if (!ok) __builtin_trap();
}

quint16 channelOf(const QByteArray& record, int channel) {
  return frame::le16(record, 2 * channel);
}

// Offset of the first triple that names `id` in a move frame, or -1.
qsizetype tripleOf(const QByteArray& move, int id) {
  for (qsizetype at = frame::kMoveHeaderSize; at + 2 < move.size(); at += 3) {
    if (static_cast<quint8>(move[at]) == id) return at;
  }
  return -1;
}

bool timeInRange(qint64 time) { return time >= 50 && time <= 30000; }

// What an edited frame would send and store must agree with what the table shows.
void requireRecordMirrorsFields(const KoVelmarPwmModel& f) {
  require(f.data.size() == KoTools::kActionRecordSize && f.bytes.size() == kMoveSize);
  require(frame::le16(f.data, 0) == f.time && frame::le16(f.bytes, 5) == f.time);
  for (int j = 1; j <= kChannels; ++j) {
    require(f.id(j) >= 0 && f.id(j) <= 1000);
    require(channelOf(f.data, j) == f.id(j));
    const qsizetype t = tripleOf(f.bytes, j);
    require(t >= 0 && frame::le16(f.bytes, t + 1) == f.id(j));
  }
}

void editVelmar(KoVelmarPwmModel& f, const QString& text, double number) {
  f.setValue(QStringLiteral("1200"), QStringLiteral("id3"));
  f.setValue(QStringLiteral("777"), QStringLiteral("time"));
  require(f.id(3) == 1000 && f.time == 777);
  requireRecordMirrorsFields(f);

  f.setValue(text, QStringLiteral("id5"));
  f.setValue(number, QStringLiteral("id4"));
  f.setValue(text, QStringLiteral("time"));
  require(timeInRange(f.time));
  requireRecordMirrorsFields(f);

  require(KoTools::modelChangeToData(f).size() == kMoveSize);
}

// The frame's own action with the first named channel moved to `position` (0 to 1000): the
// edit a user makes in the table. Empty when the frame names no channel.
QString withOnePositionChanged(const KoPwmModel& f, quint16 position, int* channel,
                               bool* plausible) {
  QString text;
  *channel = 0;
  *plausible = true;
  for (int j = 1; j <= kChannels; ++j) {
    quint16 p = channelOf(f.data, j);
    if (p == frame::kAbsentChannel) continue;
    if (*channel == 0) {
      *channel = j;
      p = position;
    }
    *plausible = *plausible && p <= 1000;
    text += QStringLiteral("#%1 P%2 ").arg(j).arg(p);
  }
  return text;
}

void requireMoveMatchesRecord(const KoPwmModel& f) {
  const QByteArray move = KoTools::modelChangeToData(f);
  require(move.size() == kMoveSize && frame::le16(move, 5) == f.time);
  for (int j = 1; j <= kChannels; ++j) {
    const quint16 p = channelOf(f.data, j);
    require(frame::le16(move, frame::kMoveHeaderSize + 3 * (j - 1) + 1) ==
            (p == frame::kAbsentChannel ? 0 : p));
  }
}

void editPwm(KoPwmModel& f, const QString& text, quint16 position) {
  f.setValue(QStringLiteral("777"), QStringLiteral("time"));
  require(f.time == 777 && frame::le16(f.data, 0) == 777 && frame::le16(f.bytes, 5) == 777);

  int channel = 0;
  bool plausible = true;
  const QString edited = withOnePositionChanged(f, position, &channel, &plausible);
  const QString before = f.action;
  f.setValue(edited, QStringLiteral("action"));
  if (channel == 0 || !plausible) {
    require(f.action == before);
  } else {
    require(f.action == edited);
    require(channelOf(f.data, channel) == position);
    const qsizetype t = tripleOf(f.bytes, channel);
    require(t >= 0 && frame::le16(f.bytes, t + 1) == position);
  }

  f.setValue(text, QStringLiteral("time"));
  require(timeInRange(f.time) && frame::le16(f.data, 0) == f.time);

  // Re-encoding an unchanged frame changes nothing.
  const QByteArray record = f.data;
  require(KoTools::actionToPositionsBytesWithModel(f) == record && f.data == record);
  requireMoveMatchesRecord(f);
}

PwmFrame twoServoFrame() {
  QByteArray image("SOBARM", 6);
  image.append(10, '\0');
  for (qint64 v : {1000, 500, 500}) frame::appendLe16(image, v);
  for (int j = 3; j <= kChannels; ++j) frame::appendLe16(image, frame::kAbsentChannel);
  return KoTools::readPwmData(image).value(0);
}

// Free text against a stored "#1 P500 #2 P500 ": accepted only with the same ids, and then
// the encoders must stay inside whatever positions buffer the frame carries.
void editTwoServoFrame(const QString& text, int layout) {
  const PwmFrame f = twoServoFrame();
  switch (layout) {
    case 1:
      f->data = QByteArray(248, '\0');
      break;
    case 2:
      f->data = QByteArray(12, '\0');
      break;
    case 3:
      f->data.clear();
      break;
    default:
      break;
  }
  const QString before = f->action;
  f->setValue(text, QStringLiteral("action"));
  if (f->action != before) {
    require(f->action == text);
    const QStringList pieces = KoTools::actionPieces(text);
    require(pieces.size() == 5 && pieces[1] == u"1" && pieces[3] == u"2");
  }
  KoTools::actionToBytesWithModel(*f);
  KoTools::modelChangeToData(*f);

  // The encoders are public and take any text; ids of any size must not reach past the
  // buffer or into a slot they do not name.
  f->action = text;
  const QByteArray untouched = f->data;
  KoTools::actionToPositionsBytesWithModel(*f);
  require(f->data.size() == untouched.size());
  KoTools::actionToBytesWithModel(*f);
  KoTools::modelChangeToData(*f);
}

void checkPieces(const QString& text) {
  const QStringList pieces = KoTools::actionPieces(text);
  const qsizetype marks = text.count(u'#') + text.count(u'P');
  require(pieces.size() == marks + 1);
  qsizetype length = marks;
  for (const QString& p : pieces) {
    require(!p.contains(u' ') && !p.contains(u'#') && !p.contains(u'P'));
    length += p.size();
  }
  require(length == text.size() - text.count(u' '));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static int argc = 1;
  static char name[] = "action_file_fuzz";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  (void)app;
  require(twoServoFrame()->action == QStringLiteral("#1 P500 #2 P500 "));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray image(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const qsizetype records =
      size >= KoTools::kActionFileHeaderSize
          ? (image.size() - KoTools::kActionFileHeaderSize) / KoTools::kActionRecordSize
          : 0;

  // Readers ignore the header, so its bytes drive the free-form edits.
  const QByteArray header = image.first(std::min<qsizetype>(image.size(), 16));
  const QString headerText = QString::fromUtf8(header);
  double number = 0;
  if (header.size() >= 8) std::memcpy(&number, header.constData(), sizeof number);
  const quint16 position = header.size() >= 2 ? frame::le16(header, 0) % 1001 : 500;

  VelmarFrames velmar = KoTools::readVelmarData(image);
  PwmFrames pwm = KoTools::readPwmData(image);
  require(velmar.size() == records && pwm.size() == records);
  require(KoTools::changeToData(pwm).sliced(KoTools::kActionFileHeaderSize) ==
          image.sliced(std::min<qsizetype>(image.size(), KoTools::kActionFileHeaderSize),
                       records * KoTools::kActionRecordSize));

  for (const VelmarFrame& f : velmar) editVelmar(*f, headerText, number);
  for (const PwmFrame& f : pwm) editPwm(*f, headerText, position);

  if (size >= KoTools::kActionFileHeaderSize) {
    const VelmarFrames velmarAgain = KoTools::readVelmarData(KoTools::changeToData(velmar));
    if (velmarAgain.size() != velmar.size()) __builtin_trap();
    for (qsizetype i = 0; i < velmar.size(); ++i) {
      require(velmarAgain[i]->time == velmar[i]->time);
      for (int j = 1; j <= kChannels; ++j) require(velmarAgain[i]->id(j) == velmar[i]->id(j));
    }
    const PwmFrames pwmAgain = KoTools::readPwmData(KoTools::changeToData(pwm));
    if (pwmAgain.size() != pwm.size()) __builtin_trap();
    for (qsizetype i = 0; i < pwm.size(); ++i) {
      require(pwmAgain[i]->time == pwm[i]->time && pwmAgain[i]->action == pwm[i]->action);
    }
  }

  const QString text = QString::fromUtf8(image);
  checkPieces(text);
  editTwoServoFrame(text, static_cast<int>(size % 4));

  // Due tips run while their frames live; frames that die first take their timers along.
  QCoreApplication::processEvents();
  velmar.clear();
  pwm.clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return 0;
}
