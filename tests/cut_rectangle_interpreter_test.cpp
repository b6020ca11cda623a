// Cut rectangle programs run through LinuxCNC's interpreter: the tool must stay
// on the outline while in the material, reach the full depth all the way
// round, and take no more than the max step per lap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/rs274_trace.h"
#include "wizards/cut_rectangle/cut_rectangle_page.h"

namespace verlo {
namespace {

using test::Move;
using test::Point;
using test::Trace;

#define SKIP_WITHOUT_RS274() \
  if (!test::Rs274Available()) GTEST_SKIP() << "rs274 not installed: interpreter checks skipped"

struct Quiet : MessageBox {
  void Show(const std::string&, const std::string&) override {}
};

double Num(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return std::stod(text);
}

// One rectangle as the user enters it.
struct Case {
  std::string x = "0", y = "0", z = "0", safe = "5";
  std::string depth = "-2", xd = "20", yd = "30", tool = "5";
  std::string step;  // empty: "nincs"
  int ccw = 0, ramp = 1;
  int coolant = 0, m4 = 0;
  bool noTool = false, comments = true;

  double MaxStep() const {
    const double d = std::fabs(Num(depth));
    return step.empty() ? d : std::min(d, std::fabs(Num(step)));
  }
  std::string Describe() const {
    return "corner " + x + "/" + y + " Z" + z + " size " + xd + "x" + yd + " depth " + depth +
           " tool " + tool + " step " + (step.empty() ? "none" : step) + (ccw ? " CCW" : " CW") +
           (ramp ? " ramp" : " straight");
  }
};

void Enter(TFrame7& page, const Case& c) {
  const std::pair<const char*, std::string> texts[] = {
      {"Edit_x_", c.x},     {"Edit_y_", c.y},   {"Edit_z_", c.z},   {"Edit_zsb_", c.safe},
      {"Edit_m_", c.depth}, {"Edit_xd_", c.xd}, {"Edit_yd_", c.yd}, {"Edit_sz_", c.tool}};
  for (const auto& [name, text] : texts) page.Find(name)->text = text;
  page.Find("CheckBox_szc_")->checked = c.step.empty();
  page.Fire("CheckBox_szc_");
  if (!c.step.empty()) page.Find("Edit_szc_")->text = c.step;
  page.Find("CheckBox_szsz_")->checked = c.noTool;
  page.Fire("CheckBox_szsz_");
  page.Find("CheckBox_msg_")->checked = c.comments;
  const std::pair<const char*, int> radios[] = {{"RadioGroup_cw_", c.ccw},
                                                {"RadioGroup_zi_", c.ramp},
                                                {"RadioGroup_h_", c.coolant},
                                                {"RadioGroup_m34_", c.m4}};
  for (const auto& [name, index] : radios) {
    page.Find(name)->itemIndex = index;
    page.Fire(name);
  }
}

// Checks the moves of one rectangle program.
void CheckOutline(const Trace& own, const Case& c) {
  SCOPED_TRACE(c.Describe());
  ASSERT_FALSE(own.moves.empty());
  const double x0 = Num(c.x), y0 = Num(c.y), z0 = Num(c.z), xd = Num(c.xd), yd = Num(c.yd);
  const double bottom = z0 + Num(c.depth), step = c.MaxStep();
  EXPECT_NEAR(test::MinZ(own), bottom, 1.0001e-4);

  for (const Move& m : own.moves) {
    if (m.kind != Move::Traverse) continue;
    EXPECT_GE(m.z, z0) << "rapid into the material, line " << m.lineNo;
    if (std::hypot(m.x - m.startX, m.y - m.startY) > 1e-9) {
      EXPECT_NEAR(m.z, z0 + Num(c.safe), 1e-4) << "rapid across below the safe height";
    }
  }

  // The outline walked clockwise from the start corner; a point's place along
  // it is the length walked to its nearest side plus the way along that side.
  const Point corners[5] = {
      {x0, y0, 0}, {x0, y0 + yd, 0}, {x0 + xd, y0 + yd, 0}, {x0 + xd, y0, 0}, {x0, y0, 0}};
  const double perimeter = 2 * (xd + yd);
  const int bins = 1440;
  std::vector<double> floor(bins, z0);
  std::vector<bool> hit(bins, false);
  double worstBite = 0, worstOff = 0;
  const double spacing = std::min(perimeter / bins / 2, 0.25);
  // A ramp descends a quarter pass along each side, steepest on the shortest.
  const double slope = step / 4 / std::min(xd, yd);
  for (const Move& m : own.moves) {
    if (!m.Cuts()) continue;
    // Bites are measured against the floor as it was before this move.
    std::vector<double> after = floor;
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
      const int bin = static_cast<int>(std::floor(along / perimeter * bins)) % bins;
      worstBite = std::max(worstBite, floor[bin] - p.z);
      after[bin] = std::min(after[bin], p.z);
      hit[bin] = true;
    }
    floor = after;
  }
  EXPECT_LE(worstOff, 1e-4) << "cut leaves the outline";
  EXPECT_LE(worstBite, step + 1e-4 + 2 * slope * spacing) << "deeper than the max step in one lap";
  const int missed = static_cast<int>(std::count(hit.begin(), hit.end(), false));
  EXPECT_EQ(missed, 0) << "parts of the outline never cut";
  int shallow = 0;
  for (int i = 0; i < bins; ++i) shallow += floor[i] > bottom + 1e-4;
  EXPECT_EQ(shallow, 0) << "parts of the outline not cut to the bottom";
}

int FailureCount() {
  return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
}

Trace Interpret(const std::vector<std::string>& lines) {
  Trace trace = test::RunRs274(lines);
  EXPECT_TRUE(trace.ok) << trace.error << "\nprogram:\n" << test::ProgramText(lines);
  return trace;
}

TEST(CutRectangleInterpreter, GridOfSingleRectangles) {
  SKIP_WITHOUT_RS274();
  Case geometries[5];
  geometries[1].x = "100";
  geometries[1].y = "-50";
  geometries[1].z = "10";
  geometries[1].xd = "12,7";
  geometries[1].yd = "6,35";
  geometries[1].tool = "6";
  geometries[2].x = "-33,3333";  // square
  geometries[2].y = "12,5";
  geometries[2].z = "-1,5";
  geometries[2].safe = "2,5";
  geometries[2].xd = "25";
  geometries[2].yd = "25";
  geometries[2].tool = "3,175";
  geometries[3].x = "5";  // as narrow as the tool
  geometries[3].y = "-7,25";
  geometries[3].xd = "6";
  geometries[3].yd = "40";
  geometries[3].tool = "6";
  geometries[4].x = "-0,25";  // a tiny square
  geometries[4].y = "0,75";
  geometries[4].z = "0,5";
  geometries[4].xd = "0,5";
  geometries[4].yd = "0,5";
  geometries[4].tool = "0,5";
  // Depth with max step: none, 0,6, exact multiples, one pass despite a step,
  // a step typed negative.
  const std::pair<const char*, const char*> passes[] = {
      {"-2", ""}, {"-3,7", "0,6"}, {"-2", "0,5"}, {"-3", "1"}, {"-0,3", "0,6"}, {"-1,5", "-0,4"}};

  int n = 0, failedCases = 0;
  for (const Case& g : geometries)
    for (const auto& [depth, step] : passes)
      for (int ccw = 0; ccw < 2; ++ccw)
        for (int ramp = 0; ramp < 2; ++ramp, ++n) {
          Case c = g;
          c.depth = depth;
          c.step = step;
          c.ccw = ccw;
          c.ramp = ramp;
          c.coolant = n % 3;
          c.m4 = n / 3 % 2;
          c.noTool = n % 5 == 4;
          c.comments = n % 4 != 1;
          SCOPED_TRACE(c.Describe());
          Quiet q;
          TFrame7 page(q);
          page.StartUp();
          Enter(page, c);
          page.Button1Click();
          ASSERT_EQ(page.Values().error, 0);
          const std::vector<std::string> lines = page.Memo1().Lines();
          const int before = FailureCount();
          const Trace trace = Interpret(lines);
          if (trace.ok) CheckOutline(trace, c);
          if (FailureCount() > before) {
            ADD_FAILURE() << "listing:\n" << test::ProgramText(lines);
            ASSERT_LT(++failedCases, 5) << "stopping after 5 failing cases";
          }
        }
}

// Series mode: several rectangles in one listing, each checked on its own
// lines.
TEST(CutRectangleInterpreter, SeriesListingCutsEachRectangle) {
  SKIP_WITHOUT_RS274();
  std::vector<Case> rectangles(2);
  rectangles[0].step = "0,6";
  rectangles[1].x = "40";
  rectangles[1].y = "25,5";
  rectangles[1].z = "3";
  rectangles[1].depth = "-1,2";
  rectangles[1].xd = "18";
  rectangles[1].yd = "9";
  rectangles[1].tool = "4";
  rectangles[1].step = "0,5";
  rectangles[1].ccw = 1;
  rectangles[1].ramp = 0;
  rectangles[1].coolant = 2;
  rectangles[1].noTool = true;

  for (bool comments : {true, false}) {
    Quiet q;
    TFrame7 page(q);
    page.StartUp();
    page.Find("RadioGroup_s_")->itemIndex = 1;
    page.Fire("RadioGroup_s_");
    std::vector<size_t> ends;
    for (Case c : rectangles) {
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
    for (size_t i = 0; i < rectangles.size(); ++i) {
      // Listing line k is program line k + 2, after the added "G21 G90".
      CheckOutline(test::LinesOf(trace, static_cast<int>(begin) + 2, static_cast<int>(ends[i]) + 1),
                   rectangles[i]);
      begin = ends[i];
    }
  }
}

}  // namespace
}  // namespace verlo
