#include "wizards/page_registry.h"

#include "shell/main_window_model.h"
#include "wizards/common/empty_page.h"
#include "wizards/cut_circle/cut_circle_page.h"
#include "wizards/cut_rectangle/cut_rectangle_page.h"
#include "wizards/rectangle_pocket/rectangle_pocket_page.h"

namespace verlo {

std::unique_ptr<WizardPage> MakeWizardPage(int item, MessageBox& messages) {
  switch (item) {
    case 2:
      return std::make_unique<TFrame4>(messages);
    case 3:
      return std::make_unique<TFrame5>(messages);
    case 4:
      return std::make_unique<TFrame7>(messages);
    default:
      return std::make_unique<EmptyPage>(messages, WizardItems().at(static_cast<size_t>(item)));
  }
}

const std::vector<CliPage>& CliPages() {
  static const std::vector<CliPage> pages = {
      {"cut-circle", 3}, {"rectangle-pocket", 2}, {"cut-rectangle", 4}};
  return pages;
}

}  // namespace verlo
