// Python's headers come before Qt's, whose `slots` keyword they use as a name.
#include <pybind11/pybind11.h>

#include <pybind11/operators.h>
#include <pybind11/stl.h>

#include <QFileInfo>
#include <QtMath>
#include <cmath>

#include "cli/exit_codes.h"
#include "cli/profile_check.h"
#include "model/file_io.h"
#include "model/send_check.h"
#include "python/frames.h"
#include "python/link_thread.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace vornpy {

namespace {

// As large as a profile the editor imports may be.
constexpr qint64 kMaxProfileBytes = 1 << 20;
// Nearer the base's axis than this, any heading reaches the point: the base stays.
constexpr double kOnAxisMm = 1e-6;
// A point the base cannot turn to by more than this lies out of reach.
constexpr double kSidewaysMm = 0.5;

struct Verdict {
  std::optional<Refusal> refusal;
};

struct ReachResult {
  KoChannelPositions positions;
  std::array<double, 3> tip{};
  bool clamped = false;
};

// The base's heading in degrees, clockwise seen from above as the editor's dial turns it, for
// a point x forward and y to the left.
double headingOf(double x, double y) { return -qRadiansToDegrees(std::atan2(y, x)); }

// Refusal with the words vornctl prints: its check raises them.
template <class Check>
QString vornctlWords(Check check) {
  (void)LinkThread::instance();  // installs the chosen language
  try {
    check();
  } catch (const vornctl::CliError& e) {
    return e.message();
  }
  return {};
}

Refusal refusalFrom(const sending::Refusal& r, const QString& message, const QString& file) {
  return Refusal{message,
                 file,
                 r.frame < 0 ? -1 : r.frame + 1,
                 r.channel,
                 r.position,
                 r.low,
                 r.high,
                 r.strike ? sending::strikeText(r.strike) : QString()};
}

py::object text(const QString& s) { return py::str(s.toStdString()); }

py::object orNone(int v) { return v < 0 ? py::object(py::none()) : py::object(py::int_(v)); }

KoChannelPositions currentOf(py::handle current) {
  KoChannelPositions out;
  if (current.is_none()) return out;
  const Frame pose =
      framesOf(py::make_tuple(py::module_::import("vorn").attr("Frame")("positions"_a = current)))
          .front();
  for (size_t c = 0; c < out.size(); ++c) {
    if (pose.positions[c]) out[c] = int(*pose.positions[c]);
  }
  return out;
}

double finite(double v, const char* what) {
  if (!std::isfinite(v)) throw py::value_error(std::string(what) + " must be a finite number");
  return v;
}

KoArmProfile readProfile(const QString& path) {
  (void)LinkThread::instance();
  const KoTools::FileRead in = KoTools::readFile(path, kMaxProfileBytes);
  if (!in.ok()) throw FileError(path, KoTools::describe(in.error));
  QString error;
  std::optional<KoArmProfile> profile = KoArmProfile::fromJson(in.data, &error);
  if (!profile) throw FileError(path, error);
  // As the editor imports it: a profile without a name is called after its file.
  if (profile->name.trimmed().isEmpty()) profile->name = QFileInfo(path).completeBaseName();
  return *profile;
}

QString escaped(const QString& s) { return vornctl::printable(s).toHtmlEscaped(); }

// The middle pose from the side, over the ground line, with the base's column.
QString armSvg(const KoArmProfile& profile) {
  KoChannelPositions middle;
  middle.fill(limits::kPosition.start);
  const kinematics::Skeleton s = kinematics::skeleton(profile, middle);
  const double column = profile.linksMm[KoArmProfile::kColumn];
  const double r = profile.reachMm() + 20;
  const double left = -r, top = column + r, width = 2 * r, height = column + r + 20;
  auto n = [](double v) { return QString::number(v, 'f', 1); };
  auto px = [&](QPointF p) { return n(p.x()) + u',' + n(top - p.y()); };
  QString svg = QStringLiteral(
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"320\" height=\"%1\" "
                    "viewBox=\"%2 0 %3 %4\">")
                    .arg(n(320 * height / width), n(left), n(width), n(height));
  const QString name = escaped(profile.name);
  svg += QStringLiteral("<title>%1</title>").arg(name);
  svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#7c8189\"/>")
             .arg(n(left), n(top), n(left + width));
  svg += QStringLiteral(
             "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"#e9ebee\" "
             "stroke=\"#7c8189\"/>")
             .arg(n(-profile.columnRadiusMm), n(top - column), n(2 * profile.columnRadiusMm),
                  n(column));
  QStringList points;
  for (const QPointF& p : s) points.append(px(p));
  svg += QStringLiteral(
             "<polyline points=\"%1\" fill=\"none\" stroke=\"#c25e00\" stroke-width=\"6\" "
             "stroke-linejoin=\"round\" stroke-linecap=\"round\"/>")
             .arg(points.join(u' '));
  for (const QPointF& p : s) {
    svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"4\" fill=\"#2b2d31\"/>")
               .arg(n(p.x()), n(top - p.y()));
  }
  svg += QStringLiteral(
             "<text x=\"%1\" y=\"%2\" font-family=\"sans-serif\" font-size=\"%3\" "
             "fill=\"#2b2d31\">%4</text>")
             .arg(n(left + width / 40), n(width / 16), n(width / 24), name);
  return svg + QStringLiteral("</svg>");
}

}  // namespace

