// What the milling and drilling pages write of the shared frame from their
// fields: the frame value, the comment head and the depth comments.
#pragma once

#include <string>

#include "gcode/program_frame.h"
#include "wizards/common/milling_fields.h"

namespace verlo {

// The frame of the page's options and tool block as typed; no tool block
// while the tool's "nincs" box is ticked.
Frame MillingFrame(const FieldReader& read, const ToolFields& tool, const MillingOptions& options);

// The title and the point comment from the page's point fields as typed.
CommentHead PointHead(const FieldReader& read, const StartFields& start, const std::string& title,
                      const std::string& pointWord = "kezdőpont");

// "(marás mélysége ...)" as typed, then the pass comments.
void WriteDepthAndPasses(Listing& listing, const FieldReader& read, const FieldNames& names,
                         const MillingValues& v);

}  // namespace verlo
