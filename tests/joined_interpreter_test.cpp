// Joined programs run through LinuxCNC's interpreter: in machine coordinates
// a joined program makes exactly the moves of its steps run alone, one
// after the other, rapids and cuts alike, and ends once.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

#include "accumulate/joining.h"
#include "cli/page_controls.h"
#include "gcode/program_frame.h"
#include "support/recording_messages.h"
#include "tests/support/interpreter_harness.h"
#include "wizards/circular_pocket/circular_pocket_page.h"
#include "wizards/fibonacci/fibonacci_page.h"

namespace verlo {
namespace {

using test::Lines;
using test::Move;

constexpr double kTol = 1e-4;

// One command line's steps: "spiral" or "pocket" starts a step, the
// NAME=VALUE words after it set that page's controls before its create.
// The pages keep their values from step to step, as in the window.
std::vector<Lines> RecordSteps(const std::string& command) {
  test::RecordingMessages messages;
  ShellState shell;
  shell.accumulate = 1;
  StepStore steps(shell);
  steps.Reset();
  HeadlessHoleSelector holes;
  PageContext context{messages, shell, steps, holes};
  PageHost spiral(RowOf<TFrame2>(), context, shell);
  PageHost pocket(RowOf<TFrame3>(), context, shell);
  spiral.StartUp();
  pocket.StartUp();
  std::stringstream words(command);
  PageHost* page = nullptr;
  int creates = 0;
  const auto create = [&] {
    if (page) page->Press("Button1"), ++creates;
  };
  for (std::string w; words >> w;) {
    if (w == "spiral" || w == "pocket") {
      create();
      page = w == "spiral" ? &spiral : &pocket;
      page->Show();
    } else {
      SetControl(*page, w.substr(0, w.find('=')), w.substr(w.find('=') + 1));
    }
  }
  create();
  EXPECT_EQ(steps.Count(), creates) << "every create writes its step";
  std::vector<Lines> listings;
  for (int i = 0; i < steps.Count(); ++i) listings.push_back(ListingLines(steps.Step(i).listing));
  return listings;
}

::testing::AssertionResult SameMove(const Move& a, const Move& b) {
  const auto near = [](double p, double q) { return std::fabs(p - q) <= kTol; };
  bool same = a.kind == b.kind && near(a.x, b.x) && near(a.y, b.y) && near(a.z, b.z);
  if (same && a.kind == Move::Arc)
    same = near(a.cx, b.cx) && near(a.cy, b.cy) && a.rotation == b.rotation;
  if (same) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "joined line " << a.lineNo << " moves to " << a.x << " " << a.y << " " << a.z
         << ", the step alone (line " << b.lineNo << ") to " << b.x << " " << b.y << " " << b.z;
}

// The joined program of the command's steps against the steps run alone.
void CheckJoined(const char* command) {
  const std::vector<Lines> steps = RecordSteps(command);
  // Each step alone, from where the one before it left the tool (a move
  // that names only Z keeps X and Y).
  std::vector<Move> alone;
  for (Lines step : steps) {
    if (std::find(step.begin(), step.end(), "M30") == step.end()) step.push_back("M30");
    const Move at = alone.empty() ? Move{} : alone.back();
    step.insert(step.begin(), "G0 X" + N4(at.x) + " Y" + N4(at.y) + " Z" + N4(at.z));
    const test::Trace own = test::Interpret(step);
    const test::Trace moves = test::LinesOf(own, 2, static_cast<int>(step.size()));
    alone.insert(alone.end(), moves.moves.begin(), moves.moves.end());
  }
  const Lines joined = JoinSteps(steps);
  const test::Trace trace = test::Interpret(joined);
  ASSERT_EQ(trace.moves.size(), alone.size()) << test::ProgramText(joined);
  for (size_t i = 0; i < alone.size(); ++i)
    ASSERT_TRUE(SameMove(trace.moves[i], alone[i])) << "move " << i;
  const auto ends = std::count(joined.begin(), joined.end(), "M30");
  EXPECT_EQ(ends, 1);
}

TEST(JoinedInterpreter, AJoinedProgramMovesAsItsStepsRunAlone) {
  SKIP_WITHOUT_RS274();
  const char* const commands[] = {
      "spiral Edit1=10 Edit2=5 pocket Edit1=30 Edit2=-20",
      "spiral Edit1=10 Edit2=5 Edit11=-10 pocket Edit1=30 Edit2=-20 Edit11=-2",
      "spiral RadioGroup1=1 Edit1=-5 pocket Edit4=30 spiral Edit1=15 RadioGroup3=0",
      "pocket spiral RadioGroup1=1 CheckBox3=0 Edit3=2 spiral Edit1=40 Edit11=3 RadioGroup2=3",
      "pocket CheckBox1=1 spiral Edit1=20 pocket CheckBox1=0 Edit1=-30",
      "pocket RadioGroup6=1 CheckBox5=0 pocket Edit1=25 spiral Edit2=-12",
      "pocket RadioGroup6=1 pocket Edit1=25 RadioGroup6=0",
      "pocket RadioGroup2=2 spiral RadioGroup1=1 CheckBox5=0 pocket RadioGroup2=1 Edit2=30",
      "spiral Edit11=-4 Edit12=2 spiral RadioGroup4=1 Edit1=12 spiral RadioGroup1=1 Edit2=9",
  };
  for (const char* command : commands) {
    SCOPED_TRACE(command);
    CheckJoined(command);
  }
}

}  // namespace
}  // namespace verlo
