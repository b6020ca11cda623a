// The process-wide flags the main window writes and the host link, the step
// store and the pages read.
#pragma once

namespace verlo {

struct ShellState {
  int wizardIndex = 0;  // 0 none, 1..8 the wizard pages, 9 the editor page
  int standAlone = 0;
  int sendState = 0;
  int accumulate = 0;
  int firstActivation = 0;  // 21 once the first activation has run
};

}  // namespace verlo