std::optional<Refusal> refusalOf(const KoArmProfile& profile, const Frames& frames,
                                 const QString& file) {
  const QList<QByteArray> moves = movesOf(frames);
  const std::optional<sending::Refusal> r = sending::framesRefusal(profile, moves);
  if (!r) return std::nullopt;
  // Frames in memory have no file to name; the message names them all the same.
  const QString named = file.isEmpty() ? QStringLiteral("the list") : file;
  return refusalFrom(*r, vornctlWords([&] { vornctl::checkFrames(profile, named, moves); }), file);
}

std::optional<Refusal> refusalOfMove(const KoArmProfile& profile, int id, int position) {
  const std::optional<sending::Refusal> r = sending::moveRefusal(profile, id, position);
  if (!r) return std::nullopt;
  return refusalFrom(*r, vornctlWords([&] { vornctl::checkMove(profile, id, position); }), {});
}

kinematics::Reach reachPoint(const KoArmProfile& profile, const KoChannelPositions& current,
                             double x, double y, double z, kinematics::WristHold hold) {
  KoChannelPositions start = current;
  const int base = profile.joints.joints[KoArmJoints::kBase].channel;
  const double distance = std::hypot(x, y);
  const bool turns = base >= 1 && base <= limits::kArmChannels && distance > kOnAxisMm;
  if (turns) start[size_t(base - 1)] = kinematics::basePositionFor(profile, headingOf(x, y));
  // Beyond the base's turn the arm reaches as far as it can in the plane it turned to.
  const double taken = kinematics::jointAngles(profile, start)[KoArmJoints::kBase];
  const double off = turns ? qDegreesToRadians(headingOf(x, y) - taken) : 0;
  kinematics::Reach r =
      kinematics::reach(profile, start, QPointF(distance * std::cos(off), z), hold);
  if (std::abs(distance * std::sin(off)) > kSidewaysMm) r.clamped = true;
  if (turns) r.positions[size_t(base - 1)] = start[size_t(base - 1)];
  return r;
}

