#include "model/send_check.h"

#include "model/arm_kinematics.h"

namespace sending {

Sent inRange(const KoArmProfile& profile, const frame::ArmPositions& pose) {
  Sent out;
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    const std::optional<qint64>& position = pose[size_t(c - 1)];
    if (!position) continue;
    const KoChannelProfile& range = profile.channels[size_t(c - 1)];
    out.positions[size_t(c - 1)] = range.clamp(*position);
    if (!range.contains(*position)) out.moved |= bit(c);
  }
  return out;
}

quint8 faults(const KoArmProfile& profile, const frame::ArmPositions& pose) {
  return kinematics::poseFaults(profile, inRange(profile, pose).positions);
}

First firstStrike(const KoArmProfile& profile, const std::vector<frame::ArmPositions>& poses) {
  First strike;
  for (size_t f = 0; f < poses.size() && !strike; ++f)
    strike.note(int(f), faults(profile, poses[f]));
  return strike;
}

QString strikeText(quint8 faults) {
  const bool ground = faults & kinematics::kBelowGround;
  const bool column = faults & kinematics::kIntoColumn;
  if (ground && column) return qtTrId("strike_both");
  return ground ? qtTrId("strike_ground") : qtTrId("strike_column");
}

}  // namespace sending
