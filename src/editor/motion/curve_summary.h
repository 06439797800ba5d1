#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

#include "model/action_model.h"
#include "model/limits.h"

// What the curve view draws, kept without touching the frames again: each frame's end time
// and positions in compact arrays the list's changes splice, and for each pixel column and
// channel the rows and the range of positions of the frames ending in that column. A change
// to the list or to the columns recomputes only the columns asked for, from the arrays.
class KoCurveSummary {
 public:
  static constexpr int kChannels = limits::kArmChannels;
  static constexpr qint16 kAbsent = -1;

  // One channel in one column: its first present frame there (-1 when none), where the line
  // from an earlier column arrives, and the lowest and highest position of all of them.
  struct Cell {
    int first = -1;
    qint16 low = 0;
    qint16 high = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
  };

  int count() const { return int(ends_.size()); }
  qint64 total() const { return ends_.empty() ? 0 : ends_.back(); }
  qint64 endOf(int row) const { return ends_[size_t(row)]; }
  // 0 to 1000, or kAbsent.
  int position(int row, int channel) const { return positions_[size_t(channel - 1)][size_t(row)]; }
  // First row ending at or after `ms`.
  int rowAtOrAfter(qint64 ms) const;

  // Replaces `removed` rows at `row` by frames[row] to frames[row + inserted - 1], read from
  // the list as it stands after the change.
  void splice(int row, int removed, int inserted, const VelmarFrames& frames);
  void reset(const VelmarFrames& frames) { splice(0, count(), int(frames.size()), frames); }

  // `columns` columns share [startMs, startMs + spanMs] evenly: each shows the frames ending
  // from its left edge up to its right one, the last also those ending on its right edge.
  // Forgets every column's cells; refresh() fills them.
  void setColumns(int columns, double startMs, double spanMs);
  int columns() const { return columns_; }
  double startMs() const { return start_; }
  double spanMs() const { return span_; }
  double msPerColumn() const { return span_ / columns_; }
  // Where a time lies in columns, fractional.
  double xOfTime(qint64 ms) const { return (double(ms) - start_) * perMs_; }
  // Rows ending in column c: [firstRowOf(c), firstRowOf(c + 1)).
  int firstRowOf(int column) const { return rowStarts_[size_t(column)]; }

  // Finds again which rows end in which column, after the list or the columns changed.
  void placeRows();
  // Recomputes the cells of columns [from, to] from rows placed.
  void refresh(int from, int to);
  const Cell& cell(int column, int channel) const {
    return cells_[size_t(column) * kChannels + size_t(channel - 1)];
  }

 private:
  std::vector<qint64> ends_;
  // One array per channel, so that a column's lowest and highest position are found over
  // contiguous memory, several rows at a time.
  std::array<std::vector<qint16>, kChannels> positions_;
  int columns_ = 0;
  double start_ = 0;
  double span_ = 1;
  double perMs_ = 1;  // columns per ms
  std::vector<int> rowStarts_{0};
  bool placed_ = false;
  std::vector<Cell> cells_;
};
