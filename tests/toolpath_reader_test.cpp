// The toolpath reader: the words it reads, the moves it makes of them, where
// it agrees with LinuxCNC's rs274 (arcs, drill cycles, offsets) and where it
// reads our host's dialect instead (% as the remainder, G4 P in
// milliseconds, subprograms called from anywhere, decimal commas), and the
// broken listings of tests/toolpath_errors/<case>/ (input.tap, expected:
// the first error line).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gcode/encoding.h"
#include "tests/support/interpreter_harness.h"
#include "tests/support/toolpath_compare.h"
#include "toolpath/reader.h"

namespace verlo {
namespace {

namespace fs = std::filesystem;
using test::BriefMoves;
using test::ListingLines;
using toolpath::ReadToolpath;

struct Case {
  const char* what;
  const char* listing;
  const char* moves;  // BriefMoves of what the reader makes of it
};

TEST(ToolpathReader, MovesOfEachWord) {
  const Case cases[] = {
      {"spaces, case, comments, blank lines", "g0z5(safe)\n \n\nG1X1.5Y-2F100",
       "r0,0,5 f1.5,-2,5F100"},
      {"decimal comma", "G0 X1,5 Y-0,25", "r1.5,-0.25,0"},
      {"F alone, N words, % lines, ; comments", "%\nN10 F200\nG1 X1 ; rest\n%", "f1,0,0F200"},
      {"G91", "G91\nG0 X1\nG0 X1 Y1\nG90\nG0 X0", "r1,0,0 r2,1,0 r0,1,0"},
      {"G59 set by G10, back to G54", "G10 L2 P6 X10 Y5 Z-1\nG59\nG0 X0 Y0\nG54\nG0 X0",
       "r10,5,0 r0,5,0"},
      {"G10 on the frame in use moves the frame", "G0 X1\nG10 L2 P1 X5\nG0 Y0", "r1,0,0 r1,0,0"},
      {"dwell in milliseconds, tool change", "T3 M6\nG4 P2000\nG4 P250", "t3 d2 d0.25"},
      {"variables and brackets", "#1=2\n#2=[#1*3+1]\nG0 X#2 Y-#1 Z[#2-#1]", "r7,-2,5"},
      {"indirect variables", "#5=7\n#7=3\n#[#5+1]=4\nG0 X##5 Y#8", "r3,4,0"},
      {"a line's values are read before its assignments", "#1=1\n#1=5 G0 X#1\nG0 Y#1",
       "r1,0,0 r1,5,0"},
      {"full circle, turns, helix", "G1 X1 F100\nG2 X1 Y0 I-1 J0\nG3 X1 Y0 Z-1 I-1 J0 P2",
       "f1,0,0F100 a1,0,0@0,0cw a1,0,-1@0,0ccw*2"},
      {"R of both signs", "G1 X1 Y1 F1\nG2 X2 Y2 R1\nG2 X3 Y3 R-1",
       "f1,1,0F1 a2,2,0@2,1cw a3,3,0@2,3cw"},
      {"modal arc", "G2 X2 Y0 R1 F9\nX4 R1", "a2,0,0@1,0cw a4,0,0@3,0cw"},
      {"subprogram called forward with P and L expressions, ended by M30",
       "#9=1\nM98 P[#9+1] L[#9*2]\nM30\nO2\nG1 X#1 F100\n#1=[#1+1]\nM99", "f0,0,0F100 f1,0,0F100"},
      {"subprogram called from below it", "M98 P2\nM30\nO1\nG0 X1\nM99\nO2\nM98 P1\nG0 X2\nM99",
       "r1,0,0 r2,0,0"},
      {"L0 calls nothing", "M98 P1 L0\nG0 X9\nM30\nO1\nG0 X1\nM99", "r9,0,0"},
      {"nothing runs after M2", "G0 X1\nM2\nG0 X2 Q\nM99", "r1,0,0"},
      {"a series without M30 ends with its last line", "G0 X1\nG0 X2", "r1,0,0 r2,0,0"},
      {"G83 holes repeated by bare lines until G80", "G0 Z3\nG83 X1 Z-1 R1 Q1 F50\nY1\nG80\nG0 X5",
       "r0,0,3 r1,0,3 r1,0,1 f1,0,0F50 r1,0,1 r1,0,0.254 f1,0,-1F50 r1,0,1 r1,1,1 f1,1,0F50 "
       "r1,1,1 r1,1,0.254 f1,1,-1F50 r1,1,1 r5,1,1"},
      {"G73 breaks the chip, G98 returns to the start height", "G0 Z3\nG98 G73 Z-1.5 R1 Q1 F50",
       "r0,0,3 r0,0,3 r0,0,1 f0,0,0F50 r0,0,0.254 f0,0,-1F50 r0,0,-0.746 f0,0,-1.5F50 r0,0,3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const toolpath::ReadResult read = ReadToolpath(ListingLines(c.listing));
    ASSERT_TRUE(read.Ok()) << read.error->Text();
    EXPECT_EQ(BriefMoves(read.path), c.moves);
  }
}

TEST(ToolpathReader, Expressions) {
  const std::pair<const char*, double> cases[] = {
      {"[1+2*3]", 7},
      {"[[1+2]*3]", 9},
      {"[2-3-4]", -5},
      {"[8/2/2]", 2},
      {"[7%3]", 1},
      {"[-7%3]", 2},
      {"[7MOD3]", 1},
      {"abs[-2.5]", 2.5},
      {"ABS[-1]", 1},
      {"-aBs[3]", -3},
      {"[-abs[-2/4]]", -0.5},
      {"[1,5+1]", 2.5},
      {"fix[2.7]", 2},
      {"fup[2.2]", 3},
      {"round[2.5]", 3},
      {"sqrt[16]", 4},
      {"[sin[30]+cos[60]]", 1},
      {"[1.5*-2]", -3},
      // the formula spiral's level count: floor(|depth| / maximum) + 1
      {"[[[abs[-2]-[abs[-2]%0.6]]/0.6]+1]", 4},
  };
  for (const auto& [expression, value] : cases) {
    SCOPED_TRACE(expression);
    const toolpath::ReadResult read =
        ReadToolpath({std::string("#1=") + expression, "G0 X#1", "M30"});
    ASSERT_TRUE(read.Ok()) << read.error->Text();
    ASSERT_EQ(read.path.moves.size(), 1u);
    EXPECT_NEAR(read.path.moves[0].end.x, value, 1e-9);
  }
}

TEST(ToolpathReader, StateEachMoveCarries) {
  const toolpath::ReadResult read = ReadToolpath(ListingLines(
      "(szerszám átmérője 6)\nT2 M6\nS1200 M4\nM8\nG1 X1 F100\nM5 M9\nG10 L2 P6 X3\nG59\n"
      "G0 X0\n(Szerszámátmérő: 2,5)\nG0 Y1\nM30"));
  ASSERT_TRUE(read.Ok()) << read.error->Text();
  const auto& m = read.path.moves;
  ASSERT_EQ(m.size(), 4u);
  EXPECT_EQ(m[1].line, 5);
  EXPECT_EQ(m[1].tool, 2);
  EXPECT_EQ(m[1].spindle, toolpath::Spindle::CounterClockwise);
  EXPECT_EQ(m[1].speed, 1200);
  EXPECT_EQ(m[1].coolant, toolpath::kFlood);
  EXPECT_EQ(m[2].spindle, toolpath::Spindle::Off);
  EXPECT_EQ(m[2].coolant, 0);
  ASSERT_EQ(read.path.origins.size(), 2u);
  EXPECT_EQ(read.path.origins[1].system, 59);
  EXPECT_EQ(read.path.origins[1].at.x, 3);
  ASSERT_EQ(read.path.diameters.size(), 2u);
  EXPECT_EQ(read.path.diameters[0].diameter, 6);
  EXPECT_EQ(read.path.diameters[1].fromMove, 3u);
  EXPECT_EQ(read.path.diameters[1].diameter, 2.5);
}

// Listings typed by hand in the words our pages use, read by both.
TEST(ToolpathReader, HandTypedListingsAsRs274ReadsThem) {
  SKIP_WITHOUT_RS274();
  const char* const listings[] = {
      // cycles: started below R, G98 with R changing, one cycle after another
      "G0 Z-3\nG83 X1 Y1 Z-10 R1 Q2 F100\nX2 Y2\nG98 X3 Y3\nG0 Z10\nG83 X4 Y4 Z-10 R1 "
      "Q2.5\nX5\nG80\nG73 X6 Y6 Z-4 R2 Q1 F50\nG99 X7\nM30",
      "G0 Z5\nG73 X2 Y2 Z-0.5 R0.3 Q1 F100\nG83 X3 Y3 Z-1 R1 Q3\nX4 Y4 R2\nX5 Y5 R0.5\nG0 "
      "Z-1\nG83 X6 Y6 Z-2 R1 Q3\nG98 X7 Y7 R3\nX8 Y8 R0.5\nM30",
      // pecks of less than the clearance, a peck ending a hair above the bottom
      "G0 Z5\nG83 X1 Y1 Z0 R1 Q0.1 F100\nG73 X2 Z-0.5 R0.3 Q0.1\nM30",
      // arcs at the edges of what is accepted, helices, turns
      "G1 X0 Y0 F100\nG2 X2.0025 Y0 R1\nG3 X0 Y0 R-1.00125\nG2 X2.02 Y0 I1 J0\nG3 X0 Y0 Z-1 "
      "I-1.01 J0 P3\nG2 X1 Y1 R-1\nM30",
      // offsets under arcs and incremental moves
      "G10 L2 P6 X40 Y-5 Z2\nG59\nG0 X0 Y0 Z5\nG1 Z-1 F150\nG91\nG2 X2 Y0 I1 J0 F300\nG1 "
      "Y-1\nG90\nG54\nG0 Z5\nG4 P1500\nT2 M6\nM30",
  };
  for (const char* listing : listings) {
    SCOPED_TRACE(listing);
    const std::vector<std::string> lines = ListingLines(listing);
    const test::Trace trace = test::RunRs274(lines);
    ASSERT_TRUE(trace.ok) << trace.error;
    const toolpath::ReadResult read = ReadToolpath(lines);
    ASSERT_TRUE(read.Ok()) << read.error->Text();
    EXPECT_EQ(test::DifferenceFromRs274(read.path, trace), "");
  }
}

// Arcs just inside and just outside each of rs274's limits: both read the
// first and refuse the second.
TEST(ToolpathReader, ArcsRefusedWhereRs274RefusesThem) {
  SKIP_WITHOUT_RS274();
  const std::pair<const char*, bool> arcs[] = {
      {"G2 X2.0025 Y0 R1", true},          {"G2 X2.00255 Y0 R1", false},
      {"G2 X2.028 Y0 I1 J0", true},        {"G2 X2.0285 Y0 I1 J0", false},
      {"G2 X2000.999 Y0 I1000 J0", true},  {"G2 X2001.002 Y0 I1000 J0", false},
      {"G2 X20002.82 Y0 I10000 J0", true}, {"G2 X20002.83 Y0 I10000 J0", false},
      {"G2 X0 Y0 I0.0013 J0", true},       {"G2 X0 Y0 I0.00126 J0", false},
      {"G2 X0.0001 Y0 R1", true},          {"G2 X0 Y0 R1", false},
  };
  for (const auto& [arc, accepted] : arcs) {
    SCOPED_TRACE(arc);
    const std::vector<std::string> lines = {"G21 G90", "G1 X0 Y0 F100", arc, "M30"};
    EXPECT_EQ(test::RunRs274(lines).ok, accepted);
    const toolpath::ReadResult read = ReadToolpath(lines);
    EXPECT_EQ(read.Ok(), accepted);
    if (!read.Ok()) {
      EXPECT_EQ(read.error->line, 3);
    }
  }
}

TEST(ToolpathReader, BoundsEndListingsThatRunWithoutEnd) {
  toolpath::ReadLimits limits;
  limits.maxMoves = 1000;
  limits.maxExecutedLines = 5000;
  const std::pair<const char*, const char*> cases[] = {
      {"M98 P1 L999999999\nM30\nO1\n#1=[#1+1]\nM99",
       "5. sor: a program több mint 5000 sort hajtana végre: végtelen ismétlés?"},
      {"M98 P1 L999999999\nM30\nO1\nG0 X1\nG0 X2\nG0 X3\nG0 X4\nG0 X5\nM99",
       "4. sor: a program több mint 1000 mozgást írna le: végtelen ismétlés?"},
  };
  for (const auto& [listing, error] : cases) {
    const toolpath::ReadResult read = ReadToolpath(ListingLines(listing), limits);
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.error->Text(), error);
    EXPECT_LE(read.path.moves.size(), limits.maxMoves);
  }
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(ToolpathReader, BrokenListingsNameTheirFirstError) {
  const fs::path root = fs::path(VERLO_SOURCE_DIR) / "tests" / "toolpath_errors";
  int cases = 0;
  for (const auto& dir : fs::directory_iterator(root)) {
    SCOPED_TRACE(dir.path().filename().string());
    ++cases;
    std::vector<std::string> lines =
        ListingLines(Local8BitToUtf8(ReadText(dir.path() / "input.tap")));
    for (std::string& line : lines)
      if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string expected = ReadText(dir.path() / "expected");
    while (!expected.empty() && (expected.back() == '\n' || expected.back() == '\r'))
      expected.pop_back();
    const toolpath::ReadResult read = ReadToolpath(lines);
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.error->Text(), expected);
  }
  EXPECT_GT(cases, 20);
}

}  // namespace
}  // namespace verlo
