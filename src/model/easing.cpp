#include "model/easing.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "model/move_frame.h"

namespace easing {

namespace {

double bezier(double s, double p1, double p2) {
  const double r = 1 - s;
  return 3 * r * r * s * p1 + 3 * r * s * s * p2 + s * s * s;
}

double slope(double s, double p1, double p2) {
  const double r = 1 - s;
  return 3 * r * r * p1 + 6 * r * s * (p2 - p1) + 3 * s * s * (1 - p2);
}

double unit(double v) { return std::isnan(v) ? 0 : std::clamp(v, 0.0, 1.0); }

}  // namespace

double Curve::at(double t) const {
  t = unit(t);
  if (t == 0 || t == 1) return t;
  // x(s) rises with s over the unit square; Newton's steps converge fast where the slope is
  // fair, and halving takes over where it is flat.
  double s = t;
  for (int i = 0; i < 8; ++i) {
    const double error = bezier(s, x1, x2) - t;
    if (std::abs(error) < 1e-9) return bezier(s, y1, y2);
    const double d = slope(s, x1, x2);
    if (std::abs(d) < 1e-6) break;
    s = unit(s - error / d);
  }
  double low = 0;
  double high = 1;
  s = t;
  for (int i = 0; i < 60 && high - low > 1e-12; ++i) {
    if (bezier(s, x1, x2) < t) {
      low = s;
    } else {
      high = s;
    }
    s = (low + high) / 2;
  }
  return bezier(s, y1, y2);
}

Curve Curve::held() const { return {unit(x1), unit(y1), unit(x2), unit(y2)}; }

Curve curveOf(Kind kind, const Curve& custom) {
  switch (kind) {
    case Kind::In:
      return kIn;
    case Kind::Out:
      return kOut;
    case Kind::InOut:
      return kInOut;
    case Kind::Custom:
      break;
  }
  return custom.held();
}

std::optional<Curve> parseCurve(const QString& text) {
  if (text == QLatin1String("in")) return kIn;
  if (text == QLatin1String("out")) return kOut;
  if (text == QLatin1String("in-out")) return kInOut;
  const QStringList parts = text.split(u',');
  if (parts.size() != 4) return std::nullopt;
  std::array<double, 4> v{};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    v[size_t(i)] = parts[i].trimmed().toDouble(&ok);
    if (!ok || !(v[size_t(i)] >= 0 && v[size_t(i)] <= 1)) return std::nullopt;
  }
  return Curve{v[0], v[1], v[2], v[3]};
}

QList<qint64> stepTimes(qint64 totalMs, int stepMs) {
  const qint64 step = kStepMs.clamp(stepMs);
  if (totalMs < 2 * step) return {totalMs};
  // The most steps of at least `step`, but enough that none is longer than a frame may be.
  qint64 count = totalMs / step;
  count = std::max(count, (totalMs + limits::kFrameTime.maximum - 1) / limits::kFrameTime.maximum);
  QList<qint64> times;
  times.reserve(count);
  qint64 before = 0;
  for (qint64 k = 1; k <= count; ++k) {
    const qint64 end = totalMs * k / count;
    times.append(end - before);
    before = end;
  }
  return times;
}

frame::ArmPositions sentPositions(const KoVelmarPwmModel& frame) {
  frame::ArmPositions arm = frame.armPositions();
  const qsizetype size = frame.data.size();
  if (size != frame::kRecordSize && size != frame::kFileRecordSize) return arm;
  const qsizetype first = size - frame::kRecordSize;
  for (size_t j = 0; j < arm.size(); ++j) {
    if (arm[j]) arm[j] = frame::le16(frame.data, first + 2 * qsizetype(j));
  }
  return arm;
}

namespace {

// Makes `f` a frame that takes `time` ms to reach `positions`, as framed() says.
// A step's move is the move's common one with its time and positions written in: every step
// of a move sends the same channels, so the layout is made once and each step costs one copy.
QByteArray stepMove(const QByteArray& common, qint64 time, const frame::ArmPositions& positions) {
  QByteArray out = common;
  frame::putLe16(out, 5, time);
  qsizetype at = frame::kMoveHeaderSize + 1;
  for (const std::optional<qint64>& p : positions) {
    if (!p) continue;
    frame::putLe16(out, at, *p);
    at += 3;
  }
  return out;
}

void fill(KoVelmarPwmModel* f, const KoVelmarPwmModel& frame, qint64 time,
          const frame::ArmPositions& positions, const QByteArray* common = nullptr) {
  f->ID = frame.ID;
  f->time = time;
  // The positions text ("#1 P500 ") written into one buffer: a long ease makes tens of
  // thousands of frames, and piecing each text together would cost most of the time.
  std::array<char16_t, 16 * frame::kRecordChannels> text;
  char16_t* t = text.data();
  for (int j = 1; j <= frame::kRecordChannels; ++j) {
    const std::optional<qint64>& p = positions[size_t(j - 1)];
    if (!p) continue;
    f->setId(j, limits::kPosition.clamp(*p));
    *t++ = u'#';
    *t++ = char16_t(u'0' + j);
    *t++ = u' ';
    *t++ = u'P';
    char16_t digits[8];
    int n = 0;
    for (quint16 v = quint16(*p); n == 0 || v != 0; v /= 10) digits[n++] = char16_t(u'0' + v % 10);
    while (n > 0) *t++ = digits[--n];
    *t++ = u' ';
  }
  f->action = QString(reinterpret_cast<const QChar*>(text.data()), t - text.data());
  f->bytes =
      common ? stepMove(*common, time, positions) : frame::armMove(frame.bytes, time, positions);
  f->data = frame.data;
  frame::writeArmRecord(f->data, time, positions);
}

}  // namespace

