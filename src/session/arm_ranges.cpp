#include "session/arm_ranges.h"

#include <algorithm>
#include <bit>

#include "model/notification_center.h"

KoArmRanges::KoArmRanges(QObject* parent) : QObject(parent) {
  setProfile(KoArmProfiles::current());
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::armProfileChanged, this,
          [this] { setProfile(KoArmProfiles::current()); });
}

void KoArmRanges::setProfile(const KoArmProfile& profile) {
  KoArmProfile held = profile;
  // A range the store would refuse is held to the positions there are rather than trusted.
  for (KoChannelProfile& c : held.channels) {
    c.lowest = limits::kPosition.clamp(c.lowest);
    c.highest = std::max(c.lowest, limits::kPosition.clamp(c.highest));
  }
  if (held == profile_) return;
  profile_ = held;
  emit profileChanged();
}

QString KoArmRanges::channelLabel(int channel) const {
  const QString id = QStringLiteral("ID:%1").arg(channel);
  const QString name = profile_.channel(channel).shownName();
  return name.isEmpty() ? id : QStringLiteral("%1 (%2)").arg(id, name);
}

VelmarFrame KoArmRanges::inRange(const VelmarFrame& frame, Channels channels,
                                 Channels* moved) const {
  if (moved) *moved = 0;
  if (!frame) return frame;
  const sending::Sent sent = sending::inRange(profile_, frame->armPositions());
  const Channels out = sent.moved & channels;
  if (!out) return frame;
  VelmarFrame result = frame;
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    if (!(out & bit(c))) continue;
    result = result->edited(QStringLiteral("id%1").arg(c), *sent.positions[size_t(c - 1)]);
  }
  if (moved) *moved = out;
  return result;
}

KoArmRanges::Channels KoArmRanges::outside(const KoVelmarPwmModel& frame) const {
  return sending::inRange(profile_, frame.armPositions()).moved;
}

quint8 KoArmRanges::faults(const KoVelmarPwmModel& frame) const {
  return sending::faults(profile_, frame.armPositions());
}

QString KoArmRanges::clampedNotice(int frameNumber, Channels moved) const {
  const int channel = std::countr_zero(unsigned(moved)) + 1;
  const KoChannelProfile c = profile_.channel(channel);
  return qtTrId("send_clamped")
      .arg(frameNumber)
      .arg(channelLabel(channel))
      .arg(c.lowest)
      .arg(c.highest);
}
