#include "wizards/common/rectangle_fields.h"

#include "gcode/numbers.h"
#include "wizards/common/field_groups.h"

namespace verlo {

void AddStartAndSizeFields(WizardPage& page) {
  AddPointFields(page, kNamedFields.start, "kezdőpontja",
                 {{MakeEdit("Edit_xd_", "Átmérő:", "20", Placement::SameRow)},
                  {MakeEdit("Edit_yd_", "Átmérő:", "30", Placement::SameRow)}});
  AddDepth(page, kNamedFields.depth);
  page.Add(MakeEdit("Edit_rc_", "Sarokrádiusz:", "2,5", Placement::SameRow)).enabled = false;
}

void AddRotateButton(WizardPage& page) {
  page.Add(MakeButton("Button3", "Elforgatás", Placement::SameRow)).enabled = false;
}

void WriteSizeComment(Listing& listing, const FieldReader& read) {
  Emit(listing, "(téglalap átmérői X" + read.Text("Edit_xd_") + " Y" + read.Text("Edit_yd_") + ")");
}

bool CheckSizes(FieldReader& read, const std::string& noun, RectangleSize& size) {
  bool ok = true;
  const auto check = [&](const char* field, const std::string& axis, long double& stored) {
    long double value = 0;
    if (!read.NonZero(field,
                      "A " + noun + " " + axis + " átmérője \"0\", vagy nem adtál meg értéket.",
                      value)) {
      ok = false;
    } else if (value < read.Float(kNamedFields.toolDiameter)) {
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
  const long double half = Round15(read.Float(kNamedFields.toolDiameter) / 2);
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
