#include "wizards/rectangle_pocket/rectangle_pocket_page.h"

#include "gcode/numbers.h"
#include "gcode/program_frame.h"

namespace verlo {

const char kStepOverTooSmallMessage[] =
    "A fogás szélessége túl kicsi: a zseb legfeljebb 99 körben készülhet el.";

namespace {

// Full rings that fit: the largest n (at most 99) with 2·n·so <= width, as
// the search over 1..100 finds it; -1 when the search finds none.
int SearchRingCount(long double so, long double width) {
  long double sum = 0;
  for (int i = 1; i <= 100; ++i) {
    sum += 2 * so;
    if (sum > width) return i - 1;
  }
  return -1;
}

}  // namespace

TFrame4::TFrame4(MessageBox& messages) : RectanglePage(messages) {
  AddStartAndSizeFields();
  Add(MakeScroll("ScrollBar1", "Fogás szélessége a szerszám szélességének arányában: ", 50));
  Add(MakeLabel("Label4", "%", Placement::SameRow));
  Add(MakeLabel("Label5", "mm", Placement::SameRow));
  AddToolDiameter();
  AddMaxStep();
  AddToolNumber();
  AddFeeds("G1 telibe marásnál:", "G1 %-os marás , G2, G3 %-os:");
  AddOptions("Ferdén X és Z tengelyeken", "Csak egy körzseb");
  AddButtonsWithRotate();
  RegisterSharedHandlers();
  On("ScrollBar1", [this] { ScrollBar1Change(); });
}

void TFrame4::ScrollBar1Change() {
  const int pos = Position();
  Find("Label4")->text = IntToStr(pos) + " %";
  Find("Label5")->text = FormatFloat4(StrToFloat(Text("Edit_sz_")) * pos / 100) + " mm";
}

void TFrame4::CheckParameters() {
  v_.error = 0;
  ReadStartPoint();
  CheckDepth();
  const bool toolOk = CheckToolDiameter();
  const bool sizesOk = CheckSizes("téglalapzseb");
  CheckCornerRadius();
  CheckMaxStep();
  CheckToolAndSpindle();
  CheckFeeds();
  ReadOptions();
  position_ = Position();
  // More than 99 rings are not searched for: refuse instead of guessing.
  if (toolOk && sizesOk) {
    const long double s = yd_ >= xd_ ? xd_ : yd_;
    if (SearchRingCount(position_ * v_.D / 100, s - v_.D) < 0) Refuse(kStepOverTooSmallMessage);
  }
}

void TFrame4::ComputePath() {
  ComputeDepthPasses();
  Path& p = path_;
  p.so = Position() * v_.D / 100;
  long double s = 0;
  if (yd_ >= xd_) {
    s = xd_;
    p.Lx = 0;
    p.Ly = yd_ - xd_;
  } else {
    s = yd_;
    p.Lx = xd_ - yd_;
    p.Ly = 0;
  }
  p.Xc = v_.X0 + s / 2;
  p.Yc = v_.Y0 + s / 2;
  p.n = SearchRingCount(p.so, s - v_.D);
  if (p.n < 0) p.n = 0;
  p.r = ((s - v_.D) - 2 * p.so * p.n) / 2;
}

void TFrame4::WriteComments() {
  if (!v_.comments) return;
  Line("(Téglalapzseb - rectangle pocket)");
  Line(" ");
  WriteStartComment();
  Line("(téglalap átmérői X" + Text("Edit_xd_") + " Y" + Text("Edit_yd_") + ")");
  Line("(marás mélysége " + Text("Edit_m_") + ")");
  WritePassComments();
  Line("(oldalirányú fogás " + IntToStr(Position()) + "%)");
  Line(v_.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
  Line(v_.ramp ? "(Z tengely ferdén le mozog X irányában)" : "(Z tengely egyenesen le mozog)");
  Line(v_.series ? "(sorozat téglalapzsebek készülnek)" : "(csak egy téglalapzseb készül)");
}

void TFrame4::WriteRing(long double a, long double b, long double w, long double h) {
  const std::string feed = " F" + IntToStr(v_.feed23);
  if (!v_.ccw) {
    Line(G1XY(a, b + h) + feed);
    Line(G1XY(a + w, b + h));
    Line(G1XY(a + w, b));
  } else {
    Line(G1XY(a + w, b) + feed);
    Line(G1XY(a + w, b + h));
    Line(G1XY(a, b + h));
  }
  Line(G1XY(a, b));
}

void TFrame4::WriteProgram() {
  const Path& p = path_;
  const std::string full = " F" + IntToStr(v_.feed1), part = " F" + IntToStr(v_.feed23);
  const bool toolBlock = !Checked("CheckBox_szsz_");

  if (!v_.series) Line("G21 G90");
  Line("G0 Z" + N4(v_.Zs));
  Line("G0 X" + N4(v_.X0) + " Y" + N4(v_.Y0));
  if (toolBlock) WriteToolBlock(Memo1(), Text("Edit_szsz_"), Text("Edit_ff_"), v_.m4);
  WriteCoolant(Memo1(), v_.coolant);
  if (v_.comments) Line("(főciklus)");
  long double Z = v_.Z0;
  for (int k = 1; k <= v_.passes; ++k) {
    long double Lx = p.Lx, Ly = p.Ly;
    if (v_.comments && v_.passes > 1) Line("(" + IntToStr(k) + ". mélységi ciklus)");
    Z += v_.dp;
    if (!v_.ramp) {
      Line(G1XY(p.Xc + Lx, p.Yc + Ly) + part);
      Line("G1 Z" + N4(Z) + full);
      Line(G1XY(p.Xc, p.Yc));
    } else {
      Line(G1XY(p.Xc, p.Yc) + part);
      Line("G1 Z" + N4(k == 1 ? v_.Z0 : Z - v_.dp) + full);
      Line(G1XY(p.Xc + Lx, p.Yc + Ly) + " Z" + N4(Z));
      Line(G1XY(p.Xc, p.Yc));
    }
    long double a = p.Xc - p.so, b = p.Yc - p.so;
    for (int j = 1; j <= p.n; ++j) {
      Line(G1XY(a, b) + full);
      WriteRing(a, b, Lx + 2 * p.so, Ly + 2 * p.so);
      a -= p.so;
      b -= p.so;
      Lx += 2 * p.so;
      Ly += 2 * p.so;
    }
    if (p.r != 0) {
      a = a + p.so - p.r;
      b = b + p.so - p.r;
      Line(G1XY(a, b) + full);
      WriteRing(a, b, Lx + 2 * p.r, Ly + 2 * p.r);
    }
  }
  if (v_.comments) Line("(főciklus vége)");
  Line("G1 Z" + N4(v_.Z0) + full);
  Line("G0 Z" + N4(v_.Zs));
  Line("G0 X" + N4(v_.X0) + " Y" + N4(v_.Y0));
  if (v_.comments && v_.series) WriteSeriesGap(Memo1());
  if (!v_.series) WriteProgramEnd(Memo1(), v_.coolant, toolBlock);
}

}  // namespace verlo
