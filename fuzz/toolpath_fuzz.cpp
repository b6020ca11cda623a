// The toolpath reader over any listing: it reads it or names a line and what
// is wrong with it, within its bounds, and whatever it read gives finite
// statistics, a time that only grows move by move, the report and a preview.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "toolpath/planner.h"
#include "toolpath/reader.h"
#include "toolpath/report.h"
#include "toolpath/statistics.h"
#include "toolpath/svg.h"

namespace verlo {
namespace {

bool Finite(const toolpath::Vec3& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

void Check(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else if (c != '\r') {
      lines.back() += c;
    }
  }
  toolpath::ReadLimits limits;  // small, so that each input runs quickly
  limits.maxMoves = 20000;
  limits.maxExecutedLines = 200000;
  const toolpath::ReadResult read = toolpath::ReadToolpath(lines, limits);
  if (read.error) {
    Require(read.error->line >= 1 && read.error->line <= static_cast<int>(lines.size()),
            "an error names no line of the listing", text);
    Require(!read.error->text.empty(), "an error says nothing", text);
  }
  Require(read.path.moves.size() <= limits.maxMoves, "more moves than the bound", text);
  for (const toolpath::Move& m : read.path.moves) {
    Require(Finite(m.end) && std::isfinite(m.cx) && std::isfinite(m.cy),
            "a move to no finite point", text);
    Require(m.line >= 1 && m.line <= static_cast<int>(lines.size()),
            "a move of no line of the listing", text);
  }
  const toolpath::Statistics stats = toolpath::ComputeStatistics(read.path);
  Require(std::isfinite(stats.cuttingLength) && std::isfinite(stats.rapidLength),
          "lengths that are no number", text);
  const toolpath::TimeEstimate time = toolpath::EstimateTime(read.path);
  Require(std::isfinite(time.total) && time.total >= 0, "a time that is no number", text);
  double before = 0;
  for (double end : time.moveEnds) {
    Require(end >= before, "a move that ends before the one before it", text);
    before = end;
  }
  Require(!toolpath::StatisticsReport(stats, time, {}).empty(), "an empty report", text);
  Require(toolpath::PreviewSvg(read.path).find("</svg>") != std::string::npos,
          "a preview without its end", text);
}

}  // namespace
}  // namespace verlo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 20000) return 0;
  verlo::Check(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
