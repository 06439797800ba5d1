// Python's headers come before Qt's, whose `slots` keyword they use as a name.
#include <pybind11/pybind11.h>

#include <pybind11/operators.h>
#include <pybind11/stl.h>

#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "model/action_file.h"
#include "model/action_text.h"
#include "model/easing.h"
#include "model/file_io.h"
#include "python/frames.h"
#include "python/link_thread.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace vornpy {

namespace {

// A list of frames as Python holds it (vorn.ActionFile), with the file it was last read from
// or written to.
struct ActionFile {
  Frames frames;
  std::optional<QString> path;
};

constexpr const char* kCurveNames[] = {"ease-in", "ease-out", "ease-in-out"};
constexpr easing::Kind kCurveKinds[] = {easing::Kind::In, easing::Kind::Out, easing::Kind::InOut};

// The texts of the model are translated: the link thread installs the chosen language.
void needTexts() { (void)LinkThread::instance(); }

std::string typeName(py::handle value) {
  return py::str(py::type::handle_of(value).attr("__name__"));
}

// Any whole number, NumPy's too; a bool is no position.
int wholeIn(py::handle value, limits::Range range, const std::string& what) {
  if (!PyIndex_Check(value.ptr()) || py::isinstance<py::bool_>(value)) {
    throw py::type_error(what + " must be a whole number, not " + typeName(value));
  }
  const py::object whole = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
  if (!whole) throw py::error_already_set();
  int overflow = 0;
  const long long v = PyLong_AsLongLongAndOverflow(whole.ptr(), &overflow);
  if (overflow != 0 || !range.contains(v)) {
    throw py::value_error(what + " " + std::string(py::str(value)) + " is outside " +
                          std::to_string(range.minimum) + " to " + std::to_string(range.maximum));
  }
  return int(v);
}

bool isPath(py::handle value) {
  return py::isinstance<py::str>(value) || py::hasattr(value, "__fspath__");
}

py::object pathObject(const QString& path) {
  const QByteArray native = KoTools::nativeFileName(path);
  return py::module_::import("os").attr("fsdecode")(py::bytes(native.constData(), native.size()));
}

frame::ArmPositions positionsOf(py::handle values) {
  frame::ArmPositions out;
  auto put = [&](int channel, py::handle v) {
    if (!v.is_none()) {
      out[size_t(channel - 1)] =
          wholeIn(v, limits::kPosition, "channel " + std::to_string(channel) + "'s position");
    }
  };
  if (py::isinstance<py::dict>(values)) {
    for (auto [channel, v] : values.cast<py::dict>()) {
      put(wholeIn(channel, {1, limits::kArmChannels, 1}, "a channel"), v);
    }
  } else if (py::isinstance<py::sequence>(values) && !py::isinstance<py::str>(values) &&
             !py::isinstance<py::bytes>(values)) {
    const py::sequence six = values.cast<py::sequence>();
    if (six.size() != size_t(limits::kArmChannels)) {
      throw py::value_error(
          "positions must be six values, one for each of channels 1 to 6 (None for an absent "
          "channel), or a dict {channel: position}; got " +
          std::to_string(six.size()));
    }
    for (int c = 1; c <= limits::kArmChannels; ++c) put(c, six[size_t(c - 1)]);
  } else {
    throw py::type_error("positions must be six values or a dict {channel: position}, not " +
                         typeName(values));
  }
  return out;
}

py::tuple positionsTuple(const frame::ArmPositions& positions) {
  py::tuple out(positions.size());
  for (size_t c = 0; c < positions.size(); ++c) {
    out[c] = positions[c] ? py::object(py::int_(*positions[c])) : py::object(py::none());
  }
  return out;
}

Frames frameList(py::handle values) {
  if (py::isinstance<ActionFile>(values)) return values.cast<const ActionFile&>().frames;
  if (py::isinstance<py::str>(values) || py::isinstance<py::bytes>(values) ||
      !py::hasattr(values, "__iter__")) {
    throw py::type_error("frames must be an iterable of vorn.Frame, not " + typeName(values));
  }
  Frames out;
  for (py::handle f : py::iter(values)) {
    if (!py::isinstance<Frame>(f)) {
      throw py::type_error("frame " + std::to_string(out.size()) + " is a " + typeName(f) +
                           ", not a vorn.Frame");
    }
    out.push_back(f.cast<Frame>());
  }
  return out;
}

QList<KoTools::ActionRecord> recordsOf(const Frames& frames) {
  QList<KoTools::ActionRecord> records;
  records.reserve(qsizetype(frames.size()));
  for (const Frame& f : frames) {
    KoTools::ActionRecord& r = records.emplace_back();
    r.time = quint16(f.timeMs);
    for (size_t c = 0; c < f.positions.size(); ++c) {
      r.positions[c] = f.positions[c] ? quint16(*f.positions[c]) : frame::kAbsentChannel;
    }
  }
  return records;
}

// Frames of records, each value held to a frame's rules; `bad` is told of the first that is
// not (its frame, field 0 for the time or the channel, and why) and throws.
Frames framesOfRecords(const QList<KoTools::ActionRecord>& records,
                       const std::function<void(qsizetype, int, const QString&)>& bad) {
  Frames out;
  out.reserve(size_t(records.size()));
  for (qsizetype i = 0; i < records.size(); ++i) {
    const KoTools::ActionRecord& r = records[i];
    const limits::Range time = limits::kFrameTime;
    if (!time.contains(r.time)) {
      bad(i, 0,
          QStringLiteral("frame %1: time %2 ms is outside %3 to %4")
              .arg(i + 1)
              .arg(r.time)
              .arg(time.minimum)
              .arg(time.maximum));
    }
    Frame& f = out.emplace_back(Frame{r.time, {}});
    for (int c = 1; c <= limits::kArmChannels; ++c) {
      const quint16 p = r.positions[size_t(c - 1)];
      if (p == frame::kAbsentChannel) continue;
      if (!limits::kPosition.contains(p)) {
        bad(i, c,
            QStringLiteral("frame %1, channel %2: position %3 is outside %4 to %5")
                .arg(i + 1)
                .arg(c)
                .arg(p)
                .arg(limits::kPosition.minimum)
                .arg(limits::kPosition.maximum));
      }
      f.positions[size_t(c - 1)] = p;
    }
  }
  return out;
}

std::optional<KoTools::ActionTextFormat> textFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("json")) return KoTools::ActionTextFormat::Json;
  if (suffix == QLatin1String("csv")) return KoTools::ActionTextFormat::Csv;
  return std::nullopt;
}

