#include "model/action_file.h"

#include <QDebug>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "model/file_io.h"
#include "model/move_frame.h"
#include "model/value_utils.h"

namespace KoTools {

namespace {

constexpr char kMagic[] = "SOBARM";
constexpr int kChannels = 6;

// Writes the decimal digits of v (at most 5) at out; returns the position after them.
char16_t* putDecimal(char16_t* out, unsigned v) {
  char16_t digits[5];
  int n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v != 0);
  while (n > 0) *out++ = digits[--n];
  return out;
}

// Fills the fields every reader shares from record i of the image. Long files are read
// often enough that each frame costs one allocation per field and no more.
template <class Frame>
void readRecord(const QByteArray& image, qsizetype i, Frame* f) {
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
  QByteArray bytes(frame::kMoveHeaderSize + 3 * present, Qt::Uninitialized);
  char* b = bytes.data();
  b[0] = b[1] = frame::kHeader;
  b[2] = static_cast<char>(3 * present + 5);
  b[3] = frame::kMoveCommand;
  b[4] = static_cast<char>(present);
  b[5] = static_cast<char>(f->time & 0xFF);
  b[6] = static_cast<char>(f->time >> 8);
  b += frame::kMoveHeaderSize;

  char16_t text[kChannels * 11];  // "#j P65535 " at most
  char16_t* t = text;
  for (int j = 1; j <= kChannels; ++j) {
    const quint16 p = positions[j - 1];
    if (p == frame::kAbsentChannel) continue;
    if constexpr (std::is_same_v<Frame, KoVelmarPwmModel>) {
      // As the edit rules store it: a field holds at most the top position; text, move and
      // record keep the file's own value.
      f->setId(j, limits::kPosition.clamp(p));
    }
    *t++ = u'#';
    *t++ = static_cast<char16_t>(u'0' + j);
    *t++ = u' ';
    *t++ = u'P';
    t = putDecimal(t, p);
    *t++ = u' ';
    *b++ = static_cast<char>(j);
    *b++ = static_cast<char>(p & 0xFF);
    *b++ = static_cast<char>(p >> 8);
  }
  f->bytes = bytes;
  f->action = QString(reinterpret_cast<const QChar*>(text), t - text);
}

template <class Frame>
QList<std::shared_ptr<Frame>> readData(const QByteArray& image) {
  QList<std::shared_ptr<Frame>> frames;
  if (image.size() < kActionFileHeaderSize) return frames;
  const qsizetype n =
      std::min((image.size() - kActionFileHeaderSize) / kActionRecordSize, kMaxActionFrames);
  // The frames of one file live in one block, each frame sharing its ownership: one
  // allocation instead of one per frame, freed when the last of them goes.
  std::shared_ptr<Frame[]> block(new Frame[n]);
  frames.reserve(n);
  for (qsizetype i = 0; i < n; ++i) {
    readRecord<Frame>(image, i, &block[i]);
    frames.append(std::shared_ptr<Frame>(block, &block[i]));
  }
  return frames;
}

template <class Frame>
OpenedFile<Frame> tryOpen(const QString& path) {
  const FileRead read = readFile(path, kMaxActionFileSize);
  const QString name = QFileInfo(path).fileName();
  if (!read.ok()) {
    qWarning().noquote() << "cannot read action file" << path << describeInEnglish(read.error);
    return {{}, FileProblem{FileProblem::Kind::Unreadable, name, read.error}};
  }
  const QByteArray& image = read.data;
  const ActionImageCheck check = checkActionImage(image);
  if (check.fault == ActionImageCheck::Fault::Short) {
    qWarning().noquote() << "action file shorter than its header:" << path;
    return {{}, FileProblem{FileProblem::Kind::Damaged, name}};
  }
  OpenedFile<Frame> opened{readData<Frame>(image), std::nullopt};
  if (check.frames > kMaxActionFrames) {
    opened.problem = FileProblem{FileProblem::Kind::TooManyFrames, name};
  }
  return opened;
}

template <class Frame>
ActionFileChoice<Frame> choose(const QStringList& paths, bool multiple) {
  ActionFileChoice<Frame> choice;
  if (paths.isEmpty()) return choice;
  for (const QString& p : paths) qInfo().noquote() << "filePaths :" << p;

  if (paths.size() == 1 && !multiple) {
    choice.path = paths.first();
    OpenedFile<Frame> opened = tryOpen<Frame>(choice.path);
    choice.frames = std::move(opened.frames);
    if (opened.problem) choice.problems.append(*opened.problem);
    return choice;
  }
  std::optional<FileProblem> wrongName;
  for (const QString& p : paths) {
    const QString name = QFileInfo(p).fileName();
    if (!name.contains(u'号')) {
      if (!wrongName) wrongName = FileProblem{FileProblem::Kind::NameWithoutGroup, name};
      continue;
    }
    if (groupOfFileName(name) < 0) continue;
    OpenedFile<Frame> opened = tryOpen<Frame>(p);
    if (opened.problem) choice.problems.append(*opened.problem);
    if (opened.frames.isEmpty() && opened.problem) continue;
    choice.names.append(name);
    choice.frameLists.append(opened.frames);
  }
  if (wrongName) choice.problems.append(*wrongName);
  return choice;
}

}  // namespace

