#include "wizards/page_host.h"

#include "platform/hole_selector.h"

namespace verlo {

PageHost::PageHost(const PageEntry& row, PageContext& context, ShellState& shell)
    : row_(&row), shell_(&shell), page_(row.make(context)) {}

void PageHost::Show() {
  shell_->wizardIndex = WizardIndex();
  page_->Shown();
}

void PageHost::Type(const std::string& name, const std::string& text) {
  page_->Get(name).text = text;
}

namespace {

template <class T>
bool Change(WizardPage& page, const std::string& name, T& value, T to) {
  if (value == to) return false;
  value = to;
  page.Fire(name);
  return true;
}

}  // namespace

bool PageHost::Tick(const std::string& name, bool checked) {
  return Change(*page_, name, page_->Get(name).checked, checked);
}

bool PageHost::Choose(const std::string& name, int item) {
  return Change(*page_, name, page_->Get(name).itemIndex, item);
}

bool PageHost::Slide(const std::string& name, int position) {
  return Change(*page_, name, page_->Get(name).position, position);
}

namespace {

class NoMessages : public MessageBox {
 public:
  void Show(const std::string&, const std::string&) override {}
};

}  // namespace

const PageEntry* FindRow(bool (*isPage)(const WizardPage&)) {
  NoMessages messages;
  ShellState shell;
  StepStore steps(shell);
  HeadlessHoleSelector holes;
  PageContext context{messages, shell, steps, holes};
  for (const PageEntry& e : PageRegistry())
    if (isPage(*e.make(context))) return &e;
  return nullptr;
}

}  // namespace verlo
