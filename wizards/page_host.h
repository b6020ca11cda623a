// One page as every driver runs it (the window, verlo-gcode, the fuzz
// targets, the tests and the benchmarks): made from its registry row,
// started and shown in the window's order, and its controls set as a user
// sets them.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "wizards/page_registry.h"

namespace verlo {

class PageHost {
 public:
  // The page of the row, with what it is given; the wizard index is written
  // to `shell` when the page is shown.
  PageHost(const PageEntry& row, PageContext& context, ShellState& shell);

  WizardPage& Page() const { return *page_; }
  const PageEntry& Row() const { return *row_; }
  int WizardIndex() const { return WizardIndexOf(*row_); }

  // What the main window's first activation runs over the defaults.
  void StartUp() { page_->StartUp(); }
  // What a choice in the combo box runs: the wizard index set, then the
  // page's showing.
  void Show();

  // As the user types into an edit: no handler runs.
  void Type(const std::string& name, const std::string& text);
  // As the user clicks a box or a group's item, or moves a bar: the value
  // set and, only when it changed, the control's handler run. True when it
  // changed.
  bool Tick(const std::string& name, bool checked);
  bool Choose(const std::string& name, int item);
  bool Slide(const std::string& name, int position);
  // A button pressed: its handler run.
  void Press(const std::string& name) { page_->Fire(name); }

 private:
  const PageEntry* row_;
  ShellState* shell_;
  std::unique_ptr<WizardPage> page_;
};

// The row whose page is a Page (for tests that reach into one page's type).
const PageEntry* FindRow(bool (*isPage)(const WizardPage&));
template <class Page>
const PageEntry& RowOf() {
  static const PageEntry* row =
      FindRow([](const WizardPage& p) { return dynamic_cast<const Page*>(&p) != nullptr; });
  if (!row) throw std::logic_error("no page of this type in the registry");
  return *row;
}

}  // namespace verlo
