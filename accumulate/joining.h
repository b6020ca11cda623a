// The joined program of the recorded steps: it makes, in machine
// coordinates, exactly the moves of its steps run one after the other, and
// ends with one program end.
//
// - Before each separator the previous step loses only its trailing end
//   codes ("M9", "M5", "M30"): its frame return ("G54"), retracts and last
//   moves stay, and the spindle a later step relies on keeps turning.
// - A step's subprograms (from its first "O<number>" line on) are gathered
//   after the final "M30", in step order; each step's O-numbers are made
//   unique (the first such step keeps its own) and its "M98 P" calls follow.
// - A last step that does not end with "M30" gets one.
#pragma once

#include <string>
#include <vector>

namespace verlo {

extern const char kStepSeparator[];  // "(-------------------- next step --------------------)"

using StepLines = std::vector<std::string>;

StepLines JoinSteps(const std::vector<StepLines>& steps);

// "M30", "M5", "M9" (also "M05", "M09"; case and surrounding spaces aside).
bool IsEndCode(const std::string& line);

}  // namespace verlo
