// What verlo-gcode tells of a listing instead of (or beside) printing it:
// its statistics and time estimate (--stats), its picture as SVG
// (--preview), for a page's listing, the joined program or a saved listing
// (--read), under the machine limits the options set.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "toolpath/planner.h"

namespace verlo {

struct PreviewRequest {
  bool stats = false;
  std::string svgFile;   // --preview
  std::string readFile;  // --read: a saved listing instead of a page
  toolpath::MachineLimits limits;

  bool Any() const { return stats || !svgFile.empty(); }
};

// Takes args[i] (and its value) when it is one of the preview options:
// --stats, --preview FILE, --read FILE, --rapid, --accel, --junction,
// --tool-change. Throws UsageError for a missing or bad value.
bool TakePreviewOption(const std::vector<std::string>& args, size_t& i, PreviewRequest& request);

// A saved listing (Windows-1250, any line ends) as the lines the program
// holds. Throws FileError.
std::vector<std::string> ReadListingFile(FileSystem& files, const std::string& path);

// Reads the listing: writes the SVG and prints the statistics the request
// asks for. A listing the reader refuses prints its "N. sor: ..." line on
// `err` and gives 1; otherwise 0. `toolDiameter` (0: none known) widens the
// extents by the tool's radius.
int PreviewListing(const std::vector<std::string>& lines, double toolDiameter,
                   const PreviewRequest& request, std::ostream& out, std::ostream& err,
                   FileSystem& files);

}  // namespace verlo
