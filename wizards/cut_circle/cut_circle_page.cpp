#include "wizards/cut_circle/cut_circle_page.h"

#include "gcode/numbers.h"
#include "wizards/common/field_groups.h"
#include "wizards/common/milling_frame.h"

namespace verlo {

namespace {
constexpr const FieldNames& kNames = kNamedFields;
}  // namespace

TFrame5::TFrame5(PageContext& context) : CreatePage(context) {
  AddPointFields(*this, kNames.start, "kezdőpontja");
  AddDepth(*this, kNames.depth);
  Add(MakeEdit("Edit_r_", "Kör átmérője:", "20"));
  AddToolDiameter(*this, kNames.toolDiameter);
  AddMaxStep(*this, kNames.maxStep, "0,6", true);
  AddToolNumber(*this, kNames.tool, NoToolBox::Offered);
  AddFeeds(*this, kNames.feeds, "G1 feed:", "G2, G3 feed:");
  AddOptions(*this, kNames.options, "Marás", "Spirál pályán ", "Csak egy kör ");
  AddCreateAndClear(*this);
  RegisterMillingHandlers(kNames);
}

void TFrame5::CheckParameters() {
  error_ = 0;
  ReadStartPoint(read_, kNames.start, v_.start);
  CheckDepth(read_, kNames.depth, v_.depth);
  CheckToolDiameter(read_, kNames.toolDiameter, v_.toolDiameter);
  CheckCircleDiameter(read_, "Edit_r_", read_.Float(kNames.toolDiameter), circle_);
  CheckMaxStep(read_, kNames.maxStep, v_.depth, v_.step);
  CheckToolAndSpindle(read_, kNames.tool, v_.spindle);
  CheckFeeds(read_, kNames.feeds, v_.feeds);
  ReadOptions(read_, kNames.options, v_.options);
}

void TFrame5::ComputePath() {
  v_.passes = ComputeDepthPasses(v_.start.z, v_.start.safe, v_.step, v_.depth);
  R_ = (circle_ - v_.toolDiameter) / 2;
}

void TFrame5::WriteComments() {
  const MillingOptions& o = v_.options;
  if (!o.comments) return;
  WriteCommentHead(Memo1(), PointHead(read_, kNames.start, "(Kör kivágás - cut circle)"));
  Line("(Kör átmérője X" + read_.Text("Edit_r_") + ")");
  WriteDepthAndPasses(Memo1(), read_, kNames, v_);
  Line(o.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
  Line(o.ramp ? "(Spirál pályán folyamatosan le)" : "(Z tengely egyenesen le mozog)");
  Line(o.series ? "(sorozat kör kivágások készülnek)" : "(csak egy kör kivágás készül)");
}

void TFrame5::WriteProgram() {
  const MillingOptions& o = v_.options;
  const StartPoint& s = v_.start;
  const std::string g = o.ccw ? "G3" : "G2";
  const std::string y = " Y" + N4(s.y);
  const std::string right = g + " X" + N4(s.x + R_) + y;
  const std::string left = g + " X" + N4(s.x - R_) + y;
  const std::string radius = " R" + N4(R_);
  const std::string f1 = " F" + IntToStr(v_.feeds.g1);
  const std::string f23 = " F" + IntToStr(v_.feeds.arc);
  const Frame frame = MillingFrame(read_, kNames.tool, o);

  WriteOpening(Memo1(), frame, v_.passes.safeZ, s.x, s.y);
  Line(G1XY(s.x - R_, s.y) + f23);
  Line("G1 Z" + N4(s.z) + f1);
  if (o.comments) Line("(főciklus)");
  const long double P = v_.passes.dp;
  const int passes = v_.passes.count;
  long double A = s.z + P / 2, B = s.z + P;
  for (int i = 1; i <= passes; ++i) {
    WritePassNumber(Memo1(), frame, i, passes);
    if (!o.ramp) {
      Line("G1 Z" + N4(A + P / 2) + f1);
      Line(ArcLine(right + radius + f23));
      Line(ArcLine(left + radius));
    } else {
      Line(ArcLine(right + " Z" + N4(A) + radius + f23));
      Line(ArcLine(left + " Z" + N4(B) + radius));
    }
    A += P;
    B += P;
  }
  if (o.ramp) {
    Line(ArcLine(right + " Z" + N4(B - P) + radius + f23));
    Line(ArcLine(left + " Z" + N4(B - P) + radius));
  }
  if (o.comments) Line("(főciklus vége)");
  WriteRetract(Memo1(), s.z, v_.feeds.g1, v_.passes.safeZ, s.x, s.y);
  WriteClosing(Memo1(), frame);
}

}  // namespace verlo
