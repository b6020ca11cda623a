#include "wizards/common/milling_page.h"

namespace verlo {

MillingPage::MillingPage(PageContext& context)
    : WizardPage(context), read_(*this, context.messages, error_) {}

void MillingPage::StartUp() {
  CheckParameters();
  ComputePath();
}

void MillingPage::Button1Click() {
  wrote_ = false;
  if (!SeriesMode()) Memo1().Clear();
  if (ReadsAfresh()) {
    CheckParameters();
    ComputePath();
  }
  if (error_ == 0) {
    WriteComments();
    WriteProgram();
    wrote_ = true;
  }
}

void MillingPage::RegisterMillingHandlers() {
  On("Button1", [this] { Button1Click(); });
  On("Button2", [this] { Button2Click(); });
  On("CheckBox_szc_", EnableWhileUnticked(*this, "CheckBox_szc_", {"Edit_szc_"}));
  On("CheckBox_szsz_", EnableWhileUnticked(*this, "CheckBox_szsz_", {"Edit_szsz_", "Edit_ff_"}));
  On("RadioGroup_s_", SeriesChanged(*this, "RadioGroup_s_", messages_));
}

}  // namespace verlo
