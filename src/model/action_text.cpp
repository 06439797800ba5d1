#include "model/action_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <cmath>
#include <memory>

#include "model/action_file.h"
#include "model/action_model.h"
#include "model/limits.h"
#include "model/move_frame.h"
#include "model/value_utils.h"

namespace KoTools {

namespace {

constexpr int kChannels = 6;
constexpr int kMaxFrames = limits::kMaxFramesPerFile;
const QLatin1String kCsvHeader("time,ch1,ch2,ch3,ch4,ch5,ch6");

QString channelField(int j) { return QStringLiteral("ch%1").arg(j + 1); }

struct Failure {
  ActionTextError error;
};

[[noreturn]] void fail(int line, const QString& field, const QString& message) {
  throw Failure{{line, field, message}};
}

// A value of a record as text: the rules of a frame edit (a whole number, not negative, no
// sign) and the width of the file's field.
quint16 checkedValue(const QString& text, int line, const QString& field, bool position) {
  const QString t = text.trimmed();
  if (!isPureInt(t) || t.contains(u'+') || t.startsWith(u'-')) {
    fail(line, field, qtTrId("action_text_not_whole").arg(u'"' + t + u'"'));
  }
  const qint64 v = integerValue(t);
  if (v > 0xFFFF) fail(line, field, qtTrId("action_text_over_16_bits").arg(t));
  if (position && v == frame::kAbsentChannel) {
    fail(line, field, qtTrId("action_text_absent_marker"));
  }
  return static_cast<quint16>(v);
}

quint16 checkedJsonValue(const QJsonValue& value, int line, const QString& field, bool position) {
  if (value.isNull() && position) return frame::kAbsentChannel;
  const double d = value.toDouble(-1);
  if (!value.isDouble() || d < 0 || std::floor(d) != d) {
    const QString shown = value.isDouble()   ? QString::number(d)
                          : value.isString() ? QStringLiteral("\"%1\"").arg(value.toString())
                                             : qtTrId("action_text_this_value");
    fail(line, field, qtTrId("action_text_not_whole").arg(shown));
  }
  return checkedValue(QString::number(static_cast<qint64>(std::min(d, 1e12))), line, field,
                      position);
}

int lineAt(const QByteArray& text, qsizetype offset) {
  return 1 + static_cast<int>(text.left(offset).count('\n'));
}

// The line on which each object of the top-level "frames" array begins.
QList<int> frameLines(const QByteArray& text) {
  QList<int> lines;
  int depth = 0;
  int line = 1;
  bool inString = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n') ++line;
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
      continue;
    }
    if (c == '"') inString = true;
    if (c == '{' || c == '[') {
      if (c == '{' && depth == 2) lines.append(line);
      ++depth;
    }
    if (c == '}' || c == ']') --depth;
  }
  return lines;
}

QList<ActionRecord> importJson(const QByteArray& text) {
  QJsonParseError parseError;
  const QJsonDocument doc = QJsonDocument::fromJson(text, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    fail(lineAt(text, parseError.offset), {}, parseError.errorString());
  }
  const QJsonValue frames = doc.object().value(QLatin1String("frames"));
  if (!doc.isObject() || !frames.isArray()) {
    fail(1, {}, qtTrId("action_text_no_frames"));
  }
  for (const QString& key : doc.object().keys()) {
    if (key != QLatin1String("frames")) fail(1, key, qtTrId("action_text_unknown_field"));
  }
  const QList<int> lines = frameLines(text);
  QList<ActionRecord> records;
  const QJsonArray array = frames.toArray();
  for (qsizetype i = 0; i < array.size(); ++i) {
    const int line = i < lines.size() ? lines[i] : 1;
    if (i >= kMaxFrames) fail(line, {}, qtTrId("action_text_too_many_frames"));
    if (!array[i].isObject()) fail(line, {}, qtTrId("action_text_frame_not_object"));
    const QJsonObject o = array[i].toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
      const QString& key = it.key();
      const bool known =
          key == QLatin1String("time") || (key.size() == 3 && key.startsWith(QLatin1String("ch")) &&
                                           key[2] >= u'1' && key[2] <= u'6');
      if (!known) fail(line, key, qtTrId("action_text_unknown_field"));
    }
    ActionRecord r;
    auto field = [&](const QString& name, bool position) {
      if (!o.contains(name)) fail(line, name, qtTrId("action_text_missing"));
      return checkedJsonValue(o.value(name), line, name, position);
    };
    r.time = field(QStringLiteral("time"), false);
    for (int j = 0; j < kChannels; ++j) r.positions[j] = field(channelField(j), true);
    records.append(r);
  }
  return records;
}

