#include "model/value_utils.h"

#include <cmath>
#include <limits>

namespace KoTools {

namespace {

struct ScannedInt {
  qint64 value = 0;
  qsizetype end = 0;  // index just past the last digit read
  bool digits = false;
};

ScannedInt scanInt(QStringView text) {
  ScannedInt r;
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i].isSpace()) ++i;
  bool negative = false;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  constexpr qint64 kMax = std::numeric_limits<qint64>::max();
  constexpr qint64 kMin = std::numeric_limits<qint64>::min();
  qint64 value = 0;
  bool saturated = false;
  while (i < n && text[i] >= u'0' && text[i] <= u'9') {
    const int digit = text[i].unicode() - u'0';
    r.digits = true;
    if (!saturated) {
      if (negative ? value < (kMin + digit) / 10 : value > (kMax - digit) / 10) {
        value = negative ? kMin : kMax;
        saturated = true;
      } else {
        value = value * 10 + (negative ? -digit : digit);
      }
    }
    ++i;
  }
  r.value = r.digits ? value : 0;
  r.end = i;
  return r;
}

}  // namespace

bool isPureInt(QStringView text) {
  const ScannedInt s = scanInt(text);
  if (!s.digits) return false;
  for (qsizetype i = s.end; i < text.size(); ++i) {
    if (!text[i].isSpace()) return false;
  }
  return true;
}

qint64 integerValue(QStringView text) { return scanInt(text).value; }

qint64 integerValue(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QString:
      return integerValue(QStringView(value.toString()));
    case QMetaType::QByteArray:
      return integerValue(QString::fromLatin1(value.toByteArray()));
    case QMetaType::Double:
    case QMetaType::Float: {
      const double d = value.toDouble();
      if (!std::isfinite(d)) return 0;
      if (d >= 9.2e18) return std::numeric_limits<qint64>::max();
      if (d <= -9.2e18) return std::numeric_limits<qint64>::min();
      return static_cast<qint64>(d);
    }
    default:
      return value.toLongLong();
  }
}

QString FloatKeepTwoBitsAndRemoveAllZero(float seconds) {
  const double rounded = std::round(static_cast<double>(seconds) * 100.0) / 100.0;
  const float twoPlaces = QString::asprintf("%0.2f", rounded).toFloat();
  return QString::number(twoPlaces, 'g', 7) + u's';
}

}  // namespace KoTools
