#include "accumulate/editor.h"

namespace verlo {

const char kStepSeparator[] = "(-------------------- next step --------------------)";

void TFrame13::Clear() {
  richEdit1_.Clear();
  memo1_.Clear();
  items_.clear();
  itemIndex_ = -1;
}

void TFrame13::Fill() {
  for (int i = 0; i < steps_.Count(); ++i) {
    items_.push_back(steps_.Step(i).title);
    Append(i);
  }
}

void TFrame13::Append(int step) {
  if (step > 0) {
    richEdit1_.RemoveLast(3);
    for (const char* line : {"", kStepSeparator, ""}) richEdit1_.Add(line);
  }
  for (std::string& line : ListingLines(steps_.Step(step).listing)) richEdit1_.Add(std::move(line));
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
  for (int i = 0; i < steps_.Count(); ++i) Append(i);
}

}  // namespace verlo
