#include "toolpath/statistics.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "gcode/numbers.h"

namespace verlo::toolpath {
namespace {

constexpr double kTolerance = 1e-6;  // mm
constexpr int kShownPerKind = 20;

enum WarningKind { kRapidLow, kNoFeed, kPlungeFeed, kOutside, kWarningKinds };

const char* const kKindSummary[kWarningKinds] = {
    "gyorsmenet az első gyorsmeneti Z alatt", "vágó mozgás előtolás (F) nélkül",
    "fogásvétel a vágási előtolással", "mozgás a megadott tartományon kívül"};

std::string Z4(double z) {
  return FormatFloat4(z);
}

// Warnings once per line and kind, at most kShownPerKind of a kind.
class Warnings {
 public:
  void Add(WarningKind kind, int line, const std::string& text) {
    if (!seen_.insert((static_cast<long long>(line) << 3) | kind).second) return;
    if (shown_[kind] < kShownPerKind) {
      ++shown_[kind];
      list_.push_back({line, text});
      return;
    }
    if (dropped_[kind]++ == 0) firstDropped_[kind] = line;
  }
  std::vector<LineMessage> Finish() {
    for (int k = 0; k < kWarningKinds; ++k)
      if (dropped_[k] > 0)
        list_.push_back({firstDropped_[k], "és még " + std::to_string(dropped_[k]) +
                                               " további sorban: " + kKindSummary[k]});
    return std::move(list_);
  }

 private:
  std::unordered_set<long long> seen_;
  int shown_[kWarningKinds] = {}, dropped_[kWarningKinds] = {}, firstDropped_[kWarningKinds] = {};
  std::vector<LineMessage> list_;
};

bool IsPlunge(const Vec3& start, const Move& m) {
  return m.kind == MoveKind::Feed && !m.cycle && m.end.z < start.z - kTolerance &&
         std::hypot(m.end.x - start.x, m.end.y - start.y) < kTolerance;
}

bool MovesSideways(const Vec3& start, const Move& m) {
  return m.kind == MoveKind::Arc || std::hypot(m.end.x - start.x, m.end.y - start.y) >= kTolerance;
}

bool Cuts(const Move& m) {
  return m.kind == MoveKind::Feed || m.kind == MoveKind::Arc;
}

// The feeds of the sideways cuts, and the slowest plunge feed when the
// program plunges slower than it cuts somewhere (0 when it does not).
struct Feeds {
  std::vector<double> cutting;
  double plunge = 0;
  bool IsCutting(double feed) const {
    for (double f : cutting)
      if (std::fabs(f - feed) < 1e-9) return true;
    return false;
  }
};

Feeds FindFeeds(const Toolpath& path) {
  Feeds feeds;
  double slowestPlunge = 0, fastestCut = 0;
  for (size_t i = 0; i < path.moves.size(); ++i) {
    const Move& m = path.moves[i];
    if (!Cuts(m) || m.cycle || m.feed <= 0) continue;
    const Vec3& start = path.StartOf(i);
    if (IsPlunge(start, m)) {
      slowestPlunge = slowestPlunge == 0 ? m.feed : std::min(slowestPlunge, m.feed);
    } else if (MovesSideways(start, m)) {
      fastestCut = std::max(fastestCut, m.feed);
      if (!feeds.IsCutting(m.feed)) feeds.cutting.push_back(m.feed);
    }
  }
  if (slowestPlunge > 0 && slowestPlunge < fastestCut) feeds.plunge = slowestPlunge;
  return feeds;
}

}  // namespace

Statistics ComputeStatistics(const Toolpath& path, const StatisticsOptions& options) {
  Statistics s;
  Warnings warnings;
  const Feeds feeds = FindFeeds(path);
  bool haveReference = false;
  double reference = 0;  // the Z of the first rapid that moves Z
  size_t nextDiameter = 0;
  double diameter = options.toolDiameter > 0 ? options.toolDiameter
                    : path.diameters.empty() ? 0
                                             : path.diameters.front().diameter;
  s.holes = path.holes;
  for (size_t i = 0; i < path.moves.size(); ++i) {
    const Move& m = path.moves[i];
    const Vec3& start = path.StartOf(i);
    while (options.toolDiameter <= 0 && nextDiameter < path.diameters.size() &&
           path.diameters[nextDiameter].fromMove <= i)
      diameter = path.diameters[nextDiameter++].diameter;
    if (m.kind == MoveKind::ToolChange) ++s.toolChanges;
    if (m.kind == MoveKind::Dwell || m.kind == MoveKind::ToolChange) continue;

    const Box bounds = MoveBounds(start, m);
    s.all.Add(bounds);
    const double length = MoveLength(start, m);
    if (m.kind == MoveKind::Rapid) {
      s.rapidLength += length;
    } else {
      s.cuttingLength += length;
      s.cutting.Add(bounds);
      if (diameter > 0) {
        s.cuttingWithTool.Add(bounds.Widened(diameter / 2));
        s.toolDiameter = std::max(s.toolDiameter, diameter);
      }
    }

    if (m.kind == MoveKind::Rapid && !m.cycle) {
      if (!haveReference && std::fabs(m.end.z - start.z) > kTolerance) {
        haveReference = true;
        reference = m.end.z;
      } else if (haveReference && (m.end.z < reference - kTolerance ||
                                   (start.z < reference - kTolerance && MovesSideways(start, m)))) {
        warnings.Add(kRapidLow, m.line,
                     "gyorsmenet az első gyorsmeneti Z (" + Z4(reference) + ") alatt, Z" +
                         Z4(std::min(start.z, m.end.z)) + " magasságban: anyagba futhat");
      }
    }
    if (Cuts(m) && m.feed <= 0) warnings.Add(kNoFeed, m.line, "vágó mozgás előtolás (F) nélkül");
    if (IsPlunge(start, m)) {
      ++s.plunges;
      if (feeds.plunge > 0 && m.feed > feeds.plunge && feeds.IsCutting(m.feed))
        warnings.Add(kPlungeFeed, m.line,
                     "fogásvétel a vágási előtolással (F" + FloatToStr(m.feed) +
                         "), pedig a program máshol F" + FloatToStr(feeds.plunge) +
                         " előtolással vesz fogást");
    }
    if (options.extents && !(options.extents->Contains(bounds.min, kTolerance) &&
                             options.extents->Contains(bounds.max, kTolerance)))
      warnings.Add(kOutside, m.line,
                   "a mozgás kilép a megadott tartományból (X" + Z4(m.end.x) + " Y" + Z4(m.end.y) +
                       " Z" + Z4(m.end.z) + " felé)");
  }
  s.lowestZ = s.all.empty ? 0 : s.all.min.z;
  s.warnings = warnings.Finish();
  return s;
}

}  // namespace verlo::toolpath
