#include "model/arm_kinematics.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

namespace kinematics {

namespace {

// Read straight from the table: channel() hands back a copy, name and all, and the ground
// check asks for every joint of every frame of a file.
bool reversed(const KoArmProfile& profile, int channel) {
  return channel >= 1 && channel <= limits::kArmChannels && profile.channels[channel - 1].reversed;
}

// The positions a channel may be sent: its safe range, within the servo's. A range whose ends
// cross holds its lower end only.
std::pair<int, int> safeRange(const KoArmProfile& profile, int channel) {
  const KoChannelProfile c = profile.channel(channel);
  const int lo = limits::kPosition.clamp(c.lowest);
  return {lo, std::max(lo, limits::kPosition.clamp(c.highest))};
}

}  // namespace

std::array<double, KoArmJoints::kJointCount> jointAngles(const KoArmProfile& profile,
                                                         const KoChannelPositions& positions) {
  std::array<double, KoArmJoints::kJointCount> out{};
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const int channel = profile.joints.joints[j].channel;
    double position = limits::kPosition.start;
    if (channel >= 1 && channel <= int(positions.size()) && positions[channel - 1]) {
      position = limits::kPosition.clamp(*positions[channel - 1]);
    }
    out[j] = angleForPosition(profile, KoArmJoints::Joint(j), position);
  }
  return out;
}

double handPitch(const std::array<double, KoArmJoints::kJointCount>& angles) {
  return angles[KoArmJoints::kShoulder] + angles[KoArmJoints::kElbow] + angles[KoArmJoints::kWrist];
}

Skeleton skeleton(const KoArmProfile& profile,
                  const std::array<double, KoArmJoints::kJointCount>& angles) {
  Skeleton points;
  points[kFoot] = QPointF(0, 0);
  points[kShoulder] = QPointF(0, profile.linksMm[KoArmProfile::kColumn]);
  double pitch = 0;
  for (int s = 0; s < 3; ++s) {
    pitch += angles[KoArmJoints::kShoulder + s];
    const double a = qDegreesToRadians(pitch);
    const double length = profile.linksMm[KoArmProfile::kUpperArm + s];
    points[kElbow + s] = points[kShoulder + s] + QPointF(std::sin(a), std::cos(a)) * length;
  }
  return points;
}

Skeleton skeleton(const KoArmProfile& profile, const KoChannelPositions& positions) {
  return skeleton(profile, jointAngles(profile, positions));
}

// A reversed servo turns the other way about its middle, so the joint mirrors about the angle
// of the middle position; the table keeps describing the arm as built.
double positionForAngle(const KoArmProfile& profile, KoArmJoints::Joint joint, double degrees) {
  const KoArmJoint& j = profile.joints.joints[joint];
  const double span = j.angleAt1000 - j.angleAt0;
  double position = span == 0 ? limits::kPosition.start
                              : (degrees - j.angleAt0) * limits::kPosition.maximum / span;
  if (reversed(profile, j.channel)) position = limits::kPosition.maximum - position;
  return position;
}

double angleForPosition(const KoArmProfile& profile, KoArmJoints::Joint joint, double position) {
  const KoArmJoint& j = profile.joints.joints[joint];
  if (reversed(profile, j.channel)) position = limits::kPosition.maximum - position;
  return j.angleAt0 + (j.angleAt1000 - j.angleAt0) * position / limits::kPosition.maximum;
}

int basePositionFor(const KoArmProfile& profile, double degrees) {
  const auto [lo, hi] = safeRange(profile, profile.joints.joints[KoArmJoints::kBase].channel);
  const int middle = std::clamp(limits::kPosition.start, lo, hi);
  if (!std::isfinite(degrees)) return middle;
  // Far beyond a turn only the heading is left to go by.
  if (std::abs(degrees) > 1e6) degrees = std::remainder(degrees, 360.0);
  double best = 0, bestOff = qInf();
  for (int turns : {0, -1, 1, -2, 2, -3, 3}) {
    const double p = positionForAngle(profile, KoArmJoints::kBase, degrees + 360.0 * turns);
    if (!std::isfinite(p)) return middle;
    const double off = p < lo ? lo - p : (p > hi ? p - hi : 0);
    if (off < bestOff) best = p, bestOff = off;
  }
  return int(std::lround(std::clamp(best, double(lo), double(hi))));
}

