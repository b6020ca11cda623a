// What a wizard page is given by whoever creates it (the main window, the
// command line, a test): the message box, and the process-wide state it reads.
#pragma once

#include "platform/platform.h"
#include "platform/shell_state.h"

namespace verlo {

struct PageContext {
  MessageBox& messages;
  const ShellState& shell;  // the wizard index and the accumulate flag
};

}  // namespace verlo
