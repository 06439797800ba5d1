#pragma once

#include <QString>
#include <stdexcept>
#include <utility>

namespace pybind11 {
class module_;
}

// What the module raises, as C++ exceptions that register() turns into the Python classes
// vorn.Error and its kin. vornctl's CliError is turned by its code.
namespace vornpy {

class Error : public std::runtime_error {
 public:
  explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// A frame or move the profile does not allow: outside a channel's safe range, or striking
// the ground or the base's column. Counts from 1, as the editor's table does; -1 when not
// known.
struct Refusal {
  QString message;
  QString file;
  int frame = -1;
  int channel = -1;
  int position = -1;
  int low = -1;
  int high = -1;
  QString strike;  // "the ground", "the base's column" or both; empty for a range
};

class Refused : public Error {
 public:
  explicit Refused(Refusal r) : Error(r.message), refusal(std::move(r)) {}
  Refusal refusal;
};

// A file that could not be read or written. `position` is where in it the reading stopped
// (a byte for an action file, a line for JSON and CSV), -1 when there is none.
class FileError : public Error {
 public:
  FileError(const QString& path, const QString& reason, qint64 position = -1)
      : Error(position >= 0 ? QStringLiteral("%1: %2 (at %3)").arg(path, reason).arg(position)
                            : QStringLiteral("%1: %2").arg(path, reason)),
        path(path),
        reason(reason),
        position(position) {}
  QString path;
  QString reason;
  qint64 position;
};

// Registers the exception classes and their translations on the module.
void registerErrors(pybind11::module_& m);

}  // namespace vornpy
