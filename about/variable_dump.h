// "Összes változó kiírása": the About box's own variables and the working
// values of the pages that list theirs, as lines for the log memo.
#pragma once

#include <string>
#include <vector>

#include "hostlink/host_link.h"

namespace verlo {

// One page's part of the dump: its title and its lines.
struct PageVariables {
  std::string title;
  std::vector<std::string> lines;
};

// The About box's own variables, then each page's under "<title> változói",
// each part closed by a separator line.
std::vector<std::string> VariableDump(const HostLinkRoutines& host,
                                      const std::vector<PageVariables>& pages);

}  // namespace verlo
