#include "about/variable_dump.h"

#include "gcode/numbers.h"

namespace verlo {

std::vector<std::string> VariableDump(const HostLinkRoutines& host,
                                      const std::vector<PageVariables>& pages) {
  const std::string separator = std::string(30, '<') + std::string(30, '>');
  const ProbedPosition& p = host.Position();
  const HostLinkPaths& paths = host.Paths();
  std::vector<std::string> out = {
      std::string("AboutBox ") + "változói",
      "Xpos= " + FormatFloat4(p.x),
      "Ypos= " + FormatFloat4(p.y),
      "Zpos= " + FormatFloat4(p.z),
      "X_pos= " + p.xText,
      "Y_pos= " + p.yText,
      "Z_pos= " + p.zText,
      "_CF_= " + paths.command,
      "_AF_= " + paths.exchange,
      "_FF_= " + paths.file,
      "_GF_= " + paths.position,
      separator,
  };
  for (const PageVariables& page : pages) {
    out.push_back(page.title + " változói");
    out.insert(out.end(), page.lines.begin(), page.lines.end());
    out.push_back(separator);
  }
  return out;
}

}  // namespace verlo
