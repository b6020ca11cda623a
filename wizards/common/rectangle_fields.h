// What the two rectangle pages (pocket and cut) add to the milling fields:
// the X and Y sizes, the display-only corner radius, the idle "Elforgatás"
// button, and their checks.
#pragma once

#include <string>

#include "wizards/common/field_reader.h"

namespace verlo {

struct RectangleSize {
  long double xd = 0, yd = 0;  // X and Y sizes
  long double rc = 0;          // corner radius (not used by the path)
};

// Edit_x_ with Edit_xd_ beside it, Edit_y_ with Edit_yd_, Edit_z_, Edit_zsb_,
// Edit_m_ with Edit_rc_.
void AddStartAndSizeFields(WizardPage& page);
void AddRotateButton(WizardPage& page);
// "(téglalap átmérői X<x> Y<y>)" from the sizes as typed.
void WriteSizeComment(Listing& listing, const FieldReader& read);

// The size checks; noun names the shape in the messages ("téglalapzseb").
// True when both sizes were accepted.
bool CheckSizes(FieldReader& read, const std::string& noun, RectangleSize& size);
// Edit_rc_ is rewritten to half the stored tool diameter, then checked.
void CheckCornerRadius(FieldReader& read, long double toolDiameter, RectangleSize& size);

}  // namespace verlo
