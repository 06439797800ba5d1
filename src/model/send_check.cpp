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

std::optional<Refusal> moveRefusal(const KoArmProfile& profile, int id, int position) {
  const KoChannelProfile channel = profile.channel(id);
  if (!channel.contains(position)) {
    return Refusal{-1, id, position, channel.lowest, channel.highest, 0};
  }
  frame::ArmPositions pose;
  if (id >= 1 && id <= limits::kArmChannels) pose[size_t(id - 1)] = position;
  if (const quint8 found = faults(profile, pose)) return Refusal{-1, id, position, -1, -1, found};
  return std::nullopt;
}

std::optional<Refusal> framesRefusal(const KoArmProfile& profile, const QList<QByteArray>& moves) {
  std::vector<frame::ArmPositions> poses;
  poses.reserve(size_t(moves.size()));
  for (qsizetype f = 0; f < moves.size(); ++f) {
    const QByteArray& move = moves[f];
    frame::ArmPositions& pose = poses.emplace_back();
    if (move.size() < frame::kMoveHeaderSize || move[3] != frame::kMoveCommand) continue;
    for (qsizetype at = frame::kMoveHeaderSize; at + 3 <= move.size(); at += 3) {
      const int id = static_cast<quint8>(move[at]);
      const int position = frame::le16(move, at + 1);
      if (id >= 1 && id <= limits::kArmChannels) pose[size_t(id - 1)] = position;
      const KoChannelProfile channel = profile.channel(id);
      if (!channel.contains(position)) {
        return Refusal{int(f), id, position, channel.lowest, channel.highest, 0};
      }
    }
  }
  if (const First strike = firstStrike(profile, poses)) {
    return Refusal{strike.frame, -1, -1, -1, -1, strike.bits};
  }
  return std::nullopt;
}

}  // namespace sending