QList<ActionRecord> importCsv(QByteArrayView text) {
  // Spreadsheets often begin their UTF-8 files with a byte-order mark.
  if (text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);
  QList<ActionRecord> records;
  bool header = false;
  // Line by line, so that a text of too many rows stops at the first one too many.
  int line = 0;
  for (qsizetype at = 0; at < text.size();) {
    ++line;
    qsizetype end = text.indexOf('\n', at);
    if (end < 0) end = text.size();
    const QString l = QString::fromUtf8(text.sliced(at, end - at)).trimmed();
    at = end + 1;
    if (l.isEmpty()) continue;
    QStringList fields = l.split(u',');
    for (QString& f : fields) f = f.trimmed();
    if (!header) {
      if (fields.join(u',').compare(kCsvHeader, Qt::CaseInsensitive) != 0) {
        fail(line, {}, qtTrId("action_text_first_line").arg(kCsvHeader));
      }
      header = true;
      continue;
    }
    if (fields.size() != kChannels + 1) {
      fail(line, {}, qtTrId("action_text_field_count").arg(fields.size()));
    }
    if (records.size() >= kMaxFrames) {
      fail(line, {}, qtTrId("action_text_too_many_frames"));
    }
    ActionRecord r;
    r.time = checkedValue(fields[0], line, QStringLiteral("time"), false);
    for (int j = 0; j < kChannels; ++j) {
      r.positions[j] = fields[j + 1] == u'-'
                           ? frame::kAbsentChannel
                           : checkedValue(fields[j + 1], line, channelField(j), true);
    }
    records.append(r);
  }
  if (!header) fail(1, {}, qtTrId("action_text_first_line").arg(kCsvHeader));
  return records;
}

}  // namespace

QList<ActionRecord> actionRecords(const QByteArray& image) {
  QList<ActionRecord> records;
  for (const PwmFrame& f : readPwmData(image)) {
    ActionRecord r;
    r.time = frame::le16(f->data, 0);
    for (int j = 0; j < kChannels; ++j) r.positions[j] = frame::le16(f->data, 2 + 2 * j);
    records.append(r);
  }
  return records;
}

QByteArray actionImage(const QList<ActionRecord>& records) {
  QList<std::shared_ptr<KoPwmModel>> frames;
  frames.reserve(records.size());
  for (const ActionRecord& r : records) {
    auto f = std::make_shared<KoPwmModel>();
    f->time = r.time;
    frame::appendLe16(f->data, r.time);
    for (quint16 p : r.positions) frame::appendLe16(f->data, p);
    frames.append(f);
  }
  return changeToData(frames);
}

QByteArray exportActionText(const QList<ActionRecord>& records, ActionTextFormat format) {
  QByteArray out;
  auto value = [](quint16 p, const char* absent) {
    return p == frame::kAbsentChannel ? QByteArray(absent) : QByteArray::number(p);
  };
  if (format == ActionTextFormat::Csv) {
    out += QByteArray(kCsvHeader.data(), kCsvHeader.size()) + '\n';
    for (const ActionRecord& r : records) {
      out += QByteArray::number(r.time);
      for (quint16 p : r.positions) out += ',' + value(p, "-");
      out += '\n';
    }
    return out;
  }
  out += "{\n  \"frames\": [";
  for (qsizetype i = 0; i < records.size(); ++i) {
    const ActionRecord& r = records[i];
    out += i == 0 ? "\n" : ",\n";
    out += "    {\"time\": " + QByteArray::number(r.time);
    for (int j = 0; j < kChannels; ++j) {
      out += ", \"ch" + QByteArray::number(j + 1) + "\": " + value(r.positions[j], "null");
    }
    out += '}';
  }
  out += records.isEmpty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

std::optional<QList<ActionRecord>> importActionText(const QByteArray& text, ActionTextFormat format,
                                                    ActionTextError* error) {
  try {
    return format == ActionTextFormat::Json ? importJson(text) : importCsv(text);
  } catch (const Failure& f) {
    if (error) *error = f.error;
    return std::nullopt;
  }
}

}  // namespace KoTools
