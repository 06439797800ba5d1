#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

#include "model/arm_kinematics.h"
#include "model/arm_profile.h"
#include "model/limits.h"
#include "model/move_frame.h"
#include "python/errors.h"

namespace pybind11 {
class handle;
class module_;
}  // namespace pybind11

// What the board, file and profile parts of the module share.
namespace vornpy {

// One frame as Python sees it (vorn.Frame): a time and channels 1 to 6, an absent channel
// empty, so that its servo stays where it is.
struct Frame {
  int timeMs = limits::kFrameTime.start;
  frame::ArmPositions positions;
  friend bool operator==(const Frame&, const Frame&) = default;
};
using Frames = std::vector<Frame>;

// Frames from what a caller passed: a vorn.ActionFile, a sequence of vorn.Frame, or the path
// (str or os.PathLike) of an action file in any format ActionFile.read takes. Throws
// FileError for a file, pybind11::type_error for anything else.
Frames framesOf(pybind11::handle value);
// A str or os.PathLike path as the bytes the system takes, so that no name is lost on the way;
// ValueError for a NUL in it.
QString pathOf(pybind11::handle value);
// The file's name to name in a refusal: the path's file name, or "" for frames in memory.
QString nameOf(pybind11::handle value);
// Each frame's move as the board takes it, in a download and in a run.
QList<QByteArray> movesOf(const Frames& frames);

// The first frame the profile refuses: a position outside its channel's safe range, or a
// pose that would strike. `file` is named in the message.
std::optional<Refusal> refusalOf(const KoArmProfile& profile, const Frames& frames,
                                 const QString& file);
// A single servo's move, judged as vornctl's --profile judges it.
std::optional<Refusal> refusalOfMove(const KoArmProfile& profile, int id, int position);

// Positions that put the tip at (x, y, z) mm: the base turned towards it, then shoulder,
// elbow and wrist solved in the arm's plane. `current` gives the other channels. x points
// where the base's middle position does, y to the left (the base's angle grows clockwise seen
// from above, as the editor's dial turns it), z up; the origin lies on the ground at the base's
// axis, the kinematics' foot. A point the base cannot turn to counts as out of reach.
kinematics::Reach reachPoint(const KoArmProfile& profile, const KoChannelPositions& current,
                             double x, double y, double z, kinematics::WristHold hold);

void bindFiles(pybind11::module_& m);
void bindProfiles(pybind11::module_& m);

}  // namespace vornpy
