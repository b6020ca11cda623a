// Fibonacci spiral programs run through LinuxCNC's interpreter: every level
// cuts 4·T + q smooth quarter arcs whose radii follow the Fibonacci numbers
// from the start point, the lowest level is the depth, and the formula
// program cuts the same arcs as the explicit one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/support/interpreter_harness.h"
#include "wizards/fibonacci/fibonacci_page.h"

namespace verlo {
namespace {

using test::Move;
using test::Num;
using test::Trace;

constexpr double kTol = 1e-4;  // the programs' four decimals

// One spiral as the user enters it.
struct Spiral {
  std::string x = "0", y = "0", z = "0", safe = "5", scale = "0";
  std::string depth = "-2", max = "";  // max empty: "nincs"
  int turns = 1, quarters = 2;
  int cw = 0, m4 = 0;
  bool comments = true;

  double Scale() const { return Num(scale) == 0 ? 1 : Num(scale); }
  std::string Describe() const {
    return "start " + x + "/" + y + "/" + z + " scale " + scale + " turns " +
           std::to_string(turns) + "+" + std::to_string(quarters) + "/4 depth " + depth + " max " +
           (max.empty() ? "none" : max) + (cw ? " CW" : " CCW");
  }
  // The listing of one mode on a fresh page.
  test::Lines Create(int formula) const {
    test::QuietPage<TFrame2> run;
    TFrame2& page = run.page;
    const std::pair<const char*, std::string> texts[] = {
        {"Edit1", x},      {"Edit2", y},     {"Edit11", z},  {"Edit12", safe},
        {"Edit10", scale}, {"Edit7", depth}, {"Edit9", max}, {"Edit3", std::to_string(turns)}};
    for (const auto& [name, text] : texts) page.Find(name)->text = text;
    page.Find("CheckBox2")->checked = max.empty();
    page.Find("CheckBox3")->checked = false;
    page.Find("CheckBox5")->checked = comments;
    const std::pair<const char*, int> radios[] = {{"RadioGroup1", formula},
                                                  {"RadioGroup2", quarters},
                                                  {"RadioGroup3", cw ? 0 : 1},
                                                  {"RadioGroup4", m4}};
    for (const auto& [name, index] : radios) page.Find(name)->itemIndex = index;
    page.Button1Click();
    EXPECT_EQ(page.Error(), 0);
    return page.Memo1().Lines();
  }
};

// The arcs of each level: a level starts with the plunge, a feed downwards.
std::vector<std::vector<Move>> Levels(const Trace& trace) {
  std::vector<std::vector<Move>> levels;
  for (const Move& m : trace.moves) {
    if (m.kind == Move::Feed && m.z < m.startZ - 1e-9) levels.emplace_back();
    if (m.kind == Move::Arc && !levels.empty()) levels.back().push_back(m);
  }
  return levels;
}

void CheckExplicit(const Trace& trace, const Spiral& s) {
  const double x0 = Num(s.x), y0 = Num(s.y), z0 = Num(s.z);
  const auto levels = Levels(trace);
  ASSERT_FALSE(levels.empty());
  const size_t arcs = static_cast<size_t>(4 * s.turns + s.quarters);
  for (size_t i = 0; i < levels.size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    const std::vector<Move>& level = levels[i];
    ASSERT_EQ(level.size(), arcs);
    double r1 = 0, r2 = 0;  // the radii of the last two arcs
    for (size_t k = 0; k < level.size(); ++k) {
      const Move& a = level[k];
      const double r = std::hypot(a.startX - a.cx, a.startY - a.cy);
      EXPECT_NEAR(r, k < 2 ? s.Scale() : r1 + r2, kTol) << "arc " << k + 1;
      EXPECT_EQ(a.rotation, s.cw ? -1 : 1);
      EXPECT_NEAR(std::fabs(test::Sweep(a)), test::kPi / 2, 1e-6);
      if (k == 0) {
        EXPECT_NEAR(a.startX, x0, kTol);
        EXPECT_NEAR(a.startY, y0, kTol);
      } else {  // smooth: the centres lie on the radius through the joint
        const Move& b = level[k - 1];
        const double ux = b.cx - b.x, uy = b.cy - b.y, vx = a.cx - a.startX, vy = a.cy - a.startY;
        EXPECT_NEAR(ux * vy - uy * vx, 0, 1e-3 * r);
        EXPECT_GT(ux * vx + uy * vy, 0);
      }
      r2 = r1;
      r1 = r;
    }
  }
  const double bottom = z0 + Num(s.depth);
  EXPECT_NEAR(test::MinZ(trace), bottom, kTol);
  if (!levels.back().empty()) {
    EXPECT_NEAR(levels.back().back().z, bottom, kTol);
  }
  const Move& last = trace.moves.back();
  EXPECT_NEAR(last.x, x0, kTol);
  EXPECT_NEAR(last.y, y0, kTol);
  EXPECT_NEAR(last.z, z0 + Num(s.safe), kTol);
}

// The formula program as rs274 reads it:
// - `%` is the control's remainder, rs274's MOD;
// - rs274 finds a subprogram only after its definition or further on, so O3,
//   which the part-turns call from below it, goes to the end (when no full
//   turn ran, nothing has shown rs274 where O3 is);
// - rs274 runs the call after an "L0" call twice, so with no full turns the
//   call of O2 goes (it would cut nothing).
test::Lines ForRs274(test::Lines lines) {
  const auto starts = [](const std::string& line, const std::string& head) {
    return line == head || line.rfind(head + " ", 0) == 0;
  };
  bool noTurns = false;
  for (std::string& line : lines) {
    for (size_t at = line.find('%'); at != std::string::npos; at = line.find('%', at))
      line.replace(at, 1, " MOD ");
    noTurns = noTurns || starts(line, "#7=0.0000");
  }
  const auto o3 = std::find_if(lines.begin(), lines.end(),
                               [&](const std::string& l) { return starts(l, "O3"); });
  const auto end = std::find(o3, lines.end(), "M99");
  if (end != lines.end()) std::rotate(o3, end + 1, lines.end());
  if (noTurns)
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const std::string& l) { return starts(l, "M98 P2 L#7"); }),
                lines.end());
  return lines;
}

