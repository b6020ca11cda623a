// What a machinist reads off a toolpath before running it: where it cuts,
// how deep, how far, how often it plunges and changes tools, and the places
// that deserve a second look.
//
// Warnings, each naming its line (a line that repeats in a subprogram is
// named once; after 20 of one kind the rest are counted in one more line):
// - a rapid into the material: below the Z of the program's first rapid that
//   moves Z, from that rapid on (a rapid ending lower, or moving sideways
//   while lower; rising straight up out of a cut is fine). The rapids of the
//   drill cycles go down to their R plane by design and are not judged;
// - a cutting move with no F in force;
// - a plunge at the cutting feed: once the program plunges slower than it
//   cuts somewhere (it has a plunge feed), a plunge that runs at a feed of its
//   sideways cuts, faster than its plunge feed. A plunge is a straight feed
//   down with no X or Y travel, outside the drill cycles;
// - a move leaving the extents the user sets.
#pragma once

#include <optional>
#include <vector>

#include "toolpath/geometry.h"
#include "toolpath/move.h"

namespace verlo::toolpath {

struct StatisticsOptions {
  double toolDiameter = 0;     // mm; 0: as the listing's comments name it
  std::optional<Box> extents;  // moves leaving it are warned
};

struct Statistics {
  Box cutting;              // the tool centre on the cutting moves (feeds, arcs, drilling)
  Box cuttingWithTool;      // the same grown by the tool's radius; empty with no diameter known
  double toolDiameter = 0;  // the largest diameter used for cuttingWithTool
  Box all;                  // every move, rapids included
  double lowestZ = 0;       // the lowest Z any move reaches (0 with no moves)
  double cuttingLength = 0, rapidLength = 0;  // mm
  int plunges = 0, toolChanges = 0, holes = 0;
  std::vector<LineMessage> warnings;  // in line order within each kind
};

Statistics ComputeStatistics(const Toolpath& path, const StatisticsOptions& options = {});

}  // namespace verlo::toolpath