void warn(const QString& text) {
  if (PyErr_WarnEx(PyExc_UserWarning, text.toUtf8().constData(), 1) != 0) {
    throw py::error_already_set();
  }
}

Frames readActionFile(const QString& path) {
  const KoTools::FileRead read = KoTools::readFile(path, KoTools::kMaxActionFileSize);
  if (!read.ok()) throw FileError(path, KoTools::describe(read.error));
  const QByteArray& image = read.data;
  constexpr qint64 header = KoTools::kActionFileHeaderSize;
  constexpr qint64 record = KoTools::kActionRecordSize;
  using Fault = KoTools::ActionImageCheck::Fault;
  const KoTools::ActionImageCheck check = KoTools::checkActionImage(image);
  switch (check.fault) {
    case Fault::Short:
      throw FileError(
          path, QStringLiteral("it is shorter than an action file's %1-byte header").arg(header),
          check.position);
    case Fault::NotActionFile:
      throw FileError(path, QStringLiteral("it does not begin with an action file's header"),
                      check.position);
    case Fault::TooManyFrames:
      throw FileError(path,
                      QStringLiteral("it holds more than %1 frames").arg(KoTools::kMaxActionFrames),
                      check.position);
    case Fault::None:
      break;
  }
  if (check.spareBytes != 0) {
    warn(qtTrId("ctl_spare_bytes", int(check.spareBytes)).arg(path));
  }
  return framesOfRecords(KoTools::actionRecords(image),
                         [&](qsizetype f, int field, const QString& why) {
                           throw FileError(path, why, header + record * f + 2 * field);
                         });
}

