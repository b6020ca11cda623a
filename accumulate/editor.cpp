#include "accumulate/editor.h"

#include "accumulate/joining.h"

namespace verlo {

void TFrame13::Clear() {
  richEdit1_.Clear();
  memo1_.Clear();
  items_.clear();
  itemIndex_ = -1;
}

void TFrame13::AppendJoined() {
  std::vector<StepLines> listings;
  for (int i = 0; i < steps_.Count(); ++i) listings.push_back(ListingLines(steps_.Step(i).listing));
  std::vector<std::string> lines = richEdit1_.Lines();
  for (std::string& line : JoinSteps(listings)) lines.push_back(std::move(line));
  richEdit1_.SetLines(std::move(lines));
}

void TFrame13::Fill() {
  for (int i = 0; i < steps_.Count(); ++i) items_.push_back(steps_.Step(i).title);
  AppendJoined();
}

void TFrame13::ComboBox1Click(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()) || index >= steps_.Count()) return;
  itemIndex_ = index;
  memo1_.SetLines(ListingLines(steps_.Step(index).listing));
}

void TFrame13::Button1Click() {
  if (itemIndex_ >= 0 && itemIndex_ < steps_.Count())
    steps_.Step(itemIndex_).listing = JoinedListing(memo1_.Lines());
  richEdit1_.Clear();
  itemIndex_ = -1;
  memo1_.Clear();
  AppendJoined();
}

}  // namespace verlo
