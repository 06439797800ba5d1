#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// Action files as text, for scripts and spreadsheets: JSON or CSV with one frame per line,
// an absent channel written as null (JSON) or "-" (CSV). Records keep the file's raw 16-bit
// values, so a file exported and imported again comes back byte for byte.
namespace KoTools {

enum class ActionTextFormat { Json, Csv };

// The most frames a file holds, each on a generously spaced line of its own, take under a
// tenth of this; a larger text is refused without being read further.
constexpr qint64 kMaxActionTextSize = 32 * 1024 * 1024;

// One 14-byte file record; a position of frame::kAbsentChannel is an absent channel.
struct ActionRecord {
  quint16 time = 0;
  std::array<quint16, 6> positions{};
  friend bool operator==(const ActionRecord&, const ActionRecord&) = default;
};

// Where an import stopped: 1-based line, the field ("time", "ch1" ... "ch6", or empty for
// the line as a whole) and why.
struct ActionTextError {
  int line = 0;
  QString field;
  QString message;
};

// The records of an action-file image (header not interpreted, partial records ignored, as
// the readers do).
QList<ActionRecord> actionRecords(const QByteArray& image);
QByteArray actionImage(const QList<ActionRecord>& records);

QByteArray exportActionText(const QList<ActionRecord>& records, ActionTextFormat format);
// Every value must be a whole, non-negative number that fits its 16-bit field; the first
// value that is not stops the import.
std::optional<QList<ActionRecord>> importActionText(const QByteArray& text, ActionTextFormat format,
                                                    ActionTextError* error);

}  // namespace KoTools
