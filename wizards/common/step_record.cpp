#include "wizards/common/step_record.h"

#include "wizards/common/field_reader.h"

namespace verlo {

void RecordStep(WizardPage& page, PageContext& context, const StepHeader& header,
                std::initializer_list<StepParam> params) {
  if (context.shell.accumulate == 0) return;
  step_data step;
  step.wizard = context.shell.wizardIndex;
  step.title = header.title;
  step.x = header.x;
  step.y = header.y;
  step.z = header.z;
  step.w = header.w;
  size_t slot = 0;
  for (const StepParam& p : params) step.params.at(slot++) = {page.CaptionOf(p.control), p.value};
  step.listing = JoinedListing(page.Memo1().Lines());
  if (!context.steps.Append(std::move(step)))
    context.messages.Show(kStoreFullMessage, kWarningCaption);
}

}  // namespace verlo
