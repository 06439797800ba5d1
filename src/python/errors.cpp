// Python's headers come before Qt's, whose `slots` keyword they use as a name.
#include <pybind11/pybind11.h>

#include "python/errors.h"

#include <pybind11/pybind11.h>

#include "cli/exit_codes.h"

namespace py = pybind11;

namespace vornpy {

namespace {

struct Classes {
  py::object error, noBoard, boardLost, noAcknowledgement, refused, fileError;
};

// Held for the life of the process: an exception may be raised as the interpreter ends.
Classes* classes = nullptr;

py::object text(const QString& s) { return py::str(s.toStdString()); }
py::object number(qint64 n) { return n < 0 ? py::object(py::none()) : py::object(py::int_(n)); }

void raise(const py::object& cls, const QString& message,
           const std::function<void(py::object&)>& fill = {}) {
  py::object e = cls(text(message));
  if (fill) fill(e);
  PyErr_SetObject(cls.ptr(), e.ptr());
}

void raiseCliError(const vornctl::CliError& e) {
  using namespace vornctl;
  switch (e.code()) {
    case kUsage:
      PyErr_SetString(PyExc_ValueError, e.message().toStdString().c_str());
      return;
    case kNoBoard:
    case kSeveralBoards:
    case kNoPermission:
      return raise(classes->noBoard, e.message());
    case kTimeOut:
      return raise(classes->noAcknowledgement, e.message());
    case kBoardLost:
      return raise(classes->boardLost, e.message());
    case kRefused:
      return raise(classes->refused, e.message(), [](py::object& o) {
        for (const char* a : {"file", "frame", "channel", "position", "range", "strike"})
          o.attr(a) = py::none();
      });
    case kFileError:
      return raise(classes->fileError, e.message(), [&](py::object& o) {
        o.attr("path") = py::none();
        o.attr("reason") = text(e.message());
        o.attr("position") = py::none();
      });
    default:
      return raise(classes->error, e.message());
  }
}

}  // namespace

void registerErrors(py::module_& m) {
  classes = new Classes;
  auto make = [&](const char* name, const py::object& base, const char* doc) {
    py::object cls = py::reinterpret_steal<py::object>(
        PyErr_NewExceptionWithDoc((std::string("vorn.") + name).c_str(), doc, base.ptr(), nullptr));
    m.attr(name) = cls;
    return cls;
  };
  const py::object exception = py::reinterpret_borrow<py::object>(PyExc_Exception);
  classes->error = make("Error", exception, "Anything vorn could not do.");
  classes->noBoard = make("NoBoard", classes->error,
                          "No board to open: none, several, or one this user may not open.");
  classes->boardLost = make("BoardLost", classes->error, "The board went away while working.");
  classes->noAcknowledgement =
      make("NoAcknowledgement", classes->error, "The board did not answer or acknowledge in time.");
  classes->refused = make("Refused", classes->error,
                          "The profile refuses a frame or move: file, frame, channel, position, "
                          "range and strike say which and why.");
  classes->fileError = make("FileError", classes->error,
                            "A file could not be read or written: path, reason and position say "
                            "which, why and where.");

  py::register_exception_translator([](std::exception_ptr p) {
    if (!p) return;
    try {
      std::rethrow_exception(p);
    } catch (const Refused& e) {
      const Refusal& r = e.refusal;
      raise(classes->refused, r.message, [&](py::object& o) {
        o.attr("file") = r.file.isEmpty() ? py::object(py::none()) : text(r.file);
        o.attr("frame") = number(r.frame);
        o.attr("channel") = number(r.channel);
        o.attr("position") = number(r.position);
        o.attr("range") =
            r.low < 0 ? py::object(py::none()) : py::object(py::make_tuple(r.low, r.high));
        o.attr("strike") = r.strike.isEmpty() ? py::object(py::none()) : text(r.strike);
      });
    } catch (const FileError& e) {
      raise(classes->fileError, QString::fromStdString(e.what()), [&](py::object& o) {
        o.attr("path") = text(e.path);
        o.attr("reason") = text(e.reason);
        o.attr("position") = number(e.position);
      });
    } catch (const Error& e) {
      raise(classes->error, QString::fromStdString(e.what()));
    } catch (const vornctl::CliError& e) {
      raiseCliError(e);
    }
  });
}

}  // namespace vornpy
