#include "wizards/common/milling_page.h"

#include <cmath>

#include "gcode/numbers.h"
#include "gcode/program_frame.h"

namespace verlo {

const char kErrorCaption[] = "Figyelmeztetés rossz paraméterezésről";
const char kWarningCaption[] = "Figyelmeztetés";
const char kTooManyPassesMessage[] =
    "A lépésenkénti maximális fogási mélység túl kicsi: legfeljebb 100 mélységi ciklus lehet.";

int SearchPassCount(long double step, long double depth) {
  long double sum = 0;
  for (int i = 1; i <= 100; ++i) {
    sum += step;
    if (std::fabs(sum) > std::fabs(depth)) return i;
  }
  return 0;
}

void MillingPage::Button1Click() {
  wrote_ = false;
  if (v_.series == 0) Memo1().Clear();
  CheckParameters();
  if (computeAfterRefusal_ || v_.error == 0) ComputePath();
  if (v_.error == 0) {
    WriteComments();
    WriteProgram();
    wrote_ = true;
  }
}

void MillingPage::AddStartFields() {
  Add(MakeEdit("Edit_x_", "X tengely kezdőpontja:", "0,0000"));
  Add(MakeEdit("Edit_y_", "Y tengely kezdőpontja:", "0,0000"));
  Add(MakeEdit("Edit_z_", "Z tengely kezdőpontja:", "0,0000"));
  Add(MakeEdit("Edit_zsb_", "biztonsági Z: +", "5"));
  Add(MakeEdit("Edit_m_", "Marás mélysége:", "-2,0000"));
}

void MillingPage::AddToolDiameter() {
  Add(MakeEdit("Edit_sz_", "Szerszám átmérő:", "5"));
}

void MillingPage::AddMaxStep() {
  Control& edit = Add(MakeEdit("Edit_szc_", "Lépésenkénti maximális fogási mélység: ", "0,6"));
  edit.labelName = "Label11";
  edit.enabled = false;
  Add(MakeCheck("CheckBox_szc_", "nincs", true, Placement::SameRow));
}

void MillingPage::AddToolNumber() {
  Add(MakeEdit("Edit_szsz_", "Szerszám száma:", "1")).labelName = "Label15";
  Add(MakeCheck("CheckBox_szsz_", "nincs", false, Placement::SameRow));
  Add(MakeEdit("Edit_ff_", "Főorsó fordulata: ", "1000")).labelName = "Label16";
}

void MillingPage::AddFeeds(const std::string& g1Caption, const std::string& g23Caption) {
  Add(MakeEdit("Edit_g1_", g1Caption, "150")).labelName = "Label7";
  Add(MakeEdit("Edit_g23_", g23Caption, "300")).labelName = "Label8";
}

void MillingPage::AddOptions(const std::string& zEntryRamp, const std::string& singleItem) {
  Add(MakeRadio("RadioGroup_cw_", " Marás forgásiránya óramutató járásával ",
                {"Megegyező (CW)", "Ellentétes (CCW)"}, 0));
  Add(MakeRadio("RadioGroup_m34_", " Forgásirány ", {"M3", "M4"}, 0));
  Add(MakeRadio("RadioGroup_h_", " Hűtés ", {"nincs", "M7", "M8"}, 0));
  Add(MakeRadio("RadioGroup_zi_", " Szerszám Z irányban ", {"Le egyenesen csak Z", zEntryRamp}, 1));
  Add(MakeRadio("RadioGroup_s_", " Sorozat marás ", {singleItem, "Sorozat marás"}, 0));
  Add(MakeCheck("CheckBox_msg_", "Megjegyzésekkel", true));
}

void MillingPage::AddButtons() {
  Add(MakeButton("Button1", "Létrehozás"));
  Add(MakeButton("Button2", "Törlés", Placement::SameRow));
}

void MillingPage::RegisterSharedHandlers() {
  On("Button1", [this] { Button1Click(); });
  On("Button2", [this] { Button2Click(); });
  On("CheckBox_szc_", [this] {  // CheckBox_szc_Click
    Control& e = *Find("Edit_szc_");
    e.enabled = !Checked("CheckBox_szc_");
  });
  On("CheckBox_szsz_", [this] {  // CheckBox_szsz_Click
    const bool on = !Checked("CheckBox_szsz_");
    for (const char* n : {"Edit_szsz_", "Edit_ff_"}) Find(n)->enabled = on;
  });
  On("RadioGroup_s_", [this] {  // RadioGroup_s_Click
    Memo1().Clear();
    if (Find("RadioGroup_s_")->itemIndex == 1)
      Message(
          "Sorozatmarás esetén a kezdeti beállításokat valamint a végén szokásos M kódokat nem "
          "tartalmazza.",
          kWarningCaption);
  });
}

void MillingPage::Refuse(const std::string& text) {
  v_.error = 1;
  Message(text, kErrorCaption);
}

void MillingPage::ReadStartPoint() {
  for (const char* n : {"Edit_x_", "Edit_y_", "Edit_z_", "Edit_zsb_"})
    if (IsBlank(Find(n)->text)) Find(n)->text = "0";
  v_.X0 = StrToFloat(Text("Edit_x_"));
  v_.Y0 = StrToFloat(Text("Edit_y_"));
  v_.Z0 = StrToFloat(Text("Edit_z_"));
  v_.Zoff = StrToFloat(Text("Edit_zsb_"));
}

bool MillingPage::ReadNonZero(const std::string& field, const std::string& message,
                              long double& out) {
  const std::string& t = Text(field);
  const long double value = IsBlank(t) ? 0 : StrToFloat(t);
  if (value == 0) {
    Refuse(message);
    return false;
  }
  out = value;
  return true;
}

bool MillingPage::ReadNonZeroInt(const std::string& field, const std::string& message, int& out) {
  const std::string& t = Text(field);
  const int value = IsBlank(t) ? 0 : StrToInt(t);
  if (value == 0) {
    Refuse(message);
    return false;
  }
  out = value;
  return true;
}

void MillingPage::ReadRequiredInt(const std::string& field, const std::string& message, int& out) {
  if (IsBlank(Text(field)))
    Refuse(message);
  else
    out = StrToInt(Text(field));
}

void MillingPage::CheckDepth() {
  if (ReadNonZero("Edit_m_", "Marás mélyége \"0\", vagy nem adtál meg értéket.", v_.depth) &&
      v_.depth > 0)
    Message(
        "Marási mélységnek pozitív számot adtál meg. A program tovább megy, mert az adat nem "
        "rossz, csak nem logikus.",
        kWarningCaption);
}

bool MillingPage::CheckToolDiameter() {
  return ReadNonZero("Edit_sz_", "Szerszám átmérője \"0\", vagy nem adtál meg értéket.", v_.D);
}

void MillingPage::CheckMaxStep() {
  if (Checked("CheckBox_szc_")) {
    v_.step = v_.depth;
  } else {
    long double entry = 0;
    if (!ReadNonZero("Edit_szc_",
                     "Lépésenkénti maximális fogási mélység \"0\", vagy nem adtál meg értéket.",
                     entry))
      return;
    v_.step = std::fabs(entry) >= std::fabs(v_.depth) ? v_.depth : entry;
  }
  // More than 100 passes are not searched for: refuse instead of guessing.
  if (v_.step != v_.depth && SearchPassCount(v_.step, v_.depth) == 0) Refuse(kTooManyPassesMessage);
}

void MillingPage::CheckToolAndSpindle() {
  if (Checked("CheckBox_szsz_")) {
    v_.tool = 0;
    return;
  }
  ReadNonZeroInt("Edit_szsz_", "Szerszám száma \"0\", vagy nem adtál meg értéket.", v_.tool);
  ReadNonZeroInt("Edit_ff_", "Főorsó fordulat \"0\", vagy nem adtál meg értéket.", v_.spindle);
}

void MillingPage::CheckFeeds() {
  ReadRequiredInt("Edit_g1_", "G1 előtolási értékét nem adtad meg.", v_.feed1);
  ReadRequiredInt("Edit_g23_", "G2 és G3 előtolási értékét nem adtad meg.", v_.feed23);
}

void MillingPage::ReadOptions() {
  v_.comments = Checked("CheckBox_msg_") ? 1 : 0;
  const int h = Find("RadioGroup_h_")->itemIndex;
  v_.coolant = h == 1 ? 7 : h == 2 ? 8 : 0;
  v_.ccw = Find("RadioGroup_cw_")->itemIndex != 0;
  v_.m4 = Find("RadioGroup_m34_")->itemIndex != 0;
  v_.ramp = Find("RadioGroup_zi_")->itemIndex != 0;
  v_.series = Find("RadioGroup_s_")->itemIndex != 0;
}

void MillingPage::ComputeDepthPasses() {
  v_.Zs = v_.Z0 + v_.Zoff;
  if (v_.step == v_.depth) {
    v_.passes = 1;
    v_.dp = v_.depth;
    return;
  }
  v_.passes = SearchPassCount(v_.step, v_.depth);
  v_.dp = v_.passes > 0 ? v_.depth / v_.passes : 0;
}

void MillingPage::WriteStartComment() {
  Line("(kezdőpont X" + Text("Edit_x_") + " Y" + Text("Edit_y_") + " Z" + Text("Edit_z_") + ")");
}

void MillingPage::WritePassComments() {
  if (v_.passes > 1) Line("(mélységi ciklusok száma " + IntToStr(v_.passes) + ")");
  if (v_.step != v_.depth) {
    Line("(ciklusonkénti mélység " + N4(v_.dp) + ")");
    Line("(lépésenkénti max fogási mélység " + Text("Edit_szc_") + ")");
  }
}

}  // namespace verlo
