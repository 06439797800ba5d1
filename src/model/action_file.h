#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "model/action_model.h"
#include "model/file_io.h"
#include "model/limits.h"

// Action files (".rob"): a 16-byte header starting "SOBARM" with the frame count, then one
// 14-byte record per frame (time, channels 1 to 6). Readers go by the file's length, not
// its header, and ignore trailing bytes that do not fill a record.
namespace KoTools {

constexpr int kActionFileHeaderSize = 16;
constexpr int kActionRecordSize = 14;
constexpr int kActionGroupCount = limits::kGroupCount;
// Far beyond any real action file (65,535 frames take under 1 MiB); a larger file is taken
// for damaged rather than read into memory.
constexpr qint64 kMaxActionFileSize = 16 * 1024 * 1024;
// The header counts frames in 16 bits: readers take no more, writers refuse more.
constexpr qsizetype kMaxActionFrames = limits::kMaxFramesPerFile;

template <class Frame>
QList<const KoActionModel*> plainFrames(const QList<std::shared_ptr<Frame>>& frames) {
  QList<const KoActionModel*> plain;
  plain.reserve(frames.size());
  for (const auto& f : frames) plain.append(f.get());
  return plain;
}

// The file image of a frame list.
QByteArray changeToData(const QList<const KoActionModel*>& frames);
template <class Frame>
QByteArray changeToData(const QList<std::shared_ptr<Frame>>& frames) {
  return changeToData(plainFrames(frames));
}

// Index of the first frame whose positions record is neither 12 nor 14 bytes, or -1. Such
// a record would put the file's records out of step, so a list holding one is not saved.
qsizetype firstUnwritableFrame(const QList<const KoActionModel*>& frames);
template <class Frame>
qsizetype firstUnwritableFrame(const QList<std::shared_ptr<Frame>>& frames) {
  return firstUnwritableFrame(plainFrames(frames));
}

// Frames of a file image, the first kMaxActionFrames at most; an image shorter than the
// header gives none.
VelmarFrames readVelmarData(const QByteArray& image);
PwmFrames readPwmData(const QByteArray& image);

// What an image's length and magic say of it, for each front end to put into words. The
// first fault met, in this order: Short, NotActionFile, TooManyFrames. The editor opens any
// image its header fits in; vornctl and the Python module also want the magic.
struct ActionImageCheck {
  enum class Fault { None, Short, NotActionFile, TooManyFrames };
  Fault fault = Fault::None;
  // Where reading stops for the fault: the image's end when Short, 0 when NotActionFile,
  // the first record past kMaxActionFrames when TooManyFrames.
  qint64 position = 0;
  qsizetype frames = 0;      // whole records, kMaxActionFrames or not
  qsizetype spareBytes = 0;  // after the last whole record
};
ActionImageCheck checkActionImage(const QByteArray& image);

// What kept a file from opening whole, for the screens to put into words.
struct FileProblem {
  enum class Kind {
    Unreadable,        // cannot be read or is larger than kMaxActionFileSize: `error` says why
    Damaged,           // shorter than its header
    TooManyFrames,     // more than kMaxActionFrames records: the first ones were read
    NameWithoutGroup,  // among several chosen files, one named without "号"
  };
  Kind kind;
  QString name;  // the file's display name
  FileError error = FileError::None;
};

template <class Frame>
struct OpenedFile {
  QList<std::shared_ptr<Frame>> frames;
  std::optional<FileProblem> problem;
};

// Frames of a file; none when it cannot be read or is damaged.
OpenedFile<KoVelmarPwmModel> openVelmarFile(const QString& path);

// Writes the image beside the target and renames it into place, so a failed save never
// destroys the previous file. On failure returns false and says why in *error.
bool saveActionFile(const QString& path, const QByteArray& image, QString* error = nullptr);

// The files a user chose in an open panel, sorted out.
template <class Frame>
struct ActionFileChoice {
  // One file chosen where several were not allowed: its path and frames.
  QString path;
  QList<std::shared_ptr<Frame>> frames;
  // Otherwise: one entry per accepted file, in the order chosen.
  QList<QList<std::shared_ptr<Frame>>> frameLists;
  QStringList names;
  // In the order met; a name without "号" is told once, after the files.
  QList<FileProblem> problems;
};

// Where several files may be chosen each needs a name "<group>号<rest>" with a group number
// the board has; a name without "号" is a problem, a group out of range is dropped unsaid.
ActionFileChoice<KoVelmarPwmModel> chooseVelmarFiles(const QStringList& paths, bool multiple);

// The action-group number a file name selects, or -1.
int groupOfFileName(const QString& displayName);

// Where a file of a batch download goes: its name begins with a decimal group number and "号"
// ("12号wave.rob", spaces around the number allowed). A name without a number is refused,
// not sent to group 0. The bus-servo tool's list and vornctl share this rule.
struct BatchGroup {
  enum class Problem { None, NoGroup, GroupOver };
  Problem problem = Problem::NoGroup;
  int group = -1;
};
BatchGroup batchGroupOfFileName(const QString& displayName);

}  // namespace KoTools