Frames readActionText(const QString& path, KoTools::ActionTextFormat format) {
  const KoTools::FileRead read = KoTools::readFile(path, KoTools::kMaxActionTextSize);
  if (!read.ok()) throw FileError(path, KoTools::describe(read.error));
  KoTools::ActionTextError error;
  const auto records = KoTools::importActionText(read.data, format, &error);
  if (!records) {
    throw FileError(
        path,
        error.field.isEmpty() ? error.message : error.field + QStringLiteral(": ") + error.message,
        error.line);
  }
  if (records->size() > KoTools::kMaxActionFrames) {
    throw FileError(path,
                    QStringLiteral("it holds more than %1 frames").arg(KoTools::kMaxActionFrames));
  }
  return framesOfRecords(*records,
                         [&](qsizetype, int, const QString& why) { throw FileError(path, why); });
}

Frames readFrames(const QString& path) {
  needTexts();
  if (const auto format = textFormatOf(path)) return readActionText(path, *format);
  return readActionFile(path);
}

void writeFrames(const QString& path, const Frames& frames) {
  needTexts();
  if (frames.size() > size_t(KoTools::kMaxActionFrames)) {
    throw FileError(path, QStringLiteral("%1 frames: an action file holds at most %2")
                              .arg(frames.size())
                              .arg(KoTools::kMaxActionFrames));
  }
  const QList<KoTools::ActionRecord> records = recordsOf(frames);
  const auto format = textFormatOf(path);
  const QByteArray data =
      format ? KoTools::exportActionText(records, *format) : KoTools::actionImage(records);
  if (const KoTools::FileError e = KoTools::writeFile(path, data); e != KoTools::FileError::None) {
    throw FileError(path, KoTools::describe(e));
  }
}

// The editor's frames for a list, as it reads them from the list's file image.
VelmarFrames editorFrames(const Frames& frames) {
  return KoTools::readVelmarData(KoTools::actionImage(recordsOf(frames)));
}

ActionFile fromEditor(const VelmarFrames& frames) {
  const QList<KoTools::ActionRecord> records =
      KoTools::actionRecords(KoTools::changeToData(frames));
  return {framesOfRecords(records, [](qsizetype, int, const QString& why) { throw Error(why); }),
          std::nullopt};
}

easing::Curve curveOf(py::handle curve) {
  if (py::isinstance<py::str>(curve)) {
    const std::string name = curve.cast<std::string>();
    for (size_t i = 0; i < std::size(kCurveNames); ++i) {
      if (name == kCurveNames[i]) return easing::curveOf(kCurveKinds[i]);
    }
    std::string known;
    for (const char* n : kCurveNames) known += std::string(known.empty() ? "" : ", ") + n;
    throw py::value_error("no curve '" + name + "': the curves are " + known +
                          ", or four numbers (x1, y1, x2, y2) each 0 to 1");
  }
  if (py::isinstance<py::sequence>(curve) && py::len(curve) == 4) {
    QStringList numbers;
    for (py::handle v : curve) {
      if (!py::isinstance<py::int_>(v) && !py::isinstance<py::float_>(v)) {
        throw py::type_error("a curve's control points are numbers, not " + typeName(v));
      }
      numbers.append(QString::number(v.cast<double>(), 'g', 17));
    }
    if (const auto c = easing::parseCurve(numbers.join(u','))) return *c;
    throw py::value_error("a curve's control points (x1, y1, x2, y2) each lie within 0 to 1");
  }
  throw py::type_error("curve must be a name or four numbers (x1, y1, x2, y2)");
}

