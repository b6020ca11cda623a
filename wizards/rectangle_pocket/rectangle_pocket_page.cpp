#include "wizards/rectangle_pocket/rectangle_pocket_page.h"

#include <cmath>

#include "gcode/numbers.h"
#include "wizards/common/field_groups.h"
#include "wizards/common/milling_frame.h"

namespace verlo {

namespace {
constexpr const FieldNames& kNames = kNamedFields;
}  // namespace

TFrame4::TFrame4(PageContext& context) : CreatePage(context) {
  AddStartAndSizeFields(*this);
  AddStepOver(*this);
  AddToolDiameter(*this, kNames.toolDiameter);
  AddMaxStep(*this, kNames.maxStep, "0,6", true);
  AddToolNumber(*this, kNames.tool, NoToolBox::Offered);
  AddFeeds(*this, kNames.feeds, "G1 telibe marásnál:", "G1 %-os marás , G2, G3 %-os:");
  AddOptions(*this, kNames.options, "Marás", "Ferdén X és Z tengelyeken", "Csak egy körzseb");
  AddCreateAndClear(*this);
  AddRotateButton(*this);
  RegisterMillingHandlers(kNames);
  On("ScrollBar1", [this] { ScrollBar1Change(); });
}

void TFrame4::ScrollBar1Change() {
  ShowStepOver(*this, read_, kNames.toolDiameter);
}

void TFrame4::CheckParameters() {
  error_ = 0;
  ReadStartPoint(read_, kNames.start, v_.start);
  CheckDepth(read_, kNames.depth, v_.depth);
  const bool toolOk = CheckToolDiameter(read_, kNames.toolDiameter, v_.toolDiameter);
  const bool sizesOk = CheckSizes(read_, "téglalapzseb", size_);
  CheckCornerRadius(read_, v_.toolDiameter, size_);
  CheckMaxStep(read_, kNames.maxStep, v_.depth, v_.step);
  CheckToolAndSpindle(read_, kNames.tool, v_.spindle);
  CheckFeeds(read_, kNames.feeds, v_.feeds);
  ReadOptions(read_, kNames.options, v_.options);
  position_ = Position();
  // More than 99 rings are not searched for: refuse instead of guessing.
  if (toolOk && sizesOk) {
    const long double D = v_.toolDiameter;
    const long double s = size_.yd >= size_.xd ? size_.xd : size_.yd;
    if (SearchRingCount(position_ * D / 100, s - D) < 0) read_.Refuse(kStepOverTooSmallMessage);
  }
}

void TFrame4::ComputePath() {
  v_.passes = ComputeDepthPasses(v_.start.z, v_.start.safe, v_.step, v_.depth);
  const long double D = v_.toolDiameter, xd = size_.xd, yd = size_.yd;
  Path& p = path_;
  p.so = Position() * D / 100;
  long double s = 0;
  if (yd >= xd) {
    s = xd;
    p.Lx = 0;
    p.Ly = yd - xd;
  } else {
    s = yd;
    p.Lx = xd - yd;
    p.Ly = 0;
  }
  p.Xc = v_.start.x + s / 2;
  p.Yc = v_.start.y + s / 2;
  p.n = SearchRingCount(p.so, s - D);
  if (p.n < 0) p.n = 0;
  p.r = RemainderOrZero(((s - D) - 2 * p.so * p.n) / 2);
}

void TFrame4::WriteComments() {
  const MillingOptions& o = v_.options;
  if (!o.comments) return;
  WriteCommentHead(Memo1(), PointHead(read_, kNames.start, "(Téglalapzseb - rectangle pocket)"));
  WriteSizeComment(Memo1(), read_);
  WriteDepthAndPasses(Memo1(), read_, kNames, v_);
  Line("(oldalirányú fogás " + IntToStr(Position()) + "%)");
  Line(o.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
  Line(o.ramp ? "(Z tengely ferdén le mozog X irányában)" : "(Z tengely egyenesen le mozog)");
  Line(o.series ? "(sorozat téglalapzsebek készülnek)" : "(csak egy téglalapzseb készül)");
}

namespace {

// Rings `gap` apart each cut a tool radius to either side of their path, so
// along the sides the cuts meet (gap <= D). In a corner, though, the outer
// ring's cut has a square inner edge and the inner ring's cut a round outer
// one: past a step-over of (2 + sqrt 2) / 4 of the tool (about 85.4 %) a pin
// stands between them, within the square of side gap - D/2 that lies
// diagonally between the edge's corner and the inner ring's corner. Returns
// how far in X and in Y the tool dips into the ring from its corner: to the
// middle of that square, where the tool covers it whole; 0 when no pin
// stands.
long double CornerDip(long double gap, long double D) {
  if (std::sqrt(2.0L) * (gap - D / 2) <= D / 2) return 0;
  return (gap + D / 2) / 2;
}

}  // namespace

void TFrame4::WriteRing(long double a, long double b, long double w, long double h,
                        long double gap) {
  struct Corner {
    long double x, y;
    int inX, inY;  // the way into the ring
  };
  const Corner cw[] = {{a, b + h, 1, -1}, {a + w, b + h, -1, -1}, {a + w, b, -1, 1}};
  const Corner ccw[] = {{a + w, b, -1, 1}, {a + w, b + h, -1, -1}, {a, b + h, 1, -1}};
  const long double dip = CornerDip(gap, v_.toolDiameter);
  std::string feed = " F" + IntToStr(v_.feeds.arc);
  // The step out to (a, b) has already cut that corner's pin diagonally.
  for (const Corner& c : v_.options.ccw ? ccw : cw) {
    Line(G1XY(c.x, c.y) + feed);
    feed.clear();
    if (dip == 0) continue;
    Line(G1XY(c.x + c.inX * dip, c.y + c.inY * dip));
    Line(G1XY(c.x, c.y));
  }
  Line(G1XY(a, b));
}

void TFrame4::WriteProgram() {
  const MillingOptions& o = v_.options;
  const StartPoint& s = v_.start;
  const Path& p = path_;
  const std::string full = " F" + IntToStr(v_.feeds.g1), part = " F" + IntToStr(v_.feeds.arc);
  const Frame frame = MillingFrame(read_, kNames.tool, o);
  const long double dp = v_.passes.dp;
  const int passes = v_.passes.count;

  WriteOpening(Memo1(), frame, v_.passes.safeZ, s.x, s.y);
  if (o.comments) Line("(főciklus)");
  long double Z = s.z;
  for (int k = 1; k <= passes; ++k) {
    long double Lx = p.Lx, Ly = p.Ly;
    WritePassNumber(Memo1(), frame, k, passes);
    Z += dp;
    if (!o.ramp) {
      Line(G1XY(p.Xc + Lx, p.Yc + Ly) + part);
      Line("G1 Z" + N4(Z) + full);
      Line(G1XY(p.Xc, p.Yc));
    } else {
      Line(G1XY(p.Xc, p.Yc) + part);
      Line("G1 Z" + N4(k == 1 ? s.z : Z - dp) + full);
      Line(G1XY(p.Xc + Lx, p.Yc + Ly) + " Z" + N4(Z));
      Line(G1XY(p.Xc, p.Yc));
    }
    long double a = p.Xc - p.so, b = p.Yc - p.so;
    for (int j = 1; j <= p.n; ++j) {
      Line(G1XY(a, b) + full);
      WriteRing(a, b, Lx + 2 * p.so, Ly + 2 * p.so, p.so);
      a -= p.so;
      b -= p.so;
      Lx += 2 * p.so;
      Ly += 2 * p.so;
    }
    if (p.r != 0) {
      a = a + p.so - p.r;
      b = b + p.so - p.r;
      Line(G1XY(a, b) + full);
      WriteRing(a, b, Lx + 2 * p.r, Ly + 2 * p.r, p.r);
    }
  }
  if (o.comments) Line("(főciklus vége)");
  WriteRetract(Memo1(), s.z, v_.feeds.g1, v_.passes.safeZ, s.x, s.y);
  WriteClosing(Memo1(), frame);
}

}  // namespace verlo