void CheckSameArcs(const Trace& formula, const Trace& explicitMoves) {
  std::vector<Move> a, b;
  for (const Move& m : formula.moves)
    if (m.kind == Move::Arc) a.push_back(m);
  for (const Move& m : explicitMoves.moves)
    if (m.kind == Move::Arc) b.push_back(m);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE("arc " + std::to_string(i + 1));
    EXPECT_EQ(a[i].rotation, b[i].rotation);
    const double d[] = {a[i].x - b[i].x,   a[i].y - b[i].y,   a[i].z - b[i].z,
                        a[i].cx - b[i].cx, a[i].cy - b[i].cy, a[i].startZ - b[i].startZ};
    for (double v : d) EXPECT_NEAR(v, 0, kTol);
  }
  EXPECT_EQ(Levels(formula).size(), Levels(explicitMoves).size());
}

TEST(FibonacciInterpreter, GridOfSpiralsInBothModes) {
  SKIP_WITHOUT_RS274();
  const std::vector<Spiral> geometries = {{"0", "0", "0", "5", "0"},  // x, y, z, safe, scale
                                          {"100", "-50", "10", "5", "2,5"},
                                          {"-33,3333", "12,5", "-1,5", "2,5", "0,75"}};
  const std::pair<const char*, const char*> depths[] = {
      {"-2", ""}, {"-2", "0,6"}, {"-3", "1"}, {"-0,5", "0,5"}};
  const std::pair<int, int> turns[] = {{1, 2}, {2, 0}, {0, 3}, {3, 1}, {0, 0}, {1, 1}};
  std::vector<Spiral> cases;
  for (const Spiral& g : geometries)
    for (const auto& [depth, max] : depths)
      for (int cw = 0; cw < 2; ++cw) {
        Spiral s = g;
        s.depth = depth;
        s.max = max;
        s.cw = cw;
        const size_t n = cases.size();
        std::tie(s.turns, s.quarters) = turns[n % std::size(turns)];
        s.m4 = n % 3 == 1;
        s.comments = n % 4 != 2;
        cases.push_back(s);
      }
  test::FailureBudget budget;
  for (const Spiral& s : cases) {
    SCOPED_TRACE(s.Describe());
    const auto check = [&](const Trace& explicitMoves) {
      CheckExplicit(explicitMoves, s);
      const Trace formula = test::Interpret(ForRs274(s.Create(1)));
      if (formula.ok) CheckSameArcs(formula, explicitMoves);
    };
    if (!budget.Check(s.Create(0), check)) return;
  }
}

}  // namespace
}  // namespace verlo
