#include "model/action_file.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#include "model/move_frame.h"
#include "model/prompter.h"
#include "model/value_utils.h"

namespace KoTools {

namespace {

constexpr char kMagic[] = "SOBARM";
constexpr int kChannels = 6;

// Fills the fields every reader shares from record i of the image.
template <class Frame>
std::shared_ptr<Frame> readRecord(const QByteArray& image, qsizetype i) {
  auto f = std::make_shared<Frame>();
  const qsizetype at = kActionFileHeaderSize + kActionRecordSize * i;
  f->ID = i + 1;
  f->time = frame::le16(image, at);
  f->data = image.mid(at, kActionRecordSize);

  quint16 positions[kChannels];
  int present = 0;
  for (int j = 1; j <= kChannels; ++j) {
    positions[j - 1] = frame::le16(image, at + 2 * j);
    if (positions[j - 1] != frame::kAbsentChannel) ++present;
  }
  QByteArray bytes = frame::moveHeader(present, f->time);
  QString action;
  action.reserve(8 * present);
  for (int j = 1; j <= kChannels; ++j) {
    const quint16 p = positions[j - 1];
    if (p == frame::kAbsentChannel) continue;
    if constexpr (std::is_same_v<Frame, KoVelmarPwmModel>) {
      // Through the edit rules, so a field holds at most 1000; text, move and record keep
      // the file's own value.
      f->setId(j, p >= 1000 ? 1000 : p);
    }
    action += u'#';
    action += QString::number(j);
    action += QLatin1String(" P");
    action += QString::number(p);
    action += u' ';
    frame::appendServo(bytes, j, p);
  }
  f->bytes = bytes;
  f->action = action;
  return f;
}

template <class Frame>
QList<std::shared_ptr<Frame>> readData(const QByteArray& image) {
  QList<std::shared_ptr<Frame>> frames;
  if (image.size() < kActionFileHeaderSize) return frames;
  const qsizetype n = (image.size() - kActionFileHeaderSize) / kActionRecordSize;
  frames.reserve(n);
  for (qsizetype i = 0; i < n; ++i) frames.append(readRecord<Frame>(image, i));
  return frames;
}

// Nothing when the file cannot be read or is shorter than its header (after the tip).
template <class Frame>
std::optional<QList<std::shared_ptr<Frame>>> tryOpen(const QString& path) {
  QFile file(path);
  QByteArray image;
  if (file.open(QIODevice::ReadOnly)) image = file.readAll();
  if (file.error() != QFileDevice::NoError || image.size() < kActionFileHeaderSize) {
    qWarning().noquote() << "cannot read action file" << path << file.errorString();
    showTipWithMessage(qtTrId("file_damage"));
    return std::nullopt;
  }
  return readData<Frame>(image);
}

template <class Frame>
QList<std::shared_ptr<Frame>> openAny(const QString& path) {
  return tryOpen<Frame>(path).value_or(QList<std::shared_ptr<Frame>>{});
}

template <class Frame>
ActionFileChoice<Frame> choose(const QStringList& paths, bool multiple) {
  ActionFileChoice<Frame> choice;
  if (paths.isEmpty()) return choice;
  for (const QString& p : paths) qInfo().noquote() << "filePaths :" << p;

  if (paths.size() == 1 && !multiple) {
    choice.path = paths.first();
    choice.frames = openAny<Frame>(choice.path);
    return choice;
  }
  bool wrongName = false;
  for (const QString& p : paths) {
    const QString name = QFileInfo(p).fileName();
    if (!name.contains(u'号')) {
      wrongName = true;
      continue;
    }
    if (groupOfFileName(name) < 0) continue;
    auto frames = tryOpen<Frame>(p);
    if (!frames) continue;
    choice.names.append(name);
    choice.frameLists.append(*frames);
  }
  if (wrongName) showTipWithMessage(qtTrId("file_error"));
  return choice;
}

}  // namespace

QByteArray changeToData(const QList<const KoActionModel*>& frames) {
  QByteArray image;
  image.reserve(kActionFileHeaderSize + kActionRecordSize * frames.size());
  image.append(kMagic, 6);
  frame::appendLe16(image, frames.size());
  image.append(8, '\0');
  for (const KoActionModel* f : frames) {
    // Frames from the sliders hold positions only; file frames hold the whole record.
    if (f->data.size() == 2 * kChannels) frame::appendLe16(image, f->time);
    image.append(f->data);
  }
  return image;
}

VelmarFrames readVelmarData(const QByteArray& image) { return readData<KoVelmarPwmModel>(image); }

PwmFrames readPwmData(const QByteArray& image) { return readData<KoPwmModel>(image); }

VelmarFrames openVelmarFile(const QString& path) { return openAny<KoVelmarPwmModel>(path); }

PwmFrames openFile(const QString& path) { return openAny<KoPwmModel>(path); }

bool saveActionFile(const QString& path, const QByteArray& image, QString* error) {
  QSaveFile file(path);
  const bool ok =
      file.open(QIODevice::WriteOnly) && file.write(image) == image.size() && file.commit();
  if (!ok) {
    qWarning().noquote() << "cannot save action file" << path << file.errorString();
    if (error) *error = file.errorString();
  }
  return ok;
}

ActionFileChoice<KoVelmarPwmModel> chooseVelmarFiles(const QStringList& paths, bool multiple) {
  return choose<KoVelmarPwmModel>(paths, multiple);
}

ActionFileChoice<KoPwmModel> chooseFiles(const QStringList& paths, bool multiple) {
  return choose<KoPwmModel>(paths, multiple);
}

int groupOfFileName(const QString& displayName) {
  const qsizetype mark = displayName.indexOf(u'号');
  if (mark < 0) return -1;
  const qint64 g = integerValue(QStringView(displayName).first(mark));
  return g >= 0 && g < kActionGroupCount ? static_cast<int>(g) : -1;
}

}  // namespace KoTools
