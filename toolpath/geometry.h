// The shape of one move: its length, its points, its bounds and its
// direction at either end. Arcs are cut as the control cuts them: round the
// centre in the given sense, a start and end at the same point making a full
// circle, each further turn a full circle more, Z moving evenly along; where
// the radii at start and end differ a little, the radius changes evenly.
#pragma once

#include "toolpath/move.h"

namespace verlo::toolpath {

struct Box {
  Vec3 min, max;
  bool empty = true;

  void Add(const Vec3& p);
  void Add(const Box& b);
  // Grown by `r` in X and Y (a tool's radius round its centre).
  Box Widened(double r) const;
  bool Contains(const Vec3& p, double tolerance = 1e-9) const;
};

// The angle an arc sweeps round its centre (radians): > 0 counter-clockwise.
double ArcSweep(const Vec3& start, const Move& arc);

// The path length of a move (0 for dwells and tool changes).
double MoveLength(const Vec3& start, const Move& move);

// The point at the share `t` (0..1) of the move's path.
Vec3 PointOnMove(const Vec3& start, const Move& move, double t);

// The smallest box round the move's path.
Box MoveBounds(const Vec3& start, const Move& move);

// Unit directions of the path where the move starts and where it ends (zero
// for a move that does not move).
Vec3 StartDirection(const Vec3& start, const Move& move);
Vec3 EndDirection(const Vec3& start, const Move& move);

// An arc's radius at its start and its end.
double StartRadius(const Vec3& start, const Move& arc);
double EndRadius(const Move& arc);

}  // namespace verlo::toolpath
