// Rectangle pocket programs run through LinuxCNC's interpreter: in the material
// the tool must stay a radius inside the walls, the tool swept over every
// depth level must clear the whole floor out to the walls, and no level may
// lie deeper than the max step below the one before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/floor_sweep.h"
#include "tests/support/interpreter_harness.h"
#include "wizards/rectangle_pocket/rectangle_pocket_page.h"

namespace verlo {
namespace {

using test::Cut;
using test::Move;
using test::Num;
using test::Point;
using test::Trace;

// One pocket as the user enters it.
struct Case : test::RectangleCase {
  int percent = 50;

  double D() const { return Num(tool); }
  double StepOver() const { return percent * D() / 100; }
  // More than 99 rings a level: the page refuses the pocket.
  bool TooManyRings() const { return 200 * StepOver() <= std::min(Num(xd), Num(yd)) - D() + 1e-9; }

 protected:
  void EnterOwn(WizardPage& page) const override {
    RectangleCase::EnterOwn(page);
    page.Find("ScrollBar1")->position = percent;
    page.Fire("ScrollBar1");
  }
  std::string Shape() const override {
    return RectangleCase::Shape() + " step-over " + std::to_string(percent) + "%";
  }
};

// A pocket from its corner at x, y, z, xd by yd, cut with a `tool` stepping
// over `percent` of it.
Case Pocket(std::string x, std::string y, std::string z, std::string xd, std::string yd,
            std::string tool, int percent = 50, std::string safe = "5") {
  Case c = test::Rectangle<Case>(x, y, z, xd, yd, tool, safe);
  c.percent = percent;
  return c;
}

// Printed coordinates are rounded to 0.0001 each.
constexpr double kPrint = 2e-4;

// Checks the moves of one pocket program.
void CheckPocket(const Trace& own, const Case& c) {
  SCOPED_TRACE(c.Describe());
  ASSERT_FALSE(own.moves.empty());
  const double x0 = Num(c.x), y0 = Num(c.y), xd = Num(c.xd), yd = Num(c.yd);
  const double z0 = c.Z0(), D = c.D(), bottom = c.Bottom(), step = c.MaxStep();
  // Where the tool centre may go: a radius inside the walls.
  const double left = x0 + D / 2, right = x0 + xd - D / 2;
  const double front = y0 + D / 2, back = y0 + yd - D / 2;
  test::CheckDepthAndRapids(own, c);

  double worstOut = 0;
  for (const Point& p : test::CuttingPoints(own, z0, 0.25))
    worstOut = std::max({worstOut, left - p.x, p.x - right, front - p.y, p.y - back});
  EXPECT_LE(worstOut, 1e-4) << "cuts into the walls";

  // The depth levels: horizontal cuts below the surface, in program order.
  // Going down more than the max step past the deepest point so far is a bite
  // into uncut material.
  std::vector<double> levels;
  std::vector<std::vector<Move>> cuts;
  double deepest = z0;
  for (const Move& m : own.moves) {
    if (!m.Cuts()) continue;
    EXPECT_LE(deepest - m.z, step + 1e-4) << "deeper than the max step, line " << m.lineNo;
    deepest = std::min(deepest, m.z);
    if (std::fabs(m.z - m.startZ) > 1e-9 || m.z >= z0 - 1e-6) continue;
    if (levels.empty() || std::fabs(m.z - levels.back()) > 1e-6) {
      if (!levels.empty()) {
        EXPECT_LT(m.z, levels.back()) << "back up to a level already cut, line " << m.lineNo;
      }
      levels.push_back(m.z);
      cuts.emplace_back();
    }
    cuts.back().push_back(m);
  }
  ASSERT_FALSE(levels.empty());
  EXPECT_NEAR(levels.back(), bottom, 1.0001e-4);

  // Each level clears the whole floor: the tool swept over its moves cuts
  // every point it can reach from within the walls, all but the corners its
  // radius rounds.
  const auto reachable = [&](const Point& p) {
    const double outX = std::max({left - p.x, p.x - right, 0.0});
    const double outY = std::max({front - p.y, p.y - back, 0.0});
    return std::hypot(outX, outY) <= D / 2 + 1e-9;
  };
  for (size_t i = 0; i < levels.size(); ++i) {
    test::FloorSweep floor(x0, y0, xd, yd, 0.05);
    for (const Move& m : cuts[i]) floor.Cut(m, D / 2 + kPrint);
    const auto uncut = floor.Left(reachable);
    EXPECT_EQ(uncut.points, 0) << "level Z" << levels[i] << " leaves " << uncut.area
                               << " mm2 uncut, first at X" << uncut.first.x << " Y"
                               << uncut.first.y;
  }
}

TEST(RectanglePocketInterpreter, GridOfSinglePockets) {
  SKIP_WITHOUT_RS274();
  const Case geometries[] = {
      Pocket("0", "0", "0", "20", "30", "5"),
      Pocket("100", "-50", "10", "30", "20", "6"),                         // centre line along X
      Pocket("-33,3333", "12,5", "-1,5", "25", "25", "3,175", 50, "2,5"),  // square
      Pocket("5", "-7,25", "0", "6", "40", "6"),                           // as narrow as the tool
      Pocket("-5", "0", "-1", "60", "40", "10"),                           // a large tool
      Pocket("0", "0", "0", "29", "40", "6"),  // at 100 %: a full ring, a last one 5,5 wide
      Pocket("2", "3", "0", "17", "17", "6"),  // at 100 %: only a last ring, 5,5 wide
      // A small tool in a large pocket: 10 % is refused.
      Pocket("-10", "-20", "0,5", "45", "35,5", "1")};
  const int percents[] = {10, 25, 40, 50, 73, 85, 86, 90, 100};

  std::vector<Case> cases;
  int k = 0, refused = 0;
  for (const Case& g : geometries)
    for (int percent : percents) {
      Case c = g;
      c.percent = percent;
      const auto& [depth, step] = test::kDepthPasses[k % test::kDepthPasses.size()];
      c.depth = depth;
      c.step = step;
      c.ccw = k % 2;
      c.entry = k / 2 % 2;
      c.VaryOptions(k++);
      if (!c.TooManyRings()) {
        cases.push_back(c);
        continue;
      }
      SCOPED_TRACE(c.Describe());
      test::QuietPage<TFrame4> run;
      run.Create(c);
      EXPECT_NE(run.page.Error(), 0) << "more than 99 rings accepted";
      EXPECT_EQ(run.page.Memo1().Count(), 0u);
      ++refused;
    }
  EXPECT_GT(refused, 0);
  test::RunGrid<TFrame4>(cases, CheckPocket);
}

// Series mode: several pockets in one listing, each checked on its own lines.
TEST(RectanglePocketInterpreter, SeriesListingClearsEachPocket) {
  SKIP_WITHOUT_RS274();
  const std::vector<Case> pockets = {
      Cut(Pocket("0", "0", "0", "20", "30", "5", 40), "-2", "0,6"),
      Cut(Pocket("40", "25,5", "-3", "18", "9", "4", 75), "-1,2", "",
          test::kCcw | test::kStraight | test::kFlood | test::kNoTool)};
  test::RunSeries<TFrame4>(pockets, CheckPocket);
}

}  // namespace
}  // namespace verlo
