// The machining time, from a model of a motion planner as the common
// controllers have it, not from length over feed:
// - each move runs a trapezoidal speed profile (or a triangle when it is too
//   short to reach its speed) under one acceleration;
// - where two moves meet the speed is limited by the junction deviation δ:
//   v = sqrt(a·δ·sin(θ/2) / (1 − sin(θ/2))), θ the angle between the
//   reversed incoming and the outgoing direction (180° straight on, 0° a
//   reversal, which stops), and by the speeds of both moves;
// - the whole rest of the program is looked ahead (a backward and a forward
//   pass), so that the machine can always stop where the program stops;
// - arcs run at most at sqrt(a·ρ), the speed whose centripetal acceleration
//   is a (ρ the radius of curvature, a helix's included);
// - rapids run at the rapid rate, feeds at their F capped by the maximum
//   feed (a feed move without F at the maximum feed); dwells and tool changes
//   stop the machine and take their time.
// Feed overrides and the host's own planner are not modelled.
#pragma once

#include <vector>

#include "toolpath/move.h"

namespace verlo::toolpath {

struct MachineLimits {
  double rapidRate = 5000;          // mm/min
  double maxFeed = 0;               // mm/min; 0: the rapid rate
  double acceleration = 500;        // mm/s²
  double junctionDeviation = 0.01;  // mm
  double toolChangeSeconds = 0;     // s a tool change takes

  double MaxFeed() const { return maxFeed > 0 ? maxFeed : rapidRate; }
};

struct TimeEstimate {
  double total = 0;  // s: the sum of the parts
  double cutting = 0, rapids = 0, dwells = 0, toolChanges = 0;
  std::vector<double> moveEnds;  // s from the start to the end of each move
};

TimeEstimate EstimateTime(const Toolpath& path, const MachineLimits& limits = {});

}  // namespace verlo::toolpath
