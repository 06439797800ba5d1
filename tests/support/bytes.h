#pragma once

#include <QByteArray>

// Bytes written as hex text; spaces between groups are allowed for reading.
inline QByteArray hex(const char* h) { return QByteArray::fromHex(h); }
