// Compares the moves our reader finds in a listing with the moves LinuxCNC's
// rs274 makes of it.
#pragma once

#include <string>

#include "tests/support/rs274_trace.h"
#include "toolpath/move.h"

namespace verlo::test {

// The first difference, described, or "" when every move agrees to
// `tolerance` mm: its kind, line, end point, feed, and for arcs the centre,
// the direction and the turns; dwells (our milliseconds, rs274's P) and tool
// changes in their places.
std::string DifferenceFromRs274(const toolpath::Toolpath& path, const Trace& trace,
                                double tolerance = 1e-4);

}  // namespace verlo::test
