// The machining-time model against cases worked out by hand: a = 500 mm/s²,
// δ = 0.01 mm unless a case sets otherwise; feeds in mm/min, speeds below in
// mm/s.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "gcode/encoding.h"
#include "tests/support/toolpath_compare.h"
#include "toolpath/geometry.h"
#include "toolpath/planner.h"
#include "toolpath/reader.h"
#include "toolpath/report.h"

namespace verlo {
namespace {

using toolpath::MachineLimits;
using toolpath::TimeEstimate;

constexpr double kPi = 3.14159265358979323846;
constexpr double kA = 500;

// A move of `length` from rest to rest at `v`, reaching it.
double Trapezoid(double length, double v) {
  return 2 * v / kA + (length - v * v / kA) / v;
}

// The 90° corner of two 100 mm moves at 10 mm/s: each accelerates to 10 and
// slows to the junction speed sqrt(a·δ·sin45°/(1 − sin45°)).
double Corner() {
  const double s = std::sin(kPi / 4), vj = std::sqrt(kA * 0.01 * s / (1 - s)), v = 10;
  const double cruise = 100 - v * v / (2 * kA) - (v * v - vj * vj) / (2 * kA);
  return 2 * (v / kA + (v - vj) / kA + cruise / v);
}

// A full circle of r = 1 from rest to rest: at most sqrt(a·r) = 22.36 mm/s.
double Circle() {
  const double v = std::sqrt(kA * 1);
  return Trapezoid(2 * kPi, v);
}

struct Case {
  const char* what;
  const char* listing;
  double TimeEstimate::*part;
  double seconds;
  std::function<void(MachineLimits&)> set = nullptr;
};

TEST(ToolpathTime, ClosedFormCases) {
  const Case cases[] = {
      {"a move that reaches its feed", "G1 X100 F600", &TimeEstimate::cutting, Trapezoid(100, 10)},
      {"a move too short to reach it", "G1 X0.1 F6000", &TimeEstimate::cutting,
       2 * std::sqrt(kA * 0.1) / kA},
      {"moves straight on run as one", "G1 X50 F600\nG1 X100", &TimeEstimate::cutting,
       Trapezoid(100, 10)},
      {"a 90° corner", "G1 X100 F600\nG1 Y100", &TimeEstimate::cutting, Corner()},
      {"a reversal stops", "G1 X10 F600\nG1 X0", &TimeEstimate::cutting, 2 * Trapezoid(10, 10)},
      {"a full circle held to its centripetal limit", "G0 X1\nG4 P0\nG2 X1 Y0 I-1 J0 F6000",
       &TimeEstimate::cutting, Circle()},
      {"a rapid at the rapid rate", "G0 X100", &TimeEstimate::rapids, Trapezoid(100, 5000.0 / 60)},
      {"a feed above the maximum feed", "G1 X100 F10000", &TimeEstimate::cutting,
       Trapezoid(100, 10), [](MachineLimits& l) { l.maxFeed = 600; }},
      {"a dwell in milliseconds", "G4 P1500", &TimeEstimate::dwells, 1.5},
      {"a tool change", "T2 M6\nT3 M6", &TimeEstimate::toolChanges, 10,
       [](MachineLimits& l) { l.toolChangeSeconds = 5; }},
      {"the total is the sum of the parts", "G0 X100\nG4 P1000\nG1 X0 F600\nT1 M6",
       &TimeEstimate::total, Trapezoid(100, 5000.0 / 60) + 1 + Trapezoid(100, 10) + 2,
       [](MachineLimits& l) { l.toolChangeSeconds = 2; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const toolpath::ReadResult read = toolpath::ReadToolpath(test::ListingLines(c.listing));
    ASSERT_TRUE(read.Ok()) << read.error->Text();
    MachineLimits limits;
    if (c.set) c.set(limits);
    const TimeEstimate estimate = toolpath::EstimateTime(read.path, limits);
    EXPECT_NEAR(estimate.*c.part, c.seconds, 1e-9);
    EXPECT_NEAR(estimate.total,
                estimate.cutting + estimate.rapids + estimate.dwells + estimate.toolChanges, 1e-9);
    ASSERT_EQ(estimate.moveEnds.size(), read.path.moves.size());
    EXPECT_NEAR(estimate.moveEnds.back(), estimate.total, 1e-9);
  }
}

// Each page's default program against two sums worked out move by move: no
// faster than every move at its full speed without a stop, no slower than
// every move from rest to rest (at its feed, and on an arc at most the speed
// its radius allows).
TEST(ToolpathTime, EveryPagesDefaultProgramLiesBetweenItsBounds) {
  for (const char* page : {"fibonacci", "circular-pocket", "rectangle-pocket", "cut-circle",
                           "cut-rectangle", "drill-circle", "thread-milling"}) {
    SCOPED_TRACE(page);
    std::ifstream in(std::string(VERLO_SOURCE_DIR) + "/tests/golden/" + page +
                     "/defaults/expected.tap");
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const toolpath::ReadResult read =
        toolpath::ReadToolpath(test::ListingLines(Local8BitToUtf8(saved)));
    ASSERT_TRUE(read.Ok() && !read.path.moves.empty());
    const MachineLimits limits;
    double fastest = 0, slowest = 0;
    for (size_t i = 0; i < read.path.moves.size(); ++i) {
      const toolpath::Move& m = read.path.moves[i];
      const toolpath::Vec3 from = read.path.StartOf(i);
      const double length = toolpath::MoveLength(from, m);
      double v = (m.kind == toolpath::MoveKind::Rapid ? limits.rapidRate : m.feed) / 60;
      if (m.kind == toolpath::MoveKind::Arc)
        v = std::min(v, std::sqrt(limits.acceleration * toolpath::StartRadius(from, m)));
      const double wait = m.kind == toolpath::MoveKind::Dwell ? m.seconds : 0;
      if (length <= 0) {
        fastest += wait;
        slowest += wait;
        continue;
      }
      fastest += length / v;
      slowest += length < v * v / kA ? 2 * std::sqrt(length / kA) : Trapezoid(length, v);
    }
    const double total = toolpath::EstimateTime(read.path, limits).total;
    EXPECT_GE(total, fastest - 1e-9);
    EXPECT_LE(total, slowest + 1e-9);
  }
}

TEST(ToolpathTime, DurationsAsTheStatisticsShowThem) {
  const std::pair<double, const char*> cases[] = {{72.4, "72,4 s (0:01:12)"},
                                                  {59.96, "60,0 s (0:01:00)"},
                                                  {3661, "3661,0 s (1:01:01)"},
                                                  {0, "0,0 s (0:00:00)"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(toolpath::FormatDuration(seconds), text);
}

}  // namespace
}  // namespace verlo
