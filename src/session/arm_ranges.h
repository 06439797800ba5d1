#pragma once

#include <QObject>

#include "model/action_model.h"
#include "model/arm_profile.h"
#include "model/send_check.h"

// The arm profile the editor works to, kept in this one place: each channel's safe range and
// whether its servo is mounted the other way round. It starts with the chosen profile and
// follows every new choice; tests hand it a profile of their own.
class KoArmRanges : public QObject {
  Q_OBJECT

 public:
  using Channels = sending::Channels;
  static constexpr Channels kAllChannels = sending::kAllChannels;
  static constexpr Channels bit(int channel) { return sending::bit(channel); }

  explicit KoArmRanges(QObject* parent = nullptr);

  const KoArmProfile& profile() const { return profile_; }
  void setProfile(const KoArmProfile& profile);
  KoChannelProfile channel(int channel) const { return profile_.channel(channel); }
  // "ID:3", with the channel's name where the profile gives one: "ID:3 (Wrist)".
  QString channelLabel(int channel) const;

  // Every way a position gets into a frame goes through here: `frame` itself while the
  // present ones among `channels` lie within their ranges, otherwise a re-encoded copy with
  // each of them at the nearer end of its range. `moved` gets the channels it moved.
  VelmarFrame inRange(const VelmarFrame& frame, Channels channels = kAllChannels,
                      Channels* moved = nullptr) const;
  // The present channels that lie outside their ranges.
  Channels outside(const KoVelmarPwmModel& frame) const;
  // Why the pose would strike (kinematics::Fault bits), as it is sent: within the ranges.
  quint8 faults(const KoVelmarPwmModel& frame) const;

  // The first frame of a run or a download that went out with a position moved into range.
  using FirstMoved = sending::First;
  // Says, once for a run or a download, that positions went out at a range's end, naming the
  // first frame (by the number the table shows) and channel.
  QString clampedNotice(int frameNumber, Channels moved) const;

 signals:
  void profileChanged();

 private:
  KoArmProfile profile_;
};
