#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "model/action_model.h"
#include "model/limits.h"

// Motion craft on frames the board already plays: a move eased into shorter frames along a
// timing curve, poses mirrored about the middle of a channel, frames played backwards.
// The board moves every servo linearly within a frame; a list of poses therefore plays as
// stiff jerks unless a move is cut into steps that speed up and slow down.
namespace easing {

// A timing curve from (0, 0) to (1, 1) as a cubic Bézier with control points (x1, y1) and
// (x2, y2): x is the share of the move's time gone, y the share of the way covered.
// Control points are held within the unit square, so time only runs forward and no step
// overshoots the move's ends (which would leave a channel's safe range).
struct Curve {
  double x1 = 0;
  double y1 = 0;
  double x2 = 1;
  double y2 = 1;

  // The share of the way covered when `t` of the time has gone (both 0 to 1).
  double at(double t) const;
  Curve held() const;
  friend bool operator==(const Curve&, const Curve&) = default;
};

enum class Kind { In, Out, InOut, Custom };
inline constexpr Curve kIn{0.42, 0, 1, 1};
inline constexpr Curve kOut{0, 0, 0.58, 1};
inline constexpr Curve kInOut{0.42, 0, 0.58, 1};
Curve curveOf(Kind kind, const Curve& custom = {});
// "in", "out", "in-out", or four numbers "x1,y1,x2,y2" each 0 to 1; nothing otherwise.
std::optional<Curve> parseCurve(const QString& text);

// The step time a user may ask for: a frame's shortest time up to its longest.
inline constexpr limits::Range kStepMs{limits::kFrameTime.minimum, limits::kFrameTime.maximum,
                                       limits::kFrameTime.minimum};

// The times of the steps a move of `totalMs` is cut into at about `stepMs` each: as many as
// fit whole, none shorter than `stepMs` nor longer than a frame may be, adding up to
// totalMs exactly. A move too short for two steps stays one.
QList<qint64> stepTimes(qint64 totalMs, int stepMs);

// One move to ease: from frame `row - 1` to frame `row` of the list.
struct EasedMove {
  int row = 0;
  // What replaces frame `row`: the steps, the last of them at the frame's own pose.
  VelmarFrames steps;
};

struct EasePlan {
  QList<EasedMove> moves;  // ascending rows, only moves cut into two or more steps
  int added = 0;           // frames the list gains
  // The first move whose steps would take the list past the budget (its end row), or -1.
  int overBudgetRow = -1;
  bool refused() const { return overBudgetRow >= 0; }
};

// Eases each move between two adjacent rows both in `rows` (ascending, as a selection
// gives them). A channel absent from a move's end frame stays absent in its steps; one
// present there but absent from its start frame starts from the position an earlier frame
// last gave it, and is left out of the steps (so it still moves in the last) when none did.
// A plan that would take the list beyond `budget` frames is refused, naming the move.
EasePlan planEase(const VelmarFrames& frames, const QList<int>& rows, const Curve& curve,
                  int stepMs, int budget = limits::kMaxFramesPerGroup);
// The list with the plan's moves eased (the list as it is when the plan was refused).
VelmarFrames applied(const VelmarFrames& frames, const EasePlan& plan);

// The channels whose middle the base's turn goes through, by default the mirrored ones.
using Channels = std::array<bool, limits::kArmChannels>;
// A copy of `frame` with each chosen channel mirrored about the middle position
// (500 + x becomes 500 - x). Absent channels and positions beyond the range stay as they are,
// so mirroring twice gives back the frame.
VelmarFrame mirrored(const KoVelmarPwmModel& frame, const Channels& channels);

// The frames played backwards: the poses in reverse order, each reached in the time the
// forward play took to leave it. A frame's time is the time to reach its pose, so the
// first reversed frame keeps the approach time the first frame had. Reversing twice gives
// back the frames.
VelmarFrames reversed(const VelmarFrames& frames);

// Channels 1 to 6 as the frame sends them: a field holds at most the top position, while its
// move and record keep a file's own value beyond it.
frame::ArmPositions sentPositions(const KoVelmarPwmModel& frame);
// A frame that takes `time` ms to reach `positions` (as sentPositions gives them), encoded
// behind `frame`'s move header and in its record layout.
VelmarFrame framed(const KoVelmarPwmModel& frame, qint64 time,
                   const frame::ArmPositions& positions);
// A copy of `frame` with only its time changed, in its fields, move and record alike.
VelmarFrame retimed(const KoVelmarPwmModel& frame, qint64 time);

}  // namespace easing
