// The form of the drilling pages: the controls of the drill circle page, which
// the disabled drill rectangle page (a rectangular bolt pattern) shows as well.
#pragma once

#include "wizards/common/page_model.h"

namespace verlo {

// Every control of the circular bolt pattern page, with its caption and
// default, in form order.
void AddDrillCircleControls(WizardPage& page);

// The rectangular bolt pattern page: laid out like the circular one, every
// control disabled, no behaviour.
class TFrame10 : public WizardPage {
 public:
  explicit TFrame10(PageContext& context);
  bool ListingEnabled() const override { return false; }
};

}  // namespace verlo
