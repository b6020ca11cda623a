// The process-wide flags the main window writes and the host link, the step
// store and the pages read.
#pragma once

namespace verlo {

struct ShellState {
  // The value of firstActivation once the first activation has run.
  static constexpr int kActivated = 21;

  int wizardIndex = 0;  // 0 none, 1.. the wizard pages in combo order, then the editor page
  int standAlone = 0;
  int sendState = 0;
  int accumulate = 0;
  int firstActivation = 0;

  bool Activated() const { return firstActivation == kActivated; }
};

}  // namespace verlo
