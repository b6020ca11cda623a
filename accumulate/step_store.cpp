#include "accumulate/step_store.h"

namespace verlo {

const char kStoreFullMessage[] =
    "A göngyölítő tárolója megtelt: legfeljebb 101 lépés fér el benne.";

std::string JoinedListing(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

std::vector<std::string> ListingLines(const std::string& listing) {
  std::vector<std::string> lines;
  if (listing.empty()) return lines;
  size_t from = 0;
  for (size_t at; (at = listing.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(listing.substr(from, at - from));
  lines.push_back(listing.substr(from));
  return lines;
}

void StepStore::Reset() {
  count_ = 0;
  lastSpeed_ = -1;
  lastTool_ = -1;
  lastDirection_ = 0;
  firstProgram_ = -1;
}

bool StepStore::Changed(int accumulate, int value, int& last) {
  if (accumulate == 0 || value == last) return false;
  last = value;
  return true;
}

bool StepStore::SpeedChanged(int speed) {
  return Changed(shell_.accumulate, speed, lastSpeed_);
}

bool StepStore::ToolChanged(int tool) {
  return Changed(shell_.accumulate, tool, lastTool_);
}

bool StepStore::DirectionChanged(int m4) {
  return Changed(shell_.accumulate, m4, lastDirection_);
}

bool StepStore::FirstProgram() {
  if (firstProgram_ != -1) return false;
  firstProgram_ = 1;
  return true;
}

bool StepStore::Append(step_data step) {
  if (count_ >= kCapacity) return false;
  step.number = count_;
  steps_[static_cast<size_t>(count_++)] = std::move(step);
  return true;
}

}  // namespace verlo
