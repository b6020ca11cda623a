#include "cli/cli_preview.h"

#include <cmath>
#include <ostream>

#include "cli/page_controls.h"
#include "gcode/encoding.h"
#include "gcode/listing.h"
#include "gcode/numbers.h"
#include "platform/file_name.h"
#include "toolpath/reader.h"
#include "toolpath/report.h"
#include "toolpath/statistics.h"
#include "toolpath/svg.h"

namespace verlo {
namespace {

// A saved listing larger than this is no program of ours.
constexpr size_t kListingFileLimit = 64u << 20;

std::string Value(const std::vector<std::string>& args, size_t& i) {
  if (i + 1 >= args.size() || args[i + 1].empty()) throw UsageError(args[i] + " needs a value");
  return args[++i];
}

// A limit as typed, decimal comma or point: above zero, or at least zero.
double Limit(const std::string& option, const std::string& text, bool zeroAllowed) {
  long double v = 0;
  try {
    v = StrToFloat(text);
  } catch (const ConvertError&) {
    throw UsageError("invalid value '" + text + "' for " + option + "; a number is needed");
  }
  if (!std::isfinite(static_cast<double>(v)) || v > 1e9L || v < 0 || (!zeroAllowed && v == 0))
    throw UsageError("invalid value '" + text + "' for " + option + "; a number " +
                     (zeroAllowed ? "from 0" : "above 0") + " up to 1000000000 is needed");
  return static_cast<double>(v);
}

std::string FileValue(const std::vector<std::string>& args, size_t& i) {
  const std::string option = args[i];
  const std::string file = Value(args, i);
  if (!FileNameAllowed(file))
    throw UsageError("the file name of " + option + " holds a line break or control character");
  return file;
}

}  // namespace

bool TakePreviewOption(const std::vector<std::string>& args, size_t& i, PreviewRequest& r) {
  const std::string& a = args[i];
  toolpath::MachineLimits& l = r.limits;
  if (a == "--stats") {
    r.stats = true;
  } else if (a == "--preview") {
    r.svgFile = FileValue(args, i);
  } else if (a == "--read") {
    r.readFile = FileValue(args, i);
  } else if (a == "--rapid") {
    l.rapidRate = Limit(a, Value(args, i), false);
  } else if (a == "--accel") {
    l.acceleration = Limit(a, Value(args, i), false);
  } else if (a == "--junction") {
    l.junctionDeviation = Limit(a, Value(args, i), true);
  } else if (a == "--tool-change") {
    l.toolChangeSeconds = Limit(a, Value(args, i), true);
  } else {
    return false;
  }
  return true;
}

std::vector<std::string> ReadListingFile(FileSystem& files, const std::string& path) {
  Listing listing;
  listing.SetText(Local8BitToUtf8(files.ReadFile(path, kListingFileLimit).bytes));
  return listing.Lines();
}

int PreviewListing(const std::vector<std::string>& lines, double toolDiameter,
                   const PreviewRequest& request, std::ostream& out, std::ostream& err,
                   FileSystem& files) {
  const toolpath::ReadResult read = toolpath::ReadToolpath(lines);
  if (!read.Ok()) {
    err << read.error->Text() << "\n";
    return 1;
  }
  if (!request.svgFile.empty())
    files.WriteFile(request.svgFile, toolpath::PreviewSvg(read.path), Links::Follow);
  if (request.stats) {
    toolpath::StatisticsOptions options;
    options.toolDiameter = toolDiameter;
    const toolpath::Statistics stats = toolpath::ComputeStatistics(read.path, options);
    const toolpath::TimeEstimate time = toolpath::EstimateTime(read.path, request.limits);
    for (const std::string& line : toolpath::StatisticsReport(stats, time, request.limits))
      out << line << "\n";
  }
  return 0;
}

}  // namespace verlo
