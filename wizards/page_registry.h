// The wizard pages, one row each in the order of the main window's combo
// box: everything the main window, the Qt window and verlo-gcode need to
// know of a page.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "wizards/common/page_model.h"

namespace verlo {

struct PageEntry {
  const char* item;        // the combo box item
  const char* title;       // the page's title label
  const char* cliName;     // verlo-gcode's page name; empty where it does not drive the page
  const char* objectName;  // the page component of the main window ("Frame51")
  const char* diagram;     // the picture wizards/<page>/<file>, ":/diagrams/<file>" in the
                           // window's resources; empty for none
  std::unique_ptr<WizardPage> (*make)(PageContext& context);
};

// The eight wizard pages; wizard index = row + 1.
const std::vector<PageEntry>& PageRegistry();

// The wizard index of a row: its place in the combo box, counted from 1.
int WizardIndexOf(const PageEntry& row);
// The wizard index of the editor of the accumulated program: the one after
// the last page's.
int EditorWizardIndex();

// The row verlo-gcode knows by this name, or null.
const PageEntry* FindCliPage(const std::string& name);

}  // namespace verlo
