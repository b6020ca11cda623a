#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/cli_runner.h"

namespace verlo {

int WriteStandardStreams(int status, const std::string& printed, const std::string& out,
                         const std::string& err) {
  bool usedErr = !err.empty();
  bool errWritten = !usedErr || WriteAllBytes(STDERR_FILENO, err) == 0;
  if (!out.empty()) {
    int failure = WriteAllBytes(STDOUT_FILENO, out);
    if (!failure && close(STDOUT_FILENO) != 0) failure = errno;
    if (failure) {
      const std::string line =
          "verlo-gcode: " + printed +
          " could not be written to standard output: " + std::strerror(failure) + "\n";
      usedErr = true;
      errWritten = WriteAllBytes(STDERR_FILENO, line) == 0 && errWritten;
      status = kCliError;
    }
  }
  // A standard error that fails has nowhere left to be reported; the status tells.
  if (usedErr && (!errWritten || close(STDERR_FILENO) != 0)) status = kCliError;
  return status;
}

}  // namespace verlo
