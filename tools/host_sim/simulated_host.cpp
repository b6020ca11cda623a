#include "tools/host_sim/simulated_host.h"

#include <cctype>
#include <utility>

#include "gcode/encoding.h"
#include "gcode/listing.h"
#include "gcode/numbers.h"

namespace verlo {
namespace {

// The first line of a file, without its line end.
std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

std::string Place(long double x, long double y, long double z) {
  return "X" + FormatFloat4(x, '.') + " Y" + FormatFloat4(y, '.') + " Z" + FormatFloat4(z, '.');
}

}  // namespace

SimulatedHost::SimulatedHost(FileSystem& files, std::string folder, Report report, EnvLookup env)
    : files_(files), folder_(std::move(folder)), report_(std::move(report)), env_(std::move(env)) {}

bool SimulatedHost::Signal(const std::string& bytes) {
  std::string letter = bytes;
  while (!letter.empty() && (letter.back() == '\n' || letter.back() == '\r')) letter.pop_back();
  if (letter.empty()) return true;  // caught between truncation and writing
  try {
    if (letter == "L") {
      Load();
    } else if (letter == "C") {
      Command();
    } else if (letter == "G") {
      WritePosition();
    } else if (letter == "E") {
      report_("end");
      return false;
    } else {
      report_("unknown signal: " + Local8BitToUtf8(letter));
    }
  } catch (const FileError& e) {
    report_("error: " + std::string(e.what()));
  }
  return true;
}

void SimulatedHost::Load() {
  const std::string named =
      Local8BitToUtf8(FirstLine(files_.ReadFile(folder_ + "/file.txt", kExchangeFileLimit).bytes));
  const std::string path = MapHostPath(named, env_);
  Listing program;
  try {
    program.SetText(files_.ReadFile(path, kProgramLimit).bytes);
  } catch (const FileTooLarge&) {
    report_("load refused: " + named + " (" + path + "): larger than " +
            std::to_string(kProgramLimit) + " bytes");
    return;
  }
  report_("load: " + named + " (" + path + "): " + std::to_string(program.Count()) + " lines");
}

void SimulatedHost::Command() {
  const std::string line = Local8BitToUtf8(
      FirstLine(files_.ReadFile(folder_ + "/command.txt", kExchangeFileLimit).bytes));
  if (!Execute(line))
    report_("command not understood: " + line);
  else
    report_("command: " + line + " -> " + Place(x, y, z));
}

void SimulatedHost::WritePosition() {
  // The host's own file: a link in its place is replaced, never followed.
  files_.WriteFile(
      folder_ + "/GetXYZ.txt",
      FormatFloat4(x, '.') + "\r\n" + FormatFloat4(y, '.') + "\r\n" + FormatFloat4(z, '.') + "\r\n",
      Links::Replace);
  report_("position: " + Place(x, y, z));
}

bool SimulatedHost::Execute(const std::string& line) {
  long double to[3] = {x, y, z};
  bool moves = false;
  for (size_t i = 0; i < line.size();) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(line[i])));
    if (c == '(') {  // a comment
      const size_t end = line.find(')', i);
      i = end == std::string::npos ? line.size() : end + 1;
      continue;
    }
    if (c == ';') break;
    ++i;
    if (!std::isalpha(static_cast<unsigned char>(c))) continue;
    while (i < line.size() && line[i] == ' ') ++i;
    const size_t from = i;
    while (i < line.size() && (std::isdigit(static_cast<unsigned char>(line[i])) ||
                               line[i] == '.' || line[i] == '-' || line[i] == '+'))
      ++i;
    long double value = 0;
    try {
      value = StrToFloat(line.substr(from, i - from));
    } catch (const ConvertError&) {
      return false;
    }
    if (c == 'G' && (value == 0 || value == 1)) motion_ = static_cast<int>(value);
    if (c == 'G' && (value == 90 || value == 91)) relative_ = value == 91;
    if (c >= 'X' && c <= 'Z') {
      long double& axis = to[c - 'X'];
      axis = relative_ ? axis + value : value;
      moves = true;
    }
  }
  if (moves && motion_ >= 0) {
    x = to[0];
    y = to[1];
    z = to[2];
  }
  return true;
}

}  // namespace verlo
