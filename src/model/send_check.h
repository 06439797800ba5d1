#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

#include "model/arm_pose.h"
#include "model/arm_profile.h"
#include "model/move_frame.h"

// What goes to the arm under a profile, decided once for every front end: each present
// position held to its channel's safe range, and the pose judged for a strike as it is sent,
// within the ranges. The editor sends the held positions and asks before a strike; vornctl
// refuses both.
namespace sending {

// Channels 1 to 6 by bit, channel 1 the lowest.
using Channels = quint8;
inline constexpr Channels kAllChannels = (1u << limits::kArmChannels) - 1;
constexpr Channels bit(int channel) { return Channels(1u << (channel - 1)); }

// The first frame of a list that has something to say, and what (channels or Fault bits).
struct First {
  int frame = -1;
  quint8 bits = 0;
  explicit operator bool() const { return frame >= 0; }
  void note(int at, quint8 found) {
    if (found && frame < 0) {
      frame = at;
      bits = found;
    }
  }
};

// One pose as it goes out. An absent channel stays absent: the move names no position for
// it, so its servo stays where it is.
struct Sent {
  KoChannelPositions positions;
  Channels moved = 0;  // the present channels that lay outside their ranges
};
Sent inRange(const KoArmProfile& profile, const frame::ArmPositions& pose);

// kinematics::Fault bits of the pose as it goes out; an absent channel counts at the middle
// position, where the arm view draws it.
quint8 faults(const KoArmProfile& profile, const frame::ArmPositions& pose);

// The first pose of a list that would strike as sent; bits: kinematics::Fault.
First firstStrike(const KoArmProfile& profile, const std::vector<frame::ArmPositions>& poses);

// What a pose would strike, in the words every front end uses: "the ground", "the base's
// column" or both.
QString strikeText(quint8 faults);

// Why a profile refuses a frame or a move, for each front end to put into its own words.
struct Refusal {
  int frame = -1;     // from 0; -1 for a single move
  int channel = -1;   // the servo's id; -1 for a frame's pose that would strike
  int position = -1;  // -1 for a frame's pose that would strike
  int low = -1;       // the channel's safe range, for a position outside it
  int high = -1;
  quint8 strike = 0;  // kinematics::Fault bits; 0 for a position outside its range
};

// A single servo's move: outside its channel's safe range, or striking with the arm's other
// channels at the middle.
std::optional<Refusal> moveRefusal(const KoArmProfile& profile, int id, int position);
// The moves as they go to the board: the first frame with a position outside its channel's
// safe range (in the order the move names its servos); failing that, the first whose pose
// would strike. What is no move is passed over.
std::optional<Refusal> framesRefusal(const KoArmProfile& profile, const QList<QByteArray>& moves);

}  // namespace sending
