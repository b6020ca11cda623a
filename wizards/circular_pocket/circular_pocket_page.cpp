#include "wizards/circular_pocket/circular_pocket_page.h"

#include <algorithm>

#include "gcode/numbers.h"
#include "wizards/common/field_groups.h"
#include "wizards/common/milling_frame.h"
#include "wizards/common/step_record.h"

namespace verlo {
namespace {

constexpr const FieldNames& kNames = kNumberedFields;

}  // namespace

TFrame3::TFrame3(PageContext& context) : CreatePage(context) {
  AddPointFields(*this, kNames.start, "kezdőpontja");
  AddDepth(*this, kNames.depth);
  AddEdit(*this, "Edit4", "Label12", "Körzseb átmérője:", "20");
  AddStepOver(*this).labelName = "Label10";
  AddToolDiameter(*this, kNames.toolDiameter);
  AddMaxStep(*this, kNames.maxStep, "0,6", true);
  AddToolNumber(*this, kNames.tool, NoToolBox::Offered);
  AddFeeds(*this, kNames.feeds, "G1 feed:", "G2, G3 feed:");
  AddOptions(*this, kNames.options, "Spirál", "Ferdén X és Z tengelyeken", "Csak egy körzseb");
  AddCreateAndClear(*this);
  RegisterMillingHandlers(kNames);
  On("ScrollBar1", [this] { ScrollBar1Change(); });
}

void TFrame3::ScrollBar1Change() {
  ShowStepOver(*this, read_, kNames.toolDiameter);
}

void TFrame3::CheckParameters() {
  error_ = 0;
  ReadStartPoint(read_, kNames.start, v_.start);
  CheckDepth(read_, kNames.depth, v_.depth);
  // A negative diameter would only meet the step-over refusal later on.
  long double d = 0;
  const bool toolOk =
      CheckToolDiameter(read_, kNames.toolDiameter, d) &&
      read_.AcceptIf(d > 0, "A szerszám átmérője nem lehet negatív.", d, v_.toolDiameter);
  long double D = 0;
  bool pocketOk = false;
  if (read_.NonZero("Edit4", "A körzseb átmérője \"0\", vagy nem adtál meg értéket.", D))
    pocketOk = read_.AcceptIf(D >= read_.Float(kNames.toolDiameter),
                              "A körzseb átmérője kisebb mint a szerszám átmérője.", D, pocket_);
  CheckMaxStep(read_, kNames.maxStep, v_.depth, v_.step);
  CheckToolAndSpindle(read_, kNames.tool, v_.spindle);
  CheckFeeds(read_, kNames.feeds, v_.feeds);
  ReadOptions(read_, kNames.options, v_.options);
  position_ = Get("ScrollBar1").position;
  // More than 99 turns are not searched for: refuse instead of guessing.
  if (toolOk && pocketOk &&
      SearchRingCount(position_ * v_.toolDiameter / 100, pocket_ - v_.toolDiameter) < 0)
    read_.Refuse(kStepOverTooSmallMessage);
}

void TFrame3::ComputePath() {
  v_.passes = ComputeDepthPasses(v_.start.z, v_.start.safe, v_.step, v_.depth);
  const long double width = pocket_ - v_.toolDiameter;
  path_.s = position_ * v_.toolDiameter / 100;
  path_.n = std::max(SearchRingCount(path_.s, width), 0);
  path_.r = RemainderOrZero((width - 2 * path_.s * path_.n) / 2);
}

void TFrame3::WriteComments() {
  const MillingOptions& o = v_.options;
  if (!o.comments) return;
  WriteCommentHead(Memo1(), PointHead(read_, kNames.start, "(Körzseb - circular pocket)"));
  WriteDepthAndPasses(Memo1(), read_, kNames, v_);
  Line("(körzseb átmérője " + read_.Text("Edit4") + ")");
  Line("(oldalirányú fogás " + IntToStr(position_) + "%)");
  Line(o.ccw ? "(forgásirány CCW)" : "(forgásirány CW)");
  Line(o.ramp ? "(Z tengely ferdén le mozog X irányában)" : "(Z tengely egyenesen le mozog)");
  Line(o.series ? "(sorozat körzsebek készülnek)" : "(csak egy körzseb készül)");
}

void TFrame3::Arc(long double x, long double R) {
  const std::string words = " X" + N4(x) + " R" + N4(R) + " F" + IntToStr(v_.feeds.arc);
  Line(ArcLine(v_.options.ccw ? "G3" + words : "G2 Y" + N4(v_.start.y) + words));
}

void TFrame3::WriteProgram() {
  const MillingOptions& o = v_.options;
  const StartPoint& st = v_.start;
  const std::string f1 = " F" + IntToStr(v_.feeds.g1);
  Frame frame = MillingFrame(read_, kNames.tool, o);
  frame.dwell = false;  // the pocket starts cutting at once
  const long double p = v_.passes.dp;
  const int levels = v_.passes.count;

  WriteOpening(Memo1(), frame, v_.passes.safeZ, st.x, st.y);
  if (o.comments) Line("(főciklus)");
  long double z = st.z, rim = 0;
  for (int i = 1; i <= levels; ++i) {
    WritePassNumber(Memo1(), frame, i, levels);
    z += p;
    if (!o.ramp) {
      Line("G1 X" + N4(st.x) + f1);
      Line("G1 Z" + N4(z));
    } else {
      // Along the surface (or the level above) out to the rim, then down to
      // the centre.
      const bool first = z == st.z + p;
      Line("G1 Z" + N4(first ? st.z : z - p) + f1);
      Line("G1 X" + N4(first ? st.x + (pocket_ - v_.toolDiameter) / 2 : rim));
      Line("G1 X" + N4(st.x) + " Z" + N4(z));
    }
    // Half circles about the centre and about a point half a step to the
    // right of it: each turn widens the path by one step.
    long double right = st.x, left = st.x, R = 0;
    const auto turn = [&](long double step) {
      right += step;
      left -= step;
      R += step / 2;
      Arc(right, R);
      R += step / 2;
      Arc(left, R);
    };
    for (int k = 1; k <= path_.n; ++k) turn(path_.s);
    if (path_.r != 0) turn(path_.r);
    Arc(right, R);  // closes the full circle at the wall
    rim = right;
  }
  if (o.comments) Line("(főciklus vége)");
  Line(G1XY(st.x, st.y) + f1);
  Line("G1 Z" + N4(st.z));
  Line("G0 Z" + N4(v_.passes.safeZ));
  WriteClosing(Memo1(), frame);
}

void TFrame3::Created() {
  const StartPoint& st = v_.start;
  const MillingOptions& o = v_.options;
  const StepHeader header{"Körzseb - circular pocket X" + FloatToStr(st.x) + " Y" +
                              FloatToStr(st.y) + " d" + FloatToStr(pocket_),
                          st.x, st.y, st.z, v_.passes.safeZ};
  const int speed = read_.Checked(kNames.tool.none) ? 0 : v_.spindle.speed;
  RecordStep(*this, context_, header,
             {{"Label9", v_.depth},
              {"Label12", pocket_},
              {"Label10", position_},
              {"Label6", v_.toolDiameter},
              {"Label11", v_.step},
              {"Label15", v_.spindle.tool},
              {"Label16", speed},
              {"RadioGroup5", o.ramp},
              {"RadioGroup6", o.series},
              {"Label7", v_.feeds.g1},
              {"Label8", v_.feeds.arc},
              {"RadioGroup3", o.ccw},
              {"RadioGroup4", o.m4}});
}

}  // namespace verlo
