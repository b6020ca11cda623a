// verlo-gcode: drives one wizard page from the command line, the way the GUI
// drives it, and prints the listing.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace verlo {

// Exit statuses.
constexpr int kCliWrote = 0;    // the last create wrote its program
constexpr int kCliRefused = 1;  // the page's checks refused it
constexpr int kCliError = 2;    // conversion, usage or file error

// args: the arguments after the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           FileSystem& files);

std::string CliHelp();

}  // namespace verlo
