// Python's headers come before Qt's, whose `slots` keyword they use as a name.
#include <pybind11/functional.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <QJsonObject>
#include <algorithm>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/servo_params.h"
#include "link/protocol.h"
#include "python/board.h"

namespace py = pybind11;
using namespace std::chrono_literals;

namespace vornpy {

namespace {

int whole(py::handle value, limits::Range range, const char* what) {
  if (!py::isinstance<py::int_>(value) || py::isinstance<py::bool_>(value)) {
    throw py::type_error(std::string(what) + " must be a whole number, not " +
                         std::string(py::str(py::type::handle_of(value).attr("__name__"))));
  }
  const long long v = value.cast<long long>();
  if (!range.contains(v)) {
    throw py::value_error(std::string(what) + " " + std::to_string(v) + " is outside " +
                          std::to_string(range.minimum) + " to " + std::to_string(range.maximum));
  }
  return int(v);
}

// {id: value} or six values for channels 1 to 6, None for a channel left alone.
QList<std::pair<int, int>> perServo(py::handle values, limits::Range range, const char* what) {
  QList<std::pair<int, int>> out;
  auto add = [&](py::handle id, py::handle v) {
    if (v.is_none()) return;
    out.append({whole(id, limits::kServoId, "a servo id"), whole(v, range, what)});
  };
  if (py::isinstance<py::dict>(values)) {
    for (auto [id, v] : values.cast<py::dict>()) add(id, v);
  } else if (py::isinstance<py::sequence>(values) && !py::isinstance<py::str>(values)) {
    const py::sequence six = values.cast<py::sequence>();
    if (six.size() != limits::kArmChannels) {
      throw py::value_error(
          "give six values, one for each of channels 1 to 6 (None for a "
          "channel left alone), or a dict {id: value}; got " +
          std::to_string(six.size()));
    }
    for (int c = 0; c < limits::kArmChannels; ++c) add(py::int_(c + 1), six[size_t(c)]);
  } else {
    throw py::type_error(std::string(what) + "s must be a dict {id: value} or six values");
  }
  if (out.size() > protocol::kMaxIds) {
    throw py::value_error("at most " + std::to_string(protocol::kMaxIds) + " servos at once");
  }
  return out;
}

QList<int> idsOf(py::handle ids) {
  QList<int> out;
  if (ids.is_none()) {
    for (int c = 1; c <= limits::kArmChannels; ++c) out.append(c);
    return out;
  }
  if (py::isinstance<py::int_>(ids)) return {whole(ids, limits::kServoId, "a servo id")};
  for (py::handle id : py::iter(ids)) out.append(whole(id, limits::kServoId, "a servo id"));
  if (out.size() > protocol::kMaxIds) {
    throw py::value_error("at most " + std::to_string(protocol::kMaxIds) + " servos at once");
  }
  return out;
}

// Six values for channels 1 to 6 when no ids were given, else {id: value}; None where a
// servo gave no answer.
template <class Reading>
py::object readings(py::handle ids, const QList<int>& asked, const QList<Reading>& got,
                    const std::function<int(const Reading&)>& value) {
  auto of = [&](int id) -> py::object {
    for (const Reading& r : got)
      if (r.id == id) return py::int_(value(r));
    return py::none();
  };
  if (ids.is_none()) {
    py::tuple six(asked.size());
    for (qsizetype i = 0; i < asked.size(); ++i) six[size_t(i)] = of(asked[i]);
    return six;
  }
  py::dict out;
  for (int id : asked) out[py::int_(id)] = of(id);
  return out;
}

int groupOf(py::handle group, bool allowAll) {
  if (allowAll && py::isinstance<py::str>(group) && group.cast<std::string>() == "all") {
    return protocol::kAllGroups;
  }
  return whole(group, limits::kGroup, "a group");
}

py::dict servoRecord(const KoServoInfo& info) {
  py::dict out;
  for (int i = 0; i < vornctl::kServoParamCount; ++i) {
    const vornctl::ServoParam& p = vornctl::kServoParams[i];
    std::string key = p.option;
    std::replace(key.begin(), key.end(), '-', '_');
    const double v = vornctl::servoParamValue(info, i);
    if (p.kind == vornctl::ServoParamKind::Switch) {
      out[key.c_str()] = py::bool_(v != 0);
    } else if (p.kind == vornctl::ServoParamKind::Volts) {
      out[key.c_str()] = py::float_(v);
    } else {
      out[key.c_str()] = py::int_(int(v));
    }
  }
  const QJsonObject live = vornctl::servoInfoJson(info);
  for (const char* k : {"position", "voltage", "temperature"}) {
    const QJsonValue v = live.value(QLatin1String(k));
    if (!v.isUndefined()) out[k] = v.isNull() ? py::object(py::none()) : py::float_(v.toDouble());
  }
  return out;
}

// Waits for a run with the GIL released, looking for Ctrl+C as it goes: the run stops as the
// Stop button stops it, and KeyboardInterrupt is raised.
bool waitForPlay(Board& board, const std::shared_future<PlayEnd>& ended) {
  for (;;) {
    {
      py::gil_scoped_release released;
      if (ended.wait_for(50ms) == std::future_status::ready) break;
    }
    if (PyErr_CheckSignals() != 0) {
      py::error_already_set interrupted;
      board.stopPlaying();
      throw interrupted;
    }
  }
  return ended.get() == PlayEnd::Played;
}

struct PlayHandle {
  std::shared_ptr<Board> board;
  std::shared_future<PlayEnd> ended;
};

int softStartOf(py::handle soft) {
  if (py::isinstance<py::bool_>(soft)) return soft.cast<bool>() ? limits::kDefaultSoftStartMs : 0;
  return whole(soft, limits::kMoveTime, "a soft start");
}

Frames checkedFrames(Board& board, py::handle value) {
  Frames frames = framesOf(value);
  if (board.profile) {
    if (std::optional<Refusal> r = refusalOf(*board.profile, frames, nameOf(value))) {
      throw Refused(*r);
    }
  }
  return frames;
}

}  // namespace

void bindBoard(py::module_& m) {
  py::class_<PlayHandle>(m, "Playing", "A run started by Board.play_async().")
      .def(
          "stop", [](PlayHandle& h) { h.board->stopPlaying(); }, "Stops the run.")
      .def(
          "wait",
          [](PlayHandle& h, std::optional<double> timeout) -> py::object {
            if (timeout) {
              py::gil_scoped_release released;
              if (h.ended.wait_for(std::chrono::duration<double>(*timeout)) !=
                  std::future_status::ready) {
                return py::none();
              }
            }
            return py::bool_(waitForPlay(*h.board, h.ended));
          },
          py::arg("timeout") = py::none(),
          "Waits for the run to end: True when it played to its end, False when stopped, None "
          "when the timeout (seconds) passed first. Raises BoardLost.")
      .def_property_readonly("running", [](PlayHandle& h) {
        return h.ended.wait_for(0s) != std::future_status::ready;
      });

  auto options = [](int timeoutMs) {
    Board::Options o;
    o.session.timeout =
        std::chrono::milliseconds(whole(py::int_(timeoutMs), vornctl::kTimeoutMs, "timeout_ms"));
    return o;
  };
  py::class_<Board, std::shared_ptr<Board>>(m, "Board", R"(The arm's controller board.

Open one with Board.usb(), Board.serial(port) or Board.simulate(); use it in a with block, or
call close(). Positions are 0 to 1000, times in milliseconds.)")
      .def_static(
          "usb", [options](int timeoutMs) { return Board::open(options(timeoutMs)); },
          py::kw_only(), py::arg("timeout_ms") = vornctl::kTimeoutMs.start,
          "The one board on USB. Raises NoBoard when there is none, several, or one this user "
          "may not open.")
      .def_static(
          "serial",
          [options](const std::string& port, int baud, int timeoutMs) {
            Board::Options o = options(timeoutMs);
            o.session.serialPort = QString::fromStdString(port);
            o.session.baud = whole(py::int_(baud), vornctl::kBaud, "baud");
            return Board::open(o);
          },
          py::arg("port"), py::arg("baud") = vornctl::kBaud.start, py::kw_only(),
          py::arg("timeout_ms") = vornctl::kTimeoutMs.start,
          "A board whose serial line carries servo moves; what needs an answer needs USB.")
      .def_static(
          "simulate",
          [options](int servos, const std::vector<std::string>& faults, bool instant,
                    int timeoutMs) {
            Board::Options o = options(timeoutMs);
            o.session.simulate = true;
            o.session.simulatedServos =
                whole(py::int_(servos), vornctl::kSimulatedServos, "servos");
            for (const std::string& f : faults) o.session.faults.append(QString::fromStdString(f));
            o.instant = instant;
            return Board::open(o);
          },
          py::arg("servos") = 1, py::kw_only(), py::arg("faults") = std::vector<std::string>{},
          py::arg("instant") = false, py::arg("timeout_ms") = vornctl::kTimeoutMs.start,
          "The virtual board, with `servos` bus servos. instant=True makes moves and play() take "
          "no time. faults as vornctl's --sim-fault takes them: 'drop-ack:STEP', "
          "'no-reply:COMMAND', 'unplug-after:FRAMES', 'pull-after:FRAMES', 'reading:ID:VALUE', "
          "'bus-reading:POSITION:MILLIVOLTS'.")
      .def("__enter__", [](std::shared_ptr<Board> b) { return b; })
      .def("__exit__", [](Board& b, py::args) { b.close(); })
      .def("close", &Board::close, "Stops playing and lets the board go.")
      .def_property_readonly("closed", [](Board& b) { return !b.isOpen(); })
      .def_property_readonly("over_serial", &Board::overSerial)
      .def_property(
          "profile",
          [](Board& b) -> py::object {
            return b.profile ? py::cast(*b.profile) : py::object(py::none());
          },
          [](Board& b, py::object p) {
            b.profile = p.is_none() ? std::nullopt : std::optional(p.cast<KoArmProfile>());
          },
          "An arm profile (or None): every move, play and download is then held to its safe "
          "ranges and the ground check, and refused with Refused.")
      .def(
          "move",
          [](Board& b, py::object positions, int ms) {
            const QList<std::pair<int, int>> servos =
                perServo(positions, limits::kPosition, "a position");
            const int time = whole(py::int_(ms), limits::kMoveTime, "ms");
            QList<ServoPosition> moves;
            Frame pose{time, {}};
            for (auto [id, p] : servos) {
              moves.append({id, p});
              if (id >= 1 && id <= limits::kArmChannels) pose.positions[size_t(id - 1)] = p;
            }
            if (b.profile) {
              for (auto [id, p] : servos) {
                if (std::optional<Refusal> r = refusalOfMove(*b.profile, id, p)) throw Refused(*r);
              }
              if (std::optional<Refusal> r = refusalOf(*b.profile, {pose}, {})) throw Refused(*r);
            }
            if (!moves.isEmpty()) b.move(moves, time);
          },
          py::arg("positions"), py::arg("ms") = 0,
          "Moves servos within ms: a dict {id: position} or six positions for channels 1 to 6, "
          "None for a channel left where it is.")
      .def(
          "move_to",
          [](Board& b, double x, double y, double z, int ms, py::object profile,
             const std::string& wrist) {
            const std::optional<KoArmProfile> p =
                profile.is_none() ? b.profile : std::optional(profile.cast<KoArmProfile>());
            if (!p)
              throw py::value_error(
                  "move_to needs a profile: pass profile= or set "
                  "board.profile");
            if (wrist != "keep" && wrist != "lock") {
              throw py::value_error("wrist must be 'keep' or 'lock'");
            }
            const int time = whole(py::int_(ms), limits::kMoveTime, "ms");
            KoChannelPositions current;
            for (const ServoPosition& r : b.positions({1, 2, 3, 4, 5, 6})) {
              current[size_t(r.id - 1)] = limits::readBackPosition(r.position);
            }
            const kinematics::Reach reach =
                reachPoint(*p, current, x, y, z,
                           wrist == "lock" ? kinematics::WristHold::LockJoint
                                           : kinematics::WristHold::KeepAngleToGround);
            Frame pose{time, {}};
            QList<ServoPosition> moves;
            for (int c = 1; c <= limits::kArmChannels; ++c) {
              if (!reach.positions[size_t(c - 1)]) continue;
              pose.positions[size_t(c - 1)] = *reach.positions[size_t(c - 1)];
              moves.append({c, *reach.positions[size_t(c - 1)]});
            }
            if (std::optional<Refusal> r = refusalOf(*p, {pose}, {})) throw Refused(*r);
            b.move(moves, time);
            return reach.clamped;
          },
          py::arg("x"), py::arg("y"), py::arg("z"), py::arg("ms") = 0, py::kw_only(),
          py::arg("profile") = py::none(), py::arg("wrist") = "keep",
          "Moves the gripper's tip to (x, y, z) mm by inverse kinematics under the profile. "
          "Returns True when the point lay out of reach and the nearest one was taken.")
      .def(
          "positions",
          [](Board& b, py::object ids) {
            const QList<int> asked = idsOf(ids);
            // Past the end stop reads as the end, a wrapped reading as 0, as on the screens.
            return readings<ServoPosition>(ids, asked, b.positions(asked), [](const auto& r) {
              return limits::readBackPosition(r.position);
            });
          },
          py::arg("ids") = py::none(),
          "Reads positions back: six values for channels 1 to 6, or {id: position} for the "
          "ids given; None where a servo gave no answer.")
      .def(
          "unload", [](Board& b, py::object ids) { b.unload(idsOf(ids)); },
          py::arg("ids") = py::none(), "Lets the servos go limp, to be posed by hand.")
      .def(
          "trims",
          [](Board& b, py::object ids) {
            const QList<int> asked = idsOf(ids);
            return readings<protocol::ServoDeviation>(ids, asked, b.trims(asked),
                                                      [](const auto& r) { return r.deviation; });
          },
          py::arg("ids") = py::none(), "Reads trims, as positions() reads positions.")
      .def(
          "set_trims",
          [](Board& b, py::object trims) {
            for (auto [id, t] : perServo(trims, limits::kTrim, "a trim")) b.setTrim(id, t);
          },
          py::arg("trims"), "Sets trims (-100 to 100): {id: trim} or six values.")
      .def(
          "store_trims", [](Board& b, py::object ids) { b.storeTrims(idsOf(ids)); },
          py::arg("ids") = py::none(), "Keeps the trims on the servos.")
      .def(
          "download",
          [](Board& b, py::object frames, py::object group, py::object progress) {
            const int g = groupOf(group, false);
            const Frames checked = checkedFrames(b, frames);
            if (checked.size() > size_t(limits::kMaxFramesPerGroup)) {
              throw py::value_error(std::to_string(checked.size()) +
                                    " frames: a group holds at most " +
                                    std::to_string(limits::kMaxFramesPerGroup));
            }
            std::optional<py::error_already_set> failed;
            std::function<void(int, int)> told;
            if (!progress.is_none()) {
              told = [&](int done, int total) {
                py::gil_scoped_acquire gil;
                if (failed) return;
                try {
                  progress(done, total);
                } catch (py::error_already_set& e) {
                  failed = std::move(e);
                }
              };
            }
            b.download(checked, nameOf(frames), g, told);
            if (failed) throw *failed;
          },
          py::arg("frames"), py::arg("group"), py::arg("progress") = py::none(),
          "Downloads frames (an ActionFile, a list of Frames or a file's path) into a group, "
          "0 to 230. progress(done, total) is called after each frame.")
      .def(
          "run",
          [](Board& b, py::object group, int times) {
            b.run(groupOf(group, false), whole(py::int_(times), limits::kRunTimes, "times"));
          },
          py::arg("group"), py::arg("times") = 1, "Runs a stored group on the board.")
      .def("stop", &Board::stop, "Stops whatever plays: a run of play() and a group.")
      .def(
          "erase", [](Board& b, py::object group) { b.erase(groupOf(group, true)); },
          py::arg("group"), "Erases a group, or every group with \"all\".")
      .def("servo_count", &Board::servoCount, "How many bus servos answer.")
      .def(
          "read_servo", [](Board& b) { return servoRecord(b.readServo()); },
          "The lone bus servo's parameters and readings; Refused unless exactly one answers.")
      .def(
          "write_servo",
          [](Board& b, py::kwargs params) {
            if (params.empty()) throw py::type_error("write_servo needs a parameter to write");
            QList<std::pair<int, double>> values;
            for (auto [key, value] : params) {
              const std::string name = key.cast<std::string>();
              int index = -1;
              for (int i = 0; i < vornctl::kServoParamCount; ++i) {
                std::string option = vornctl::kServoParams[i].option;
                std::replace(option.begin(), option.end(), '-', '_');
                if (option == name) index = i;
              }
              if (index < 0) throw py::type_error("write_servo has no parameter " + name);
              if (!py::isinstance<py::int_>(value) && !py::isinstance<py::float_>(value)) {
                throw py::type_error(name + " must be a number or a bool");
              }
              values.append({index, value.cast<double>()});
            }
            return servoRecord(b.writeServo(values));
          },
          "Writes parameters of the lone bus servo (id, min_angle, max_angle, min_voltage, "
          "max_voltage, temperature_limit, led, stall_alarm, over_voltage_alarm, "
          "over_temperature_alarm); Refused unless exactly one answers. Returns the record.")
      .def(
          "play",
          [](std::shared_ptr<Board> b, py::object frames, bool loop, py::object soft) {
            const int softMs = softStartOf(soft);
            return waitForPlay(*b, b->play(checkedFrames(*b, frames), loop, softMs));
          },
          py::arg("frames"), py::arg("loop") = false, py::arg("soft_start") = false,
          "Plays frames on the arm, each for its time, as the editor's online run does; "
          "soft_start (True, or ms) gives the first move more time. Returns True when played to "
          "the end, False when stopped. Ctrl+C stops the arm and raises KeyboardInterrupt.")
      .def(
          "play_async",
          [](std::shared_ptr<Board> b, py::object frames, bool loop, py::object soft) {
            const int softMs = softStartOf(soft);
            return PlayHandle{b, b->play(checkedFrames(*b, frames), loop, softMs)};
          },
          py::arg("frames"), py::arg("loop") = false, py::arg("soft_start") = false,
          "Starts play() and returns a handle with stop() and wait().")
      .def_property_readonly("playing", &Board::isPlaying)
      .def(
          "_simulated_frames",
          [](Board& b, int command) {
            py::list out;
            for (const QByteArray& f : b.simulatedFrames(command))
              out.append(py::bytes(f.constData(), size_t(f.size())));
            return out;
          },
          py::arg("command"));
}

}  // namespace vornpy
