#include "wizards/common/field_groups.h"

namespace verlo {
namespace {

Control& AddField(WizardPage& page, const Field& name, const std::string& caption,
                  const std::string& text) {
  Control& c = page.Add(MakeEdit(name.name, caption, text));
  if (name.label) c.labelName = name.label;
  return c;
}

}  // namespace

void AddPointFields(WizardPage& page, const StartFields& names, const std::string& xyWord,
                    const BesidePoint& beside) {
  AddField(page, names.x, "X tengely " + xyWord + ":", "0,0000");
  for (const Control& c : beside.x) page.Add(c);
  AddField(page, names.y, "Y tengely " + xyWord + ":", "0,0000");
  for (const Control& c : beside.y) page.Add(c);
  AddField(page, names.z, "Z tengely kezdőpontja:", "0,0000");
  AddField(page, names.safe, "biztonsági Z: +", "5");
}

void AddDepth(WizardPage& page, const Field& name, const std::string& caption,
              const std::string& text) {
  AddField(page, name, caption, text);
}

void AddToolDiameter(WizardPage& page, const Field& name, const std::string& text) {
  AddField(page, name, "Szerszám átmérő:", text);
}

void AddMaxStep(WizardPage& page, const MaxStepFields& names, const std::string& text,
                bool noneTicked) {
  AddField(page, names.edit, "Lépésenkénti maximális fogási mélység: ", text).enabled = !noneTicked;
  page.Add(MakeCheck(names.none, "nincs", noneTicked, Placement::SameRow));
}

void AddToolNumber(WizardPage& page, const ToolFields& names, NoToolBox box) {
  AddField(page, names.tool, "Szerszám száma:", "1");
  switch (box) {
    case NoToolBox::Offered:
      page.Add(MakeCheck(names.none, "nincs", false, Placement::SameRow));
      break;
    case NoToolBox::Absent:
      break;
  }
  AddField(page, names.speed, "Főorsó fordulata: ", "1000");
}

void AddFeed(WizardPage& page, const Field& name, const std::string& caption,
             const std::string& text) {
  AddField(page, name, caption, text);
}

void AddFeeds(WizardPage& page, const FeedFields& names, const std::string& g1Caption,
              const std::string& arcCaption) {
  AddFeed(page, names.g1, g1Caption, "150");
  AddFeed(page, names.arc, arcCaption, "300");
}

void AddDirection(WizardPage& page, const char* name, const std::string& what, int item) {
  page.Add(MakeRadio(name, " " + what + " forgásiránya óramutató járásával ",
                     {"Megegyező (CW)", "Ellentétes (CCW)"}, item));
}

void AddSpindleSense(WizardPage& page, const char* name) {
  page.Add(MakeRadio(name, " Forgásirány ", {"M3", "M4"}, 0));
}

void AddCoolant(WizardPage& page, const char* name) {
  page.Add(MakeRadio(name, " Hűtés ", {"nincs", "M7", "M8"}, 0));
}

void AddZEntry(WizardPage& page, const char* name, const std::string& rampItem) {
  page.Add(MakeRadio(name, " Szerszám Z irányban ", {"Le egyenesen csak Z", rampItem}, 1));
}

void AddSeries(WizardPage& page, const char* name, const std::string& singleItem,
               const std::string& seriesItem) {
  page.Add(MakeRadio(name, " Sorozat marás ", {singleItem, seriesItem}, 0));
}

void AddComments(WizardPage& page, const char* name) {
  page.Add(MakeCheck(name, "Megjegyzésekkel", true));
}

void AddOptions(WizardPage& page, const OptionFields& names, const std::string& directionWhat,
                const std::string& rampItem, const std::string& singleItem) {
  AddDirection(page, names.ccw, directionWhat, 0);
  AddSpindleSense(page, names.m4);
  AddCoolant(page, names.coolant);
  AddZEntry(page, names.ramp, rampItem);
  AddSeries(page, names.series, singleItem);
  AddComments(page, names.comments);
}

void AddCreateAndClear(WizardPage& page) {
  page.Add(MakeButton("Button1", "Létrehozás"));
  page.Add(MakeButton("Button2", "Törlés", Placement::SameRow));
}

Control& AddStepOver(WizardPage& page) {
  Control& bar = page.Add(
      MakeScroll("ScrollBar1", "Fogás szélessége a szerszám szélességének arányában: ", 50));
  page.Add(MakeLabel("Label4", "%", Placement::SameRow));
  page.Add(MakeLabel("Label5", "mm", Placement::SameRow));
  return bar;
}

}  // namespace verlo
