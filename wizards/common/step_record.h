// The step a page records for the accumulated program: its values with the
// captions of the controls they come from, and its listing.
#pragma once

#include <initializer_list>
#include <string>

#include "wizards/common/page_model.h"

namespace verlo {

// One recorded value and the control whose caption names it: an edit by the
// name of its caption label ("Label9"), a radio group or check box by its own
// name.
struct StepParam {
  // Any number: a length, a count, an item index, a flag.
  template <class T>
  StepParam(const char* control, T value)
      : control(control), value(static_cast<long double>(value)) {}

  const char* control;
  long double value;
};

struct StepHeader {
  std::string title;
  long double x = 0, y = 0, z = 0, w = 0;
};

// When accumulation is on, appends the step (wizard index, header, values,
// the page's listing) to the store. A full store records nothing and says so.
void RecordStep(WizardPage& page, PageContext& context, const StepHeader& header,
                std::initializer_list<StepParam> params);

}  // namespace verlo
