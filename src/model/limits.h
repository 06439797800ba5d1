#pragma once

#include <QtGlobal>

// Every range the board, the action files and the screens share, written once. The model,
// the link, the virtual board, both screens and vornctl read their numbers from here, so a
// rule that the editor applies is the rule the command line applies.
namespace limits {

// A range of whole values with the place a control starts at.
struct Range {
  int minimum;
  int maximum;
  int start;
  constexpr bool contains(qint64 v) const { return v >= minimum && v <= maximum; }
  constexpr int clamp(qint64 v) const {
    return v < minimum ? minimum : (v > maximum ? maximum : static_cast<int>(v));
  }
};

// A frame's duration in ms. An edit below the minimum stores the minimum, above the
// maximum the maximum; a command-line move may ask for 0 (at once).
inline constexpr Range kFrameTime{50, 30000, 1000};
inline constexpr Range kMoveTime{0, kFrameTime.maximum, 0};
// A soft start gives the run's first move at least this long, unless told otherwise.
inline constexpr int kDefaultSoftStartMs = 1000;

// The board's stored action groups, numbered from 0.
inline constexpr int kGroupCount = 231;
inline constexpr Range kGroup{0, kGroupCount - 1, 0};
// What one group holds; a longer list is refused before anything is sent.
inline constexpr int kMaxFramesPerGroup = 1020;
// How many times over a run plays a group, as its 16-bit count says.
inline constexpr Range kRunTimes{1, 65535, 1};
// An action file counts its frames in 16 bits.
inline constexpr int kMaxFramesPerFile = 0xFFFF;

// The arm's channels and the servo ids a command may name (254 speaks to every servo, so it
// is no id of its own).
inline constexpr int kArmChannels = 6;
inline constexpr Range kServoId{0, 253, 1};
// Ids one id-list command (unload, read, store or read trims) can carry.
inline constexpr int kMaxIdsPerList = 40;

// Servo positions, with the middle every reset moves to.
inline constexpr Range kPosition{0, 1000, 500};
// A position read back from a servo: 1001 to 2000 is past the end stop and reads as the
// end; above 2000 the reading wrapped below zero and reads as 0.
inline constexpr int kReadingPastEndStop = 2000;
constexpr int readBackPosition(qint64 reading) {
  if (reading > kReadingPastEndStop) return kPosition.minimum;
  if (reading > kPosition.maximum) return kPosition.maximum;
  return static_cast<int>(reading);
}

// A channel's trim.
inline constexpr Range kTrim{-100, 100, 0};

// The bus-servo tool: the parameters a user sets and writes, and its test controls.
namespace bus {
inline constexpr Range kToolServoId{0, 40, 1};  // what the tool's id slider offers
inline constexpr Range kAngleMin{0, 999, 0};
inline constexpr Range kAngleMax{1, 1000, 1000};
// Voltage limits in millivolts, set in 0.1 V steps.
inline constexpr int kVoltageStep = 100;
inline constexpr Range kVoltageMin{4500, 13900, 4500};
inline constexpr Range kVoltageMax{4600, 14000, 14000};
inline constexpr Range kTemperatureLimit{50, 100, 85};  // degrees Celsius
inline constexpr Range kTestMoveTime{0, 3000, 0};
inline constexpr Range kTargetPosition = kPosition;
inline constexpr Range kMotorSpeed{-1000, 1000, 0};
// Readings above these are shown at these.
inline constexpr int kPositionReadingMax = kPosition.maximum;
inline constexpr int kVoltageReadingMax = 15000;  // millivolts
}  // namespace bus

}  // namespace limits
