#include "wizards/cut_circle/cut_circle_page.h"

#include "gcode/numbers.h"
#include "gcode/program_frame.h"

namespace verlo {

TFrame5::TFrame5(MessageBox& messages) : MillingPage(messages) {
  AddStartFields();
  Add(MakeEdit("Edit_r_", "Kör átmérője:", "20"));
  AddToolDiameter();
  AddMaxStep();
  AddToolNumber();
  AddFeeds("G1 feed:", "G2, G3 feed:");
  AddOptions("Spirál pályán ", "Csak egy kör ");
  AddButtons();
  RegisterSharedHandlers();
}

void TFrame5::CheckParameters() {
  v_.error = 0;
  ReadStartPoint();
  CheckDepth();
  CheckToolDiameter();
  long double circle = 0;
  if (ReadNonZero("Edit_r_", "A kör átmérője \"0\", vagy nem adtál meg értéket.", circle)) {
    if (circle < StrToFloat(Text("Edit_sz_")))
      Refuse("A kör átmérője kisebb mint a szerszám átmérője.");
    else
      circle_ = circle;
  }
  CheckMaxStep();
  CheckToolAndSpindle();
  CheckFeeds();
  ReadOptions();
}

void TFrame5::ComputePath() {
  ComputeDepthPasses();
  R_ = (circle_ - v_.D) / 2;
}

void TFrame5::WriteComments() {
  if (!v_.comments) return;
  Line("(Kör kivágás - cut circle)");
  Line(" ");
  WriteStartComment();
  Line("(Kör átmérője X" + Text("Edit_r_") + ")");
  Line("(marás mélysége " + Text("Edit_m_") + ")");
  WritePassComments();
  Line(v_.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
  Line(v_.ramp ? "(Spirál pályán folyamatosan le)" : "(Z tengely egyenesen le mozog)");
  Line(v_.series ? "(sorozat kör kivágások készülnek)" : "(csak egy kör kivágás készül)");
}

void TFrame5::WriteProgram() {
  const std::string g = v_.ccw ? "G3" : "G2";
  const std::string y = " Y" + N4(v_.Y0);
  const std::string right = g + " X" + N4(v_.X0 + R_) + y;
  const std::string left = g + " X" + N4(v_.X0 - R_) + y;
  const std::string radius = " R" + N4(R_);
  const std::string f1 = " F" + IntToStr(v_.feed1);
  const std::string f23 = " F" + IntToStr(v_.feed23);
  const bool toolBlock = !Checked("CheckBox_szsz_");

  if (!v_.series) Line("G21 G90");
  Line("G0 Z" + N4(v_.Zs));
  Line("G0 X" + N4(v_.X0) + y);
  if (toolBlock) WriteToolBlock(Memo1(), Text("Edit_szsz_"), Text("Edit_ff_"), v_.m4);
  WriteCoolant(Memo1(), v_.coolant);
  Line(G1XY(v_.X0 - R_, v_.Y0) + f23);
  Line("G1 Z" + N4(v_.Z0) + f1);
  if (v_.comments) Line("(főciklus)");
  const long double P = v_.dp;
  long double A = v_.Z0 + P / 2, B = v_.Z0 + P;
  for (int i = 1; i <= v_.passes; ++i) {
    if (v_.comments && v_.passes > 1) Line("(" + IntToStr(i) + ". mélységi ciklus)");
    if (!v_.ramp) {
      Line("G1 Z" + N4(A + P / 2) + f1);
      Line(right + radius + f23);
      Line(left + radius);
    } else {
      Line(right + " Z" + N4(A) + radius + f23);
      Line(left + " Z" + N4(B) + radius);
    }
    A += P;
    B += P;
  }
  if (v_.ramp) {
    Line(right + " Z" + N4(B - P) + radius + f23);
    Line(left + " Z" + N4(B - P) + radius);
  }
  if (v_.comments) Line("(főciklus vége)");
  Line("G1 Z" + N4(v_.Z0) + f1);
  Line("G0 Z" + N4(v_.Zs));
  Line("G0 X" + N4(v_.X0) + y);
  if (v_.comments && v_.series) WriteSeriesGap(Memo1());
  if (!v_.series) WriteProgramEnd(Memo1(), v_.coolant, toolBlock);
}

}  // namespace verlo
