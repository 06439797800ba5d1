#pragma once

#include <QList>
#include <array>

#include "model/action_model.h"
#include "model/arm_pose.h"
#include "model/limits.h"
#include "model/move_frame.h"

// The arm's pose as the editor holds it: a position and a trim per channel, which channels
// take part (a hidden channel keeps its value but stays out of frames and commands), and the
// time a frame recorded from it takes. Channel c is index c - 1.
struct KoPose {
  static constexpr int kChannels = frame::kRecordChannels;

  std::array<qint64, kChannels> positions = filled(limits::kPosition.start);
  std::array<qint64, kChannels> trims = filled(limits::kTrim.start);
  std::array<bool, kChannels> shown = {true, true, true, true, true, true};
  qint64 time = limits::kFrameTime.start;

  // The shown channels' positions; hidden ones hold no value.
  KoChannelPositions present() const;
  // The ids of a read, unload or trim command: the shown channels, in order.
  QList<int> shownIds() const;

  friend bool operator==(const KoPose&, const KoPose&) = default;

 private:
  static constexpr std::array<qint64, kChannels> filled(qint64 value) {
    std::array<qint64, kChannels> a{};
    a.fill(value);
    return a;
  }
};

namespace KoTools {

// A new frame of the shown channels (index: 0-based place of the new frame).
VelmarFrame frameOfPose(const KoPose& pose, int index);
// A frame from a position read-back of `ids`; `complete` tells whether each of them got a
// reading. Null when one is missing or none was read.
VelmarFrame frameOfReadings(const QList<ServoPosition>& readings, const QList<int>& ids, int index,
                            qint64 time, bool* complete);
// The pose with an edited frame's channels 1 to 6 (an absent one at its absent value).
KoPose poseWithFrame(KoPose pose, const KoVelmarPwmModel& frame);
// The pose with the channels a file frame's positions text names.
KoPose poseWithFileFrame(KoPose pose, const KoActionModel& frame);

}  // namespace KoTools
