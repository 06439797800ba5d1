#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The files users name, read and written so that no name, size or kind of file can hurt:
// a read is bounded by what arrives, not by the size the system reports (a /proc file or a
// device reports none, a growing file more than it said); a FIFO is refused without waiting
// for a writer; and a name is taken as the bytes the system gives, UTF-8 or not.
namespace KoTools {

enum class FileError {
  None,
  NotFound,
  NoPermission,
  NotAFile,  // a folder, device, FIFO or socket
  TooLarge,
  ReadFailed,
  DiskFull,  // no space or quota left
  ReadOnly,  // a read-only file system
  WriteFailed,
};

struct FileRead {
  QByteArray data;
  FileError error = FileError::None;
  bool ok() const { return error == FileError::None; }
};

// A name from the bytes the system gives: UTF-8 where they are, each other byte b held as
// the lone surrogate U+DC00 + b, so that nativeFileName gives the same bytes back.
QString fileNameFromNative(QByteArrayView bytes);
QByteArray nativeFileName(const QString& name);

// Whether `path` names a regular file (or a link to one).
bool isFile(const QString& path);

// The whole of a regular file, if it holds at most `limit` bytes.
FileRead readFile(const QString& path, qint64 limit);

// Writes `data` beside `path` and renames it into place (keeping the old file's permissions),
// so a failed write leaves the old file as it was.
FileError writeFile(const QString& path, const QByteArray& data);

// The failure in plain words, in the chosen language: "disk full".
QString describe(FileError error);
// The same in English, for logs and vornctl.
const char* describeInEnglish(FileError error);

}  // namespace KoTools
