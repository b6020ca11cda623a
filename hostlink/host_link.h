// The host-link routines of the About box: a command line for the host, the
// one-letter signals, and reading the machine position back. They log into
// the About box's memos through HostLinkLog, reach the disk through
// FileSystem and wait on a Clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
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

// The most that is read of the position file, which holds three numbers of
// which only the first 15 characters count: far above any answer of the host,
// and small enough to read on the window's thread at once.
inline constexpr size_t kPositionFileLimit = 4096;
// The most that is read back of the command file: above the longest line an
// edit lets through in the host's code page.
inline constexpr size_t kCommandFileLimit = 65536;

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
  // file; a missing or unreadable file gives zeros without a message, one
  // larger than kPositionFileLimit a FileError.
  void ReadGetXYZ();
  long double ConvertDot(const std::string& text);

  const ProbedPosition& Position() const { return position_; }
  const HostLinkPaths& Paths() const { return paths_; }

 private:
  // The path, or a FileError when its drive has no local folder.
  const std::string& Mapped(const std::string& path) const;
  // WriteAdatFile; returns when the signal was written, by the file
  // system's clock, taken before the wait (nothing stand-alone).
  std::optional<int64_t> Signal(const std::string& letter);

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
