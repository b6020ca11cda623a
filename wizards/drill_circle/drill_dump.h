// The drilling page's working values as the About box's variable dump lists
// them, under their u8_ names.
#pragma once

#include <string>
#include <vector>

#include "wizards/drill_circle/hole_table.h"

namespace verlo {

std::vector<std::string> DrillVariables(const DrillValues& d);

}  // namespace verlo
