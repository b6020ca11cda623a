#include <iostream>

#include "cli/cli_runner.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  verlo::DiskFileSystem files;
  return verlo::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                       files);
}
