#pragma once

#include <QByteArray>
#include <QList>
#include <QSettings>
#include <QString>
#include <optional>

#include "model/arm_pose.h"

// A pose kept under a name: the positions of the channels that were shown when it was saved;
// the hidden ones are absent and a move to the pose leaves them where they are.
struct KoNamedPose {
  QString name;
  KoChannelPositions positions;
  friend bool operator==(const KoNamedPose&, const KoNamedPose&) = default;
};

// The user's named poses, kept in the settings as a JSON text, and exchanged as JSON files:
//   {"version": 1, "poses": [{"name": "Wave", "ch1": 500, "ch2": null, ...}]}
// with ch1 to ch6 each a position 0 to 1000 or null for an absent channel.
class KoNamedPoses {
 public:
  static const char* const kSettingsKey;
  // Where save() keeps a value under kSettingsKey it could not read, rather than lose it.
  static const char* const kUnreadableKey;
  static constexpr int kVersion = 1;
  // Longer names are cut: they are shown under a small picture.
  static constexpr int kMaxNameLength = 60;

  static KoNamedPoses load();
  // Anything but NoError means the poses are not kept beyond this run.
  [[nodiscard]] QSettings::Status save() const;

  const QList<KoNamedPose>& all() const { return poses_; }
  int indexOf(const QString& name) const;
  // Adds the pose, or replaces the one of the same name in its place. The name is simplified
  // and cut to kMaxNameLength. False for a name that is then empty or holds a character
  // KoTools::isUnprintable() refuses, or a pose without a channel.
  bool put(KoNamedPose pose);
  // The name as put() keeps it.
  static QString tidyName(const QString& name);
  bool remove(const QString& name);
  // A name not yet taken: `base` as put() keeps it, else "base 2", "base 3", ..., cut so that
  // the number fits.
  QString freeName(const QString& base) const;

  QByteArray toJson() const;
  // The poses a JSON text holds; otherwise nothing, with `error` naming the first fault and
  // where it is ("pose 2, ch3: ...").
  static std::optional<QList<KoNamedPose>> fromJson(const QByteArray& json,
                                                    QString* error = nullptr);
  // Adds poses read from a file; one whose name is taken gets a free one, so nothing already
  // kept is lost. Returns how many were added: all but those put() would refuse.
  int merge(const QList<KoNamedPose>& poses);

 private:
  QList<KoNamedPose> poses_;
};