namespace {

constexpr double kTurn = 2 * M_PI;
// A tip this near the target has reached it; far below what a position step moves it.
constexpr double kReachedMm = 0.05;
// Beyond this, lengths are solved in units of the longest link, so that their squares stay
// numbers; the angles do not depend on the unit.
constexpr double kLongestLinkMm = 1e6;
// A target farther than this many units keeps its direction only.
constexpr double kFarthestTarget = 1e7;

// One of the three pitch joints as the solver sees it. Angles are in radians.
struct Axis {
  int channel = 0;  // 1 to 6 when its channel is one of the arm's, else 0
  bool free = false;
  int lo = limits::kPosition.start, hi = limits::kPosition.start;
  double base = 0, slope = 0;           // angle = base + slope * position
  int held = limits::kPosition.start;   // its position in `current` (the middle when absent)
  int fixed = limits::kPosition.start;  // the position it keeps when not free
  double angleLo = 0, angleHi = 0;      // the angles it may take

  double angle(double position) const { return base + slope * position; }
};

struct Chain {
  double unit = 1;        // mm
  double sx = 0, sy = 0;  // the shoulder
  std::array<double, 3> link{};
  std::array<Axis, 3> axis;
  double tx = 0, ty = 0;
  // Whether the hand keeps its angle to the ground (else the wrist joint is held).
  bool keepHand = false;
  // The hand's angle that the cost holds it to, and how much that counts (0: not at all).
  double pitch = 0, pitchWeight = 0;
};

using Angles = std::array<double, 3>;

double finiteOr0(double v) { return std::isfinite(v) ? v : 0; }

Chain chainFor(const KoArmProfile& profile, const KoChannelPositions& current, WristHold hold) {
  Chain c;
  for (double l : profile.linksMm) c.unit = std::max(c.unit, std::abs(finiteOr0(l)));
  c.unit = c.unit > kLongestLinkMm ? c.unit : 1;
  c.sy = finiteOr0(profile.linksMm[KoArmProfile::kColumn]) / c.unit;
  for (int i = 0; i < 3; ++i) {
    c.link[i] = finiteOr0(profile.linksMm[KoArmProfile::kUpperArm + i]) / c.unit;
  }
  for (int i = 0; i < 3; ++i) {
    const auto joint = KoArmJoints::Joint(KoArmJoints::kShoulder + i);
    const KoArmJoint& j = profile.joints.joints[joint];
    Axis& a = c.axis[i];
    const bool sane = std::isfinite(j.angleAt0) && std::isfinite(j.angleAt1000);
    if (sane) {
      a.base = qDegreesToRadians(angleForPosition(profile, joint, 0));
      a.slope = (qDegreesToRadians(angleForPosition(profile, joint, limits::kPosition.maximum)) -
                 a.base) /
                limits::kPosition.maximum;
    }
    bool shared = false;
    for (int k = 0; k < KoArmJoints::kJointCount; ++k) {
      shared |= k != joint && profile.joints.joints[k].channel == j.channel;
    }
    if (j.channel >= 1 && j.channel <= limits::kArmChannels) {
      a.channel = j.channel;
      std::tie(a.lo, a.hi) = safeRange(profile, j.channel);
      if (current[j.channel - 1]) a.held = limits::kPosition.clamp(*current[j.channel - 1]);
    }
    a.fixed = std::clamp(a.held, a.lo, a.hi);
    // A channel the table gives two joints cannot serve one without moving the other.
    a.free = a.channel != 0 && !shared && sane && a.slope != 0 &&
             !(hold == WristHold::LockJoint && i == 2);
    if (a.free) {
      a.angleLo = std::min(a.angle(a.lo), a.angle(a.hi));
      a.angleHi = std::max(a.angle(a.lo), a.angle(a.hi));
    } else {
      a.angleLo = a.angleHi = a.angle(a.fixed);
    }
  }
  return c;
}

struct Tip {
  double x, y;
  std::array<double, 3> sum;       // each link's angle to the vertical
  std::array<double, 3> sin, cos;  // of those angles
};

Tip tipAt(const Chain& c, const Angles& q) {
  Tip t{c.sx, c.sy, {}, {}, {}};
  double a = 0;
  for (int i = 0; i < 3; ++i) {
    a += q[i];
    t.sum[i] = a;
    t.sin[i] = std::sin(a);
    t.cos[i] = std::cos(a);
    t.x += c.link[i] * t.sin[i];
    t.y += c.link[i] * t.cos[i];
  }
  return t;
}

double pitchOff(const Chain& c, double pitch) { return std::remainder(pitch - c.pitch, kTurn); }

double cost(const Chain& c, const Angles& q) {
  const Tip t = tipAt(c, q);
  const double dx = t.x - c.tx, dy = t.y - c.ty, dp = c.pitchWeight * pitchOff(c, t.sum[2]);
  return dx * dx + dy * dy + dp * dp;
}

// The angle a whole number of turns from `a` that lies within [lo, hi], the one nearest `near`
// when several do; otherwise the nearer end.
double placeInto(double a, double lo, double hi, double near, bool* fits) {
  if (!std::isfinite(a)) {
    *fits = false;
    return std::clamp(near, lo, hi);
  }
  const double kLo = std::ceil((lo - a) / kTurn - 1e-9), kHi = std::floor((hi - a) / kTurn + 1e-9);
  *fits = kLo <= kHi;
  if (*fits) {
    const double k = std::clamp(std::round((near - a) / kTurn), kLo, kHi);
    return std::clamp(a + k * kTurn, lo, hi);
  }
  const double below = a + kHi * kTurn, above = a + kLo * kTurn;
  return lo - below < above - hi ? lo : hi;
}

// The shoulder's angle and the next joint's (relative) that put a link of length `a` and one
// of length `b` from the origin to (x, y), for both bends; none when they cannot.
int twoLink(double a, double b, double x, double y, std::array<std::array<double, 2>, 2>& out) {
  if (std::abs(a) < 1e-9 || std::abs(b) < 1e-9) return 0;
  double cosBend = (x * x + y * y - a * a - b * b) / (2 * a * b);
  if (!std::isfinite(cosBend) || std::abs(cosBend) > 1 + 1e-9) return 0;
  const double bend = std::acos(std::clamp(cosBend, -1.0, 1.0));
  const double toward = std::atan2(x, y);
  for (int s = 0; s < 2; ++s) {
    const double e = s == 0 ? bend : -bend;
    out[s] = {toward - std::atan2(b * std::sin(e), a + b * std::cos(e)), e};
  }
  return 2;
}

struct Candidate {
  Angles q;
  bool fits;
};

// The poses that put the tip on the target with the hand at `pitch` (or, with the wrist held,
// its joint as it is), brought within each joint's angles as far as they go.
int exactPoses(const Chain& c, double pitch, const Angles& now, std::array<Candidate, 2>& out) {
  std::array<std::array<double, 2>, 2> sol;
  const double x = c.tx - c.sx, y = c.ty - c.sy;
  int n = 0;
  double bendOffset = 0;
  if (c.keepHand) {
    n = twoLink(c.link[0], c.link[1], x - c.link[2] * std::sin(pitch),
                y - c.link[2] * std::cos(pitch), sol);
  } else {
    // With the wrist held, forearm and hand are one rigid link from the elbow.
    const double w = c.axis[2].angleLo;
    const double fx = c.link[2] * std::sin(w), fy = c.link[1] + c.link[2] * std::cos(w);
    bendOffset = std::atan2(fx, fy);
    n = twoLink(c.link[0], std::hypot(fx, fy), x, y, sol);
  }
  for (int s = 0; s < n; ++s) {
    Angles q{sol[s][0], sol[s][1] - bendOffset, 0};
    q[2] = c.keepHand ? pitch - q[0] - q[1] : c.axis[2].angleLo;
    bool all = true;
    for (int i = 0; i < 3; ++i) {
      bool fits;
      q[i] = placeInto(q[i], c.axis[i].angleLo, c.axis[i].angleHi, now[i], &fits);
      all &= fits;
    }
    out[s] = {q, all};
  }
  return n;
}

// Of the poses that fit, the one whose channels move least from `current`; -1 when none fits.
int leastMove(const Chain& c, const std::array<Candidate, 2>& poses, int count) {
  int chosen = -1;
  double chosenMove = qInf();
  for (int s = 0; s < count; ++s) {
    if (!poses[s].fits) continue;
    double move = 0;
    for (int i = 0; i < 3; ++i) {
      const Axis& a = c.axis[i];
      if (a.free) move += std::pow((poses[s].q[i] - a.base) / a.slope - a.held, 2);
    }
    if (move < chosenMove) chosen = s, chosenMove = move;
  }
  return chosen;
}

// The residuals (the tip's x and y off the target, the hand's angle weighted) and how each
// changes with every joint's angle.
struct Linear {
  std::array<double, 3> r;
  std::array<std::array<double, 3>, 3> J;
  double cost() const { return r[0] * r[0] + r[1] * r[1] + r[2] * r[2]; }
};

Linear linearise(const Chain& c, const Angles& q) {
  const Tip t = tipAt(c, q);
  Linear l;
  l.r = {t.x - c.tx, t.y - c.ty, c.pitchWeight * pitchOff(c, t.sum[2])};
  for (int i = 0; i < 3; ++i) {
    double dx = 0, dy = 0;
    for (int k = i; k < 3; ++k) {
      dx += c.link[k] * t.cos[k];
      dy -= c.link[k] * t.sin[k];
    }
    l.J[0][i] = dx, l.J[1][i] = dy, l.J[2][i] = c.pitchWeight;
  }
  return l;
}

// Solves (A + lambda I) x = b for the free joints by elimination; A is symmetric positive
// semi-definite, so with lambda > 0 no pivot vanishes.
void solveDamped(const std::array<std::array<double, 3>, 3>& A, const std::array<double, 3>& b,
                 double lambda, const std::array<bool, 3>& use, std::array<double, 3>& x) {
  std::array<int, 3> idx;
  int m = 0;
  for (int i = 0; i < 3; ++i) {
    if (use[i]) idx[m++] = i;
  }
  double M[3][4];
  for (int r = 0; r < m; ++r) {
    for (int k = 0; k < m; ++k) M[r][k] = A[idx[r]][idx[k]] + (r == k ? lambda : 0);
    M[r][m] = b[idx[r]];
  }
  for (int p = 0; p < m; ++p) {
    for (int r = p + 1; r < m; ++r) {
      const double f = M[r][p] / M[p][p];
      for (int k = p; k <= m; ++k) M[r][k] -= f * M[p][k];
    }
  }
  x = {0, 0, 0};
  for (int p = m - 1; p >= 0; --p) {
    double v = M[p][m];
    for (int k = p + 1; k < m; ++k) v -= M[p][k] * x[idx[k]];
    x[idx[p]] = v / M[p][p];
  }
}

// Levenberg-Marquardt within the joints' angles: a joint at an end that the step would push
// past stays out of the step, so the others still move freely along the edge.
double descend(const Chain& c, Angles& q) {
  Linear l = linearise(c, q);
  double current = l.cost();
  double lambda = -1;
  for (int iteration = 0; iteration < 30 && current > 1e-14; ++iteration) {
    std::array<std::array<double, 3>, 3> H{};
    std::array<double, 3> g{};
    std::array<bool, 3> use{};
    bool any = false;
    for (int i = 0; i < 3; ++i) {
      for (int k = 0; k < 3; ++k) {
        for (int row = 0; row < 3; ++row) H[i][k] += l.J[row][i] * l.J[row][k];
      }
      for (int row = 0; row < 3; ++row) g[i] -= l.J[row][i] * l.r[row];
      const Axis& a = c.axis[i];
      use[i] = a.angleLo < a.angleHi && !(q[i] <= a.angleLo && g[i] < 0) &&
               !(q[i] >= a.angleHi && g[i] > 0);
      any |= use[i];
    }
    if (!any) break;
    if (lambda < 0) lambda = 1e-6 * std::max({H[0][0], H[1][1], H[2][2], 1e-12});
    bool moved = false;
    while (lambda < 1e12) {
      std::array<double, 3> step;
      solveDamped(H, g, lambda, use, step);
      Angles next = q;
      for (int i = 0; i < 3; ++i) {
        next[i] = std::clamp(q[i] + step[i], c.axis[i].angleLo, c.axis[i].angleHi);
      }
      const Linear nextL = linearise(c, next);
      const double nextCost = nextL.cost();
      if (nextCost < current) {
        moved = current - nextCost > 1e-8 * current;
        q = next, l = nextL, current = nextCost;
        lambda = std::max(lambda * 0.2, 1e-15);
        break;
      }
      lambda *= 10;
    }
    if (!moved) break;
  }
  return current;
}

// The pose nearest the target over the joints' whole angles, searched from a few places: the
// arm as it stands, pointed at the target, the exact poses brought within range, and the best
// of a coarse grid, so that an edge of the reachable space far from the arm is found too.
Angles nearest(const Chain& c, const Angles& now, const std::array<Candidate, 2>& exact,
               int exactCount) {
  std::array<Angles, 8> seeds;
  int n = 0;
  Angles start;
  for (int i = 0; i < 3; ++i) start[i] = std::clamp(now[i], c.axis[i].angleLo, c.axis[i].angleHi);
  seeds[n++] = start;
  Angles aim{std::atan2(c.tx - c.sx, c.ty - c.sy), 0, 0};
  for (int i = 0; i < 3; ++i) {
    bool fits;
    aim[i] = placeInto(aim[i], c.axis[i].angleLo, c.axis[i].angleHi, now[i], &fits);
  }
  seeds[n++] = aim;
  for (int s = 0; s < exactCount; ++s) seeds[n++] = exact[s].q;

  constexpr int kGrid = 4;
  std::array<std::pair<double, Angles>, 2> best{{{qInf(), {}}, {qInf(), {}}}};
  const auto at = [&](int i, int k) {
    const Axis& a = c.axis[i];
    return a.angleLo + (a.angleHi - a.angleLo) * k / (kGrid - 1);
  };
  const int steps[3] = {c.axis[0].free ? kGrid : 1, c.axis[1].free ? kGrid : 1,
                        c.axis[2].free ? kGrid : 1};
  for (int i = 0; i < steps[0]; ++i) {
    for (int k = 0; k < steps[1]; ++k) {
      for (int l = 0; l < steps[2]; ++l) {
        const Angles q{at(0, i), at(1, k), at(2, l)};
        const double v = cost(c, q);
        if (v < best[1].first) {
          best[1] = {v, q};
          if (best[1].first < best[0].first) std::swap(best[0], best[1]);
        }
      }
    }
  }
  for (const auto& b : best) {
    if (std::isfinite(b.first)) seeds[n++] = b.second;
  }

  Angles result = start;
  double resultCost = qInf();
  for (int s = 0; s < n && resultCost > 1e-14; ++s) {
    Angles q = seeds[s];
    const double v = descend(c, q);
    if (v < resultCost) result = q, resultCost = v;
  }
  return result;
}

// The hand's angle nearest `pitch`, between `from` and `to` away from it either way, at which
// the tip reaches the target: scanned in steps, then bisected to where poses start to fit.
bool nearestHandAngle(const Chain& c, double pitch, const Angles& now, double from, double to,
                      Angles& q) {
  constexpr double kStep = 2 * M_PI / 180;
  // However the hand turns, the wrist stays beyond the reach of upper arm and forearm.
  const double toTarget = std::hypot(c.tx - c.sx, c.ty - c.sy), hand = std::abs(c.link[2]);
  if (toTarget - hand > std::abs(c.link[0]) + std::abs(c.link[1]) ||
      hand - toTarget > std::abs(c.link[0]) + std::abs(c.link[1])) {
    return false;
  }
  std::array<Candidate, 2> poses;
  const auto fitsAt = [&](double offset, Angles* out) {
    const int chosen = leastMove(c, poses, exactPoses(c, pitch + offset, now, poses));
    if (chosen >= 0 && out) *out = poses[chosen].q;
    return chosen >= 0;
  };
  for (double near = from; near < to;) {
    const double far = std::min(near + kStep, to);
    double best = qInf();
    for (double side : {1.0, -1.0}) {
      if (!fitsAt(side * far, nullptr)) continue;
      double outside = near, inside = far;
      for (int i = 0; i < 20; ++i) {
        const double middle = (outside + inside) / 2;
        (fitsAt(side * middle, nullptr) ? inside : outside) = middle;
      }
      if (inside < best && fitsAt(side * inside, &q)) best = inside;
    }
    if (std::isfinite(best)) return true;
    near = far;
  }
  return false;
}

// Whole positions near the solved ones: each joint rounded, then single steps of one or more
// joints while they bring the tip nearer (the hand held near its solved angle). The steps are
// weighed on the pose linearised where it stands, which a step moves little.
std::array<int, 3> wholePositions(const Chain& c, const std::array<double, 3>& exact) {
  std::array<int, 3> p;
  for (int i = 0; i < 3; ++i) {
    const Axis& a = c.axis[i];
    p[i] = a.free && std::isfinite(exact[i])
               ? int(std::lround(std::clamp(exact[i], double(a.lo), double(a.hi))))
               : a.fixed;
  }
  const auto anglesOf = [&](const std::array<int, 3>& at) {
    Angles q;
    for (int i = 0; i < 3; ++i) q[i] = c.axis[i].free ? c.axis[i].angle(at[i]) : c.axis[i].angleLo;
    return q;
  };
  Linear l = linearise(c, anglesOf(p));
  for (int round = 0; round < 30; ++round) {
    std::array<int, 3> best = p;
    double bestCost = l.cost();
    for (int d = 0; d < 27; ++d) {
      const int step[3] = {d % 3 - 1, d / 3 % 3 - 1, d / 9 - 1};
      std::array<int, 3> q = p;
      std::array<double, 3> r = l.r;
      bool ok = d != 13;
      for (int i = 0; i < 3 && ok; ++i) {
        if (step[i] == 0) continue;
        const Axis& a = c.axis[i];
        q[i] += step[i];
        ok = a.free && q[i] >= a.lo && q[i] <= a.hi;
        for (int row = 0; row < 3; ++row) r[row] += l.J[row][i] * a.slope * step[i];
      }
      const double v = r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
      if (ok && v < bestCost) best = q, bestCost = v;
    }
    if (best == p) break;
    const Linear next = linearise(c, anglesOf(best));
    if (!(next.cost() < l.cost())) break;
    p = best, l = next;
  }
  return p;
}

}  // namespace

