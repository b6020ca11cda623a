#include <sstream>

#include "cli/cli_runner.h"

int main(int argc, char** argv) {
  // Both streams are gathered and written at the end, where every write and
  // the close are checked.
  std::ostringstream out, err;
  verlo::DiskFileSystem files;
  std::string printed;
  const int status =
      verlo::RunCli(std::vector<std::string>(argv + 1, argv + argc), out, err, files, &printed);
  return verlo::WriteStandardStreams(status, printed, out.str(), err.str());
}
