// A page under test: set its controls as the user would and press its
// buttons, with the message boxes recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_messages.h"
#include "wizards/common/page_context.h"

namespace verlo::test {

using Lines = std::vector<std::string>;
inline const char kErrorCaption[] = "Figyelmeztetés rossz paraméterezésről";

template <class Page>
class PageFixture : public ::testing::Test {
 protected:
  PageFixture() { page.StartUp(); }
  void Set(const std::string& name, const std::string& text) { page.Find(name)->text = text; }
  void Check(const std::string& name, bool on) {
    page.Find(name)->checked = on;
    page.Fire(name);
  }
  void Radio(const std::string& name, int index) {
    page.Find(name)->itemIndex = index;
    page.Fire(name);
  }
  void Scroll(int position) {
    page.Find("ScrollBar1")->position = position;
    page.Fire("ScrollBar1");
  }
  // "Létrehozás" with the messages of this run only.
  const Lines& Create() {
    messages.shown.clear();
    page.Button1Click();
    return page.Memo1().Lines();
  }
  // The lines between two indexes, for comparing a stretch of the listing.
  static Lines Slice(const Lines& l, size_t from, size_t to) {
    return Lines(l.begin() + static_cast<long>(std::min(from, l.size())),
                 l.begin() + static_cast<long>(std::min(to, l.size())));
  }

  RecordingMessages messages;
  ShellState shell;
  StepStore steps{shell};
  PageContext context{messages, shell, steps};
  Page page{context};
};

}  // namespace verlo::test