QByteArray changeToData(const QList<const KoActionModel*>& frames) {
  QByteArray image;
  image.reserve(kActionFileHeaderSize + kActionRecordSize * frames.size());
  image.append(kMagic, sizeof kMagic - 1);
  frame::appendLe16(image, frames.size());
  image.append(8, '\0');
  for (const KoActionModel* f : frames) {
    // Frames from the sliders hold positions only; file frames hold the whole record.
    if (f->data.size() == 2 * kChannels) frame::appendLe16(image, f->time);
    image.append(f->data);
  }
  return image;
}

qsizetype firstUnwritableFrame(const QList<const KoActionModel*>& frames) {
  for (qsizetype i = 0; i < frames.size(); ++i) {
    const qsizetype size = frames[i]->data.size();
    if (size != 2 * kChannels && size != kActionRecordSize) return i;
  }
  return -1;
}

ActionImageCheck checkActionImage(const QByteArray& image) {
  using Fault = ActionImageCheck::Fault;
  if (image.size() < kActionFileHeaderSize) return {Fault::Short, image.size()};
  ActionImageCheck check;
  check.frames = (image.size() - kActionFileHeaderSize) / kActionRecordSize;
  check.spareBytes = (image.size() - kActionFileHeaderSize) % kActionRecordSize;
  if (!image.startsWith(QByteArrayView(kMagic, sizeof kMagic - 1))) {
    check.fault = Fault::NotActionFile;
  } else if (check.frames > kMaxActionFrames) {
    check.fault = Fault::TooManyFrames;
    check.position = kActionFileHeaderSize + kActionRecordSize * kMaxActionFrames;
  }
  return check;
}

VelmarFrames readVelmarData(const QByteArray& image) { return readData<KoVelmarPwmModel>(image); }

PwmFrames readPwmData(const QByteArray& image) { return readData<KoPwmModel>(image); }

OpenedFile<KoVelmarPwmModel> openVelmarFile(const QString& path) {
  return tryOpen<KoVelmarPwmModel>(path);
}

bool saveActionFile(const QString& path, const QByteArray& image, QString* error) {
  const FileError e = writeFile(path, image);
  if (e != FileError::None) {
    qWarning().noquote() << "cannot save action file" << path << describeInEnglish(e);
    if (error) *error = describe(e);
  }
  return e == FileError::None;
}

ActionFileChoice<KoVelmarPwmModel> chooseVelmarFiles(const QStringList& paths, bool multiple) {
  return choose<KoVelmarPwmModel>(paths, multiple);
}

int groupOfFileName(const QString& displayName) {
  const qsizetype mark = displayName.indexOf(u'号');
  if (mark < 0) return -1;
  const qint64 g = integerValue(QStringView(displayName).first(mark));
  return g >= 0 && g < kActionGroupCount ? static_cast<int>(g) : -1;
}

BatchGroup batchGroupOfFileName(const QString& name) {
  // ASCII spaces and digits only: a full-width digit or space is no group number.
  const auto isSpace = [](QChar c) { return c.unicode() < 128 && c.isSpace(); };
  qsizetype i = 0;
  while (i < name.size() && isSpace(name[i])) ++i;
  const qsizetype digits = i;
  qint64 group = 0;
  for (; i < name.size() && name[i] >= u'0' && name[i] <= u'9'; ++i) {
    // Held just past the last group, so that any run of digits stays in range of qint64.
    group = std::min<qint64>(group * 10 + (name[i].unicode() - u'0'), kActionGroupCount);
  }
  const bool numbered = i > digits;
  while (i < name.size() && isSpace(name[i])) ++i;
  if (!numbered || i == name.size() || name[i] != u'号') return {};
  if (group >= kActionGroupCount) return {BatchGroup::Problem::GroupOver, -1};
  return {BatchGroup::Problem::None, static_cast<int>(group)};
}

}  // namespace KoTools
