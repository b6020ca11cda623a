// The toolpath drawn as one SVG document: the top view (XY) above the front
// view (XZ), both to one scale with X under X. Cutting moves solid and
// coloured by depth (blue at the top, red at the bottom), rapids dashed,
// the start (green circle) and the end (red square) marked, and the zero of
// every work offset the program moves in (G54, G59, ...). Arcs are drawn as
// arcs in the top view and finely sampled in the front view.
#pragma once

#include <string>

#include "toolpath/move.h"

namespace verlo::toolpath {

struct SvgOptions {
  double width = 800;  // px the larger extent of the path is drawn across
};

std::string PreviewSvg(const Toolpath& path, const SvgOptions& options = {});

}  // namespace verlo::toolpath
