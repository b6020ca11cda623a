// What a wizard page is given by whoever creates it (the main window, the
// command line, a test): the message box, the process-wide flags it reads,
// the step store and the hole selector dialog.
#pragma once

#include "accumulate/step_store.h"
#include "platform/hole_selector.h"
#include "platform/platform.h"
#include "platform/shell_state.h"

namespace verlo {

struct PageContext {
  MessageBox& messages;
  const ShellState& shell;    // the wizard index and the accumulate flag
  StepStore& steps;           // the step store and step state
  HoleSelectorDialog& holes;  // the drilling page's hole selector
};

}  // namespace verlo
