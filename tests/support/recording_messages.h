// A message box that records what it was asked to show.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace verlo::test {

struct Shown {
  std::string text, caption;
  bool error = false;
  bool operator==(const Shown& o) const { return text == o.text && caption == o.caption; }
};

class RecordingMessages : public MessageBox {
 public:
  void Show(const std::string& text, const std::string& caption) override {
    shown.push_back({text, caption, false});
  }
  void ShowError(const std::string& text, const std::string& caption) override {
    shown.push_back({text, caption, true});
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& s : shown) t.push_back(s.text);
    return t;
  }
  std::vector<Shown> shown;
};

}  // namespace verlo::test
