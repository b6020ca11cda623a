#include "wizards/common/rectangle_fields.h"

#include "gcode/numbers.h"

namespace verlo {

void AddStartAndSizeFields(WizardPage& page) {
  page.Add(MakeEdit("Edit_x_", "X tengely kezdőpontja:", "0,0000"));
  page.Add(MakeEdit("Edit_xd_", "Átmérő:", "20", Placement::SameRow));
  page.Add(MakeEdit("Edit_y_", "Y tengely kezdőpontja:", "0,0000"));
  page.Add(MakeEdit("Edit_yd_", "Átmérő:", "30", Placement::SameRow));
  page.Add(MakeEdit("Edit_z_", "Z tengely kezdőpontja:", "0,0000"));
  page.Add(MakeEdit("Edit_zsb_", "biztonsági Z: +", "5"));
  page.Add(MakeEdit("Edit_m_", "Marás mélysége:", "-2,0000"));
  page.Add(MakeEdit("Edit_rc_", "Sarokrádiusz:", "2,5", Placement::SameRow)).enabled = false;
}

void AddRotateButton(WizardPage& page) {
  page.Add(MakeButton("Button3", "Elforgatás", Placement::SameRow)).enabled = false;
}

bool CheckSizes(FieldReader& read, const std::string& noun, RectangleSize& size) {
  bool ok = true;
  const auto check = [&](const char* field, const std::string& axis, long double& stored) {
    long double value = 0;
    if (!read.NonZero(field,
                      "A " + noun + " " + axis + " átmérője \"0\", vagy nem adtál meg értéket.",
                      value)) {
      ok = false;
    } else if (value < read.Float("Edit_sz_")) {
      read.Refuse("A " + noun + " " + axis + " átmérője kisebb mint a szerszám átmérője.");
      ok = false;
    } else {
      stored = value;
    }
  };
  check("Edit_xd_", "X", size.xd);
  check("Edit_yd_", "Y", size.yd);
  return ok;
}

void CheckCornerRadius(FieldReader& read, long double toolDiameter, RectangleSize& size) {
  read.SetText("Edit_rc_", FloatToStr(toolDiameter / 2));
  long double rc = 0;
  if (!read.NonZero("Edit_rc_",
                    "A sarokrádiusz \"0\", vagy nem adtál meg értéket. Értéke minimum a "
                    "szerszámátmérő fele.",
                    rc))
    return;
  // Compared as the plain form shows them: half of a valid diameter, written
  // back to the field, equals it.
  const long double half = Round15(read.Float("Edit_sz_") / 2);
  rc = Round15(rc);
  if (rc < half) {
    read.Refuse("A sarokrádiusz kisebb mint a szerszám átmérő fele.");
    return;
  }
  if (rc > half)
    read.Warn(
        "A sarokrádiusz nagyobb mint a szerszám átmérő fele. Ez nem hiba, ha szándékosan adtad "
        "meg. A program ezzel az értékkel tovább megy.");
  size.rc = rc;
}

}  // namespace verlo
