// A program of this project running beside the test, such as the host
// simulator: its standard output is collected while it runs.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace verlo::test {

class BackgroundProgram {
 public:
  // argv[0] is the program's path.
  explicit BackgroundProgram(const std::vector<std::string>& argv);
  // Kills the program when it still runs.
  ~BackgroundProgram();
  BackgroundProgram(const BackgroundProgram&) = delete;
  BackgroundProgram& operator=(const BackgroundProgram&) = delete;

  // Waits up to `seconds` for standard output to hold `text`.
  bool WaitForOutput(const std::string& text, double seconds = 10);
  // Waits up to `seconds` for the program to end: its exit status, or -1.
  int WaitForExit(double seconds = 10);
  const std::string& Output() const { return out_; }

 private:
  // Reads what is there, waiting at most `milliseconds` for more.
  void Read(int milliseconds);

  pid_t pid_ = -1;
  int pipe_ = -1;
  std::string out_;
};

}  // namespace verlo::test
