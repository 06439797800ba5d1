#include "editor/motion/curve_summary.h"

#include <algorithm>

#include "model/limits.h"

int KoCurveSummary::rowAtOrAfter(qint64 ms) const {
  return int(std::lower_bound(ends_.begin(), ends_.end(), ms) - ends_.begin());
}

void KoCurveSummary::splice(int row, int removed, int inserted, const VelmarFrames& frames) {
  row = std::clamp(row, 0, count());
  removed = std::clamp(removed, 0, count() - row);
  inserted = std::clamp(inserted, 0, int(frames.size()) - row);
  const qint64 before = row > 0 ? ends_[size_t(row) - 1] : 0;
  const qint64 removedTime = removed > 0 ? ends_[size_t(row + removed) - 1] - before : 0;
  const auto at = ends_.begin() + row;
  if (removed != inserted) {
    // One move of the tail either way; the rows kept in place are overwritten below.
    const int kept = std::min(removed, inserted);
    if (removed > inserted) {
      ends_.erase(at + kept, at + removed);
      for (std::vector<qint16>& p : positions_)
        p.erase(p.begin() + row + kept, p.begin() + row + removed);
    } else {
      ends_.insert(at + kept, size_t(inserted - kept), 0);
      for (std::vector<qint16>& p : positions_)
        p.insert(p.begin() + row + kept, size_t(inserted - kept), 0);
    }
  }
  qint64 t = before;
  for (int i = row; i < row + inserted; ++i) {
    const KoVelmarPwmModel& f = *frames[i];
    ends_[size_t(i)] = t += std::max<qint64>(0, f.time);
    for (int channel = 1; channel <= kChannels; ++channel) {
      positions_[size_t(channel - 1)][size_t(i)] =
          f.isPresent(channel) ? qint16(limits::kPosition.clamp(f.id(channel))) : kAbsent;
    }
  }
  placed_ = false;
  if (const qint64 shift = (t - before) - removedTime; shift != 0) {
    for (auto it = ends_.begin() + row + inserted; it != ends_.end(); ++it) *it += shift;
  }
}

void KoCurveSummary::setColumns(int columns, double startMs, double spanMs) {
  columns_ = std::max(1, columns);
  start_ = startMs;
  span_ = spanMs > 0 ? spanMs : 1;
  perMs_ = columns_ / span_;
  cells_.assign(size_t(columns_) * kChannels, Cell{});
  rowStarts_.assign(size_t(columns_) + 1, 0);
  placed_ = false;
}

void KoCurveSummary::placeRows() {
  if (placed_) return;
  placed_ = true;
  // Each column's first row lies a little past the one before: searched for in steps that
  // double from there, the lookups stay near each other in memory instead of halving the
  // whole list every time.
  const auto before = [](qint64 end, double ms) { return double(end) < ms; };
  const auto after = [](double ms, qint64 end) { return ms < double(end); };
  const auto from = [this](size_t low, auto reached) {
    size_t step = 1;
    while (low + step < ends_.size() && !reached(ends_[low + step])) step *= 2;
    return std::pair{ends_.begin() + low + step / 2,
                     ends_.begin() + std::min(low + step + 1, ends_.size())};
  };
  size_t low = 0;
  for (int c = 0; c < columns_; ++c) {
    const double edge = start_ + span_ * c / columns_;
    const auto [first, last] = from(low, [edge](qint64 end) { return double(end) >= edge; });
    low = size_t(std::lower_bound(first, last, edge, before) - ends_.begin());
    rowStarts_[size_t(c)] = int(low);
  }
  const double end = start_ + span_;
  const auto [first, last] = from(low, [end](qint64 e) { return double(e) > end; });
  rowStarts_[size_t(columns_)] = int(std::upper_bound(first, last, end, after) - ends_.begin());
}

namespace {

// The lowest and the highest of `count` positions, absent ones left out: absent is -1, the
// largest value unsigned and the smallest signed (the lowest is 0xffff when all are absent).
// Written as plain minima and maxima, which the compiler turns into vector code.
Q_NEVER_INLINE std::pair<quint16, qint16> lowAndHigh(const qint16* p, int count) {
  quint16 low = 0xffff;
  qint16 high = KoCurveSummary::kAbsent;
  for (int i = 0; i < count; ++i) {
    low = std::min(low, quint16(p[i]));
    high = std::max(high, p[i]);
  }
  return {low, high};
}

}  // namespace

void KoCurveSummary::refresh(int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, columns_ - 1);
  for (int c = from; c <= to; ++c) {
    const int begin = rowStarts_[size_t(c)];
    const int end = rowStarts_[size_t(c) + 1];
    for (int k = 0; k < kChannels; ++k) {
      Cell& cell = cells_[size_t(c) * kChannels + size_t(k)];
      const qint16* p = positions_[size_t(k)].data();
      const auto [low, high] = lowAndHigh(p + begin, end - begin);
      if (high < 0) {
        cell = Cell{};
        continue;
      }
      cell.low = qint16(low);
      cell.high = high;
      cell.first = begin;
      while (p[cell.first] < 0) ++cell.first;
    }
  }
}
