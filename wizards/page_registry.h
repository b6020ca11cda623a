// The eight wizard pages in the order of the main window's combo box, and the
// names verlo-gcode knows them by.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "wizards/common/page_model.h"

namespace verlo {

constexpr int kWizardPageCount = 8;

// Creates the page of combo item 0..7.
std::unique_ptr<WizardPage> MakeWizardPage(int item, MessageBox& messages);

struct CliPage {
  std::string name;  // "cut-circle"
  int item;          // combo item of the page
};
// The pages verlo-gcode drives.
const std::vector<CliPage>& CliPages();

}  // namespace verlo
