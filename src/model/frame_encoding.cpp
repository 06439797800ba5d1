#include "model/frame_encoding.h"

#include "model/prompter.h"
#include "model/value_utils.h"

namespace KoTools {

namespace {

// The positions record holds channels 1 to 6 only.
constexpr int kRecordChannels = 6;
constexpr int kRecordSize = 2 * kRecordChannels;
constexpr int kFileRecordSize = kRecordSize + 2;
// File frames may carry a 40-slot buffer, 6 bytes per servo id, optionally behind an
// 8-byte prefix that starts with the time.
constexpr int kSlotBufferWithPrefix = 248;
constexpr int kSlotPrefix = 8;
constexpr int kSlotSize = 6;

QByteArray absentRecord() {
  QByteArray record(kRecordSize, frame::kHeader);  // 0x55 0x55 in every slot
  return record;
}

void putIfInside(QByteArray& buffer, qint64 offset, qint64 value) {
  if (offset >= 0 && offset + 1 < buffer.size()) frame::putLe16(buffer, offset, value);
}

QString channelText(qint64 id, qint64 position) {
  return u'#' + QString::number(id) + QStringLiteral(" P") + QString::number(position) + u' ';
}

// (id, position) pairs named by a positions text, in order. Kept 64-bit: a text may name
// any number, and a truncated id would land in another servo's slot.
struct ActionPair {
  qint64 id;
  qint64 position;
};

QList<ActionPair> actionPairs(const QString& action) {
  const QStringList pieces = actionPieces(action);
  QList<ActionPair> pairs;
  for (qsizetype i = 1; i + 1 < pieces.size(); i += 2) {
    pairs.append({integerValue(pieces[i]), integerValue(pieces[i + 1])});
  }
  return pairs;
}

QByteArray headerOf(const QByteArray& bytes, qint64 time) {
  QByteArray out = bytes.size() >= frame::kMoveHeaderSize ? bytes.first(frame::kMoveHeaderSize)
                                                          : frame::moveHeader(0, time);
  frame::putLe16(out, 5, time);
  return out;
}

}  // namespace

VelmarFrame returnVelmarCurrentData(const ChannelViews& views, const QString& timeText, int index) {
  auto result = std::make_shared<KoVelmarPwmModel>();
  result->ID = index + 1;
  result->time = integerValue(QStringView(timeText));

  int visible = 0;
  for (const ChannelView* v : views) visible += v->isHidden() ? 0 : 1;

  QByteArray bytes = frame::moveHeader(visible, result->time);
  QString action;
  QByteArray record(kRecordSize, 0);
  for (qsizetype i = 0; i < views.size(); ++i) {
    const qint64 channel = i + 1;
    if (views[i]->isHidden()) {
      if (i < kRecordChannels) frame::putLe16(record, 2 * i, frame::kAbsentChannel);
      continue;
    }
    // The record and the move carry the slider's own value even where the field clamps.
    const qint64 p = integerValue(QStringView(views[i]->text()));
    result->setValue(QVariant::fromValue(p), QStringLiteral("id%1").arg(channel));
    action += channelText(channel, p);
    if (i < kRecordChannels) frame::putLe16(record, 2 * i, p);
    frame::appendServo(bytes, channel, p);
  }
  result->data = record;
  result->action = action;
  result->bytes = bytes;
  return result;
}

QByteArray actionToBytesWithVelmarModel(const KoVelmarPwmModel& f) {
  QByteArray out = headerOf(f.bytes, f.time);
  int count = 0;
  for (int j = 1; j <= kRecordChannels; ++j) {
    if (!f.isPresent(j)) continue;
    frame::appendServo(out, j, f.id(j));
    ++count;
  }
  out[2] = static_cast<char>(3 * count + 5);
  out[4] = static_cast<char>(count);
  return out;
}

QByteArray actionToPositionsBytesWithVelmarModel(KoVelmarPwmModel& f) {
  const auto slot = [&f](int j) { return f.isPresent(j) ? f.id(j) : frame::kAbsentChannel; };
  if (f.data.size() == kFileRecordSize) {
    frame::putLe16(f.data, 0, f.time);
    for (int j = 1; j <= kRecordChannels; ++j) frame::putLe16(f.data, 2 * j, slot(j));
  } else {
    if (f.data.size() < kRecordSize) f.data = absentRecord();
    for (int j = 1; j <= kRecordChannels; ++j) frame::putLe16(f.data, 2 * (j - 1), slot(j));
  }
  return QByteArray(f.data.constData(), f.data.size());
}

QString actionTextWithVelmarModel(const KoVelmarPwmModel& f) {
  QString text;
  for (int j = 1; j <= kRecordChannels; ++j) {
    if (f.isPresent(j)) text += channelText(j, f.id(j));
  }
  return text;
}

QByteArray actionToBytesWithModel(const KoPwmModel& f) {
  QByteArray out = headerOf(f.bytes, f.time);
  for (const ActionPair& p : actionPairs(f.action)) frame::appendServo(out, p.id, p.position);
  return out;
}

QByteArray actionToPositionsBytesWithModel(KoPwmModel& f) {
  const qsizetype size = f.data.size();
  // Every slot is checked against the buffer, so no layout can write past its end.
  for (const ActionPair& p : actionPairs(f.action)) {
    // Ids beyond the buffer would overflow the offset before the bounds check sees them.
    if (p.id < 1 || p.id > size) continue;
    if (size == kSlotBufferWithPrefix) {
      putIfInside(f.data, kSlotPrefix + kSlotSize * (p.id - 1), p.position);
    } else if (size == kFileRecordSize) {
      if (p.id <= kRecordChannels) putIfInside(f.data, 2 * p.id, p.position);
    } else {
      putIfInside(f.data, kSlotSize * (p.id - 1), p.position);
    }
  }
  if (size == kSlotBufferWithPrefix || size == kFileRecordSize) putIfInside(f.data, 0, f.time);
  return QByteArray(f.data.constData(), f.data.size());
}

QByteArray modelChangeToData(const KoActionModel& f) {
  qint64 positions[kRecordChannels] = {};
  for (const ActionPair& p : actionPairs(f.action)) {
    if (p.id >= 1 && p.id <= kRecordChannels) positions[p.id - 1] = p.position;
  }
  QByteArray out = frame::moveHeader(kRecordChannels, f.time);
  for (int j = 1; j <= kRecordChannels; ++j) frame::appendServo(out, j, positions[j - 1]);
  return out;
}

VelmarFrame readingToVelmarModel(const QList<ServoPosition>& readings, const ChannelViews& views,
                                 int index, qint64 time, bool* complete) {
  auto result = std::make_shared<KoVelmarPwmModel>();
  result->ID = index + 1;
  result->time = time;

  QByteArray record = absentRecord();
  QList<int> waiting = visibleChannelIds(views);
  QString action;
  QByteArray triples;
  int count = 0;
  for (const ServoPosition& reading : readings) {
    const int id = reading.id;
    qint64 p = reading.position;
    waiting.removeAll(id);
    // 1000 to 2000 is past the end stop; beyond 2000 the reading wrapped below zero.
    if (p > 1000 && p <= 2000) {
      p = 1000;
    } else if (p > 2000) {
      p = 0;
    }
    if (id < 1 || id > views.size() || views[id - 1]->isHidden()) continue;
    result->setValue(QVariant::fromValue(p), QStringLiteral("id%1").arg(id));
    action += channelText(id, p);
    if (id <= kRecordChannels) frame::putLe16(record, 2 * (id - 1), p);
    frame::appendServo(triples, id, p);
    ++count;
  }
  if (complete) *complete = waiting.isEmpty();
  if (!waiting.isEmpty() || action.isEmpty()) return nullptr;
  result->data = record;
  result->action = action;
  result->bytes = frame::moveHeader(count, time) + triples;
  return result;
}

VelmarFrame angleReadingToVelmarModel(const QList<ServoPosition>& readings,
                                      const ChannelViews& views, int index, qint64 time) {
  bool complete = false;
  VelmarFrame frame = readingToVelmarModel(readings, views, index, time, &complete);
  showTipWithMessage(qtTrId(complete ? "read_success" : "connect_velmar"));
  return frame;
}

void sendSetAngleWithVelmarSliderViews(const ChannelViews& views, const KoVelmarPwmModel& f) {
  const qsizetype n = std::min<qsizetype>(views.size(), kRecordChannels);
  for (qsizetype i = 0; i < n; ++i) views[i]->setText(QString::number(f.id(int(i + 1))));
}

void sendSetAngleWithSliderViews(const ChannelViews& views, const KoActionModel& f) {
  const QStringList pieces = actionPieces(f.action);
  for (qsizetype i = 1; i + 1 < pieces.size(); i += 2) {
    const qint64 id = integerValue(QStringView(pieces[i]));
    if (id >= 1 && id <= views.size()) views[id - 1]->setText(pieces[i + 1]);
  }
}

void sendReSetAllSteer(const QString& control, int /*min*/, int /*max*/, const QString& value,
                       const ChannelViews& views) {
  for (ChannelView* v : views) {
    if (control == QLatin1String("slider")) {
      v->setText(value);
    } else {
      v->setControlText(control, value);
      v->setControlText(QStringLiteral("lableSmall"), value);
    }
    v->setShake(true);
  }
}

}  // namespace KoTools
