// Compares the moves our reader finds in a listing with the moves LinuxCNC's
// rs274 makes of it.
#pragma once

#include <string>
#include <vector>

#include "tests/support/rs274_trace.h"
#include "toolpath/move.h"

namespace verlo::test {

// The first difference, described, or "" when every move agrees to
// `tolerance` mm: its kind, line, end point, feed, and for arcs the centre,
// the direction and the turns; dwells (our milliseconds, rs274's P) and tool
// changes in their places.
std::string DifferenceFromRs274(const toolpath::Toolpath& path, const Trace& trace,
                                double tolerance = 1e-4);

// The moves in a few characters each, for tables of expected moves:
// "r1,0,5" rapid, "f1,2,-1F100" feed (with the feed in force), "a1,0,0@0,0cw"
// arc (centre, sense, "*2" for two turns), "d2" dwell of 2 s, "t3" tool
// change to T3; numbers to four decimals without trailing zeros, moves
// separated by spaces.
std::string BriefMoves(const toolpath::Toolpath& path);

// The lines of a text (split at LF) as a listing.
std::vector<std::string> ListingLines(const std::string& text);

}  // namespace verlo::test
