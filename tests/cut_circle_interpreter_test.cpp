// Cut circle programs run through LinuxCNC's interpreter: the tool must stay on
// the circle while in the material, reach the full depth all the way round, and
// take no more than the max step per turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/interpreter_harness.h"
#include "wizards/cut_circle/cut_circle_page.h"

namespace verlo {
namespace {

using test::Cut;
using test::Move;
using test::Num;
using test::Point;
using test::Trace;

constexpr double kPi = 3.14159265358979323846;

// One circle as the user enters it.
struct Case : test::MillingCase {
  std::string diameter = "20";

  double Radius() const { return (Num(diameter) - Num(tool)) / 2; }

 protected:
  void EnterOwn(WizardPage& page) const override { page.Find("Edit_r_")->text = diameter; }
  std::string Shape() const override { return "centre " + x + "/" + y + " circle " + diameter; }
  const char* EntryName() const override { return "helix"; }
};

// A circle round x, y from z down, `diameter` across, cut with a `tool`.
Case Circle(std::string x, std::string y, std::string z, std::string diameter, std::string tool,
            std::string safe = "5") {
  Case c;
  c.x = x;
  c.y = y;
  c.z = z;
  c.safe = safe;
  c.diameter = diameter;
  c.tool = tool;
  return c;
}

// Checks the moves of one circle program.
void CheckCircle(const Trace& own, const Case& c) {
  SCOPED_TRACE(c.Describe());
  ASSERT_FALSE(own.moves.empty());
  test::CheckDepthAndRapids(own, c);
  for (const Move& m : own.moves) {
    if (m.kind != Move::Arc) continue;
    EXPECT_EQ(m.rotation, c.ccw ? 1 : -1) << "line " << m.lineNo;
  }

  // Walk the cut round the circle: the floor left at each angle, the deepest
  // bite into it, and the worst distance from the circle.
  const double cx = Num(c.x), cy = Num(c.y), z0 = c.Z0(), R = c.Radius(), step = c.MaxStep();
  const int bins = 1440;
  test::PathFloor floor(bins, z0);
  double worstOff = 0;
  const double spacing = std::max(kPi * R / bins, 1e-4);
  for (const Move& m : own.moves) {
    if (!m.Cuts()) continue;
    for (const Point& p : test::Samples(m, spacing)) {
      if (p.z >= z0 - 1e-6) continue;
      worstOff = std::max(worstOff, std::fabs(std::hypot(p.x - cx, p.y - cy) - R));
      const double a = std::atan2(p.y - cy, p.x - cx);
      floor.Cut(std::clamp(static_cast<int>((a + kPi) / (2 * kPi) * bins), 0, bins - 1), p.z);
      floor.Settle();
    }
  }
  EXPECT_LE(worstOff, 1e-3) << "cut leaves the circle of radius " << R;
  EXPECT_LE(floor.WorstBite(), step + 1e-4 + 2 * step / bins)
      << "deeper than the max step in one turn";
  EXPECT_EQ(floor.Missed(), 0) << "angles never cut";
  EXPECT_EQ(floor.Shallow(c.Bottom()), 0) << "angles not cut to the bottom";
}

TEST(CutCircleInterpreter, GridOfSingleCircles) {
  SKIP_WITHOUT_RS274();
  const std::vector<Case> geometries = {Circle("0", "0", "0", "20", "5"),
                                        Circle("100", "-50", "10", "12,7", "6"),
                                        Circle("-33,3333", "12,5", "-1,5", "50", "3,175", "2,5")};
  std::vector<test::Pass> passes;
  for (const char* depth : {"-2", "-5", "-0,3"})
    for (const char* step : {"", "0,6", "1", "0,5", "-0,25"}) passes.push_back({depth, step});
  test::RunGrid<TFrame5>(test::GridCases(geometries, passes), CheckCircle);
}

// Series mode: several circles in one listing, each checked on its own lines.
TEST(CutCircleInterpreter, SeriesListingCutsEachCircle) {
  SKIP_WITHOUT_RS274();
  const std::vector<Case> circles = {
      Cut(Circle("0", "0", "0", "20", "5"), "-2", "0,6"),
      Cut(Circle("40", "25,5", "3", "10", "4"), "-1,2", "",
          test::kCcw | test::kStraight | test::kFlood),
      Cut(Circle("-15", "-15", "0", "8,5", "8"), "-3", "1", test::kNoTool)};
  test::RunSeries<TFrame5>(circles, CheckCircle);
}

// A positive depth is only warned about: the program climbs from the start Z
// and keeps to the circle.
TEST(CutCircleInterpreter, PositiveDepthClimbsOnTheCircle) {
  SKIP_WITHOUT_RS274();
  for (int helix = 0; helix < 2; ++helix) {
    const Case c = Cut(Case(), "1,5", "0,6", helix ? 0 : test::kStraight);
    SCOPED_TRACE(c.Describe());
    test::QuietPage<TFrame5> run;
    run.Create(c);
    ASSERT_EQ(run.page.Error(), 0);
    const Trace trace = test::Interpret(run.page.Memo1().Lines());
    if (!trace.ok) continue;
    double top = -1e9;
    for (const Move& m : trace.moves) {
      if (m.kind != Move::Arc) continue;
      top = std::max(top, m.z);
      for (const Point& p : test::Samples(m)) EXPECT_NEAR(std::hypot(p.x, p.y), c.Radius(), 1e-3);
    }
    EXPECT_NEAR(top, 1.5, 1e-4);
    EXPECT_GE(test::MinZ(trace), 0);
  }
}

// The trace reader itself, on a hand-written program.
TEST(Rs274Trace, ReadsArcsOffsetsAndErrors) {
  SKIP_WITHOUT_RS274();
  const Trace t =
      test::RunRs274({"G21 G90 (kezdőpont - árvíztűrő)",  // 1
                      "G0 X10 Y0 Z1",                     // 2
                      "G2 X10 Y0 I-10 J0 Z-0.5 P2 F100",  // 3: two clockwise turns down to -0.5
                      "G10 L2 P6 X5 Y6 Z7",               // 4
                      "G59",                              // 5
                      "G3 X6 Y-5 R1",                     // 6: a quarter from (5, -6) round (5, -5)
                      "G18 G54 G1 X0 Y0 Z0",              // 7
                      "G2 X2 Z0 I1 K0",                   // 8: half circle in XZ
                      "M30"});
  ASSERT_TRUE(t.ok) << t.error;
  ASSERT_EQ(t.moves.size(), 5u);

  const Move& helix = t.moves[1];
  EXPECT_EQ(helix.lineNo, 3);
  EXPECT_EQ(helix.rotation, -2);
  EXPECT_NEAR(test::Sweep(helix), -4 * kPi, 1e-9);
  const std::vector<Point> turns = test::Samples(helix, 0.1);
  double length = 0;
  for (size_t i = 1; i < turns.size(); ++i) {
    const Point &a = turns[i - 1], &b = turns[i];
    length += std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
    EXPECT_NEAR(std::hypot(b.x, b.y), 10, 1e-9);
  }
  EXPECT_NEAR(length, std::hypot(40 * kPi, 1.5), 1e-2);
  EXPECT_LT(turns[1].y, 0);  // clockwise from (10, 0)
  EXPECT_NEAR(turns[turns.size() / 2].z, 0.25, 1e-2);

  const Move& quarter = t.moves[2];  // G59 coordinates brought back to G54
  EXPECT_EQ(quarter.lineNo, 6);
  EXPECT_NEAR(quarter.startX, 10, 1e-9);
  EXPECT_NEAR(quarter.x, 11, 1e-9);
  EXPECT_NEAR(quarter.y, 1, 1e-9);
  EXPECT_NEAR(quarter.z, -0.5, 1e-9);
  EXPECT_NEAR(quarter.cx, 10, 1e-9);
  EXPECT_NEAR(quarter.cy, 1, 1e-9);
  EXPECT_NEAR(test::Sweep(quarter), kPi / 2, 1e-9);

  const Move& xz = t.moves[4];
  EXPECT_EQ(xz.plane, Move::XZ);
  for (const Point& p : test::Samples(xz)) {
    EXPECT_NEAR(std::hypot(p.x - 1, p.z), 1, 1e-9);
    EXPECT_LE(p.z, 1e-9);  // G18 G2 from X0 to X2 dips to -Z
  }
  EXPECT_NEAR(test::MinZ(t), -1, 1e-3);
  EXPECT_NEAR(test::MaxZ(t), 1, 1e-9);

  const Trace bad = test::RunRs274({"G21 G90", "G1 X1 F100", "G2 X5 Y0 R1", "M30"});
  EXPECT_FALSE(bad.ok);
  EXPECT_NE(bad.error.find("Arc radius too small"), std::string::npos) << bad.error;
  EXPECT_NE(bad.error.find("N3 G2 X5 Y0 R1"), std::string::npos) << bad.error;
}

}  // namespace
}  // namespace verlo
