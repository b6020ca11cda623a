// Runs a program of this project as a separate process, without a shell, and
// collects what it printed: to its end, or while it runs beside the test.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace verlo::test {

struct ProgramRun {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out, err;
};

// Where a child's standard output or error goes: collected into the run (the
// default), closed, a file opened for writing (such as /dev/full), or the
// test's own.
struct Stream {
  enum Kind { Collected, Closed, File, Inherited } kind = Collected;
  std::string file;
};

// argv[0] is the program's path. Standard input is empty.
ProgramRun RunProgram(const std::vector<std::string>& argv, const Stream& out = {},
                      const Stream& err = {});

// A program running beside the test, such as the host simulator; its
// standard output is collected while it runs, its standard error is the
// test's.
class BackgroundProgram {
 public:
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
