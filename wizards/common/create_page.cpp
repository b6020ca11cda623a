#include "wizards/common/create_page.h"

#include "wizards/common/milling_fields.h"

namespace verlo {

CreatePage::CreatePage(PageContext& context)
    : WizardPage(context), read_(*this, context.messages, error_) {}

void CreatePage::StartUp() {
  CheckParameters();
  ComputePath();
}

void CreatePage::Button1Click() {
  wrote_ = false;
  StartListing();
  ReadPage();
  if (error_ != 0) return;
  WriteListing();
  wrote_ = true;
  Created();
}

void CreatePage::ReadPage() {
  CheckParameters();
  ComputePath();
}

void CreatePage::WriteListing() {
  WriteComments();
  WriteProgram();
}

void CreatePage::ClearUnlessSeries(int series) {
  if (series == 0) Memo1().Clear();
}

void CreatePage::RegisterMillingHandlers(const FieldNames& names) {
  On("Button1", [this] { Button1Click(); });
  On("Button2", [this] { Button2Click(); });
  On(names.maxStep.none, EnableWhileUnticked(*this, names.maxStep.none, {names.maxStep.edit}));
  On(names.tool.none,
     EnableWhileUnticked(*this, names.tool.none, {names.tool.tool, names.tool.speed}));
  On(names.options.series, SeriesChanged(*this, names.options.series, messages_));
}

}  // namespace verlo
