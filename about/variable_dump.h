// "Összes változó kiírása": the About box's own variables and the drilling
// page's working values, as lines for the log memo.
#pragma once

#include <string>
#include <vector>

#include "hostlink/host_link.h"
#include "wizards/drill_circle/hole_table.h"

namespace verlo {

// The rows the hole table holds at most (0 to 1000).
inline constexpr int kLastHoleRow = 1000;

// The dump of the About box's own variables and of the drilling page's
// working values (all zeros before any drill program).
std::vector<std::string> VariableDump(const HostLinkRoutines& host, const DrillValues& drilling);

}  // namespace verlo