VelmarFrame framed(const KoVelmarPwmModel& frame, qint64 time,
                   const frame::ArmPositions& positions) {
  auto f = std::make_shared<KoVelmarPwmModel>();
  fill(f.get(), frame, time, positions);
  return f;
}

VelmarFrame retimed(const KoVelmarPwmModel& frame, qint64 time) {
  VelmarFrame f = frame.copy();
  f->time = time;
  if (f->bytes.size() >= frame::kMoveHeaderSize)
    f->bytes = frame::headerOf(f->bytes, time) + f->bytes.sliced(frame::kMoveHeaderSize);
  if (f->data.size() == frame::kFileRecordSize) frame::putLe16(f->data, 0, time);
  return f;
}

EasePlan planEase(const VelmarFrames& frames, const QList<int>& rows, const Curve& curve,
                  int stepMs, int budget) {
  EasePlan plan;
  const Curve c = curve.held();
  // Where each channel was last sent up to frame `knownAt`. Each move's start is found from
  // there and backwards from the move, so frames far from every eased move are never read.
  frame::ArmPositions known;
  int knownAt = -1;
  const auto startOf = [&](int from) {
    frame::ArmPositions start = frames[from]->armPositions();
    for (size_t j = 0; j < start.size(); ++j) {
      const int channel = int(j) + 1;
      for (int r = from - 1; !start[j] && r > knownAt; --r) {
        if (frames[r]->isPresent(channel)) start[j] = frames[r]->id(channel);
      }
      if (!start[j]) start[j] = known[j];
    }
    known = start;
    knownAt = from;
    return start;
  };
  const qint64 count = frames.size();
  for (qsizetype i = 1; i < rows.size(); ++i) {
    const int row = rows[i];
    if (rows[i - 1] != row - 1 || row < 1 || row >= count) continue;
    const KoVelmarPwmModel& end = *frames[row];
    const QList<qint64> times = stepTimes(end.time, stepMs);
    if (times.size() < 2) continue;
    if (!plan.refused() && count + plan.added + times.size() - 1 > budget) {
      plan.overBudgetRow = row;
    }
    plan.added += int(times.size() - 1);
    if (plan.refused()) continue;

    const frame::ArmPositions from = startOf(row - 1);
    const frame::ArmPositions to = end.armPositions();
    EasedMove move{row, {}};
    move.steps.reserve(times.size());
    // A move's steps share one block, as the frames of a file do: one allocation for all.
    const qsizetype between = times.size() - 1;
    std::shared_ptr<KoVelmarPwmModel[]> block(new KoVelmarPwmModel[size_t(between)]);
    frame::ArmPositions sent;
    for (size_t j = 0; j < sent.size(); ++j) {
      if (to[j] && from[j]) sent[j] = 0;
    }
    const QByteArray common = frame::armMove(end.bytes, 0, sent);
    qint64 gone = 0;
    for (qsizetype k = 0; k + 1 < times.size(); ++k) {
      gone += times[k];
      const double y = c.at(double(gone) / double(end.time));
      frame::ArmPositions step;
      for (size_t j = 0; j < step.size(); ++j) {
        if (!to[j] || !from[j]) continue;
        const double a = double(*from[j]);
        step[j] = qint64(std::llround(a + (double(*to[j]) - a) * y));
      }
      fill(&block[k], end, times[k], step, &common);
      move.steps.append(VelmarFrame(block, &block[k]));
    }
    move.steps.append(retimed(end, times.last()));
    plan.moves.append(std::move(move));
  }
  return plan;
}

VelmarFrames applied(const VelmarFrames& frames, const EasePlan& plan) {
  if (plan.refused() || plan.moves.isEmpty()) return frames;
  VelmarFrames out;
  out.reserve(frames.size() + plan.added);
  qsizetype next = 0;
  const auto keep = [&](qsizetype end) {
    for (; next < end; ++next) out.append(frames[next]);
  };
  for (const EasedMove& move : plan.moves) {
    keep(move.row);
    out.append(move.steps);
    next = move.row + 1;
  }
  keep(frames.size());
  return out;
}

VelmarFrame mirrored(const KoVelmarPwmModel& frame, const Channels& channels) {
  frame::ArmPositions arm = sentPositions(frame);
  constexpr limits::Range kRange = limits::kPosition;
  for (size_t j = 0; j < arm.size(); ++j) {
    if (channels[j] && arm[j] && kRange.contains(*arm[j])) {
      arm[j] = qint64(kRange.minimum) + kRange.maximum - *arm[j];
    }
  }
  return framed(frame, frame.time, arm);
}

VelmarFrames reversed(const VelmarFrames& frames) {
  VelmarFrames out;
  const qsizetype n = frames.size();
  out.reserve(n);
  for (qsizetype j = 0; j < n; ++j) {
    // Going back from pose n - j to pose n - 1 - j takes what the forward play took the
    // other way, which frame n - j holds.
    const qint64 time = j == 0 ? frames[0]->time : frames[n - j]->time;
    out.append(retimed(*frames[n - 1 - j], time));
  }
  return out;
}

}  // namespace easing
