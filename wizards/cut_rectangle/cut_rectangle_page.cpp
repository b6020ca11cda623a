#include "wizards/cut_rectangle/cut_rectangle_page.h"

#include "gcode/numbers.h"
#include "wizards/common/field_groups.h"
#include "wizards/common/milling_frame.h"

namespace verlo {

namespace {
constexpr const FieldNames& kNames = kNamedFields;
}  // namespace

TFrame7::TFrame7(PageContext& context) : CreatePage(context) {
  AddStartAndSizeFields(*this);
  AddToolDiameter(*this, kNames.toolDiameter);
  AddMaxStep(*this, kNames.maxStep, "0,6", true);
  AddToolNumber(*this, kNames.tool, NoToolBox::Offered);
  AddFeeds(*this, kNames.feeds, "G1 Z telibe marásnál:", "G1 Z %-os marás :");
  AddOptions(*this, kNames.options, "Marás", "Ferdén X és Z tengelyeken", "Csak egy téglalap");
  AddCreateAndClear(*this);
  AddRotateButton(*this);
  RegisterMillingHandlers(kNames);
}

void TFrame7::CheckParameters() {
  error_ = 0;
  ReadStartPoint(read_, kNames.start, v_.start);
  CheckDepth(read_, kNames.depth, v_.depth);
  if (!CheckToolDiameter(read_, kNames.toolDiameter, v_.toolDiameter)) {
    // The field reads "0" so the later checks can use it.
    read_.SetText(kNames.toolDiameter, "0");
    v_.toolDiameter = 0;
  }
  CheckSizes(read_, "négyzetzseb", size_);
  CheckCornerRadius(read_, v_.toolDiameter, size_);
  CheckMaxStep(read_, kNames.maxStep, v_.depth, v_.step);
  CheckToolAndSpindle(read_, kNames.tool, v_.spindle);
  CheckFeeds(read_, kNames.feeds, v_.feeds);
  ReadOptions(read_, kNames.options, v_.options);
}

void TFrame7::ComputePath() {
  if (error_) return;
  v_.passes = ComputeDepthPasses(v_.start.z, v_.start.safe, v_.step, v_.depth);
}

void TFrame7::WriteComments() {
  const MillingOptions& o = v_.options;
  if (!o.comments) return;
  WriteCommentHead(Memo1(), PointHead(read_, kNames.start, "(Téglalap kivágás - cut rectangle)"));
  WriteSizeComment(Memo1(), read_);
  WriteDepthAndPasses(Memo1(), read_, kNames, v_);
  Line(o.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
  Line(o.ramp ? "(Spirál pályán folyamatosan le)" : "(Z tengely egyenesen le mozog)");
  Line(o.series ? "(sorozat téglalap kivágások készülnek)" : "(csak egy téglalap kivágás készül)");
}

void TFrame7::WriteLap(const long double* z) {
  const StartPoint& s = v_.start;
  const long double X0 = s.x, Y0 = s.y, X1 = s.x + size_.xd, Y1 = s.y + size_.yd;
  // Clockwise seen from +Z: P1, P2, P3, P0; counter-clockwise: P3, P2, P1, P0.
  const long double cw[4][2] = {{X0, Y1}, {X1, Y1}, {X1, Y0}, {X0, Y0}};
  const long double ccw[4][2] = {{X1, Y0}, {X1, Y1}, {X0, Y1}, {X0, Y0}};
  const auto& corners = v_.options.ccw ? ccw : cw;
  for (int i = 0; i < 4; ++i) {
    std::string line = G1XY(corners[i][0], corners[i][1]);
    if (z) line += " Z" + N4(z[i]);
    if (i == 0) line += " F" + IntToStr(v_.feeds.arc);
    Line(line);
  }
}

void TFrame7::WriteProgram() {
  const MillingOptions& o = v_.options;
  const StartPoint& s = v_.start;
  const std::string fz = " F" + IntToStr(v_.feeds.g1);
  const Frame frame = MillingFrame(read_, kNames.tool, o);
  const long double dp = v_.passes.dp;
  const int passes = v_.passes.count;

  WriteOpening(Memo1(), frame, v_.passes.safeZ, s.x, s.y);
  Line(G1XY(s.x, s.y) + " F" + IntToStr(v_.feeds.arc));
  Line("G1 Z" + N4(s.z) + fz);
  if (o.comments) Line("(főciklus)");
  long double Za = s.z + dp / 4, Zb = s.z + dp / 2, Zc = s.z + dp / 4 + dp / 2, Zd = s.z + dp;
  for (int k = 1; k <= passes; ++k) {
    WritePassNumber(Memo1(), frame, k, passes);
    if (!o.ramp) {
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
  if (o.ramp) {
    Zd -= dp;
    const long double z[4] = {Zd, Zd, Zd, Zd};
    WriteLap(z);
  }
  if (o.comments) Line("(főciklus vége)");
  WriteRetract(Memo1(), s.z, v_.feeds.g1, v_.passes.safeZ, s.x, s.y);
  WriteClosing(Memo1(), frame);
}

}  // namespace verlo
