#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

// Small value helpers shared by the frame records, the editor and the bus-servo tool.
namespace KoTools {

// True when the text is one decimal integer with nothing but white space around it.
// Values beyond 32 bits still count.
bool isPureInt(QStringView text);

// Leading integer of a text, the way the table and the fields read numbers: white space is
// skipped, one sign is allowed, reading stops at the first non-digit, no digits give 0.
// Saturates instead of overflowing.
qint64 integerValue(QStringView text);
inline qint64 integerValue(const QString& text) { return integerValue(QStringView(text)); }
qint64 integerValue(const QVariant& value);

// Seconds with at most two decimals and no trailing zeros, followed by "s".
QString FloatKeepTwoBitsAndRemoveAllZero(float seconds);

}  // namespace KoTools
