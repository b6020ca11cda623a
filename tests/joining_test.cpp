// The joined program as text: which end lines a step loses before the next
// one, where subprograms go and how their numbers stay apart. What the
// joined programs make a machine do is checked by the interpreter
// (joined_interpreter_test.cpp).
#include "accumulate/joining.h"

#include <gtest/gtest.h>

#include <sstream>

namespace verlo {
namespace {

using Lines = std::vector<std::string>;

// Lines written as one text, "|" between them; "~" stands for the separator
// with its blank lines.
Lines L(const std::string& text) {
  Lines lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line, '|');) {
    if (line == "~")
      lines.insert(lines.end(), {"", kStepSeparator, ""});
    else
      lines.push_back(line);
  }
  return lines;
}

TEST(Joining, StepsLoseOnlyTheirTrailingEndCodes) {
  struct Case {
    const char* what;
    std::vector<std::string> steps;
    std::string joined;
  };
  const Case cases[] = {
      {"one step stays as it is", {"G0 Z5|G1 Z0|M5|M30"}, "G0 Z5|G1 Z0|M5|M30"},
      {"the retract before the end codes stays",
       {"G1 Z0|G0 Z5|M5|M30", "G0 Z3|M30"},
       "G1 Z0|G0 Z5|~|G0 Z3|M30"},
      {"the frame return stays",
       {"G0 X0 Y0|G54|M5|M30", "G0 Z5|M5|M30"},
       "G0 X0 Y0|G54|~|G0 Z5|M5|M30"},
      {"coolant and spindle ends go",
       {"G0 Z5|M9|M5|M30", "G0 Z5|M9|M5|M30"},
       "G0 Z5|~|G0 Z5|M9|M5|M30"},
      {"blank lines among and after the end codes go with them",
       {"G0 Z5| |m05 |M30| ", "G0 Z5|M30"},
       "G0 Z5| |~|G0 Z5|M30"},
      {"a step without end codes keeps its last moves",
       {"G1 X1|G0 Z5| | ", "G1 X2|G0 Z5|M30"},
       "G1 X1|G0 Z5| | |~|G1 X2|G0 Z5|M30"},
      {"a last step without a program end gets one",
       {"G0 Z5|M30", "G1 X2|G0 Z5| | "},
       "G0 Z5|~|G1 X2|G0 Z5| | |M30"},
      {"an end code in the middle stays", {"M5|G0 Z5|M30", "G0 Z5|M30"}, "M5|G0 Z5|~|G0 Z5|M30"},
      {"no steps, no program", {}, ""},
  };
  for (const Case& c : cases) {
    std::vector<Lines> steps;
    for (const std::string& s : c.steps) steps.push_back(L(s));
    EXPECT_EQ(JoinSteps(steps), L(c.joined)) << c.what;
  }
}

TEST(Joining, SubprogramsFollowTheProgramEndWithNumbersOfTheirOwn) {
  const Lines spiral =
      L("#19=[10+#8]|M98 P1 L#17 (főciklus)|G54|M5|M30| |O1 (főciklus)|"
        "M98 P2 L#7|M98 P#19 L1|M99| |O2|M98P3L1|M99|O3|M99|O12|M99");
  const Lines joined = JoinSteps({spiral, L("G0 Z5|M5|M30"), spiral});
  EXPECT_EQ(joined, L("#19=[10+#8]|M98 P1 L#17 (főciklus)|G54|~|G0 Z5|~|"
                      "#19=[10+#8]|M98 P101 L#17 (főciklus)|G54|M5|M30| |"
                      "O1 (főciklus)|M98 P2 L#7|M98 P#19 L1|M99| |O2|M98P3L1|M99|O3|M99|O12|M99|"
                      "O101 (főciklus)|M98 P102 L#7|M98 P[#19+100] L1|M99| |O102|M98P103L1|"
                      "M99|O103|M99|O112|M99"));
  // A call of a number the step does not define, and one inside a comment,
  // stay as written.
  EXPECT_EQ(JoinSteps({L("M30|O150|M99"), L("M98 P7 (M98 P150)|M30|O150|M99")}),
            L("~|M98 P7 (M98 P150)|M30|O150|M99|O350|M99"));
}

}  // namespace
}  // namespace verlo