Reach reach(const KoArmProfile& profile, const KoChannelPositions& current, QPointF target,
            WristHold hold) {
  Chain c = chainFor(profile, current, hold);
  Angles now;
  for (int i = 0; i < 3; ++i) now[i] = c.axis[i].angle(c.axis[i].held);
  std::array<int, 3> whole{c.axis[0].fixed, c.axis[1].fixed, c.axis[2].fixed};
  bool clamped = true;

  if (std::isfinite(target.x()) && std::isfinite(target.y())) {
    double dx = target.x() / c.unit - c.sx, dy = target.y() / c.unit - c.sy;
    const double far = std::hypot(dx, dy);
    if (far > kFarthestTarget) dx *= kFarthestTarget / far, dy *= kFarthestTarget / far;
    c.tx = c.sx + dx, c.ty = c.sy + dy;
    c.keepHand = hold == WristHold::KeepAngleToGround;
    const double handAngle = now[0] + now[1] + now[2];

    std::array<Candidate, 2> exact;
    const int exactCount = exactPoses(c, handAngle, now, exact);
    const int chosen = leastMove(c, exact, exactCount);
    // The hand can turn only by its own joint: held, it keeps the angle the arm gives it.
    const bool handTurns = c.keepHand && c.axis[2].free;
    constexpr double kNearTurn = M_PI / 6;
    Angles q;
    if (chosen >= 0) {
      q = exact[chosen].q;
    } else if (!(handTurns && nearestHandAngle(c, handAngle, now, 0, kNearTurn, q))) {
      // Out of reach as the hand is: the distance decides, and the hand's angle gives way as
      // far as the tip needs. The nearest point, when reached, settles the way the hand turns.
      q = nearest(c, now, exact, exactCount);
      const Tip t = tipAt(c, q);
      const double turn = std::abs(std::remainder(t.sum[2] - handAngle, kTurn));
      if (handTurns && std::hypot(t.x - c.tx, t.y - c.ty) <= kReachedMm / c.unit &&
          turn > kNearTurn) {
        nearestHandAngle(c, handAngle, now, kNearTurn, turn, q);
      }
    }
    const Tip t = tipAt(c, q);
    clamped = !(std::hypot(t.x - c.tx, t.y - c.ty) <= kReachedMm / c.unit);
    std::array<double, 3> solved;
    for (int i = 0; i < 3; ++i) {
      solved[i] = positionForAngle(profile, KoArmJoints::Joint(KoArmJoints::kShoulder + i),
                                   qRadiansToDegrees(q[i]));
    }
    // The whole positions keep the hand near the angle it was solved for.
    c.pitch = t.sum[2];
    c.pitchWeight = c.keepHand ? std::max(std::abs(c.link[2]), 1.0) : 0;
    whole = wholePositions(c, solved);
  }

  Reach r;
  r.positions = current;
  for (int i = 0; i < 3; ++i) {
    if (c.axis[i].channel) r.positions[c.axis[i].channel - 1] = whole[i];
  }
  r.tip = skeleton(profile, r.positions)[kTip];
  if (!std::isfinite(r.tip.x()) || !std::isfinite(r.tip.y())) {
    // A profile with links of no length the solver can use: the tip of the arm it solved for.
    Angles q;
    for (int i = 0; i < 3; ++i) q[i] = c.axis[i].angle(whole[i]);
    const Tip t = tipAt(c, q);
    constexpr double kMost = std::numeric_limits<double>::max();
    r.tip =
        QPointF(std::clamp(t.x * c.unit, -kMost, kMost), std::clamp(t.y * c.unit, -kMost, kMost));
  }
  r.clamped = clamped;
  return r;
}

