#include "wizards/common/rectangle_page.h"

#include "gcode/numbers.h"

namespace verlo {

void RectanglePage::AddStartAndSizeFields() {
  Add(MakeEdit("Edit_x_", "X tengely kezdőpontja:", "0,0000"));
  Add(MakeEdit("Edit_xd_", "Átmérő:", "20", Placement::SameRow));
  Add(MakeEdit("Edit_y_", "Y tengely kezdőpontja:", "0,0000"));
  Add(MakeEdit("Edit_yd_", "Átmérő:", "30", Placement::SameRow));
  Add(MakeEdit("Edit_z_", "Z tengely kezdőpontja:", "0,0000"));
  Add(MakeEdit("Edit_zsb_", "biztonsági Z: +", "5"));
  Add(MakeEdit("Edit_m_", "Marás mélysége:", "-2,0000"));
  Add(MakeEdit("Edit_rc_", "Sarokrádiusz:", "2,5", Placement::SameRow)).enabled = false;
}

void RectanglePage::AddButtonsWithRotate() {
  AddButtons();
  Add(MakeButton("Button3", "Elforgatás", Placement::SameRow)).enabled = false;
}

bool RectanglePage::CheckSizes(const std::string& noun) {
  bool ok = true;
  const auto check = [&](const char* field, const std::string& axis, long double& stored) {
    long double size = 0;
    if (!ReadNonZero(field,
                     "A " + noun + " " + axis + " átmérője \"0\", vagy nem adtál meg értéket.",
                     size)) {
      ok = false;
    } else if (size < StrToFloat(Text("Edit_sz_"))) {
      Refuse("A " + noun + " " + axis + " átmérője kisebb mint a szerszám átmérője.");
      ok = false;
    } else {
      stored = size;
    }
  };
  check("Edit_xd_", "X", xd_);
  check("Edit_yd_", "Y", yd_);
  return ok;
}

void RectanglePage::CheckCornerRadius() {
  Find("Edit_rc_")->text = FloatToStr(v_.D / 2);
  long double rc = 0;
  if (!ReadNonZero("Edit_rc_",
                   "A sarokrádiusz \"0\", vagy nem adtál meg értéket. Értéke minimum a "
                   "szerszámátmérő fele.",
                   rc))
    return;
  const long double half = StrToFloat(Text("Edit_sz_")) / 2;
  if (rc < half) {
    Refuse("A sarokrádiusz kisebb mint a szerszám átmérő fele.");
    return;
  }
  if (rc > half)
    Message(
        "A sarokrádiusz nagyobb mint a szerszám átmérő fele. Ez nem hiba, ha szándékosan adtad "
        "meg. A program ezzel az értékkel tovább megy.",
        kWarningCaption);
  rc_ = rc;
}

}  // namespace verlo
