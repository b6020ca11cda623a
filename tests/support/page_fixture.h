// A page under test: set its controls as the user would and press its
// buttons, with the message boxes recorded.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "gcode/numbers.h"
#include "support/recording_messages.h"
#include "wizards/page_host.h"

namespace verlo::test {

using Lines = std::vector<std::string>;
inline const char kErrorCaption[] = "Figyelmeztetés rossz paraméterezésről";

// Stretches of a listing found by their content, not by their place.
// The `count` lines from the first `first` on: fewer where the listing
// ends, none without `first`.
inline Lines Block(const Lines& l, const std::string& first, size_t count) {
  const auto from = std::find(l.begin(), l.end(), first);
  const auto left = static_cast<size_t>(l.end() - from);
  return Lines(from, from + static_cast<long>(std::min(count, left)));
}
// The lines strictly between the first `after` and the next `before`; none
// when either is missing.
inline Lines Between(const Lines& l, const std::string& after, const std::string& before) {
  const auto from = std::find(l.begin(), l.end(), after);
  const auto to = from == l.end() ? l.end() : std::find(from + 1, l.end(), before);
  return to == l.end() ? Lines{} : Lines(from + 1, to);
}
// The line `offset` lines after the first `line`; empty when there is none.
inline std::string LineAfter(const Lines& l, const std::string& line, size_t offset = 1) {
  const Lines block = Block(l, line, offset + 1);
  return block.size() == offset + 1 ? block.back() : "";
}
// `block` as consecutive lines somewhere in the listing; both are shown
// when it is not.
inline ::testing::AssertionResult Has(const Lines& l, const Lines& block) {
  if (std::search(l.begin(), l.end(), block.begin(), block.end()) != l.end())
    return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << "not in the listing:";
  for (const auto& line : block) failure << "\n  " << line;
  failure << "\nlisting:";
  for (const auto& line : l) failure << "\n  " << line;
  return failure;
}

// A recorded step as lines: number, wizard index and title; the start and
// fourth value; each parameter "caption=value" up to the first empty slot.
inline Lines StepLines(const step_data& s) {
  Lines l = {std::to_string(s.number) + " " + std::to_string(s.wizard) + " " + s.title,
             "X" + FloatToStr(s.x) + " Y" + FloatToStr(s.y) + " Z" + FloatToStr(s.z) + " W" +
                 FloatToStr(s.w)};
  for (const param_data& p : s.params) {
    if (p.caption.empty()) break;
    l.push_back(p.caption + "=" + FloatToStr(p.value));
  }
  return l;
}

// The page as the window runs it: started, then shown (what its showing
// says is not kept among the messages), its controls set as a user sets
// them.
template <class Page>
class PageFixture : public ::testing::Test {
 protected:
  PageFixture() {
    host.StartUp();
    const size_t started = messages.shown.size();
    host.Show();
    messages.shown.resize(started);
  }
  void Set(const std::string& name, const std::string& text) { host.Type(name, text); }
  void Set(std::initializer_list<std::pair<const char*, std::string>> texts) {
    for (const auto& [name, text] : texts) Set(name, text);
  }
  void Check(const std::string& name, bool on) { host.Tick(name, on); }
  void Radio(const std::string& name, int index) { host.Choose(name, index); }
  void Scroll(int position) { host.Slide("ScrollBar1", position); }
  // "Létrehozás" with the messages of this run only.
  const Lines& Create() {
    messages.shown.clear();
    page.Button1Click();
    return page.Memo1().Lines();
  }
  // Accumulation on: creates until the store is full, then once more, which
  // still writes its listing and says the store is full.
  void FillTheStepStore() {
    shell.accumulate = 1;
    while (steps.Count() < StepStore::kCapacity) Create();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(Create().empty());
    EXPECT_EQ(steps.Count(), StepStore::kCapacity);
    EXPECT_EQ(
        messages.shown,
        (std::vector<Shown>{{"A göngyölítő tárolója megtelt: legfeljebb 101 lépés fér el benne.",
                             "Figyelmeztetés"}}));
  }
  static Lines Block(const Lines& l, const std::string& first, size_t count) {
    return test::Block(l, first, count);
  }
  static Lines Between(const Lines& l, const std::string& after, const std::string& before) {
    return test::Between(l, after, before);
  }
  static std::string LineAfter(const Lines& l, const std::string& line, size_t offset = 1) {
    return test::LineAfter(l, line, offset);
  }
  static ::testing::AssertionResult Has(const Lines& l, const Lines& block) {
    return test::Has(l, block);
  }

  RecordingMessages messages;
  ShellState shell;
  StepStore steps{shell};
  HeadlessHoleSelector holes;
  PageContext context{messages, shell, steps, holes};
  PageHost host{RowOf<Page>(), context, shell};
  Page& page = dynamic_cast<Page&>(host.Page());
};

}  // namespace verlo::test