QList<int> rowsOf(py::handle rows, int count) {
  QList<int> out;
  if (rows.is_none()) {
    for (int r = 0; r < count; ++r) out.append(r);
    return out;
  }
  for (py::handle r : py::iter(rows)) {
    int row = wholeIn(r, {-count, std::max(count - 1, -count), 0}, "a row");
    if (count == 0) throw py::value_error("there are no frames to choose rows from");
    out.append(row < 0 ? row + count : row);
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

easing::Channels mirrorChannelsOf(py::handle channels) {
  easing::Channels out{};
  if (channels.is_none()) {
    const int base = KoArmProfile::shipped().joints.joints[KoArmJoints::kBase].channel;
    if (base >= 1 && base <= limits::kArmChannels) out[size_t(base - 1)] = true;
    return out;
  }
  const limits::Range channel{1, limits::kArmChannels, 1};
  if (py::isinstance<py::int_>(channels)) {
    out[size_t(wholeIn(channels, channel, "a channel") - 1)] = true;
    return out;
  }
  for (py::handle c : py::iter(channels)) out[size_t(wholeIn(c, channel, "a channel") - 1)] = true;
  return out;
}

QString number(double v) { return QString::number(v, 'f', 1); }

// The six channels' positions over time, each frame's pose where the frame ends, as the
// editor's curve view draws them; an absent channel breaks its line.
QString curvesSvg(const Frames& frames) {
  // The light theme's channel colours.
  static const char* const kColours[] = {"#c25e00", "#0277bd", "#2e7d32",
                                         "#c2185b", "#6a4fc4", "#7a7010"};
  constexpr double kWidth = 640, kHeight = 240, kMargin = 10;
  double total = 0;
  for (const Frame& f : frames) total += f.timeMs;
  const double plotW = kWidth - 2 * kMargin, plotH = kHeight - 2 * kMargin;
  auto x = [&](double t) { return kMargin + (total > 0 ? t / total * plotW : 0); };
  auto y = [&](double p) { return kMargin + plotH * (1 - p / limits::kPosition.maximum); };
  QString svg = QStringLiteral(
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                    "viewBox=\"0 0 %1 %2\">")
                    .arg(kWidth)
                    .arg(kHeight);
  svg += QStringLiteral("<title>%1 frames, %2 ms</title>").arg(frames.size()).arg(total);
  svg += QStringLiteral(
             "<rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%3\" fill=\"#ffffff\" "
             "stroke=\"#dcdfe3\"/>")
             .arg(kMargin)
             .arg(plotW)
             .arg(plotH);
  // An absent channel's servo stays where it was: its line holds its last position. Before
  // its first frame where it is is not known, so its line starts there.
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    QString points;
    double t = 0;
    std::optional<qint64> held;
    for (const Frame& f : frames) {
      t += f.timeMs;
      if (const auto& p = f.positions[size_t(c - 1)]) held = *p;
      if (held) points += number(x(t)) + u',' + number(y(double(*held))) + u' ';
    }
    if (points.isEmpty()) continue;
    const QLatin1String colour(kColours[c - 1]);
    svg += QStringLiteral(
               "<polyline class=\"channel%1\" points=\"%2\" fill=\"none\" stroke=\"%3\" "
               "stroke-width=\"1.5\" stroke-linejoin=\"round\"/>")
               .arg(QString::number(c), points.trimmed(), colour);
    // The channels' numbers in their colours, so that each line can be told.
    svg += QStringLiteral(
               "<text x=\"%1\" y=\"%2\" fill=\"%3\" font-family=\"sans-serif\" "
               "font-size=\"11\">%4</text>")
               .arg(number(kMargin + 6 + 12 * (c - 1)), number(kMargin + 14), colour,
                    QString::number(c));
  }
  svg += QStringLiteral(
             "<text x=\"%1\" y=\"%2\" fill=\"#5f6368\" font-family=\"sans-serif\" "
             "font-size=\"11\" text-anchor=\"end\">%3 ms</text>")
             .arg(number(kWidth - kMargin - 6), number(kHeight - kMargin - 6))
             .arg(total);
  return svg + QStringLiteral("</svg>");
}

py::object array(const ActionFile& file, py::object dtype, py::object) {
  const py::module_ numpy = py::module_::import("numpy");
  const double nan = std::nan("");
  py::list rows;
  for (const Frame& f : file.frames) {
    py::list row;
    row.append(double(f.timeMs));
    for (const auto& p : f.positions) row.append(p ? double(*p) : nan);
    rows.append(row);
  }
  py::object out = file.frames.empty()
                       ? numpy.attr("empty")(py::make_tuple(0, 1 + limits::kArmChannels))
                       : numpy.attr("array")(rows, "dtype"_a = "float64");
  return dtype.is_none() ? out : out.attr("astype")(dtype);
}

ActionFile sliced(const ActionFile& file, const py::slice& slice) {
  size_t start = 0, stop = 0, step = 0, length = 0;
  if (!slice.compute(file.frames.size(), &start, &stop, &step, &length)) {
    throw py::error_already_set();
  }
  ActionFile out;
  for (size_t i = 0; i < length; ++i) out.frames.push_back(file.frames[start + i * step]);
  return out;
}

size_t indexOf(const ActionFile& file, py::handle index) {
  const py::ssize_t n = py::ssize_t(file.frames.size());
  PyObject* whole = PyNumber_Index(index.ptr());
  if (!whole) throw py::error_already_set();
  py::ssize_t i = PyLong_AsSsize_t(whole);
  Py_DECREF(whole);
  if (i == -1 && PyErr_Occurred()) throw py::error_already_set();
  if (i < 0) i += n;
  if (i < 0 || i >= n) throw py::index_error("frame index out of range");
  return size_t(i);
}

// A slice edit goes through a Python list, so that it follows a list's rules to the letter.
template <class Edit>
void throughList(ActionFile& file, Edit edit) {
  py::list list = py::cast(file.frames);
  edit(list);
  file.frames = frameList(list);
}

}  // namespace

