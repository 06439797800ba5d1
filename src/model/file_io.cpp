#include "model/file_io.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace KoTools {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the well-formed UTF-8 sequence at `at`, or 0.
qsizetype sequenceLength(QByteArrayView bytes, qsizetype at) {
  const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char b = byte(at);
  if (b < 0x80) return 1;
  qsizetype n = 0;
  char32_t lowest = 0;
  char32_t c = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2, lowest = 0x80, c = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3, lowest = 0x800, c = b & 0x0F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4, lowest = 0x10000, c = b & 0x07;
  } else {
    return 0;
  }
  if (at + n > bytes.size()) return 0;
  for (qsizetype i = 1; i < n; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
  return c < lowest || surrogate || c > 0x10FFFF ? 0 : n;
}

FileError fromErrno(int error, FileError otherwise) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return FileError::NotFound;
    case EACCES:
    case EPERM:
      return FileError::NoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileError::DiskFull;
    case EROFS:
      return FileError::ReadOnly;
    case EISDIR:
    case ENXIO:
    case ENODEV:
      return FileError::NotAFile;
    default:
      return otherwise;
  }
}

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

bool writeAll(int fd, const QByteArray& data) {
  qsizetype done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += n;
  }
  return true;
}

}  // namespace

QString fileNameFromNative(QByteArrayView bytes) {
  if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
  QString out;
  out.reserve(bytes.size());
  for (qsizetype at = 0; at < bytes.size();) {
    const qsizetype n = sequenceLength(bytes, at);
    if (n == 0) {
      out += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[at])));
      ++at;
    } else {
      out += QString::fromUtf8(bytes.sliced(at, n));
      at += n;
    }
  }
  return out;
}

QByteArray nativeFileName(const QString& name) {
  const auto escaped = [](QChar c) {
    return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
  };
  if (std::none_of(name.begin(), name.end(), escaped)) return name.toUtf8();
  QByteArray out;
  out.reserve(name.size());
  qsizetype from = 0;
  for (qsizetype i = 0; i < name.size(); ++i) {
    // A low surrogate after a high one is half of a real character, not an escape.
    if (!escaped(name[i]) || (i > 0 && name[i - 1].isHighSurrogate())) continue;
    out += QStringView(name).sliced(from, i - from).toUtf8();
    out += static_cast<char>(name[i].unicode() - kEscapeBase);
    from = i + 1;
  }
  out += QStringView(name).sliced(from).toUtf8();
  return out;
}

bool isFile(const QString& path) {
  struct stat status {};
  return ::stat(nativeFileName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

FileRead readFile(const QString& path, qint64 limit) {
  FileRead result;
  const QByteArray native = nativeFileName(path);
  // Without O_NONBLOCK the open of a FIFO waits for a writer, possibly for good.
  const Descriptor file{::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
  struct stat status {};
  if (file.fd < 0 || ::fstat(file.fd, &status) != 0) {
    result.error = fromErrno(errno, FileError::ReadFailed);
    return result;
  }
  if (!S_ISREG(status.st_mode)) {
    result.error = FileError::NotAFile;
    return result;
  }
  // The reported size only hints at what will come: /proc files say 0, files grow.
  if (status.st_size > limit) {
    result.error = FileError::TooLarge;
    return result;
  }
  constexpr qint64 kChunk = 64 * 1024;
  QByteArray& data = result.data;
  data.reserve(std::min<qint64>(status.st_size, limit) + kChunk);
  for (;;) {
    // Whole chunks: some /proc files refuse reads of other sizes.
    const qsizetype at = data.size();
    data.resize(at + kChunk);
    const ssize_t n = ::read(file.fd, data.data() + at, static_cast<size_t>(kChunk));
    data.resize(at + std::max<ssize_t>(n, 0));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result = {{}, fromErrno(errno, FileError::ReadFailed)};
      return result;
    }
    if (n == 0) return result;
    if (data.size() > limit) {
      result = {{}, FileError::TooLarge};
      return result;
    }
  }
}

FileError writeFile(const QString& path, const QByteArray& data) {
  QByteArray target = nativeFileName(path);
  struct stat old {};
  const bool exists = ::stat(target.constData(), &old) == 0;
  if (exists) {
    if (!S_ISREG(old.st_mode)) return FileError::NotAFile;
    if (::access(target.constData(), W_OK) != 0) return fromErrno(errno, FileError::WriteFailed);
    // Through a link the file it names is replaced, not the link.
    if (char* real = ::realpath(target.constData(), nullptr)) {
      target = real;
      ::free(real);
    }
  }
  const qsizetype slash = target.lastIndexOf('/');
  const QByteArray folder =
      slash < 0 ? QByteArray(".") : target.left(std::max<qsizetype>(slash, 1));
  const QByteArray base = target.mid(slash + 1);
  QByteArray temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temporary = folder + "/." + base.left(200) + '.' +
                QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
    fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return fromErrno(errno, FileError::WriteFailed);
  const Descriptor file{fd};
  bool ok =
      (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, data) && ::fsync(fd) == 0;
  // Only a rename after every byte arrived replaces the old file.
  if (ok) ok = ::rename(temporary.constData(), target.constData()) == 0;
  if (!ok) {
    const int error = errno;
    ::unlink(temporary.constData());
    return fromErrno(error, FileError::WriteFailed);
  }
  return FileError::None;
}

const char* describeInEnglish(FileError error) {
  switch (error) {
    case FileError::None:
      return "no error";
    case FileError::NotFound:
      return "no such file";
    case FileError::NoPermission:
      return "no permission";
    case FileError::NotAFile:
      return "not a regular file";
    case FileError::TooLarge:
      return "too large";
    case FileError::ReadFailed:
      return "read error";
    case FileError::DiskFull:
      return "disk full";
    case FileError::ReadOnly:
      return "read-only file system";
    case FileError::WriteFailed:
      return "write error";
  }
  return "unknown error";
}

QString describe(FileError error) {
  switch (error) {
    case FileError::None:
      return {};
    case FileError::NotFound:
      return qtTrId("file_error_not_found");
    case FileError::NoPermission:
      return qtTrId("file_error_no_permission");
    case FileError::NotAFile:
      return qtTrId("file_error_not_a_file");
    case FileError::TooLarge:
      return qtTrId("file_error_too_large");
    case FileError::ReadFailed:
      return qtTrId("file_error_read_failed");
    case FileError::DiskFull:
      return qtTrId("file_error_disk_full");
    case FileError::ReadOnly:
      return qtTrId("file_error_read_only");
    case FileError::WriteFailed:
      return qtTrId("file_error_write_failed");
  }
  return {};
}

}  // namespace KoTools
