// What the two rectangle pages (pocket and cut) share beyond the milling
// fields: the X and Y sizes, the display-only corner radius, the idle
// "Elforgatás" button, and their checks.
#pragma once

#include <string>

#include "wizards/common/milling_page.h"

namespace verlo {

class RectanglePage : public MillingPage {
 public:
  explicit RectanglePage(MessageBox& messages) : MillingPage(messages) {}

 protected:
  // Edit_xd_ beside the X start, Edit_yd_ beside the Y start, then Edit_rc_.
  void AddStartAndSizeFields();
  void AddButtonsWithRotate();
  // The size checks; noun names the shape in the messages ("téglalapzseb").
  // True when both sizes were accepted.
  bool CheckSizes(const std::string& noun);
  // Edit_rc_ is rewritten to half the stored tool diameter, then checked.
  void CheckCornerRadius();

  long double xd_ = 0, yd_ = 0, rc_ = 0;
};

}  // namespace verlo
