// The Fibonacci spiral's two programs, read by our own reader: the formula
// program (variables, subprograms, the host's %) cuts what the explicit
// G-code cuts, also where rs274 cannot run it (% for the level count, no full
// turn, many turns).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/interpreter_harness.h"
#include "toolpath/reader.h"
#include "wizards/fibonacci/fibonacci_page.h"

namespace verlo {
namespace {

struct Spiral {
  const char *x, *y, *z, *scale, *depth, *max;  // max "": no maximum per level
  int turns, quarters, cw;
};

std::vector<std::string> Listing(const Spiral& s, int formula) {
  test::QuietPage<TFrame2> run;
  TFrame2& page = run.page;
  const std::pair<const char*, std::string> texts[] = {
      {"Edit1", s.x},      {"Edit2", s.y},
      {"Edit11", s.z},     {"Edit12", "5"},
      {"Edit10", s.scale}, {"Edit7", s.depth},
      {"Edit9", s.max},    {"Edit3", std::to_string(s.turns)}};
  for (const auto& [name, text] : texts) page.Find(name)->text = text;
  page.Find("CheckBox2")->checked = std::string(s.max).empty();
  page.Find("CheckBox3")->checked = false;
  const std::pair<const char*, int> radios[] = {
      {"RadioGroup1", formula}, {"RadioGroup2", s.quarters}, {"RadioGroup3", s.cw ? 0 : 1}};
  for (const auto& [name, index] : radios) page.Find(name)->itemIndex = index;
  page.Button1Click();
  EXPECT_EQ(page.Error(), 0);
  return page.Memo1().Lines();
}

// The arcs and the feeds down into each level.
std::vector<toolpath::Move> Cuts(const std::vector<std::string>& listing) {
  const toolpath::ReadResult read = toolpath::ReadToolpath(listing);
  EXPECT_TRUE(read.Ok()) << read.error->Text();
  std::vector<toolpath::Move> cuts;
  for (size_t i = 0; i < read.path.moves.size(); ++i) {
    const toolpath::Move& m = read.path.moves[i];
    if (m.kind == toolpath::MoveKind::Arc ||
        (m.kind == toolpath::MoveKind::Feed && m.end.z < read.path.StartOf(i).z))
      cuts.push_back(m);
  }
  return cuts;
}

TEST(ToolpathFibonacci, FormulaProgramCutsWhatTheExplicitOneCuts) {
  const Spiral spirals[] = {
      {"0", "0", "0", "0", "-2", "", 1, 2, 0},
      {"0", "0", "0", "0", "-2", "0,6", 1, 2, 1},  // rs274 cannot read the %
      {"100", "-50", "10", "2,5", "-3", "1", 2, 3, 0},
      {"-33,3333", "12,5", "-1,5", "0,75", "-1", "0,3", 0, 3, 1},  // no full turn: L0
      {"5", "5", "0", "0,001", "-0,5", "", 10, 1, 1},              // 41 arcs up to 165 m
      {"0", "0", "0", "1", "-1", "0,25", 0, 0, 0},                 // plunges only
  };
  for (const Spiral& s : spirals) {
    SCOPED_TRACE(std::string("start ") + s.x + "/" + s.y + " scale " + s.scale + " depth " +
                 s.depth + " max " + s.max + " turns " + std::to_string(s.turns) + "+" +
                 std::to_string(s.quarters) + "/4" + (s.cw ? " CW" : " CCW"));
    const std::vector<toolpath::Move> explicitCuts = Cuts(Listing(s, 0));
    const std::vector<toolpath::Move> formulaCuts = Cuts(Listing(s, 1));
    ASSERT_EQ(formulaCuts.size(), explicitCuts.size());
    ASSERT_FALSE(formulaCuts.empty());
    for (size_t i = 0; i < formulaCuts.size(); ++i) {
      SCOPED_TRACE("cut " + std::to_string(i + 1));
      const toolpath::Move &a = formulaCuts[i], &b = explicitCuts[i];
      ASSERT_EQ(a.kind, b.kind);
      EXPECT_EQ(a.clockwise, b.clockwise);
      const double d[] = {a.end.x - b.end.x, a.end.y - b.end.y, a.end.z - b.end.z,
                          a.cx - b.cx,       a.cy - b.cy,       a.feed - b.feed};
      for (double v : d) EXPECT_NEAR(v, 0, 1e-4);
    }
  }
}

}  // namespace
}  // namespace verlo
