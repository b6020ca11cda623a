// verlo-gcode: drives wizard pages from the command line, the way the window
// drives them, and prints the listing of the last one (or the joined
// program of the recorded steps).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace verlo {

// Exit statuses.
constexpr int kCliWrote = 0;    // the last create wrote its program
constexpr int kCliRefused = 1;  // the page's checks refused it
constexpr int kCliError = 2;    // conversion, usage, file or output error

// args: the arguments after the program name. `printed`, when given, is set
// to what went to `out` ("the listing", "the help", "the control list"), for
// the message when standard output cannot take it.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           FileSystem& files, std::string* printed = nullptr);

// Writes the messages RunCli gave to standard error, then its output to
// standard output, checking every write and the close of each stream used.
// Returns `status`, or kCliError when a stream failed; the failure of standard
// output is reported on standard error.
int WriteStandardStreams(int status, const std::string& printed, const std::string& out,
                         const std::string& err);

std::string CliHelp();

}  // namespace verlo
