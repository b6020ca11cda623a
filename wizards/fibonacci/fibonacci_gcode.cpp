// The Fibonacci spiral's comment header, its quarter arcs and the program
// that writes them as explicit moves.
#include <cmath>

#include "gcode/numbers.h"
#include "gcode/program_frame.h"
#include "wizards/common/milling_frame.h"
#include "wizards/fibonacci/fibonacci_page.h"

namespace verlo {

const int kSpiralSigns[2][4][2] = {{{-1, 1}, {-1, -1}, {1, -1}, {1, 1}},   // CCW
                                   {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}}};  // CW

std::vector<SpiralArc> SpiralArcs(long double scale, int turns, int quarters, bool cw) {
  const auto& signs = kSpiralSigns[cw ? 1 : 0];
  std::vector<SpiralArc> arcs;
  long double x = 0, y = 0, r = scale, previous = 0;
  const auto step = [&](int quarter) {
    x += signs[quarter][0] * r;
    y += signs[quarter][1] * r;
    arcs.push_back({x, y, r});
    const long double next = r + previous;
    previous = r;
    r = next;
  };
  for (int t = 0; t < turns; ++t)
    for (int quarter = 0; quarter < 4; ++quarter) step(quarter);
  for (int quarter = 0; quarter < quarters; ++quarter) step(quarter);
  return arcs;
}

void TFrame2::Gap() {
  if (v_.comments) Line(" ");
}

void TFrame2::WriteComments() {
  if (!v_.comments) return;
  WriteCommentHead(Memo1(), PointHead(read_, kNumberedFields.start, "(Fibonacci spirál)"));
  Line("(körbefordulás " + N4(v_.turns) + " részfordulat " + IntToStr(v_.quarters) + "x1/4)");
  Line("(elforgatás " + N4(v_.rotation) + "°)");
  Line("(nagyítás mértéke x" + N4(v_.scale) + ")");
  WriteDepthComment(Memo1(), read_.Text(kNumberedFields.depth));
  if (!read_.Checked("CheckBox1"))
    Line("(szerszám max fogási mélység " + read_.Text("Edit8") + ")");
  if (v_.levels > 1) Line("(mélységi ciklusok száma " + N4(v_.levels) + ")");
  if (v_.p != read_.Float("Edit7")) Line("(ciklusonkénti mélység " + N4(v_.p) + ")");
  if (!read_.Checked("CheckBox2"))
    Line("(lépésenkénti max fogási mélység " + read_.Text("Edit9") + ")");
  Line(v_.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
  Line(" ");
}

void TFrame2::WriteProgram() {
  if (FormulaMode())
    WriteFormulaProgram();
  else
    WriteGcodeProgram();
}

void TFrame2::WriteGcodeProgram() {
  StepStore& steps = context_.steps;
  const bool accumulate = context_.shell.accumulate != 0;
  const std::string spindle = "S" + read_.Text("Edit14") + (v_.m4 ? " M4" : " M3");
  const std::string f1 = N4(v_.f1);

  if (steps.FirstProgram()) Line("G21 G90");
  Line("G0 Z" + N4(v_.safe));
  Line("G0 X" + N4(v_.x) + " Y" + N4(v_.y));
  Line("G10 L2 P6 X" + N4(v_.x) + " Y" + N4(v_.y) + " Z" + N4(v_.z));
  Line("G59");
  if (!accumulate || steps.ToolChanged(v_.tool)) Line("T" + read_.Text("Edit13") + " M6");
  bool spindleStarted = false;
  if (!accumulate || steps.SpeedChanged(v_.speed)) {
    Line(spindle);
    spindleStarted = true;
  }
  if (steps.DirectionChanged(v_.m4)) {
    Line("M5");
    Line(spindle);
    spindleStarted = true;
  }
  // Right inside the joined program, but alone it would cut with the
  // spindle stopped.
  spindleLeftOut_ = !spindleStarted;
  if (v_.comments) {
    Line(" ");
    Line("(főciklus)");
  }
  const std::vector<SpiralArc> arcs = SpiralArcs(v_.scale, v_.turns, v_.quarters, !v_.ccw);
  const std::string g = v_.ccw ? "G3" : "G2";
  const std::string f2 = " F" + N4(v_.f2);
  long double level = 0;  // the G59 surface
  for (int i = 1; i <= v_.levels; ++i) {
    Line("G0 Z" + N4(v_.clearance));
    Line("G0 X0 Y0");
    level += v_.p;
    Line("G1 Z" + N4(level) + "F" + f1);
    if (v_.comments) {
      Line(" ");
      Line("(egész körök ciklus)");
    }
    for (const SpiralArc& a : arcs)
      Line(ArcLine(g + " X" + N4(a.x) + " Y" + N4(a.y) + " R" + N4(a.r) + f2));
  }
  Gap();
  // Up to the surface and the clearance of the G59 system, whose Z origin is
  // the start Z.
  Line("G1 Z" + N4(0) + " F" + f1);
  Line("G0 Z" + N4(v_.clearance));
  Line("G0 X0 Y0");
  Line("G54");
  Line("M5");
  Line("M30");
}

}  // namespace verlo
