// A stand-in for the host's macro, for tests and for trying the link without
// the host: it acts on each letter written to adatcsere.txt in one exchange
// folder and keeps a machine position of its own.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "hostlink/host_paths.h"
#include "platform/platform.h"

namespace verlo {

// The most the host loads of a program: far above the largest listing the
// pages write (some 100,000 lines of at most 255 characters).
inline constexpr size_t kProgramLimit = size_t{64} << 20;
// The most it reads of file.txt (one path) and command.txt (one line).
inline constexpr size_t kExchangeFileLimit = 65536;

class SimulatedHost {
 public:
  using Report = std::function<void(const std::string& line)>;

  // `folder` is the exchange folder as a local path; every event is
  // reported as one line.
  SimulatedHost(FileSystem& files, std::string folder, Report report, EnvLookup env = ProcessEnv);

  // Acts on what adatcsere.txt holds ("L", "C", "G" or "E", with or without
  // a line end). Returns false once told to end.
  bool Signal(const std::string& bytes);

  long double x = 0, y = 0, z = 0;

 private:
  void Load();
  void Command();
  void WritePosition();
  // The words of one G-code line: G0 and G1 choose the motion, G90 and G91
  // absolute or relative words, X, Y and Z move. False when a word's number
  // does not read.
  bool Execute(const std::string& line);

  FileSystem& files_;
  std::string folder_;
  Report report_;
  EnvLookup env_;
  int motion_ = -1;  // 0 or 1 once G0 or G1 was given
  bool relative_ = false;
};

}  // namespace verlo
