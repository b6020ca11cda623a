// The editor of the accumulated program (TFrame13): the joined program of
// every recorded step, the step list, and one step's listing to edit and
// store back.
#pragma once

#include <string>
#include <vector>

#include "accumulate/joining.h"
#include "accumulate/step_store.h"
#include "gcode/listing.h"

namespace verlo {

class TFrame13 {
 public:
  explicit TFrame13(StepStore& steps) : steps_(steps) {}

  // Empties the joined program, the step listing and the step list.
  void Clear();
  // Adds every step's title to the list and appends it to the joined program
  // (without clearing first).
  void Fill();
  // A step chosen in the list (-1: none, which does nothing): its listing
  // into Memo1.
  void ComboBox1Click(int index);
  // Stores Memo1 as the chosen step's listing (none chosen: nothing stored),
  // then rebuilds the joined program from every step; the list stays.
  void Button1Click();

  const Listing& RichEdit1() const { return richEdit1_; }
  Listing& Memo1() { return memo1_; }
  // The same in plain words, for code outside the editor's form.
  const Listing& JoinedProgram() const { return richEdit1_; }
  Listing& StepListing() { return memo1_; }
  const std::vector<std::string>& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }

 private:
  // Appends the joined program of every step (see joining.h).
  void AppendJoined();

  StepStore& steps_;
  Listing richEdit1_, memo1_;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace verlo
