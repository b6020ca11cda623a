// The host-link routines of the About box: a command line for the host, the
// one-letter signals, and reading the machine position back. They log into
// the About box's memos through HostLinkLog, reach the disk through
// FileSystem and wait on a Clock.
#pragma once

#include <string>

#include "gcode/listing.h"
#include "hostlink/host_paths.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/shell_state.h"

namespace verlo {

// Added to the log when the position file was last written before the
// position was asked for: the host has not answered (yet).
extern const char kStalePositionLine[];

// The fixed waits for the host, in milliseconds.
inline constexpr int kSignalWait = 50;
inline constexpr int kPositionWait = 600;

class HostLinkLog {
 public:
  virtual ~HostLinkLog() = default;
  virtual void Add(const std::string& line) = 0;
};

// The machine position last read from the host.
struct ProbedPosition {
  long double x = 0, y = 0, z = 0;
  std::string xText, yText, zText;  // "0.0000" with a decimal comma
};

// What ConvertDot keeps of a text: among its first 15 characters (up to a
// NUL) the digits, "," and "-", a "." taken as ",".
std::string ConvertDotText(const std::string& text);

class HostLinkRoutines {
 public:
  // `readBuffer` receives the position file as loaded, `commandEcho` the
  // command file as written. `paths` is read at each call.
  HostLinkRoutines(FileSystem& files, Clock& clock, const ShellState& shell, HostLinkLog& log,
                   Listing& readBuffer, Listing& commandEcho,
                   const HostLinkPaths& paths = HostLink());

  // Each stops at a file that cannot be written or read back (FileError) or a
  // number that does not convert (ConvertError); nothing after it happens.
  // In stand-alone mode nothing is written or signalled.
  void WriteAdatFile(const std::string& letter);
  void WriteCommanFile(const std::string& command);
  // Signals "G", waits 600 ms (also stand-alone) and reads the position
  // file; a missing or unreadable file gives zeros without a message.
  void ReadGetXYZ();
  long double ConvertDot(const std::string& text);

  const ProbedPosition& Position() const { return position_; }
  const HostLinkPaths& Paths() const { return paths_; }

 private:
  // The path, or a FileError when its drive has no local folder.
  const std::string& Mapped(const std::string& path) const;

  FileSystem& files_;
  Clock& clock_;
  const ShellState& shell_;
  HostLinkLog& log_;
  Listing& readBuffer_;
  Listing& commandEcho_;
  const HostLinkPaths& paths_;
  ProbedPosition position_;
};

}  // namespace verlo
