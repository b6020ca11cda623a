// The largest programs the pages accept, as command lines of verlo-gcode,
// and their listings made through the page host as the window makes them.
#pragma once

#include <string>
#include <vector>

namespace verlo::bench {

struct Case {
  const char* name;
  std::vector<std::string> args;  // as for verlo-gcode
};

// Each page's largest program, the parametric spiral and a joined program
// of 100 steps.
const std::vector<Case>& LargestPrograms();

// Runs the command line in-process, as verlo-gcode does, and returns the
// listing it prints; empty when it refuses.
std::vector<std::string> MakeListing(const std::vector<std::string>& args);

}  // namespace verlo::bench
