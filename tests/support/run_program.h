// Runs a program of this project as a separate process, without a shell, and
// collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace verlo::test {

struct ProgramRun {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out, err;
};

// Where a child's standard output or error goes: collected into the run (the
// default), closed, or a file opened for writing (such as /dev/full).
struct Stream {
  enum Kind { Collected, Closed, File } kind = Collected;
  std::string file;
};

// argv[0] is the program's path. Standard input is empty.
ProgramRun RunProgram(const std::vector<std::string>& argv, const Stream& out = {},
                      const Stream& err = {});

}  // namespace verlo::test
