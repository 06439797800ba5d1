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

Check check(const KoArmProfile& profile, const std::vector<frame::ArmPositions>& poses) {
  Check out;
  out.sent.reserve(poses.size());
  for (size_t f = 0; f < poses.size(); ++f) {
    const Sent sent = inRange(profile, poses[f]);
    out.moved.note(int(f), sent.moved);
    out.strike.note(int(f), kinematics::poseFaults(profile, sent.positions));
    out.sent.push_back(sent.positions);
  }
  return out;
}

}  // namespace sending
