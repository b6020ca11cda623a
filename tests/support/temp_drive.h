// A temporary folder standing in for the host's drive C:, with the host
// folder made or left out as a test needs; and a scope without some
// environment variables.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace verlo::test {

class TempDrive {
 public:
  explicit TempDrive(bool withHostFolder = true) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "verlo-drive-XXXXXX").string();
    root_ = mkdtemp(tmpl.data());
    setenv("VERLO_DRIVE_C", root_.c_str(), 1);
    if (withHostFolder) std::filesystem::create_directories(Host());
  }
  ~TempDrive() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  std::string Root() const { return root_; }
  std::string Host() const { return root_ + "/VERLO/Wizards/Omnibus"; }
  static std::optional<std::string> Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::string root_;
};

// Unsets environment variables for a scope and restores them after it.
class ScopedUnset {
 public:
  explicit ScopedUnset(std::vector<std::string> names) {
    for (const std::string& name : names) {
      const char* v = std::getenv(name.c_str());
      saved_.push_back({name, v ? std::optional<std::string>(v) : std::nullopt});
      unsetenv(name.c_str());
    }
  }
  ~ScopedUnset() {
    for (const auto& [name, value] : saved_)
      if (value) setenv(name.c_str(), value->c_str(), 1);
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A save dialog that answers from a script; nothing left means cancel.
class ScriptedSaveDialog : public SaveDialog {
 public:
  std::optional<std::string> Run() override {
    ++runs;
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.erase(answers.begin());
    return a;
  }
  std::vector<std::optional<std::string>> answers;
  int runs = 0;
};

}  // namespace verlo::test
