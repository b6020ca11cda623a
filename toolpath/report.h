// The statistics, the time estimate and the warnings as text: one
// "Name: value" line each, in Hungarian, numbers with a decimal comma, as
// `verlo-gcode --stats` prints them and the preview shows them.
#pragma once

#include <string>
#include <vector>

#include "toolpath/planner.h"
#include "toolpath/statistics.h"

namespace verlo::toolpath {

std::vector<std::string> StatisticsReport(const Statistics& stats, const TimeEstimate& time,
                                          const MachineLimits& limits);

// "72,4 s (0:01:12)": tenths of a second and the whole seconds as H:MM:SS.
std::string FormatDuration(double seconds);

}  // namespace verlo::toolpath
