// The Fibonacci spiral as a parametric program: the page's values in the
// variables #1 to #20, and subprograms that cut the quarter arcs, step the
// radius and repeat the levels on the control.
#include "gcode/numbers.h"
#include "gcode/program_frame.h"
#include "wizards/fibonacci/fibonacci_page.h"

namespace verlo {

void TFrame2::WriteFormulaVariables() {
  // Each assignment with its comment, or plain with comments off.
  const auto var = [this](const std::string& assignment, const std::string& comment) {
    Line(v_.comments ? assignment + " (" + comment + ")" : assignment);
  };
  var("#1=0", "X tengely");
  var("#2=0", "Y tengely");
  var("#3=0", "Z tengely");
  var("#4=" + N4(v_.scale), "V1 változó,első szám értéke, R sugár");
  var("#5=0", "V2 változó");
  var("#6=0", "VV változó");
  var("#7=" + N4(v_.turns), "egész körbefordulások száma");
  var("#8=" + IntToStr(v_.quarters), "részfordulat *1/4");
  var("#9=" + N4(v_.maxPerLevel), "lépésenkénti maximális fogás");
  var("#10=" + N4(v_.rotation), "elforgatás szöge");
  var("#11=" + N4(v_.x), "X tengely kezdő értéke");
  var("#12=" + N4(v_.y), "Y tengely kezdő értéke");
  var("#13=" + N4(v_.z), "Z tengely kezdő értéke");
  var("#14=" + N4(v_.clearance), "Z tengely biztonsági értéke");
  var("#15=" + N4(v_.depth), "marás mélysége");
  var("#16=[#13+#14]", "V3 változó, Z köztes pozíciók");
  var("#17=1", "V4 változó, főciklusok száma");
  var("#18=#15", "V5 változó, lépésenkénti mélység");
  var("#19=[10+#8]", "V6 változó részfordulat száma");
  var("#20=#4", "V7 változó, V1 mentése");
}

void TFrame2::WriteFormulaProgram() {
  const auto commented = [this](const std::string& line, const std::string& comment) {
    Line(v_.comments ? line + " (" + comment + ")" : line);
  };
  WriteFormulaVariables();
  Gap();
  if (v_.maxPerLevel != 0) {
    Line("#17=[[[abs[#15]-[abs[#15]%#9]]/#9]+1]");
    Line("#18=-abs[#15/#17]");
  }
  Gap();
  for (const char* line :
       {"G21 G90", "G0 Z#16", "G0 X#11 Y#12", "G10 L2 P6 X#11 Y#12 Z#13", "G59", "#16=0"})
    Line(line);
  Line("T" + read_.Text("Edit13") + " M6");
  Line("S" + read_.Text("Edit14") + (v_.m4 ? " M4" : " M3"));
  Line("G4 P2000");
  Gap();
  commented("M98 P1 L#17", "főciklus");
  Gap();
  for (const char* line : {"G0 Z#14", "G0 X0 Y0", "G54", "M5", "M30"}) Line(line);
  Gap();
  commented("O1", "főciklus");
  for (const char* line :
       {"G0 Z#14", "G0 X0 Y0", "#16=[#16+#18]", "#1=0", "#2=0", "#3=0", "#4=#20", "#5=0", "#6=0"})
    Line(line);
  Line("G1 Z#16 F" + N4(v_.f1));
  commented("M98 P2 L#7", "egész körök ciklus");
  commented("M98 P#19 L1", "részfordulat ciklus");
  Line("M99");
  Gap();
  WriteFormulaSubprograms();
}

void TFrame2::WriteFormulaSubprograms() {
  const auto commented = [this](const std::string& line, const std::string& comment) {
    Line(v_.comments ? line + " (" + comment + ")" : line);
  };
  // One quarter's move of the end point by the current radius, with the
  // signs of the quarter, then the arc that cuts it.
  const char* const x[2] = {"#1=[#1-#4]", "#1=[#1+#4]"};
  const char* const y[2] = {"#2=[#2-#4]", "#2=[#2+#4]"};
  const int(*signs)[2] = v_.ccw ? kSpiralSigns[0] : kSpiralSigns[1];
  const auto quarters = [&](int count) {
    for (int q = 0; q < count; ++q) {
      Line(x[signs[q][0] > 0]);
      Line(y[signs[q][1] > 0]);
      Line("M98 P3 L1");
    }
  };
  commented("O2", "egész körök ciklus");
  quarters(4);
  Line("M99");
  Gap();
  commented("O3", "kiírás és léptetés");
  Line((v_.ccw ? "G3" : "G2") + std::string(" X#1 Y#2 R#4 F") + N4(v_.f2));
  for (const char* line : {"#6=#4", "#4=[#4+#5]", "#5=#6", "M99"}) Line(line);
  Gap();
  const char* const parts[4] = {"részfordulat=0", "részfordulat=1/4", "részfordulat=1/2",
                                "részfordulat=3/4"};
  for (int q = 0; q < 4; ++q) {
    commented("O1" + IntToStr(q), parts[q]);
    quarters(q);
    Line("M99");
    Gap();
  }
}

}  // namespace verlo
