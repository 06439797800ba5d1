#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "model/action_model.h"
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

// Frames of a file; a file that cannot be read (or is larger than kMaxActionFileSize) gives
// none and the tip "open_file_fail", one shorter than the header the tip "file_damage". A file of
// more than kMaxActionFrames records gives its first ones and the tip "file_too_many_frames".
VelmarFrames openVelmarFile(const QString& path);
PwmFrames openFile(const QString& path);

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

  bool isEmpty() const { return path.isEmpty() && names.isEmpty(); }
};

// Where several files may be chosen each needs a name "<group>号<rest>" with a group number
// the board has; a name without "号" tips "file_error" once, a group out of range is dropped.
ActionFileChoice<KoVelmarPwmModel> chooseVelmarFiles(const QStringList& paths, bool multiple);
ActionFileChoice<KoPwmModel> chooseFiles(const QStringList& paths, bool multiple);

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
