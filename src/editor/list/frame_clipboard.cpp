#include "editor/list/frame_clipboard.h"

#include <QStringList>

#include "model/action_file.h"
#include "model/action_text.h"
#include "model/move_frame.h"

namespace {

constexpr int kChannels = 6;
const QString kAbsent = QStringLiteral("-");

}  // namespace

namespace KoTools {

QString framesText(const VelmarFrames& frames) {
  QString text;
  for (const VelmarFrame& f : frames) {
    text += QString::number(f->time);
    for (int channel = 1; channel <= kChannels; ++channel) {
      text += u'\t';
      text += f->isPresent(channel) ? QString::number(f->id(channel)) : kAbsent;
    }
    text += u'\n';
  }
  return text;
}

std::optional<VelmarFrames> framesFromText(const QString& text, FrameTextError* error) {
  QList<ActionRecord> records;
  const QStringList lines = text.split(u'\n');
  for (qsizetype l = 0; l < lines.size(); ++l) {
    const QString line = lines[l].trimmed();
    if (line.isEmpty()) continue;
    const QStringList cells = lines[l].split(u'\t');
    const auto refuse = [&](int column) {
      if (error) *error = {int(l) + 1, column};
      return std::nullopt;
    };
    if (cells.size() > 1 + kChannels) return refuse(2 + kChannels);
    ActionRecord record;
    const auto time = editedTime(cells[0].trimmed());
    if (!time) return refuse(1);
    record.time = quint16(*time);
    for (int c = 0; c < kChannels; ++c) {
      const QString cell = c + 1 < cells.size() ? cells[c + 1].trimmed() : QString();
      if (cell.isEmpty() || cell == kAbsent) {
        record.positions[c] = frame::kAbsentChannel;
        continue;
      }
      const auto position = editedPosition(cell);
      if (!position) return refuse(c + 2);
      record.positions[c] = quint16(*position);
    }
    records.append(record);
  }
  return readVelmarData(actionImage(records));
}

}  // namespace KoTools
