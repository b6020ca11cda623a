// Drilling programs run through LinuxCNC's interpreter: every program is
// accepted, drills the selected holes in order at their angles on the circle,
// each down to the depth, feeds only straight down and crosses between holes
// above the retract plane.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/interpreter_harness.h"
#include "wizards/drill_circle/drill_circle_page.h"

namespace verlo {
namespace {

using test::Num;

// Where and how deep, as typed.
struct Place {
  std::string x, y, z, safe, depth, retract;
};

// One bolt circle as the user enters it, and the holes left out in the
// selector.
struct DrillCase {
  Place at{"0", "0", "0", "5", "-10", "1"};
  std::string diameter = "20", rotation = "0", peck = "2";  // peck "": "nincs"
  int holes = 5, g73 = 0;
  std::vector<int> unticked;

  void Enter(TFrame8& page, HeadlessHoleSelector& selector) const {
    const std::pair<const char*, std::string> texts[] = {
        {"Edit_x_", at.x},     {"Edit_y_", at.y},
        {"Edit_z_", at.z},     {"Edit_zsb_", at.safe},
        {"Edit_m_", at.depth}, {"Edit_db_", at.retract},
        {"Edit_r_", diameter}, {"Edit_ane_", rotation},
        {"Edit_szc_", peck},   {"Edit_drc_", std::to_string(holes)}};
    for (const auto& [name, text] : texts) page.Find(name)->text = text;
    page.Find("CheckBox_szc_")->checked = peck.empty();
    page.Find("RadioGroup_g783_")->itemIndex = g73 ? 0 : 1;
    if (unticked.empty()) return;
    page.Find("RadioGroup1")->itemIndex = 1;
    page.Fire("RadioGroup1");
    for (int i : unticked) selector.Ticks()[static_cast<size_t>(i - 1)] = false;
    selector.PressAccept();
  }
  std::string Describe() const {
    std::string s = std::to_string(holes) + " holes on " + diameter + " at " + at.x + "/" + at.y +
                    " rotated " + rotation + ", Z" + at.z + " to " + at.depth + " R" + at.retract +
                    (g73 ? " G73" : " G83") + " peck " + (peck.empty() ? "none" : peck);
    for (int i : unticked) s += " -" + std::to_string(i);
    return s;
  }
};

void CheckHoles(const test::Trace& trace, const DrillCase& c) {
  const double cx = Num(c.at.x), cy = Num(c.at.y), r = Num(c.diameter) / 2;
  std::vector<test::Point> expected;
  for (int i = 1; i <= c.holes; ++i) {
    if (std::find(c.unticked.begin(), c.unticked.end(), i) != c.unticked.end()) continue;
    const double a = (i * 360.0 / c.holes + Num(c.rotation)) * test::kPi / 180;
    expected.push_back({cx + r * std::cos(a), cy + r * std::sin(a), Num(c.at.depth)});
  }
  const std::vector<test::Hole> drilled = test::DrilledHoles(trace);
  ASSERT_EQ(drilled.size(), expected.size());
  for (size_t k = 0; k < drilled.size(); ++k) {
    EXPECT_LE(std::hypot(drilled[k].x - expected[k].x, drilled[k].y - expected[k].y), 1e-4)
        << "hole " << k + 1 << " drilled off its place";
    EXPECT_NEAR(drilled[k].bottom, expected[k].z, 1e-4) << "hole " << k + 1;
  }
  const double retract = Num(c.at.retract);
  for (const test::Move& m : trace.moves) {
    const bool sideways = std::hypot(m.x - m.startX, m.y - m.startY) > 1e-9;
    if (m.kind == test::Move::Feed) {
      EXPECT_FALSE(sideways) << "a feed sideways, line " << m.lineNo;
    } else if (sideways) {
      EXPECT_GE(m.z, retract - 1e-6) << "a rapid across below the retract plane";
    }
  }
}

// The grid: every count with every rotation (1000 holes with some); the
// place, diameter, cycle, peck and selection change from case to case.
std::vector<DrillCase> Grid() {
  const int counts[] = {1, 3, 4, 5, 21, 42, 83, 1000};
  const char* rotations[] = {"0", "10", "-90", "22,5", "-37,25", "400"};
  const Place places[] = {{"0", "0", "0", "5", "-10", "1"},
                          {"50", "30", "0", "5", "-3,5", "2"},
                          {"-120,5", "33,25", "10", "2,5", "4", "11"},
                          {"7", "-8", "0", "5", "-6", "0,5"}};
  const char* diameters[] = {"20", "5", "133,7"};
  const char* pecks[] = {"2", "", "-1,5", "15"};
  std::vector<DrillCase> cases;
  for (int n : counts)
    for (size_t r = 0; r < std::size(rotations); ++r) {
      if (n == 1000 && r % 2) continue;  // a long program: a few suffice
      const size_t k = cases.size();
      DrillCase c;
      c.holes = n;
      c.rotation = rotations[r];
      c.at = places[k % 4];
      c.diameter = diameters[k % 3];
      c.peck = pecks[k / 2 % 4];
      c.g73 = static_cast<int>(k / 3 % 2);
      if (k % 3 == 1) c.unticked = {n};
      if (k % 3 == 2 && n > 2) c.unticked = {1, n / 2 + 1};
      cases.push_back(c);
    }
  return cases;
}

TEST(DrillCircleInterpreter, EveryHoleOnTheCircleAtItsAngleToTheDepth) {
  SKIP_WITHOUT_RS274();
  const auto enter = [](const DrillCase& c, test::QuietPage<TFrame8>& run) {
    c.Enter(run.page, run.holes);
  };
  test::RunCases<TFrame8>(Grid(), enter, CheckHoles);
}

}  // namespace
}  // namespace verlo
