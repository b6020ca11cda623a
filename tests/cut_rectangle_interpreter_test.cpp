// Cut rectangle programs run through LinuxCNC's interpreter: the tool must stay
// on the outline while in the material, reach the full depth all the way
// round, and take no more than the max step per lap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/support/interpreter_harness.h"
#include "wizards/cut_rectangle/cut_rectangle_page.h"

namespace verlo {
namespace {

using test::Cut;
using test::Move;
using test::Num;
using test::Point;
using test::Rectangle;
using test::Trace;

// One rectangle as the user enters it.
using Case = test::RectangleCase;

// Checks the moves of one rectangle program.
void CheckOutline(const Trace& own, const Case& c) {
  SCOPED_TRACE(c.Describe());
  ASSERT_FALSE(own.moves.empty());
  test::CheckDepthAndRapids(own, c);
  const double x0 = Num(c.x), y0 = Num(c.y), z0 = c.Z0(), xd = Num(c.xd), yd = Num(c.yd);
  const double step = c.MaxStep();

  // The outline walked clockwise from the start corner; a point's place along
  // it is the length walked to its nearest side plus the way along that side.
  const Point corners[5] = {
      {x0, y0, 0}, {x0, y0 + yd, 0}, {x0 + xd, y0 + yd, 0}, {x0 + xd, y0, 0}, {x0, y0, 0}};
  const double perimeter = 2 * (xd + yd);
  const int bins = 1440;
  test::PathFloor floor(bins, z0);
  double worstOff = 0;
  const double spacing = std::min(perimeter / bins / 2, 0.25);
  // A ramp descends a quarter pass along each side, steepest on the shortest.
  const double slope = step / 4 / std::min(xd, yd);
  for (const Move& m : own.moves) {
    if (!m.Cuts()) continue;
    for (const Point& p : test::Samples(m, spacing)) {
      if (p.z >= z0 - 1e-6) continue;
      int side = 0;
      double off = 1e300;
      for (int s = 0; s < 4; ++s) {
        const double d = test::DistanceXY(p, corners[s], corners[s + 1]);
        if (d < off) {
          off = d;
          side = s;
        }
      }
      worstOff = std::max(worstOff, off);
      double along = 0;
      for (int s = 0; s < side; ++s) along += s % 2 ? xd : yd;
      along += std::hypot(p.x - corners[side].x, p.y - corners[side].y);
      floor.Cut(static_cast<int>(std::floor(along / perimeter * bins)) % bins, p.z);
    }
    // Bites are measured against the floor as it was before this move.
    floor.Settle();
  }
  EXPECT_LE(worstOff, 1e-4) << "cut leaves the outline";
  EXPECT_LE(floor.WorstBite(), step + 1e-4 + 2 * slope * spacing)
      << "deeper than the max step in one lap";
  EXPECT_EQ(floor.Missed(), 0) << "parts of the outline never cut";
  EXPECT_EQ(floor.Shallow(c.Bottom()), 0) << "parts of the outline not cut to the bottom";
}

TEST(CutRectangleInterpreter, GridOfSingleRectangles) {
  SKIP_WITHOUT_RS274();
  const std::vector<Case> geometries = {
      Rectangle("0", "0", "0", "20", "30", "5"), Rectangle("100", "-50", "10", "12,7", "6,35", "6"),
      Rectangle("-33,3333", "12,5", "-1,5", "25", "25", "3,175", "2,5"),  // square
      Rectangle("5", "-7,25", "0", "6", "40", "6"),                       // as narrow as the tool
      Rectangle("-0,25", "0,75", "0,5", "0,5", "0,5", "0,5")};            // a tiny square
  test::RunGrid<TFrame7>(test::GridCases(geometries, test::kDepthPasses), CheckOutline);
}

// Series mode: several rectangles in one listing, each checked on its own
// lines.
TEST(CutRectangleInterpreter, SeriesListingCutsEachRectangle) {
  SKIP_WITHOUT_RS274();
  const std::vector<Case> rectangles = {
      Cut(Rectangle("0", "0", "0", "20", "30", "5"), "-2", "0,6"),
      Cut(Rectangle("40", "25,5", "3", "18", "9", "4"), "-1,2", "0,5",
          test::kCcw | test::kStraight | test::kFlood | test::kNoTool)};
  test::RunSeries<TFrame7>(rectangles, CheckOutline);
}

}  // namespace
}  // namespace verlo
