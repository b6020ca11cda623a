#include "wizards/circular_pocket/circular_pocket_page.h"

#include <algorithm>

#include "gcode/numbers.h"
#include "gcode/program_frame.h"
#include "wizards/common/step_record.h"

namespace verlo {
namespace {

constexpr StartFields kStart{"Edit1", "Edit2", "Edit11", "Edit12"};
constexpr MaxStepFields kMaxStep{"CheckBox2", "Edit9"};
constexpr ToolFields kTool{"CheckBox1", "Edit13", "Edit14"};
constexpr FeedFields kFeeds{"Edit5", "Edit6"};
constexpr OptionFields kOptions{"CheckBox5",   "RadioGroup2", "RadioGroup3",
                                "RadioGroup4", "RadioGroup5", "RadioGroup6"};

}  // namespace

TFrame3::TFrame3(PageContext& context) : MillingPage(context) {
  AddEdit(*this, "Edit1", "Label2", "X tengely kezdőpontja:", "0,0000");
  AddEdit(*this, "Edit2", "Label3", "Y tengely kezdőpontja:", "0,0000");
  AddEdit(*this, "Edit11", "Label13", "Z tengely kezdőpontja:", "0,0000");
  AddEdit(*this, "Edit12", "Label14", "biztonsági Z: +", "5");
  AddEdit(*this, "Edit7", "Label9", "Marás mélysége:", "-2,0000");
  AddEdit(*this, "Edit4", "Label12", "Körzseb átmérője:", "20");
  AddStepOver(*this).labelName = "Label10";
  AddEdit(*this, "Edit3", "Label6", "Szerszám átmérő:", "5");
  AddEdit(*this, "Edit9", "Label11", "Lépésenkénti maximális fogási mélység: ", "0,6").enabled =
      false;
  Add(MakeCheck("CheckBox2", "nincs", true, Placement::SameRow));
  AddEdit(*this, "Edit13", "Label15", "Szerszám száma:", "1");
  Add(MakeCheck("CheckBox1", "nincs", false, Placement::SameRow));
  AddEdit(*this, "Edit14", "Label16", "Főorsó fordulata: ", "1000");
  AddEdit(*this, "Edit5", "Label7", "G1 feed:", "150");
  AddEdit(*this, "Edit6", "Label8", "G2, G3 feed:", "300");
  Add(MakeRadio("RadioGroup3", " Spirál forgásiránya óramutató járásával ",
                {"Megegyező (CW)", "Ellentétes (CCW)"}, 0));
  Add(MakeRadio("RadioGroup4", " Forgásirány ", {"M3", "M4"}, 0));
  Add(MakeRadio("RadioGroup2", " Hűtés ", {"nincs", "M7", "M8"}, 0));
  Add(MakeRadio("RadioGroup5", " Szerszám Z irányban ",
                {"Le egyenesen csak Z", "Ferdén X és Z tengelyeken"}, 1));
  Add(MakeRadio("RadioGroup6", " Sorozat marás ", {"Csak egy körzseb", "Sorozat marás"}, 0));
  Add(MakeCheck("CheckBox5", "Megjegyzésekkel", true));
  AddCreateAndClear(*this);

  On("Button1", [this] { Button1Click(); });
  On("Button2", [this] { Button2Click(); });
  On("ScrollBar1", [this] { ScrollBar1Change(); });
  On("CheckBox2", EnableWhileUnticked(*this, "CheckBox2", {"Edit9"}));
  On("CheckBox1", EnableWhileUnticked(*this, "CheckBox1", {"Edit13", "Edit14"}));
  On("RadioGroup6", SeriesChanged(*this, "RadioGroup6", messages_));
}

void TFrame3::ScrollBar1Change() {
  ShowStepOver(*this, read_, "Edit3");
}

void TFrame3::Button1Click() {
  MillingPage::Button1Click();
  if (wrote_) AppendStep();  // a refused create records nothing
}

void TFrame3::CheckParameters() {
  error_ = 0;
  ReadStartPoint(read_, kStart, v_.start);
  CheckDepth(read_, "Edit7", v_.depth);
  // A negative diameter would only meet the step-over refusal later on.
  long double d = 0;
  const bool toolOk =
      CheckToolDiameter(read_, "Edit3", d) &&
      read_.AcceptIf(d > 0, "A szerszám átmérője nem lehet negatív.", d, v_.toolDiameter);
  long double D = 0;
  bool pocketOk = false;
  if (read_.NonZero("Edit4", "A körzseb átmérője \"0\", vagy nem adtál meg értéket.", D))
    pocketOk = read_.AcceptIf(D >= read_.Float("Edit3"),
                              "A körzseb átmérője kisebb mint a szerszám átmérője.", D, pocket_);
  CheckMaxStep(read_, kMaxStep, v_.depth, v_.step);
  CheckToolAndSpindle(read_, kTool, v_.spindle);
  CheckFeeds(read_, kFeeds, v_.feeds);
  ReadOptions(read_, kOptions, v_.options);
  position_ = Find("ScrollBar1")->position;
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
  Line("(Körzseb - circular pocket)");
  Line(" ");
  WritePointComment(Memo1(), "kezdőpont", read_.Text("Edit1"), read_.Text("Edit2"),
                    read_.Text("Edit11"));
  Line("(marás mélysége " + read_.Text("Edit7") + ")");
  WritePassComments(Memo1(), v_.passes.count, v_.passes.dp, v_.step != v_.depth,
                    read_.Text("Edit9"));
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
  const bool toolBlock = !read_.Checked("CheckBox1");
  const long double p = v_.passes.dp;
  const int levels = v_.passes.count;

  WriteOpening(Memo1(), o.series, v_.passes.safeZ, st.x, st.y);
  if (toolBlock) WriteToolBlock(Memo1(), read_.Text("Edit13"), read_.Text("Edit14"), o.m4, false);
  WriteCoolant(Memo1(), o.coolant);
  if (o.comments) Line("(főciklus)");
  long double z = st.z, rim = 0;
  for (int i = 1; i <= levels; ++i) {
    if (o.comments && levels > 1) Line("(" + IntToStr(i) + ". mélységi ciklus)");
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
  WriteClosing(Memo1(), o.comments, o.series, o.coolant, toolBlock);
}

void TFrame3::AppendStep() {
  const StartPoint& st = v_.start;
  const MillingOptions& o = v_.options;
  const StepHeader header{"Körzseb - circular pocket X" + FloatToStr(st.x) + " Y" +
                              FloatToStr(st.y) + " d" + FloatToStr(pocket_),
                          st.x, st.y, st.z, v_.passes.safeZ};
  const int speed = read_.Checked("CheckBox1") ? 0 : v_.spindle.speed;
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
