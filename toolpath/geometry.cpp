#include "toolpath/geometry.h"

#include <algorithm>
#include <cmath>

namespace verlo::toolpath {
namespace {

constexpr double kPi = 3.14159265358979323846;

Vec3 Unit(double x, double y, double z) {
  const double n = std::sqrt(x * x + y * y + z * z);
  if (n < 1e-12) return {};
  return {x / n, y / n, z / n};
}

// The arc's direction at the angle `a` (a radius r, the radius changing by
// dr and Z by dz over the whole sweep).
Vec3 ArcDirection(double a, double r, double sweep, double dr, double dz) {
  const double sense = sweep >= 0 ? 1 : -1;
  // d/dθ of (cx + r cos θ, cy + r sin θ, z), with r and z linear in θ.
  const double drdt = sweep != 0 ? dr / std::fabs(sweep) : 0;
  const double dzdt = sweep != 0 ? dz / std::fabs(sweep) : 0;
  const double tx = -sense * r * std::sin(a) + drdt * std::cos(a);
  const double ty = sense * r * std::cos(a) + drdt * std::sin(a);
  return Unit(tx, ty, dzdt);
}

}  // namespace

void Box::Add(const Vec3& p) {
  if (empty) {
    min = max = p;
    empty = false;
    return;
  }
  min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
  max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

void Box::Add(const Box& b) {
  if (b.empty) return;
  Add(b.min);
  Add(b.max);
}

Box Box::Widened(double r) const {
  Box b = *this;
  if (empty) return b;
  b.min.x -= r;
  b.min.y -= r;
  b.max.x += r;
  b.max.y += r;
  return b;
}

bool Box::Contains(const Vec3& p, double tolerance) const {
  return !empty && p.x >= min.x - tolerance && p.x <= max.x + tolerance &&
         p.y >= min.y - tolerance && p.y <= max.y + tolerance && p.z >= min.z - tolerance &&
         p.z <= max.z + tolerance;
}

double StartRadius(const Vec3& start, const Move& arc) {
  return std::hypot(start.x - arc.cx, start.y - arc.cy);
}

double EndRadius(const Move& arc) {
  return std::hypot(arc.end.x - arc.cx, arc.end.y - arc.cy);
}

double ArcSweep(const Vec3& start, const Move& arc) {
  const double a0 = std::atan2(start.y - arc.cy, start.x - arc.cx);
  const double a1 = std::atan2(arc.end.y - arc.cy, arc.end.x - arc.cx);
  double d = arc.clockwise ? a0 - a1 : a1 - a0;
  while (d <= 1e-9) d += 2 * kPi;  // equal ends make a full circle
  while (d > 2 * kPi + 1e-9) d -= 2 * kPi;
  d += (std::max(arc.turns, 1) - 1) * 2 * kPi;
  return arc.clockwise ? -d : d;
}

double MoveLength(const Vec3& start, const Move& m) {
  switch (m.kind) {
    case MoveKind::Rapid:
    case MoveKind::Feed:
      return std::sqrt((m.end.x - start.x) * (m.end.x - start.x) +
                       (m.end.y - start.y) * (m.end.y - start.y) +
                       (m.end.z - start.z) * (m.end.z - start.z));
    case MoveKind::Arc: {
      const double r = (StartRadius(start, m) + EndRadius(m)) / 2;
      const double around = r * std::fabs(ArcSweep(start, m));
      return std::hypot(around, m.end.z - start.z);
    }
    case MoveKind::Dwell:
    case MoveKind::ToolChange:
      return 0;
  }
  return 0;
}

Vec3 PointOnMove(const Vec3& start, const Move& m, double t) {
  if (m.kind != MoveKind::Arc)
    return {start.x + t * (m.end.x - start.x), start.y + t * (m.end.y - start.y),
            start.z + t * (m.end.z - start.z)};
  if (t >= 1) return m.end;
  const double r0 = StartRadius(start, m), r1 = EndRadius(m);
  const double a = std::atan2(start.y - m.cy, start.x - m.cx) + t * ArcSweep(start, m);
  const double r = r0 + t * (r1 - r0);
  return {m.cx + r * std::cos(a), m.cy + r * std::sin(a), start.z + t * (m.end.z - start.z)};
}

Box MoveBounds(const Vec3& start, const Move& m) {
  Box box;
  box.Add(start);
  box.Add(m.end);
  if (m.kind != MoveKind::Arc) return box;
  // The arc reaches further where it crosses the axes through its centre.
  const double sweep = ArcSweep(start, m), a0 = std::atan2(start.y - m.cy, start.x - m.cx);
  const double r0 = StartRadius(start, m), r1 = EndRadius(m);
  for (int k = 0; k < 4; ++k) {
    const double axis = k * kPi / 2;
    // The first angle past the start (in the arc's sense) where it lies on
    // this axis direction.
    double d = sweep >= 0 ? axis - a0 : a0 - axis;
    d = std::fmod(d, 2 * kPi);
    if (d < 0) d += 2 * kPi;
    if (d > std::fabs(sweep)) continue;
    const double t = d / std::fabs(sweep);
    const double r = r0 + t * (r1 - r0);
    box.Add(Vec3{m.cx + r * std::cos(axis), m.cy + r * std::sin(axis), start.z});
  }
  return box;
}

Vec3 StartDirection(const Vec3& start, const Move& m) {
  if (m.kind != MoveKind::Arc) return Unit(m.end.x - start.x, m.end.y - start.y, m.end.z - start.z);
  const double sweep = ArcSweep(start, m), r0 = StartRadius(start, m);
  return ArcDirection(std::atan2(start.y - m.cy, start.x - m.cx), r0, sweep, EndRadius(m) - r0,
                      m.end.z - start.z);
}

Vec3 EndDirection(const Vec3& start, const Move& m) {
  if (m.kind != MoveKind::Arc) return StartDirection(start, m);
  const double sweep = ArcSweep(start, m), r0 = StartRadius(start, m), r1 = EndRadius(m);
  return ArcDirection(std::atan2(m.end.y - m.cy, m.end.x - m.cx), r1, sweep, r1 - r0,
                      m.end.z - start.z);
}

}  // namespace verlo::toolpath
