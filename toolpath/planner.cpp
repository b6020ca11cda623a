#include "toolpath/planner.h"

#include <algorithm>
#include <cmath>

#include "toolpath/geometry.h"

namespace verlo::toolpath {
namespace {

constexpr double kMinimumLength = 1e-9;  // mm: shorter moves take no time

// A move that moves, as the planner sees it.
struct Block {
  size_t move;
  double length;    // mm
  double maxSpeed;  // mm/s
  Vec3 in, out;     // directions at start and end
  bool stopBefore;  // a dwell or a tool change (or the start) lies before it
};

double Positive(double v, double fallback) {
  return v > 0 && std::isfinite(v) ? v : fallback;
}

// Time to run `length` from speed v0 to v1 at most at vmax, accelerating at a.
double BlockTime(double length, double v0, double v1, double vmax, double a) {
  const double up = (vmax * vmax - v0 * v0) / (2 * a), down = (vmax * vmax - v1 * v1) / (2 * a);
  if (up + down <= length) return (vmax - v0) / a + (vmax - v1) / a + (length - up - down) / vmax;
  const double peak = std::max({std::sqrt((2 * a * length + v0 * v0 + v1 * v1) / 2), v0, v1});
  return (peak - v0) / a + (peak - v1) / a;
}

double ArcSpeedLimit(const Vec3& start, const Move& arc, double a) {
  const double r = (StartRadius(start, arc) + EndRadius(arc)) / 2;
  const double sweep = std::fabs(ArcSweep(start, arc));
  const double rise = sweep > 0 ? (arc.end.z - start.z) / sweep : 0;  // mm of Z per radian
  const double curvatureRadius = r > 0 ? (r * r + rise * rise) / r : 0;
  return std::sqrt(a * curvatureRadius);
}

// The speed at which two blocks may meet.
double JunctionSpeed(const Block& a, const Block& b, double accel, double deviation) {
  const double limit = std::min(a.maxSpeed, b.maxSpeed);
  const double cosTheta = -(a.out.x * b.in.x + a.out.y * b.in.y + a.out.z * b.in.z);
  if (cosTheta > 0.999999) return 0;       // a reversal
  if (cosTheta < -0.999999) return limit;  // straight on
  const double sinHalf = std::sqrt(0.5 * (1 - cosTheta));
  return std::min(limit, std::sqrt(accel * deviation * sinHalf / (1 - sinHalf)));
}

}  // namespace

TimeEstimate EstimateTime(const Toolpath& path, const MachineLimits& limits) {
  const double a = Positive(limits.acceleration, 500);
  const double deviation = std::max(0.0, limits.junctionDeviation);
  const double rapid = Positive(limits.rapidRate, 5000) / 60;
  const double maxFeed = Positive(limits.MaxFeed(), 5000) / 60;
  const double toolChange = std::max(0.0, limits.toolChangeSeconds);

  TimeEstimate estimate;
  std::vector<Block> blocks;
  blocks.reserve(path.moves.size());
  bool stop = true;
  for (size_t i = 0; i < path.moves.size(); ++i) {
    const Move& m = path.moves[i];
    const Vec3& start = path.StartOf(i);
    if (m.kind == MoveKind::Dwell || m.kind == MoveKind::ToolChange) {
      stop = true;
      continue;
    }
    const double length = MoveLength(start, m);
    if (length < kMinimumLength) continue;
    double speed = m.kind == MoveKind::Rapid ? rapid : std::min(maxFeed, m.feed / 60);
    if (m.kind != MoveKind::Rapid && m.feed <= 0) speed = maxFeed;
    if (m.kind == MoveKind::Arc) speed = std::min(speed, ArcSpeedLimit(start, m, a));
    blocks.push_back(
        {i, length, std::max(speed, 1e-9), StartDirection(start, m), EndDirection(start, m), stop});
    stop = false;
  }

  // junction[k]: the speed where block k starts; junction[n]: the end, at rest.
  const size_t n = blocks.size();
  std::vector<double> junction(n + 1, 0.0);
  for (size_t k = 1; k < n; ++k)
    if (!blocks[k].stopBefore) junction[k] = JunctionSpeed(blocks[k - 1], blocks[k], a, deviation);
  for (size_t k = n; k-- > 0;)  // every block can still stop in time
    junction[k] = std::min(junction[k],
                           std::sqrt(junction[k + 1] * junction[k + 1] + 2 * a * blocks[k].length));
  for (size_t k = 0; k < n; ++k)  // and can get up to speed
    junction[k + 1] =
        std::min(junction[k + 1], std::sqrt(junction[k] * junction[k] + 2 * a * blocks[k].length));

  std::vector<double> blockTime(path.moves.size(), 0.0);
  for (size_t k = 0; k < n; ++k)
    blockTime[blocks[k].move] =
        BlockTime(blocks[k].length, junction[k], junction[k + 1], blocks[k].maxSpeed, a);

  estimate.moveEnds.resize(path.moves.size());
  double now = 0;
  for (size_t i = 0; i < path.moves.size(); ++i) {
    const Move& m = path.moves[i];
    double t = blockTime[i];
    switch (m.kind) {
      case MoveKind::Rapid:
        estimate.rapids += t;
        break;
      case MoveKind::Feed:
      case MoveKind::Arc:
        estimate.cutting += t;
        break;
      case MoveKind::Dwell:
        t = std::max(0.0, m.seconds);
        estimate.dwells += t;
        break;
      case MoveKind::ToolChange:
        t = toolChange;
        estimate.toolChanges += t;
        break;
    }
    now += t;
    estimate.moveEnds[i] = now;
  }
  estimate.total = now;
  return estimate;
}

}  // namespace verlo::toolpath
