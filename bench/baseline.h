// What the generation is measured against: the same lines, with the same
// numbers, formatted by std::snprintf into one std::string. A listing is
// taken apart once into its fixed text and its numbers; the baseline puts it
// together again.
#pragma once

#include <string>
#include <vector>

namespace verlo::bench {

struct LineTemplate {
  std::vector<std::string> pieces;  // the text around the numbers: one more than numbers
  std::vector<double> numbers;
  std::vector<int> decimals;  // as the listing writes each number
};

std::vector<LineTemplate> Templates(const std::vector<std::string>& lines);

// The lines again, each ended by "\n".
std::string FormatBaseline(const std::vector<LineTemplate>& templates);

// The lines as the baseline gives them back, for checking it makes the same text.
std::string Joined(const std::vector<std::string>& lines);

}  // namespace verlo::bench
