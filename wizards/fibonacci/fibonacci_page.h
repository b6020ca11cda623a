// The Fibonacci spiral page. Its fields and programs follow; for now the page
// gives its warning about the G59 work offset when it is chosen.
#pragma once

#include "wizards/common/page_model.h"

namespace verlo {

extern const char kG59Warning[];

class TFrame2 : public WizardPage {
 public:
  using WizardPage::WizardPage;
  void Shown() override;
};

}  // namespace verlo
