// Circular pocket programs run through LinuxCNC's interpreter: in the material
// the tool centre must stay within (D - d) / 2 of the pocket's centre and
// reach it at every level, every level must clear the whole floor, the arcs
// turn the chosen way, and no level lies deeper than the max step below the
// one before.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "tests/support/interpreter_harness.h"
#include "wizards/circular_pocket/circular_pocket_page.h"

namespace verlo {
namespace {

using test::Move;
using test::Num;
using test::Point;
using test::Trace;

constexpr test::CaseControls kControls{"Edit1",       "Edit2",       "Edit11",      "Edit12",
                                       "Edit7",       "Edit3",       "CheckBox2",   "Edit9",
                                       "CheckBox1",   "CheckBox5",   "RadioGroup3", "RadioGroup5",
                                       "RadioGroup2", "RadioGroup4", "RadioGroup6"};

// Printed coordinates and radii are rounded to 0.0001 each.
constexpr double kPrint = 2.5e-4;

// One pocket as the user enters it.
struct Case : test::MillingCase {
  std::string diameter = "20";
  int percent = 50;

  double D() const { return Num(tool); }
  double Wall() const { return (Num(diameter) - D()) / 2; }  // the tool centre's reach
  // More than 99 turns (0 % among them): the page refuses the pocket.
  bool TooManyTurns() const { return 200 * percent * D() / 100 <= 2 * Wall() + 1e-9; }
  const test::CaseControls& Controls() const override { return kControls; }

 protected:
  void EnterOwn(WizardPage& page) const override {
    page.Find("Edit4")->text = diameter;
    page.Find("ScrollBar1")->position = percent;
    page.Fire("ScrollBar1");
  }
  std::string Shape() const override {
    return "centre " + x + "/" + y + " pocket " + diameter + " step-over " +
           std::to_string(percent) + "%";
  }
};

Case Pocket(std::string x, std::string y, std::string z, std::string diameter, std::string tool,
            std::string safe = "5") {
  Case c = test::Placed<Case>(x, y, z, tool, safe);
  c.diameter = diameter;
  return c;
}

// How far the floor lies from the path: the largest distance from a point of
// the disk of radius `wall` about (cx, cy) to the nearest piece of the
// sampled path (a grid of points; a point within `reach` is looked at no
// further).
double WorstUncut(const std::vector<Point>& path, double cx, double cy, double wall, double reach,
                  Point& worstPoint) {
  const int steps = std::max(1, static_cast<int>(std::ceil(wall / (reach / 2))));
  double worst = 0;
  for (int i = -steps; i <= steps; ++i)
    for (int j = -steps; j <= steps; ++j) {
      const Point p{cx + wall * i / steps, cy + wall * j / steps, 0};
      if (std::hypot(p.x - cx, p.y - cy) > wall) continue;
      double nearest = 1e300;
      for (size_t k = 1; k < path.size() && nearest > reach; ++k)
        nearest = std::min(nearest, test::DistanceXY(p, path[k - 1], path[k]));
      if (nearest > worst) {
        worst = nearest;
        worstPoint = p;
      }
    }
  return worst;
}

void CheckPocket(const Trace& own, const Case& c) {
  SCOPED_TRACE(c.Describe());
  ASSERT_FALSE(own.moves.empty());
  test::CheckDepthAndRapids(own, c);
  const double cx = Num(c.x), cy = Num(c.y), z0 = c.Z0(), wall = c.Wall(), step = c.MaxStep();
  const double spacing = std::max(c.D() / 10, 0.05);

  // The levels: the moves in the material that stay at one height.
  std::map<double, std::vector<Point>, std::greater<double>> levels;
  double deepest = z0, farthest = 0;
  for (const Move& m : own.moves) {
    if (!m.Cuts()) continue;
    if (m.kind == Move::Arc) {
      EXPECT_EQ(m.rotation, c.ccw ? 1 : -1) << "line " << m.lineNo;
    }
    EXPECT_LE(deepest - m.z, step + 1e-4) << "deeper than the max step, line " << m.lineNo;
    deepest = std::min(deepest, m.z);
    const bool level = std::fabs(m.z - m.startZ) < 1e-9 && m.z < z0 - 1e-6;
    for (const Point& p : test::Samples(m, spacing)) {
      if (p.z >= z0 - 1e-6) continue;
      const double r = std::hypot(p.x - cx, p.y - cy);
      EXPECT_LE(r, wall + kPrint) << "into the wall, line " << m.lineNo;
      farthest = std::max(farthest, r);
      if (level) levels[m.z].push_back(p);
    }
  }
  EXPECT_NEAR(farthest, wall, kPrint) << "the wall is not reached";
  if (wall < kPrint) return;  // a plunge at the centre, level by level
  ASSERT_FALSE(levels.empty());
  EXPECT_NEAR(levels.rbegin()->first, c.Bottom(), 1.0001e-4);
  for (const auto& [z, path] : levels) {
    SCOPED_TRACE("level Z" + std::to_string(z));
    double out = 0;
    for (const Point& p : path) out = std::max(out, std::hypot(p.x - cx, p.y - cy));
    EXPECT_NEAR(out, wall, kPrint) << "the level does not reach the wall";
    Point at;
    const double reach = c.D() / 2 + kPrint;
    EXPECT_LE(WorstUncut(path, cx, cy, wall, reach, at), reach)
        << "floor left uncut at X" << at.x << " Y" << at.y;
  }
}

TEST(CircularPocketInterpreter, GridOfSinglePockets) {
  SKIP_WITHOUT_RS274();
  const Case geometries[] = {
      Pocket("0", "0", "0", "20", "5"),
      Pocket("100", "-50", "10", "33,3", "6", "3"),
      Pocket("-33,3333", "12,5", "-1,5", "25", "3,175", "2,5"),
      Pocket("5", "-7,25", "0", "6", "6"),  // as wide as the tool
      Pocket("0,5", "0,25", "-2", "30", "3"),
  };
  const int percents[] = {10, 25, 40, 50, 73, 85, 100};
  std::vector<Case> cases;
  int k = 0;
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
      ASSERT_FALSE(c.TooManyTurns()) << c.Describe();
      cases.push_back(c);
    }
  test::RunGrid<TFrame3>(cases, CheckPocket);
}

TEST(CircularPocketInterpreter, TooManyTurnsAreRefused) {
  for (const int percent : {0, 10}) {
    Case c = Pocket("0", "0", "0", "45", "1");
    c.percent = percent;
    ASSERT_TRUE(c.TooManyTurns());
    test::QuietPage<TFrame3> run;
    run.Create(c);
    EXPECT_NE(run.page.Error(), 0) << percent;
    EXPECT_EQ(run.page.Memo1().Count(), 0u);
  }
}

TEST(CircularPocketInterpreter, SeriesListingClearsEachPocket) {
  SKIP_WITHOUT_RS274();
  const std::vector<Case> pockets = {
      test::Cut(Pocket("0", "0", "0", "20", "5"), "-2", "0,6"),
      test::Cut(Pocket("40", "25,5", "-3", "18", "4"), "-1,2", "",
                test::kCcw | test::kStraight | test::kFlood | test::kNoTool)};
  test::RunSeries<TFrame3>(pockets, CheckPocket);
}

}  // namespace
}  // namespace verlo