QString pathOf(py::handle value) {
  const py::bytes native = py::module_::import("os").attr("fsencode")(value);
  const std::string_view bytes = native;
  // As open() does: no file's name holds one, and messages would end at it.
  if (bytes.find('\0') != std::string_view::npos) throw py::value_error("embedded null byte");
  return KoTools::fileNameFromNative(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

Frames framesOf(py::handle value) {
  if (isPath(value)) return readFrames(pathOf(value));
  return frameList(value);
}

QString nameOf(py::handle value) {
  if (py::isinstance<ActionFile>(value)) {
    const ActionFile& file = value.cast<const ActionFile&>();
    return file.path ? QFileInfo(*file.path).fileName() : QString();
  }
  return isPath(value) ? QFileInfo(pathOf(value)).fileName() : QString();
}

QList<QByteArray> movesOf(const Frames& frames) {
  // Through the file image, as a download of the same frames saved to a file reads them; an
  // image holds so many frames at most.
  QList<QByteArray> moves;
  const QList<KoTools::ActionRecord> records = recordsOf(frames);
  for (qsizetype at = 0; at < records.size(); at += KoTools::kMaxActionFrames) {
    const QByteArray image = KoTools::actionImage(records.mid(at, KoTools::kMaxActionFrames));
    for (const PwmFrame& f : KoTools::readPwmData(image)) moves.append(f->bytes);
  }
  return moves;
}

// A range as the docstrings write it, from the one header that holds it.
std::string range(limits::Range r) {
  return std::to_string(r.minimum) + " to " + std::to_string(r.maximum);
}

void bindFiles(py::module_& m) {
  static const std::string frameDoc =
      "One frame: the time to reach a pose, and the pose.\n\ntime_ms is " +
      range(limits::kFrameTime) + ". positions are six values for channels 1 to 6, each " +
      range(limits::kPosition) +
      " or None\nfor an absent channel (its servo stays where it is), or a dict {channel: "
      "position}. A frame is\na value: compare it, hash it, make a new one to change it.";
  py::class_<Frame>(m, "Frame", frameDoc.c_str())
      .def(py::init([](py::object time, py::object positions) {
             return Frame{wholeIn(time, limits::kFrameTime, "time_ms"), positionsOf(positions)};
           }),
           "time_ms"_a = limits::kFrameTime.start,
           "positions"_a = py::make_tuple(py::none(), py::none(), py::none(), py::none(),
                                          py::none(), py::none()))
      .def_property_readonly(
          "time_ms", [](const Frame& f) { return f.timeMs; }, "Milliseconds to reach the pose.")
      .def_property_readonly(
          "positions", [](const Frame& f) { return positionsTuple(f.positions); },
          "Channels 1 to 6: a position, or None for an absent channel.")
      .def(py::self == py::self)
      .def("__hash__",
           [](const Frame& f) {
             return py::hash(py::make_tuple(f.timeMs, positionsTuple(f.positions)));
           })
      .def("__repr__", [](const Frame& f) {
        return "Frame(time_ms=" + std::to_string(f.timeMs) +
               ", positions=" + std::string(py::repr(positionsTuple(f.positions))) + ")";
      });

  py::class_<ActionFile>(m, "ActionFile", R"(A list of frames, as an action file holds them.

It behaves as a list of vorn.Frame (len, [i], slices, del, append, insert, extend, iteration)
and remembers the path it was last read from or written to. ActionFile.read() and write() take
.rob action files, and .json and .csv texts as vornctl's `file export` writes them.)")
      .def(py::init([](py::object frames) {
             return ActionFile{frameList(frames), std::nullopt};
           }),
           "frames"_a = py::tuple())
      .def_static(
          "read",
          [](py::object path) {
            if (!isPath(path)) throw py::type_error("path must be a str or os.PathLike");
            const QString p = pathOf(path);
            return ActionFile{readFrames(p), p};
          },
          "path"_a,
          "Reads an action file: .json and .csv as text, anything else as a .rob file. Raises "
          "FileError with the reason and the byte (.rob) or line (.json, .csv) where reading "
          "stopped. Values outside a frame's rules are refused, not changed.")
      .def(
          "write",
          [](ActionFile& file, py::object path) {
            if (!isPath(path)) throw py::type_error("path must be a str or os.PathLike");
            const QString p = pathOf(path);
            writeFrames(p, file.frames);
            file.path = p;
          },
          "path"_a,
          "Writes the frames, by the extension: .json, .csv, else a .rob action file. The old "
          "file stays as it was when writing fails. Raises FileError, also for more frames than "
          "a file holds (65535).")
      .def_property(
          "frames", [](const ActionFile& f) { return py::cast(f.frames); },
          [](ActionFile& f, py::object frames) { f.frames = frameList(frames); },
          "The frames, as a new list.")
      .def_property_readonly(
          "path",
          [](const ActionFile& f) { return f.path ? pathObject(*f.path) : py::object(py::none()); },
          "The file last read or written, or None.")
      .def("__len__", [](const ActionFile& f) { return f.frames.size(); })
      .def("__getitem__", [](const ActionFile& f, const py::slice& s) { return sliced(f, s); })
      .def("__getitem__", [](const ActionFile& f, py::object i) { return f.frames[indexOf(f, i)]; })
      .def("__setitem__",
           [](ActionFile& f, const py::slice& s, py::object frames) {
             const py::list checked = py::cast(frameList(frames));
             throughList(f, [&](py::list& l) { l[s] = checked; });
           })
      .def("__setitem__",
           [](ActionFile& f, py::object i, py::object frame) {
             if (!py::isinstance<Frame>(frame)) {
               throw py::type_error("an action file holds vorn.Frame, not " + typeName(frame));
             }
             f.frames[indexOf(f, i)] = frame.cast<Frame>();
           })
      .def("__delitem__",
           [](ActionFile& f, const py::slice& s) {
             throughList(f, [&](py::list& l) { l.attr("__delitem__")(s); });
           })
      .def("__delitem__",
           [](ActionFile& f, py::object i) {
             f.frames.erase(f.frames.begin() + py::ssize_t(indexOf(f, i)));
           })
      .def("__iter__", [](const ActionFile& f) { return py::iter(py::cast(f.frames)); })
      .def(
          "append",
          [](ActionFile& f, py::object frame) {
            f.frames.push_back(frameList(py::make_tuple(frame)).front());
          },
          "frame"_a, "Adds a frame at the end.")
      .def(
          "insert",
          [](ActionFile& f, py::ssize_t i, py::object frame) {
            const Frame added = frameList(py::make_tuple(frame)).front();
            const py::ssize_t n = py::ssize_t(f.frames.size());
            const py::ssize_t at = std::clamp(i < 0 ? i + n : i, py::ssize_t(0), n);
            f.frames.insert(f.frames.begin() + at, added);
          },
          "index"_a, "frame"_a, "Inserts a frame before index, as list.insert does.")
      .def(
          "extend",
          [](ActionFile& f, py::object frames) {
            const Frames more = frameList(frames);
            f.frames.insert(f.frames.end(), more.begin(), more.end());
          },
          "frames"_a, "Adds frames at the end.")
      .def("__eq__",
           [](const ActionFile& a, py::object b) -> py::object {
             if (!py::isinstance<ActionFile>(b)) {
               return py::reinterpret_borrow<py::object>(Py_NotImplemented);
             }
             return py::bool_(a.frames == b.cast<const ActionFile&>().frames);
           })
      .def("__repr__",
           [](const ActionFile& f) {
             std::string s = "ActionFile(" + std::to_string(f.frames.size()) + " frames";
             if (f.path) s += ", path=" + std::string(py::repr(pathObject(*f.path)));
             return s + ")";
           })
      .def("__array__", &array, "dtype"_a = py::none(), "copy"_a = py::none(),
           "The frames as a NumPy array of shape (n, 7): time_ms, then channels 1 to 6, NaN for "
           "an absent channel.")
      .def(
          "_repr_svg_", [](const ActionFile& f) { return curvesSvg(f.frames).toStdString(); },
          "The six channels' positions over time, as an SVG drawing.");
  py::setattr(m.attr("ActionFile"), "__hash__", py::none());

  static const std::string easeDoc =
      "Eases moves as the editor does: each move between two frames is cut into steps of "
      "about\nstep_ms (" +
      range(easing::kStepMs) +
      ") that speed up and slow down along the curve (\"ease-in\", \"ease-out\",\n"
      "\"ease-in-out\", or control points (x1, y1, x2, y2) each 0 to 1). rows: the indexes of "
      "the frames\nwhose moves between each other are eased; None for all. Returns a new "
      "ActionFile; ValueError\nwhen the list would grow past what a group holds (" +
      std::to_string(limits::kMaxFramesPerGroup) + " frames).";
  m.def(
      "ease",
      [](py::object frames, py::object curve, py::object stepMs, py::object rows) {
        const easing::Curve c = curveOf(curve);
        const int step = wholeIn(stepMs, easing::kStepMs, "step_ms");
        const Frames list = framesOf(frames);
        const VelmarFrames editor = editorFrames(list);
        const easing::EasePlan plan = easing::planEase(editor, rowsOf(rows, int(list.size())), c,
                                                       step, limits::kMaxFramesPerGroup);
        if (plan.refused()) {
          throw py::value_error("easing the move into frame " + std::to_string(plan.overBudgetRow) +
                                " would take the list past " +
                                std::to_string(limits::kMaxFramesPerGroup) + " frames");
        }
        return fromEditor(easing::applied(editor, plan));
      },
      "frames"_a, "curve"_a = "ease-in-out", "step_ms"_a = easing::kStepMs.start,
      "rows"_a = py::none(), easeDoc.c_str());
  m.def(
      "mirror",
      [](py::object frames, py::object channels) {
        const easing::Channels chosen = mirrorChannelsOf(channels);
        VelmarFrames out;
        for (const VelmarFrame& f : editorFrames(framesOf(frames))) {
          out.append(easing::mirrored(*f, chosen));
        }
        return fromEditor(out);
      },
      "frames"_a, "channels"_a = py::none(),
      "Mirrors the chosen channels' positions about the middle (500 + x becomes 500 - x), as the "
      "editor does: a channel or an iterable of channels 1 to 6; None for the base's channel of "
      "the shipped profile. Returns a new ActionFile.");
  m.def(
      "reverse",
      [](py::object frames) {
        return fromEditor(easing::reversed(editorFrames(framesOf(frames))));
      },
      "frames"_a,
      "The frames played backwards, as the editor reverses them: the poses in reverse order, "
      "each reached in the time the forward play took to leave it. Returns a new ActionFile.");
}

}  // namespace vornpy
