#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <array>
#include <memory>
#include <optional>

#include "model/move_frame.h"

// One frame of an action group: move these servos to these positions within `time` ms.
// Beside its editable values a frame keeps two derived blocks, re-encoded whenever an edit
// is accepted: `bytes`, the ready multi-servo move, and `data`, its positions record
// (12 bytes from the sliders, or the 14-byte file record with the time first).
// An edit by key is checked and clamped; an accepted one re-encodes, a refused one changes
// nothing and says so to its caller, whose screen tells the user ("modify_erro"). A frame in
// a list is edited by edited(), which leaves it as it is and returns the edited copy for the
// list to put in its place, or nothing when the edit is refused.
class KoActionModel {
 public:
  virtual ~KoActionModel();

  qint64 ID = 0;
  qint64 time = 0;
  QString action;
  QByteArray data;
  QByteArray bytes;

  // Edits this frame in place. False when the edit is refused and the frame left as it was; a
  // key that names no field is only logged.
  virtual bool setValue(const QVariant& value, const QString& key) = 0;
  // A missing value reached a numeric field: nothing is stored. Refused for any field but the
  // time, which keeps its value unasked.
  bool setNilValueForKey(const QString& key);

 protected:
  KoActionModel() = default;
  KoActionModel(const KoActionModel& other) = default;
  KoActionModel& operator=(const KoActionModel&) = default;

  // Recomputes `bytes` and `data` from the edited values.
  virtual void reEncode() = 0;
  // Handles what both kinds of frame share: a missing value and the "time" key. Nothing when
  // the key is left to the caller, else whether the edit was taken.
  std::optional<bool> setSharedValue(const QVariant& value, const QString& key);
};

class KoVelmarPwmModel final : public KoActionModel {
 public:
  static constexpr int kChannelCount = 16;

  KoVelmarPwmModel() = default;
  std::shared_ptr<KoVelmarPwmModel> copy() const;

  // Channel 1 to 16; 0 when never set.
  qint64 id(int channel) const;
  // Also makes the channel present.
  void setId(int channel, qint64 position);
  // An absent channel takes no part in the frame: its move names no position for it and
  // its record slot holds the absent-channel marker, however the other fields are edited.
  bool isPresent(int channel) const;
  // Channels 1 to 6, which the move, the record and the positions text carry.
  frame::ArmPositions armPositions() const;
  // "#1 P500 #2 P620 " for the present channels of 1 to 6.
  QString positionsText() const;

  // A re-encoded copy with "time" or "id1" to "id16" set from a typed value (clamped into
  // range), or null when the value is refused or the key names no field.
  std::shared_ptr<KoVelmarPwmModel> edited(const QString& key, const QVariant& value) const;
  bool setValue(const QVariant& value, const QString& key) override;

 private:
  KoVelmarPwmModel(const KoVelmarPwmModel&) = default;
  void reEncode() override;
  std::array<qint64, kChannelCount> ids_{};
  quint16 present_ = 0;
};

// A frame read from an action file for the batch download; its positions live in `action`
// ("#1 P500 #2 P620 ").
class KoPwmModel final : public KoActionModel {
 public:
  KoPwmModel() = default;

  bool setValue(const QVariant& value, const QString& key) override;

 private:
  KoPwmModel(const KoPwmModel&) = default;
  void reEncode() override;
  bool acceptsAction(const QString& text) const;
};

using VelmarFrame = std::shared_ptr<KoVelmarPwmModel>;
using PwmFrame = std::shared_ptr<KoPwmModel>;
using VelmarFrames = QList<VelmarFrame>;
using PwmFrames = QList<PwmFrame>;

namespace KoTools {
// What a frame's edit stores for a duration or a position typed as `value` (clamped into
// range), or nothing when the edit is refused.
std::optional<qint64> editedTime(const QVariant& value);
std::optional<qint64> editedPosition(const QVariant& value);

// The pieces of a positions text with spaces removed, split at every "#" and "P": piece 0
// is what precedes the first "#", odd pieces are servo ids, even pieces positions.
QStringList actionPieces(const QString& action);
// The servos a positions text names, in order.
QList<frame::NamedPosition> actionPositions(const QString& action);
// One servo's piece of a positions text: "#1 P500 ".
QString actionPositionText(qint64 id, qint64 position);
}  // namespace KoTools