namespace {

// Whether the segment a-b runs through the inside of the column (|x| < radius, below the
// shoulder), more than touching its edge.
bool crossesColumn(QPointF a, QPointF b, double radius, double top) {
  double t0 = 0, t1 = 1;
  // Each side as value + t * slope < limit.
  const auto keep = [&](double value, double slope, double limit) {
    if (slope == 0) return value < limit;
    const double t = (limit - value) / slope;
    if (slope > 0) {
      t1 = std::min(t1, t);
    } else {
      t0 = std::max(t0, t);
    }
    return t0 < t1;
  };
  const QPointF d = b - a;
  return keep(a.x(), d.x(), radius) && keep(-a.x(), -d.x(), radius) && keep(a.y(), d.y(), top);
}

}  // namespace

quint8 poseFaults(const KoArmProfile& profile, const KoChannelPositions& positions) {
  const Skeleton points = skeleton(profile, positions);
  const double shoulderHeight = profile.linksMm[KoArmProfile::kColumn];
  const double radius = profile.columnRadiusMm;
  quint8 faults = kNoFault;
  for (int p = kElbow; p < kPointCount; ++p) {
    if (points[p].y() < 0) faults |= kBelowGround;
    if (std::abs(points[p].x()) < radius && points[p].y() < shoulderHeight) faults |= kIntoColumn;
  }
  // Ends on either side of the column, a link can still pass through it. The ground needs no
  // such check: a link lies below it only where one of its ends does.
  if (!(faults & kIntoColumn) && radius > 0) {
    for (int p = kElbow; p + 1 < kPointCount; ++p) {
      if (crossesColumn(points[p], points[p + 1], radius, shoulderHeight)) faults |= kIntoColumn;
    }
  }
  return faults;
}

}  // namespace kinematics
