#include "wizards/fibonacci/fibonacci_page.h"

#include <cmath>

#include "gcode/numbers.h"
#include "wizards/common/depth_passes.h"
#include "wizards/common/field_groups.h"
#include "wizards/common/milling_fields.h"
#include "wizards/common/step_record.h"

namespace verlo {

const char kSpindleLeftOutMessage[] =
    "Ez a program nem indítja el a főorsót, mert göngyölítés közben készült. A teljes programot "
    "a Göngyölítőből küldd el.";
const char kG59Warning[] =
    "A varázsló a \"G59\"-es offsetet használja. Ha van beállított értéked mentsd el magadnak és "
    "a varázsló használata után állítsd vissza.";
const char kPerLevelCaption[] = "Figyelmeztatés rossz paraméterezésről";

namespace {

constexpr const FieldNames& kNames = kNumberedFields;

// The radius of the last of `arcs` arcs (scale × the Fibonacci number), as the
// arc generator adds it up; the sum stops once it passes `limit`.
long double LastRadius(long double scale, long long arcs, long double limit) {
  long double r = scale, previous = 0;
  for (long long i = 1; i < arcs && Round15(r) <= limit; ++i) {
    const long double next = r + previous;
    previous = r;
    r = next;
  }
  return arcs > 0 ? r : 0;
}

}  // namespace

TFrame2::TFrame2(PageContext& context) : CreatePage(context) {
  Add(MakeRadio("RadioGroup1", " G kód generálása ", {"Csak G kód", "Csak képlet"}, 0));
  AddComments(*this, kNames.options.comments);
  Add(MakeButton("Button1", "Létrehozás"));
  AddDirection(*this, kNames.options.ccw, "Spirál", 1);
  AddSpindleSense(*this, kNames.options.m4);
  AddPointFields(*this, kNames.start, "kezdőpontja");
  AddEdit(*this, "Edit10", "Label12",
          "Nagyítás (a képen látható miliméter értékek  szorzója):", "0,00");
  AddEdit(*this, "Edit4", "Label5", "Elforgatás szöge:", "0").enabled = false;
  Add(MakeLabel("Label6", "° (fok)", Placement::SameRow));
  Add(MakeCheck("CheckBox4", "nincs", true, Placement::SameRow)).enabled = false;
  AddDepth(*this, kNames.depth);
  AddEdit(*this, "Edit8", "Label10", "Szerszám maximális fogási mélysége: ", "");
  Add(MakeCheck("CheckBox1", "nincs", true, Placement::SameRow));
  // Its "nincs" box enables nothing: the field stays open.
  AddMaxStep(*this, kNames.maxStep, "", true);
  Get(kNames.maxStep.edit.name).enabled = true;
  AddToolNumber(*this, kNames.tool, NoToolBox::Absent);
  AddEdit(*this, "Edit3", "Label4", "Körbefordulások száma:", "2");
  Add(MakeCheck("CheckBox3", "Csak a képen látható", true));
  Add(MakeRadio("RadioGroup2", " Plussz részfordulat ", {"nincs", "1/4", "1/2", "3/4"}, 0));
  AddFeeds(*this, kNames.feeds, "G1 feed:", "G2, G3 feed:");
  On("Button1", [this] { Button1Click(); });
}

void TFrame2::Shown() {
  Message(kG59Warning, kWarningCaption);
}

void TFrame2::StartListing() {
  Memo1().Clear();
  spindleLeftOut_ = false;
}

void TFrame2::CheckParameters() {
  error_ = 0;
  v_.ccw = read_.Item(kNames.options.ccw) != 0 ? 1 : 0;
  v_.m4 = read_.Item(kNames.options.m4) != 0 ? 1 : 0;
  v_.comments = read_.Checked(kNames.options.comments) ? 1 : 0;
  read_.FillIfBlank({kNames.start.x, kNames.start.y});
  v_.x = read_.Float(kNames.start.x);
  v_.y = read_.Float(kNames.start.y);
  ReadFeeds();
  ReadDepth();
  if (read_.Blank("Edit8")) Get("CheckBox1").checked = true;
  if (read_.Blank("Edit9")) Get("CheckBox2").checked = true;
  v_.toolLimit = read_.Blank("Edit8") ? 0 : read_.Float("Edit8");
  v_.maxPerLevel = read_.Blank("Edit9") ? 0 : read_.Float("Edit9");
  ReadSpiral();
  if (!read_.Checked("CheckBox1") && std::fabs(v_.depth) > v_.toolLimit) {
    read_.Refuse("Nagyobb a marási mélység mint a szerszám megengedett maximális marási mélysége!");
    return;
  }
  if (!read_.Checked("CheckBox2") && v_.maxPerLevel > std::fabs(v_.depth)) {
    error_ = 1;
    Message("Értelmetlen beállítani maximális fogási mélységet ha a teljes marási mélység kisebb!",
            kPerLevelCaption);
    return;
  }
  ReadLevels();
}

void TFrame2::ReadFeeds() {
  // Decimal feeds; the control rejects a move at zero or negative feed.
  read_.FillIfBlank({"Edit5"}, "150");
  read_.FillIfBlank({"Edit6"}, "300");
  const long double f1 = read_.Float("Edit5");
  read_.AcceptIf(f1 > 0, kG1FeedNotPositiveMessage, f1, v_.f1);
  const long double f2 = read_.Float("Edit6");
  read_.AcceptIf(f2 > 0, kArcFeedNotPositiveMessage, f2, v_.f2);
}

void TFrame2::ReadDepth() {
  if (read_.Blank("Edit7")) {
    read_.SetText("Edit7", "0");
    read_.Refuse("Nem adtad meg a marás mélységét!");
  }
  v_.depth = read_.Float("Edit7");
  if (v_.depth > 0)
    read_.Warn(
        "Marási mélységnek pozitív értéket adtál meg. Gondold végig!! A program tovább megy, ez "
        "csak figyelmeztetés.");
}

void TFrame2::ReadSpiral() {
  read_.FillIfBlank({"Edit10"}, "1");
  long double scale = read_.Float("Edit10");
  if (scale == 0) scale = 1;
  // A negative scale turns every quarter into three quarters; a tiny one
  // prints as a zero radius.
  const bool scaleOk =
      read_.AcceptIf(scale >= 0.001L, "A nagyítás mértéke legalább 0,001 legyen.", scale, v_.scale);
  read_.FillIfBlank({"Edit11", "Edit12"});
  v_.z = read_.Float("Edit11");
  v_.clearance = read_.Float("Edit12");
  v_.safe = v_.z + v_.clearance;
  ReadToolAndSpindle();
  if (read_.Checked("CheckBox3")) {
    read_.SetText("Edit3", "1");
    Get("RadioGroup2").itemIndex = 2;
  }
  const int turns = read_.Int("Edit3");
  const bool turnsOk =
      read_.AcceptIf(turns >= 0, "A körbefordulások száma nem lehet negatív.", turns, v_.turns);
  v_.quarters = read_.Item("RadioGroup2");
  // The radii grow as Fibonacci numbers: a long spiral soon leaves any
  // machine and any number the control reads.
  if (scaleOk && turnsOk &&
      Round15(LastRadius(scale, 4LL * turns + v_.quarters, kFieldLimit)) > kFieldLimit)
    read_.Refuse("A spirál túl nagy: a legnagyobb ív sugara legfeljebb 1000000 mm lehet.");
  v_.rotation = read_.Checked("CheckBox4") ? 0 : read_.Float("Edit4");
}

void TFrame2::ReadToolAndSpindle() {
  // Whole numbers, as the program writes them; the control rejects negative
  // ones.
  read_.FillIfBlank({"Edit13"}, "1");
  const int tool = read_.Int("Edit13");
  read_.AcceptIf(tool >= 0, "A szerszám száma nem lehet negatív.", tool, v_.tool);
  read_.FillIfBlank({"Edit14"}, "1000");
  const int speed = read_.Int("Edit14");
  read_.AcceptIf(speed >= 0, "A főorsó fordulata nem lehet negatív.", speed, v_.speed);
}

void TFrame2::ReadLevels() {
  const bool perLevel = !read_.Checked("CheckBox2");
  if (!perLevel) {
    v_.p = v_.depth;
    v_.levels = 1;
    // The formula program still counts its levels from a maximum typed in
    // the field; a zero one it leaves out.
    if (!FormulaMode() || v_.maxPerLevel == 0) return;
  }
  // floor(|depth| / maximum) + 1 levels, at most 100; a maximum of 0 or less
  // finds none.
  const int levels = v_.maxPerLevel > 0 ? SearchPassCount(v_.maxPerLevel, v_.depth) : 0;
  if (levels == 0) {
    read_.Refuse(kTooManyPassesMessage);
    return;
  }
  if (!perLevel) return;
  v_.levels = levels;
  v_.p = v_.depth / levels;
}

void TFrame2::Created() {
  if (context_.shell.accumulate == 0) return;
  StepHeader header;
  header.title =
      "Fibonacci spirál X" + FloatToStr(v_.x) + " Y" + FloatToStr(v_.y) + " Z" + FloatToStr(v_.z);
  header.x = v_.x;
  header.y = v_.y;
  header.z = v_.z;
  header.w = v_.safe;
  RecordStep(*this, context_, header,
             {{"Label12", v_.scale},
              {"Label9", v_.depth},
              {"Label11", v_.p},
              {"Label15", read_.Float("Edit13")},
              {"Label16", read_.Float("Edit14")},
              {"Label4", read_.Float("Edit3")},
              {"CheckBox3", read_.Checked("CheckBox3") ? 1.0L : 0.0L},
              {"RadioGroup2", static_cast<long double>(read_.Item("RadioGroup2"))},
              {"Label7", read_.Float("Edit5")},
              {"Label8", read_.Float("Edit6")},
              {"RadioGroup1", static_cast<long double>(read_.Item("RadioGroup1"))},
              {"RadioGroup3", static_cast<long double>(read_.Item("RadioGroup3"))},
              {"RadioGroup4", static_cast<long double>(read_.Item("RadioGroup4"))}});
}

}  // namespace verlo
