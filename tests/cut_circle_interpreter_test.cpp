// Cut circle programs run through LinuxCNC's interpreter: the tool must stay on
// the circle while in the material, reach the full depth all the way round, and
// take no more than the max step per turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/rs274_trace.h"
#include "wizards/cut_circle/cut_circle_page.h"

namespace verlo {
namespace {

using test::Move;
using test::Point;
using test::Trace;

constexpr double kPi = 3.14159265358979323846;

#define SKIP_WITHOUT_RS274() \
  if (!test::Rs274Available()) GTEST_SKIP() << "rs274 not installed: interpreter checks skipped"

struct Quiet : MessageBox {
  void Show(const std::string&, const std::string&) override {}
};

double Num(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return std::stod(text);
}

// One circle as the user enters it.
struct Case {
  std::string x = "0", y = "0", z = "0", safe = "5";
  std::string depth = "-2", diameter = "20", tool = "5";
  std::string step;  // empty: "nincs"
  int ccw = 0, helix = 1;
  int coolant = 0, m4 = 0;
  bool noTool = false, comments = true;

  double Radius() const { return (Num(diameter) - Num(tool)) / 2; }
  double MaxStep() const {
    const double d = std::fabs(Num(depth));
    return step.empty() ? d : std::min(d, std::fabs(Num(step)));
  }
  std::string Describe() const {
    return "centre " + x + "/" + y + " Z" + z + " depth " + depth + " circle " + diameter +
           " tool " + tool + " step " + (step.empty() ? "none" : step) + (ccw ? " CCW" : " CW") +
           (helix ? " helix" : " straight");
  }
};

void Enter(TFrame5& page, const Case& c) {
  page.Find("Edit_x_")->text = c.x;
  page.Find("Edit_y_")->text = c.y;
  page.Find("Edit_z_")->text = c.z;
  page.Find("Edit_zsb_")->text = c.safe;
  page.Find("Edit_m_")->text = c.depth;
  page.Find("Edit_r_")->text = c.diameter;
  page.Find("Edit_sz_")->text = c.tool;
  page.Find("CheckBox_szc_")->checked = c.step.empty();
  page.Fire("CheckBox_szc_");
  if (!c.step.empty()) page.Find("Edit_szc_")->text = c.step;
  page.Find("CheckBox_szsz_")->checked = c.noTool;
  page.Fire("CheckBox_szsz_");
  page.Find("CheckBox_msg_")->checked = c.comments;
  const std::pair<const char*, int> radios[] = {{"RadioGroup_cw_", c.ccw},
                                                {"RadioGroup_zi_", c.helix},
                                                {"RadioGroup_h_", c.coolant},
                                                {"RadioGroup_m34_", c.m4}};
  for (const auto& [name, index] : radios) {
    page.Find(name)->itemIndex = index;
    page.Fire(name);
  }
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// Checks the moves of program lines first..last (1-based) against the circle.
void CheckCircle(const Trace& trace, int first, int last, const Case& c) {
  SCOPED_TRACE(c.Describe());
  std::vector<Move> moves;
  for (const Move& m : trace.moves)
    if (m.lineNo >= first && m.lineNo <= last) moves.push_back(m);
  ASSERT_FALSE(moves.empty());

  const double cx = Num(c.x), cy = Num(c.y), z0 = Num(c.z), R = c.Radius();
  const double bottom = z0 + Num(c.depth), step = c.MaxStep();
  Trace own;
  own.moves = moves;
  EXPECT_NEAR(test::MinZ(own), bottom, 1.0001e-4);

  for (const Move& m : moves) {
    if (m.kind == Move::Traverse) {
      EXPECT_GE(m.z, z0) << "rapid into the material, line " << m.lineNo;
      if (std::hypot(m.x - m.startX, m.y - m.startY) > 1e-9) {
        EXPECT_NEAR(m.z, z0 + Num(c.safe), 1e-4) << "rapid across below the safe height";
      }
    }
    if (m.kind == Move::Arc) {
      EXPECT_EQ(m.rotation, c.ccw ? 1 : -1) << "line " << m.lineNo;
    }
  }

  // Walk the cut round the circle: the floor left at each angle, the deepest
  // bite into it, and the worst distance from the circle.
  const int bins = 1440;
  std::vector<double> floor(bins, z0);
  std::vector<bool> hit(bins, false);
  double worstBite = 0, worstOff = 0;
  const double spacing = std::max(kPi * R / bins, 1e-4);
  for (const Move& m : moves) {
    if (!m.Cuts()) continue;
    for (const Point& p : test::Samples(m, spacing)) {
      if (p.z >= z0 - 1e-6) continue;
      worstOff = std::max(worstOff, std::fabs(std::hypot(p.x - cx, p.y - cy) - R));
      const double a = std::atan2(p.y - cy, p.x - cx);
      const int bin = std::clamp(static_cast<int>((a + kPi) / (2 * kPi) * bins), 0, bins - 1);
      worstBite = std::max(worstBite, floor[bin] - p.z);
      floor[bin] = std::min(floor[bin], p.z);
      hit[bin] = true;
    }
  }
  EXPECT_LE(worstOff, 1e-3) << "cut leaves the circle of radius " << R;
  EXPECT_LE(worstBite, step + 1e-4 + 2 * step / bins) << "deeper than the max step in one turn";
  const int missed = static_cast<int>(std::count(hit.begin(), hit.end(), false));
  EXPECT_EQ(missed, 0) << "angles never cut";
  int shallow = 0;
  for (int i = 0; i < bins; ++i) shallow += floor[i] > bottom + 1e-4;
  EXPECT_EQ(shallow, 0) << "angles not cut to the bottom";
}

int FailureCount() {
  return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
}

Trace Interpret(const std::vector<std::string>& lines) {
  Trace trace = test::RunRs274(lines);
  EXPECT_TRUE(trace.ok) << trace.error << "\nprogram:\n" << Joined(lines);
  return trace;
}

TEST(CutCircleInterpreter, GridOfSingleCircles) {
  SKIP_WITHOUT_RS274();
  Case geometries[3];
  geometries[1].x = "100";
  geometries[1].y = "-50";
  geometries[1].z = "10";
  geometries[1].diameter = "12,7";
  geometries[1].tool = "6";
  geometries[2].x = "-33,3333";
  geometries[2].y = "12,5";
  geometries[2].z = "-1,5";
  geometries[2].safe = "2,5";
  geometries[2].diameter = "50";
  geometries[2].tool = "3,175";
  const char* depths[] = {"-2", "-5", "-0,3"};
  const char* steps[] = {"", "0,6", "1", "0,5", "-0,25"};

  int n = 0, failedCases = 0;
  for (const Case& g : geometries)
    for (const char* depth : depths)
      for (const char* step : steps)
        for (int ccw = 0; ccw < 2; ++ccw)
          for (int helix = 0; helix < 2; ++helix, ++n) {
            Case c = g;
            c.depth = depth;
            c.step = step;
            c.ccw = ccw;
            c.helix = helix;
            c.coolant = n % 3;
            c.m4 = n / 3 % 2;
            c.noTool = n % 5 == 4;
            c.comments = n % 4 != 1;
            SCOPED_TRACE(c.Describe());
            Quiet q;
            TFrame5 page(q);
            page.StartUp();
            Enter(page, c);
            page.Button1Click();
            ASSERT_EQ(page.Values().error, 0);
            const std::vector<std::string> lines = page.Memo1().Lines();
            const int before = FailureCount();
            const Trace trace = Interpret(lines);
            if (trace.ok) CheckCircle(trace, 1, static_cast<int>(lines.size()), c);
            if (FailureCount() > before) {
              ADD_FAILURE() << "listing:\n" << Joined(lines);
              ASSERT_LT(++failedCases, 5) << "stopping after 5 failing cases";
            }
          }
}

// Series mode: several circles in one listing, each checked on its own lines.
TEST(CutCircleInterpreter, SeriesListingCutsEachCircle) {
  SKIP_WITHOUT_RS274();
  std::vector<Case> circles(3);
  circles[0].step = "0,6";
  circles[1].x = "40";
  circles[1].y = "25,5";
  circles[1].z = "3";
  circles[1].depth = "-1,2";
  circles[1].diameter = "10";
  circles[1].tool = "4";
  circles[1].ccw = 1;
  circles[1].helix = 0;
  circles[1].coolant = 2;
  circles[2].x = "-15";
  circles[2].y = "-15";
  circles[2].diameter = "8,5";
  circles[2].tool = "8";
  circles[2].depth = "-3";
  circles[2].step = "1";
  circles[2].noTool = true;

  for (bool comments : {true, false}) {
    Quiet q;
    TFrame5 page(q);
    page.StartUp();
    page.Find("RadioGroup_s_")->itemIndex = 1;
    page.Fire("RadioGroup_s_");
    std::vector<size_t> ends;
    for (Case c : circles) {
      c.comments = comments;
      Enter(page, c);
      page.Button1Click();
      ASSERT_EQ(page.Values().error, 0);
      ends.push_back(page.Memo1().Count());
    }
    std::vector<std::string> lines = {"G21 G90"};
    for (const std::string& line : page.Memo1().Lines()) lines.push_back(line);
    lines.push_back("M30");
    const Trace trace = Interpret(lines);
    if (!trace.ok) continue;
    size_t begin = 0;
    for (size_t i = 0; i < circles.size(); ++i) {
      // Listing line k is program line k + 2, after the added "G21 G90".
      CheckCircle(trace, static_cast<int>(begin) + 2, static_cast<int>(ends[i]) + 1, circles[i]);
      begin = ends[i];
    }
  }
}

// A positive depth is only warned about: the program climbs from the start Z
// and keeps to the circle.
TEST(CutCircleInterpreter, PositiveDepthClimbsOnTheCircle) {
  SKIP_WITHOUT_RS274();
  for (int helix = 0; helix < 2; ++helix) {
    Case c;
    c.depth = "1,5";
    c.step = "0,6";
    c.helix = helix;
    SCOPED_TRACE(c.Describe());
    Quiet q;
    TFrame5 page(q);
    page.StartUp();
    Enter(page, c);
    page.Button1Click();
    ASSERT_EQ(page.Values().error, 0);
    const Trace trace = Interpret(page.Memo1().Lines());
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
