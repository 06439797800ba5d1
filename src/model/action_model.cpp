#include "model/action_model.h"

#include <QDebug>

#include "model/limits.h"
#include "model/value_utils.h"

KoActionModel::~KoActionModel() = default;

bool KoActionModel::setNilValueForKey(const QString& key) { return key == QLatin1String("time"); }

std::optional<bool> KoActionModel::setSharedValue(const QVariant& value, const QString& key) {
  if (!value.isValid()) return setNilValueForKey(key);
  if (key != QLatin1String("time")) return std::nullopt;
  const auto v = KoTools::editedTime(value);
  if (!v) return false;
  time = *v;
  reEncode();
  return true;
}

namespace KoTools {

std::optional<qint64> editedTime(const QVariant& value) {
  QString text = value.toString();
  text.remove(u',');
  // The upper clamp comes before the whole-number test, so "40000x" is stored as the top.
  const qint64 v = integerValue(QStringView(text));
  if (v >= limits::kFrameTime.maximum) return limits::kFrameTime.maximum;
  if (isPureInt(text) && v >= 0) return limits::kFrameTime.clamp(v);
  return std::nullopt;
}

std::optional<qint64> editedPosition(const QVariant& value) {
  if (integerValue(value) >= limits::kPosition.maximum) return limits::kPosition.maximum;
  const QString text = value.toString();
  const qint64 v = integerValue(QStringView(text));
  if (!isPureInt(text) || v < 0 || text.contains(u'+')) return std::nullopt;
  return v;
}

}  // namespace KoTools

std::shared_ptr<KoVelmarPwmModel> KoVelmarPwmModel::copy() const {
  return std::shared_ptr<KoVelmarPwmModel>(new KoVelmarPwmModel(*this));
}

qint64 KoVelmarPwmModel::id(int channel) const {
  return channel >= 1 && channel <= kChannelCount ? ids_[channel - 1] : 0;
}

void KoVelmarPwmModel::setId(int channel, qint64 position) {
  if (channel < 1 || channel > kChannelCount) return;
  ids_[channel - 1] = position;
  present_ |= quint16(1u << (channel - 1));
}

bool KoVelmarPwmModel::isPresent(int channel) const {
  return channel >= 1 && channel <= kChannelCount && (present_ >> (channel - 1)) & 1u;
}

frame::ArmPositions KoVelmarPwmModel::armPositions() const {
  frame::ArmPositions arm;
  for (int j = 1; j <= frame::kRecordChannels; ++j) {
    if (isPresent(j)) arm[j - 1] = id(j);
  }
  return arm;
}

QString KoVelmarPwmModel::positionsText() const {
  QString text;
  for (int j = 1; j <= frame::kRecordChannels; ++j) {
    if (isPresent(j)) text += KoTools::actionPositionText(j, id(j));
  }
  return text;
}

void KoVelmarPwmModel::reEncode() {
  const frame::ArmPositions arm = armPositions();
  bytes = frame::armMove(bytes, time, arm);
  action = positionsText();
  frame::writeArmRecord(data, time, arm);
}

namespace {

// The channel a key names ("id1" to "id16"), or 0.
int channelOfKey(const QString& key) {
  bool ok = false;
  const int channel = key.startsWith(QLatin1String("id")) ? key.mid(2).toInt(&ok) : 0;
  return ok && channel >= 1 && channel <= KoVelmarPwmModel::kChannelCount ? channel : 0;
}

}  // namespace

std::shared_ptr<KoVelmarPwmModel> KoVelmarPwmModel::edited(const QString& key,
                                                           const QVariant& value) const {
  const bool isTime = key == QLatin1String("time");
  const int channel = isTime ? 0 : channelOfKey(key);
  const auto v = isTime ? KoTools::editedTime(value)
                        : (channel ? KoTools::editedPosition(value) : std::nullopt);
  if (!v) return nullptr;
  auto result = copy();
  if (isTime) {
    result->time = *v;
  } else {
    result->setId(channel, *v);
  }
  result->reEncode();
  return result;
}

bool KoVelmarPwmModel::setValue(const QVariant& value, const QString& key) {
  if (const auto taken = setSharedValue(value, key)) return *taken;
  const int channel = channelOfKey(key);
  if (!channel) {
    qWarning().noquote() << "frame has no field" << key;
    return true;
  }
  const auto v = KoTools::editedPosition(value);
  if (!v) return false;
  setId(channel, *v);
  // A frame under construction (no bytes yet) is encoded by the builder that fills it.
  if (!bytes.isEmpty()) reEncode();
  return true;
}

void KoPwmModel::reEncode() {
  const QList<frame::NamedPosition> named = KoTools::actionPositions(action);
  bytes = frame::namedMove(bytes, time, named);
  frame::writeNamedSlots(data, time, named);
}

bool KoPwmModel::setValue(const QVariant& value, const QString& key) {
  if (const auto taken = setSharedValue(value, key)) return *taken;
  if (key != QLatin1String("action")) {
    qWarning().noquote() << "frame has no field" << key;
    return true;
  }
  const QString text = value.toString();
  if (!acceptsAction(text)) return false;
  action = text;
  reEncode();
  return true;
}

namespace {

// True when the character at i is preceded by exactly one space.
bool singleSpaceBefore(const QString& text, qsizetype i) {
  return i >= 2 && text[i - 1] == u' ' && text[i - 2] != u' ';
}

}  // namespace

// The new text may change positions only: same ids, same layout.
bool KoPwmModel::acceptsAction(const QString& text) const {
  if (text.isEmpty() || action.isEmpty() || text[0] != action[0]) return false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'P' && !singleSpaceBefore(text, i)) return false;
    if (text[i] == u'#') {
      if (i + 1 >= text.size() || text[i + 1] == u' ') return false;
      if (i != 0 && !singleSpaceBefore(text, i)) return false;
    }
  }
  if (text.split(u' ').size() != action.split(u' ').size()) return false;

  const QStringList mine = KoTools::actionPieces(text);
  const QStringList stored = KoTools::actionPieces(action);
  if (mine.size() != stored.size()) return false;
  for (qsizetype i = 0; i < mine.size(); ++i) {
    const bool isId = i % 2 == 1;
    if ((i == 0 || isId) && mine[i] != stored[i]) return false;
    if (i == 0) continue;
    const QString& piece = mine[i];
    const qint64 v = KoTools::integerValue(QStringView(piece));
    if (!KoTools::isPureInt(piece) || !limits::kPosition.contains(v)) return false;
    if (v == 0 && piece.size() > 1) return false;
  }
  return true;
}

namespace KoTools {

QStringList actionPieces(const QString& action) {
  QString compact = action;
  compact.remove(u' ');
  QStringList pieces;
  qsizetype start = 0;
  for (qsizetype i = 0; i < compact.size(); ++i) {
    if (compact[i] == u'#' || compact[i] == u'P') {
      pieces.append(compact.mid(start, i - start));
      start = i + 1;
    }
  }
  pieces.append(compact.mid(start));
  return pieces;
}

QList<frame::NamedPosition> actionPositions(const QString& action) {
  const QStringList pieces = actionPieces(action);
  QList<frame::NamedPosition> named;
  for (qsizetype i = 1; i + 1 < pieces.size(); i += 2) {
    named.append({integerValue(pieces[i]), integerValue(pieces[i + 1])});
  }
  return named;
}

QString actionPositionText(qint64 id, qint64 position) {
  return u'#' + QString::number(id) + QStringLiteral(" P") + QString::number(position) + u' ';
}

}  // namespace KoTools
