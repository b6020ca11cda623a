// Rectangle pocket programs run through LinuxCNC's interpreter: in the material
// the tool must stay a radius inside the walls, every depth level must clear
// the whole floor out to the walls, and no level may lie deeper than the max
// step below the one before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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

// Grid steps over a length: about a quarter tool apart, at most 60.
int Divisions(double length, double D) {
  if (length < 1e-9) return 0;
  return std::clamp(static_cast<int>(std::ceil(length / (D / 4))), 1, 60);
}

// Checks the moves of one pocket program.
void CheckPocket(const Trace& own, const Case& c) {
  SCOPED_TRACE(c.Describe());
  ASSERT_FALSE(own.moves.empty());
  const double x0 = Num(c.x), y0 = Num(c.y), z0 = c.Z0(), D = c.D();
  const double bottom = c.Bottom(), step = c.MaxStep(), so = c.StepOver();
  // Where the tool centre may go: a radius inside the walls.
  const double left = x0 + D / 2, right = x0 + Num(c.xd) - D / 2;
  const double front = y0 + D / 2, back = y0 + Num(c.yd) - D / 2;
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

  // Each level reaches all four walls and leaves no floor uncut. The rings
  // have sharp corners: past a step-over of (2 + sqrt 2) / 4 of the tool a
  // spike stays between the corners of neighbouring rings, up to
  // sqrt 2 (so - D/2) from both.
  const double reach = std::max(D / 2, std::sqrt(2.0) * (so - D / 2)) + 2e-4;
  const int nx = Divisions(right - left, D), ny = Divisions(back - front, D);
  for (size_t i = 0; i < levels.size(); ++i) {
    SCOPED_TRACE("level Z" + std::to_string(levels[i]));
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (const Move& m : cuts[i]) {
      minX = std::min({minX, m.startX, m.x});
      maxX = std::max({maxX, m.startX, m.x});
      minY = std::min({minY, m.startY, m.y});
      maxY = std::max({maxY, m.startY, m.y});
    }
    EXPECT_NEAR(minX, left, 1.0001e-4);
    EXPECT_NEAR(maxX, right, 1.0001e-4);
    EXPECT_NEAR(minY, front, 1.0001e-4);
    EXPECT_NEAR(maxY, back, 1.0001e-4);

    int bare = 0;
    Point worstPoint;
    double worst = 0;
    for (int ix = 0; ix <= nx; ++ix)
      for (int iy = 0; iy <= ny; ++iy) {
        const Point p = {nx ? left + (right - left) * ix / nx : left,
                         ny ? front + (back - front) * iy / ny : front, 0};
        double nearest = 1e300;
        for (const Move& m : cuts[i]) {
          nearest = std::min(nearest, test::DistanceXY(p, m.Start(), m.End()));
          if (nearest <= reach) break;
        }
        if (nearest > reach) ++bare;
        if (nearest > worst) {
          worst = nearest;
          worstPoint = p;
        }
      }
    EXPECT_EQ(bare, 0) << "floor left uncut: X" << worstPoint.x << " Y" << worstPoint.y << " is "
                       << worst << " from the nearest cut, the tool reaches " << reach;
  }
}

TEST(RectanglePocketInterpreter, GridOfSinglePockets) {
  SKIP_WITHOUT_RS274();
  const Case geometries[] = {
      Pocket("0", "0", "0", "20", "30", "5"),
      Pocket("100", "-50", "10", "30", "20", "6"),                         // centre line along X
      Pocket("-33,3333", "12,5", "-1,5", "25", "25", "3,175", 50, "2,5"),  // square
      Pocket("5", "-7,25", "0", "6", "40", "6"),                           // as narrow as the tool
      // A small tool in a large pocket: 10 % is refused.
      Pocket("-10", "-20", "0,5", "45", "35,5", "1")};
  const int percents[] = {10, 25, 40, 50, 73, 85, 100};

  std::vector<Case> cases;
  int n = 0, refused = 0;
  for (const Case& g : geometries)
    for (int percent : percents)
      for (const auto& [depth, step] : test::kDepthPasses) {
        const int k = n++;
        if (&g == &geometries[4] && k % 3 != 0) continue;  // fewer of the slow ones
        Case c = g;
        c.percent = percent;
        c.depth = depth;
        c.step = step;
        c.ccw = k % 2;
        c.entry = (k / 2 + percent) % 2;
        c.VaryOptions(k);
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