void bindProfiles(py::module_& m) {
  py::class_<Verdict>(m, "Verdict", R"(What a profile says of frames: bool(verdict) is ok.

When not ok: frame (from 1), channel and position, range (low, high) for a position outside its
channel's safe range; strike ("the ground", "the base's column" or both) for a pose that would
strike; message in vornctl's words.)")
      .def_property_readonly("ok", [](const Verdict& v) { return !v.refusal; })
      .def("__bool__", [](const Verdict& v) { return !v.refusal; })
      .def_property_readonly(
          "frame", [](const Verdict& v) { return orNone(v.refusal ? v.refusal->frame : -1); })
      .def_property_readonly(
          "channel", [](const Verdict& v) { return orNone(v.refusal ? v.refusal->channel : -1); })
      .def_property_readonly(
          "position", [](const Verdict& v) { return orNone(v.refusal ? v.refusal->position : -1); })
      .def_property_readonly("range",
                             [](const Verdict& v) -> py::object {
                               if (!v.refusal || v.refusal->low < 0) return py::none();
                               return py::make_tuple(v.refusal->low, v.refusal->high);
                             })
      .def_property_readonly("strike",
                             [](const Verdict& v) -> py::object {
                               if (!v.refusal || v.refusal->strike.isEmpty()) return py::none();
                               return text(v.refusal->strike);
                             })
      .def_property_readonly("message",
                             [](const Verdict& v) -> py::object {
                               return v.refusal ? text(v.refusal->message) : py::object(py::none());
                             })
      .def("__repr__", [](const Verdict& v) -> std::string {
        if (!v.refusal) return "Verdict(ok=True)";
        return "Verdict(ok=False, message=" + std::string(py::repr(text(v.refusal->message))) + ")";
      });

  py::class_<ReachResult>(m, "Reach", "Where inverse kinematics put the arm.")
      .def_property_readonly(
          "positions",
          [](const ReachResult& r) {
            py::tuple out(r.positions.size());
            for (size_t c = 0; c < r.positions.size(); ++c) {
              out[c] =
                  r.positions[c] ? py::object(py::int_(*r.positions[c])) : py::object(py::none());
            }
            return out;
          },
          "Channels 1 to 6; None where `current` left a channel absent.")
      .def_property_readonly(
          "tip", [](const ReachResult& r) { return py::make_tuple(r.tip[0], r.tip[1], r.tip[2]); },
          "Where the tip ends up, (x, y, z) mm.")
      .def_property_readonly(
          "clamped", [](const ReachResult& r) { return r.clamped; },
          "True when the point lay out of reach and the nearest point the arm reaches was taken.")
      .def("__repr__", [](const ReachResult& r) {
        return "Reach(tip=(" + std::to_string(r.tip[0]) + ", " + std::to_string(r.tip[1]) + ", " +
               std::to_string(r.tip[2]) + "), clamped=" + (r.clamped ? "True" : "False") + ")";
      });

  py::class_<KoArmProfile>(m, "Profile", R"(An arm profile: the arm's joints, links and safe ranges.

Points are in mm: x forward (the base's middle position points that way), y to the left, z up,
the origin on the ground at the base's axis.)")
      .def_static(
          "shipped", [] { return std::vector<KoArmProfile>{KoArmProfile::shipped()}; },
          "The profiles Vorn ships, as a list.")
      .def_static(
          "load",
          [](py::object nameOrPath) {
            const bool isStr = py::isinstance<py::str>(nameOrPath);
            if (!isStr && !py::hasattr(nameOrPath, "__fspath__")) {
              throw py::type_error("give a profile's name or the path of a .json profile");
            }
            const QString given =
                isStr ? QString::fromStdString(nameOrPath.cast<std::string>()) : QString();
            if (isStr && !given.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) &&
                !given.contains(u'/')) {
              (void)LinkThread::instance();  // the settings' place and the language
              return vornctl::profileNamed(given);
            }
            return readProfile(pathOf(nameOrPath));
          },
          "name_or_path"_a,
          "A profile by its name in the desktop program's settings (ValueError naming those there "
          "are when none has it), or from a .json profile file as the editor imports it "
          "(FileError when it cannot be read or is no profile). An os.PathLike, or a str that "
          "ends in .json or holds a '/', is a file.")
      .def_property_readonly(
          "name", [](const KoArmProfile& p) { return text(p.name); }, "The profile's name.")
      .def_property_readonly(
          "ranges",
          [](const KoArmProfile& p) {
            py::tuple out(p.channels.size());
            for (size_t c = 0; c < p.channels.size(); ++c) {
              out[c] = py::make_tuple(p.channels[c].lowest, p.channels[c].highest);
            }
            return out;
          },
          "Each of channels 1 to 6's safe range, (low, high).")
      .def(
          "reach",
          [](const KoArmProfile& p, double x, double y, double z, const std::string& wrist,
             py::object current) {
            if (wrist != "keep" && wrist != "lock") {
              throw py::value_error("wrist must be 'keep' or 'lock'");
            }
            const kinematics::Reach r =
                reachPoint(p, currentOf(current), finite(x, "x"), finite(y, "y"), finite(z, "z"),
                           wrist == "lock" ? kinematics::WristHold::LockJoint
                                           : kinematics::WristHold::KeepAngleToGround);
            const double heading =
                -qDegreesToRadians(kinematics::jointAngles(p, r.positions)[KoArmJoints::kBase]);
            return ReachResult{
                r.positions,
                {r.tip.x() * std::cos(heading), r.tip.x() * std::sin(heading), r.tip.y()},
                r.clamped};
          },
          "x"_a, "y"_a, "z"_a, "wrist"_a = "keep", "current"_a = py::none(),
          R"(Positions that put the gripper's tip at (x, y, z) mm: the base turned towards the point,
then shoulder, elbow and wrist solved in the arm's plane, within the safe ranges, nearest
`current` (six positions or {channel: position}; None: the middle). wrist="keep" keeps the
hand's angle to the ground where it can, "lock" the wrist joint's own angle.)")
      .def(
          "check",
          [](const KoArmProfile& p, py::object frames) {
            return Verdict{refusalOf(p, framesOf(frames), nameOf(frames))};
          },
          "frames"_a,
          "Judges frames (an ActionFile, a list of Frames or a file's path) as vornctl's --profile "
          "does: the first position outside its channel's safe range, else the first pose that "
          "would strike.")
      .def(py::self == py::self)
      .def("__repr__",
           [](const KoArmProfile& p) {
             return "Profile(" + std::string(py::repr(text(p.name))) + ")";
           })
      .def(
          "_repr_svg_", [](const KoArmProfile& p) { return armSvg(p).toStdString(); },
          "The arm at its middle pose from the side, as an SVG drawing.");
}

}  // namespace vornpy
