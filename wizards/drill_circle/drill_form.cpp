#include "wizards/drill_circle/drill_form.h"

#include "wizards/common/milling_fields.h"

namespace verlo {

void AddDrillCircleControls(WizardPage& page) {
  AddPointFields(page, "középpontja");
  page.Add(MakeEdit("Edit_m_", "Fúrás mélysége:", "-10"));
  page.Add(MakeEdit("Edit_r_", "Kör átmérője:", "20"));
  page.Add(MakeEdit("Edit_db_", "Gyors vissza (Z pozíció):", "1"));
  page.Add(MakeEdit("Edit_ane_", "Elforgatás szöge:", "0"));
  page.Add(MakeLabel("Label_ane_", "°", Placement::SameRow));
  page.Add(MakeEdit("Edit_drc_", "Furatok száma:", "5"));
  page.Add(MakeEdit("Edit_sz_", "Szerszám átmérő:", "5"));
  page.Add(MakeEdit("Edit_szc_", "Lépésenkénti maximális fogási mélység: ", "2"));
  page.Add(MakeCheck("CheckBox_szc_", "nincs", false, Placement::SameRow));
  AddToolNumber(page);
  page.Add(MakeEdit("Edit_g1_", "G1  feed:", "100"));
  // A freshly shown page offers "Minden furat" and "Furat kiválasztás".
  page.Add(MakeRadio("RadioGroup1", " Furat kiválasztó ",
                     {"Minden furat", "Furat kiválasztás", "Újra választ"}, 0))
      .itemEnabled[2] = false;
  page.Add(MakeRadio("RadioGroup_g783_", " Fúró kód ", {"G73", "G83"}, 1));
  page.Add(MakeRadio("RadioGroup_m34_", " Forgásirány ", {"M3", "M4"}, 0));
  page.Add(MakeRadio("RadioGroup_h_", " Hűtés ", {"nincs", "M7", "M8"}, 0));
  page.Add(MakeRadio("RadioGroup_s_", " Sorozat marás ", {"Csak egy kör ", "Több kör mentén"}, 0));
  page.Add(MakeCheck("CheckBox_msg_", "Megjegyzésekkel", true));
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
