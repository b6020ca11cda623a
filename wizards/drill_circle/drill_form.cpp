#include "wizards/drill_circle/drill_form.h"

#include "wizards/common/field_groups.h"

namespace verlo {

void AddDrillCircleControls(WizardPage& page) {
  const FieldNames& n = kNamedFields;
  AddPointFields(page, n.start, "középpontja");
  AddDepth(page, n.depth, "Fúrás mélysége:", "-10");
  page.Add(MakeEdit("Edit_r_", "Kör átmérője:", "20"));
  page.Add(MakeEdit("Edit_db_", "Gyors vissza (Z pozíció):", "1"));
  page.Add(MakeEdit("Edit_ane_", "Elforgatás szöge:", "0"));
  page.Add(MakeLabel("Label_ane_", "°", Placement::SameRow));
  page.Add(MakeEdit("Edit_drc_", "Furatok száma:", "5"));
  AddToolDiameter(page, n.toolDiameter);
  AddMaxStep(page, n.maxStep, "2", false);
  AddToolNumber(page, n.tool, NoToolBox::Offered);
  AddFeed(page, n.feeds.g1, "G1  feed:", "100");
  // A freshly shown page offers "Minden furat" and "Furat kiválasztás".
  page.Add(MakeRadio("RadioGroup1", " Furat kiválasztó ",
                     {"Minden furat", "Furat kiválasztás", "Újra választ"}, 0))
      .itemEnabled[2] = false;
  page.Add(MakeRadio("RadioGroup_g783_", " Fúró kód ", {"G73", "G83"}, 1));
  AddSpindleSense(page, n.options.m4);
  AddCoolant(page, n.options.coolant);
  AddSeries(page, n.options.series, "Csak egy kör ", "Több kör mentén");
  AddComments(page, n.options.comments);
  AddCreateAndClear(page);
}

TFrame10::TFrame10(PageContext& context) : WizardPage(context) {
  AddDrillCircleControls(*this);
  for (Control* c : Controls()) {
    c->enabled = false;
    c->itemEnabled.assign(c->itemEnabled.size(), false);
  }
}

}  // namespace verlo
