#include "wizards/cut_rectangle/cut_rectangle_page.h"

#include "gcode/numbers.h"
#include "gcode/program_frame.h"

namespace verlo {

TFrame7::TFrame7(MessageBox& messages) : RectanglePage(messages) {
  AddStartAndSizeFields();
  AddToolDiameter();
  AddMaxStep();
  AddToolNumber();
  AddFeeds("G1 Z telibe marásnál:", "G1 Z %-os marás :");
  AddOptions("Ferdén X és Z tengelyeken", "Csak egy téglalap");
  AddButtonsWithRotate();
  RegisterSharedHandlers();
  computeAfterRefusal_ = false;  // the path is derived only from accepted values
}

void TFrame7::CheckParameters() {
  v_.error = 0;
  ReadStartPoint();
  CheckDepth();
  if (!CheckToolDiameter()) {  // the field reads "0" so the later checks can use it
    Find("Edit_sz_")->text = "0";
    v_.D = 0;
  }
  CheckSizes("négyzetzseb");
  CheckCornerRadius();
  CheckMaxStep();
  CheckToolAndSpindle();
  CheckFeeds();
  ReadOptions();
}

void TFrame7::ComputePath() {
  ComputeDepthPasses();
}

void TFrame7::WriteComments() {
  if (!v_.comments) return;
  Line("(Téglalap kivágás - cut rectangle)");
  Line(" ");
  WriteStartComment();
  Line("(téglalap átmérői X" + Text("Edit_xd_") + " Y" + Text("Edit_yd_") + ")");
  Line("(marás mélysége " + Text("Edit_m_") + ")");
  WritePassComments();
  Line(v_.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
  Line(v_.ramp ? "(Spirál pályán folyamatosan le)" : "(Z tengely egyenesen le mozog)");
  Line(v_.series ? "(sorozat téglalap kivágások készülnek)" : "(csak egy téglalap kivágás készül)");
}

void TFrame7::WriteLap(const long double* z) {
  const long double X0 = v_.X0, Y0 = v_.Y0, X1 = v_.X0 + xd_, Y1 = v_.Y0 + yd_;
  // Clockwise seen from +Z: P1, P2, P3, P0; counter-clockwise: P3, P2, P1, P0.
  const long double cw[4][2] = {{X0, Y1}, {X1, Y1}, {X1, Y0}, {X0, Y0}};
  const long double ccw[4][2] = {{X1, Y0}, {X1, Y1}, {X0, Y1}, {X0, Y0}};
  const auto& corners = v_.ccw ? ccw : cw;
  for (int i = 0; i < 4; ++i) {
    std::string line = G1XY(corners[i][0], corners[i][1]);
    if (z) line += " Z" + N4(z[i]);
    if (i == 0) line += " F" + IntToStr(v_.feed23);
    Line(line);
  }
}

void TFrame7::WriteProgram() {
  const std::string fz = " F" + IntToStr(v_.feed1);
  const bool toolBlock = !Checked("CheckBox_szsz_");
  const long double dp = v_.dp;

  if (!v_.series) Line("G21 G90");
  Line("G0 Z" + N4(v_.Zs));
  Line("G0 X" + N4(v_.X0) + " Y" + N4(v_.Y0));
  if (toolBlock) WriteToolBlock(Memo1(), Text("Edit_szsz_"), Text("Edit_ff_"), v_.m4);
  WriteCoolant(Memo1(), v_.coolant);
  Line(G1XY(v_.X0, v_.Y0) + " F" + IntToStr(v_.feed23));
  Line("G1 Z" + N4(v_.Z0) + fz);
  if (v_.comments) Line("(főciklus)");
  long double Za = v_.Z0 + dp / 4, Zb = v_.Z0 + dp / 2, Zc = v_.Z0 + dp / 4 + dp / 2,
              Zd = v_.Z0 + dp;
  for (int k = 1; k <= v_.passes; ++k) {
    if (v_.comments && v_.passes > 1) Line("(" + IntToStr(k) + ". mélységi ciklus)");
    if (!v_.ramp) {
      Line("G1 Z" + N4(Zd) + fz);
      WriteLap(nullptr);
    } else {
      const long double z[4] = {Za, Zb, Zc, Zd};
      WriteLap(z);
    }
    Za += dp;
    Zb += dp;
    Zc += dp;
    Zd += dp;
  }
  if (v_.ramp) {
    Zd -= dp;
    const long double z[4] = {Zd, Zd, Zd, Zd};
    WriteLap(z);
  }
  if (v_.comments) Line("(főciklus vége)");
  Line("G1 Z" + N4(v_.Z0) + fz);
  Line("G0 Z" + N4(v_.Zs));
  Line("G0 X" + N4(v_.X0) + " Y" + N4(v_.Y0));
  if (v_.comments && v_.series) WriteSeriesGap(Memo1());
  if (!v_.series) WriteProgramEnd(Memo1(), v_.coolant, toolBlock);
}

}  // namespace verlo
