#pragma once

#include <QObject>
#include <vector>

#include "session/arm_ranges.h"

class KoFrameListModel;

// What is wrong with each frame of the list for the chosen arm: the channels that lie outside
// their safe ranges (a file or a read-back brought them in) and whether the pose would strike.
// Kept per row and brought up to date only for the rows a change touched, so that an edit of
// a list of 65,535 frames costs what one frame does; the whole list is looked at again only
// when the profile changes. Made before the views that show the marks, so that it has heard
// of a change before they paint it.
class KoFrameMarks : public QObject {
  Q_OBJECT

 public:
  struct Mark {
    KoArmRanges::Channels outside = 0;
    quint8 faults = 0;  // kinematics::Fault bits
    explicit operator bool() const { return outside || faults; }
  };

  KoFrameMarks(KoFrameListModel* model, const KoArmRanges* ranges, QObject* parent = nullptr);

  Mark at(int row) const {
    return row >= 0 && size_t(row) < marks_.size() ? marks_[size_t(row)] : Mark{};
  }
  int count() const { return int(marks_.size()); }
  // The first row whose pose would strike, -1 when none would.
  int firstStrike() const;

  // What the pose would strike: "the ground", "the base's column" or both.
  static QString strikeText(quint8 faults);
  // The tooltip of a table cell: the range a channel's position lies outside, and what the
  // row's pose would strike. Empty for a cell with nothing to say.
  QString cellTip(int row, int channel) const;
  // The same for a whole frame, its number first, as the curves show it.
  QString frameTip(int row) const;

 signals:
  // Every mark was looked at again: the profile changed.
  void marksReset();

 private:
  void framesChanged(int row, int removed, int inserted);
  void recomputeAll();
  Mark markOf(int row) const;
  QString rangeText(int channel) const;

  KoFrameListModel* model_;
  const KoArmRanges* ranges_;
  std::vector<Mark> marks_;
};
