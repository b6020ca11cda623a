#include "wizards/thread_milling/thread_milling_page.h"

#include <cmath>

#include "gcode/numbers.h"
#include "wizards/common/field_groups.h"
#include "wizards/common/milling_frame.h"

namespace verlo {

const char kTooManyTurnsMessage[] =
    "A menet túl hosszú: egy mélységi ciklusban legfeljebb 1000 menetfordulat lehet.";
const char kNutToolTooLargeMessage[] =
    "Anya menetnél túl nagy a szerszám: a menet átmérője legyen nagyobb a szerszám átmérőjének "
    "és a kétszeres menetmélységnek az összegénél.";

namespace {

constexpr const FieldNames& kNames = kNamedFields;
// The page has no ramp and no series option.
constexpr OptionFields kThreadOptions{kNames.options.comments,
                                      kNames.options.coolant,
                                      kNames.options.ccw,
                                      kNames.options.m4,
                                      nullptr,
                                      nullptr};

}  // namespace

std::vector<long double> TurnLevels(long double startZ, long double pitch, long double length,
                                    bool bottomUp, size_t limit) {
  // The running level is compared as the plain form shows it, so that a
  // length that is a whole number of pitches as typed ends on its last turn.
  const long double end = Round15(bottomUp ? startZ + pitch : startZ - length);
  std::vector<long double> levels;
  long double z = bottomUp ? startZ - length : startZ;
  while (levels.size() <= limit) {
    z += bottomUp ? pitch : -pitch;
    const long double shown = Round15(z);
    if (bottomUp ? shown > end : shown < end) break;
    levels.push_back(z);
  }
  return levels;
}

TFrame11::TFrame11(PageContext& context) : CreatePage(context) {
  AddPointFields(*this, kNames.start, "középpontja");
  Add(MakeEdit("Edit_zm_", "Menetemelkedés:", "1,5"));
  AddDepth(*this, kNames.depth, "Menet mélysége:", "1,5");
  Add(MakeEdit("Edit_r_", "Menet átmérő (mm)", "20"));
  Add(MakeEdit("Edit_ml_", "Menet hossza:", "10"));
  AddToolDiameter(*this, kNames.toolDiameter, "8");
  AddMaxStep(*this, kNames.maxStep, "0,6", false);
  AddToolNumber(*this, kNames.tool, NoToolBox::Offered);
  AddFeeds(*this, kNames.feeds, "G1 feed:", "G2, G3 feed:");
  Add(MakeRadio("RadioGroup_cs_", " Menet kiválasztó ", {"Csavar", "Anya"}, 0));
  // Captioned as the main window shows it; the form's own caption,
  // "Megmunkálási irány", is never seen.
  Add(MakeRadio("RadioGroup_cw_", "Menet irány", {"Jobbos (CW)", "Balos  (CCW)"}, 0));
  AddSpindleSense(*this, kNames.options.m4);
  AddCoolant(*this, kNames.options.coolant);
  Add(MakeRadio("RadioGroup_upto", " Menetmarás iránya ", {"Fentről lefelé", "Lentről felfelé"},
                0));
  Add(MakeLabel("GroupBox1", " Beszúrás "));
  Add(MakeCheck("CheckBox1", "Menet elején", false));
  Add(MakeCheck("CheckBox2", "Menet végén", false));
  AddComments(*this, kNames.options.comments);
  AddCreateAndClear(*this);
  // The two "nincs" boxes enable nothing: the fields beside them stay open.
  On("Button1", [this] { Button1Click(); });
  On("Button2", [this] { Button2Click(); });
}

void TFrame11::ReadPage() {
  CheckParameters();
  if (error_ == 0) ComputePath();
}

void TFrame11::WriteListing() {
  Line(" ");
  WriteComments();
  WriteProgram();
}

void TFrame11::CheckParameters() {
  error_ = 0;
  ReadStartPoint(read_, kNames.start, v_.m.start);
  ReadThread();
  CheckMaxStep(read_, kNames.maxStep, v_.m.depth, v_.m.step);
  CheckToolAndSpindle(read_, kNames.tool, v_.m.spindle);
  CheckFeeds(read_, kNames.feeds, v_.m.feeds);
  ReadOptions(read_, kThreadOptions, v_.m.options);
  v_.nut = read_.Item("RadioGroup_cs_") == 1 ? 1 : 0;
  v_.bottomUp = read_.Item("RadioGroup_upto") == 1 ? 1 : 0;
  v_.startRing = read_.Checked("CheckBox1") ? 1 : 0;
  v_.endRing = read_.Checked("CheckBox2") ? 1 : 0;
  // A pass cuts all its turns: a thread that needs more is refused.
  if (TurnLevels(v_.m.start.z, v_.pitch, v_.length, v_.bottomUp, kMaxTurns).size() > kMaxTurns)
    read_.Refuse(kTooManyTurnsMessage);
  CheckFit();
}

void TFrame11::ReadThread() {
  long double value = 0;
  if (read_.NonZero(kNames.depth, "Marás mélysége \"0\", vagy nem adtál meg értéket.", value))
    v_.m.depth = std::fabs(value);
  if (read_.NonZero("Edit_zm_", "Menetemelkedés \"0\", vagy nem adtál meg értéket.", value))
    v_.pitch = std::fabs(value);
  if (read_.NonZero("Edit_ml_", "Menet hossza \"0\", vagy nem adtál meg értéket.", value))
    v_.length = std::fabs(value);
  // A negative diameter would put the tool centre inside the thread, or the
  // arcs' centre words past the axis.
  if (CheckToolDiameter(read_, kNames.toolDiameter, value))
    read_.AcceptIf(value > 0, "A szerszám átmérője nem lehet negatív.", value, v_.m.toolDiameter);
  CheckCircleDiameter(read_, "Edit_r_", v_.m.toolDiameter, v_.diameter);
}

void TFrame11::CheckFit() {
  // The tool of an internal thread enters the pre-drilled hole (the thread
  // diameter less twice the depth) and must clear the axis there, or a pass
  // would circle it at no radius. Compared as typed values show.
  const ThreadValues& v = v_;
  if (v.nut && Round15(v.diameter) <= Round15(v.m.toolDiameter + 2 * v.m.depth))
    read_.Refuse(kNutToolTooLargeMessage);
}

void TFrame11::ComputePath() {
  const StartPoint& s = v_.m.start;
  v_.m.passes = ComputeDepthPasses(s.z, s.safe, v_.m.step, v_.m.depth);
  const long double R = v_.diameter / 2, D = v_.m.depth, half = v_.m.toolDiameter / 2;
  path_.e = v_.m.passes.dp;
  path_.r0 = v_.nut ? R - D - half : R + D + half;
  path_.rF = v_.nut ? R - half : R + half;
  path_.retractX = s.x + (v_.nut ? 0 : R + 2 * D + half);
  path_.startZ = v_.bottomUp ? s.z - v_.length : s.z;
  path_.levels = TurnLevels(s.z, v_.pitch, v_.length, v_.bottomUp, kMaxTurns);
}

long double TFrame11::PassRadius(int k) const {
  // Counted back from the root, so that the last pass is exactly on it.
  const long double back = (v_.m.passes.count - k) * path_.e;
  return v_.nut ? path_.rF - back : path_.rF + back;
}

void TFrame11::WriteComments() {
  const MillingOptions& o = v_.m.options;
  if (!o.comments) return;
  Line("(Menetmarás - thread milling)");
  Line(v_.nut ? "(anya menet)" : "(csavar menet)");
  Line(" ");
  const StartPoint& s = v_.m.start;
  WritePointComment(Memo1(), "középpont", N4(s.x), N4(s.y), N4(s.z));
  Line("(menet átmérője " + N4(v_.diameter) + ")");
  Line("(menet mélysége " + N4(v_.pitch) + ")");  // the pitch, as the form has always shown it
  WritePassComments(Memo1(), {v_.m.passes.count, path_.e, v_.m.step != v_.m.depth, N4(v_.m.step)});
  Line(o.ccw ? "(balos menet CCW)" : "(jobbos menet CW)");
  Line(v_.bottomUp ? "(menetkialakítás lentről felfele)" : "(menetkialakítás fentről lefele)");
  if (v_.startRing) Line("(beszúrás a menet elején)");
  if (v_.endRing) Line("(beszúrás a menet végén)");
}

void TFrame11::WriteProgram() {
  const MillingOptions& o = v_.m.options;
  const StartPoint& s = v_.m.start;
  const Frame frame = MillingFrame(read_, kNames.tool, o);
  // Right-hand top-down and left-hand bottom-up turn clockwise.
  const std::string arc = o.ccw != v_.bottomUp ? "G3" : "G2";
  const std::string feed = IntToStr(v_.m.feeds.arc);
  const std::string y = " Y" + N4(s.y);
  const std::string back = "G1 Z" + N4(path_.startZ);

  Line("G21 G90");
  Line("G0 X" + N4(path_.retractX) + y);
  Line("G0 Z" + N4(v_.m.passes.safeZ));
  WriteSetUp(Memo1(), frame);
  Line(G1XY(s.x + path_.r0, s.y) + " F" + feed);
  Line(back + " F" + IntToStr(v_.m.feeds.g1));
  if (o.comments) Line("(főciklus)");
  for (int k = 1; k <= v_.m.passes.count; ++k) {
    const long double r = PassRadius(k);
    const std::string circle = arc + " X" + N4(s.x + r) + y;
    const std::string centre = " I-" + N4(r) + " J0";
    Line("G1 X" + N4(s.x + r));
    Line("F" + feed);  // each turn names its own arc code
    if (v_.startRing && !path_.levels.empty()) Line(circle + centre);
    for (long double z : path_.levels) Line(circle + " Z" + N4(z) + centre);
    if (v_.endRing) Line(circle + centre);
    Line("G1 X" + N4(path_.retractX));
    Line(back);
  }
  if (o.comments) Line("(főciklus vége)");
  Line("G0 Z" + N4(v_.m.passes.safeZ));
  if (o.comments) WriteSeriesGap(Memo1());
  WriteProgramEnd(Memo1(), frame);
}

}  // namespace verlo
