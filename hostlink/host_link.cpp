#include "hostlink/host_link.h"

#include <algorithm>
#include <optional>

#include "gcode/encoding.h"
#include "gcode/numbers.h"

namespace verlo {

const char kStalePositionLine[] = "A GetXYZ.txt régi: a kérés óta nem frissült.";

namespace {

// A file read back larger than its limit: refused, in the console's words.
[[noreturn]] void TooLarge(const std::string& name, const std::string& path, size_t limit) {
  throw FileError("A " + name + " túl nagy, nem olvasható be (legfeljebb " + std::to_string(limit) +
                  " bájt lehet): \"" + path + "\"");
}

}  // namespace

std::string ConvertDotText(const std::string& text) {
  // The host writes in its code page, one byte a character: the limit
  // counts characters.
  const std::string bytes = Utf8ToLocal8Bit(text);
  std::string kept;
  for (size_t i = 0; i < bytes.size() && i < 15 && bytes[i] != '\0'; ++i) {
    const char c = bytes[i] == '.' ? ',' : bytes[i];
    if ((c >= '0' && c <= '9') || c == ',' || c == '-') kept += c;
  }
  return kept;
}

HostLinkRoutines::HostLinkRoutines(FileSystem& files, Clock& clock, const ShellState& shell,
                                   HostLinkLog& log, Listing& readBuffer, Listing& commandEcho,
                                   const HostLinkPaths& paths)
    : files_(files),
      clock_(clock),
      shell_(shell),
      log_(log),
      readBuffer_(readBuffer),
      commandEcho_(commandEcho),
      paths_(paths) {}

const std::string& HostLinkRoutines::Mapped(const std::string& path) const {
  if (path.empty())
    throw FileError("Cannot create file in \"" + paths_.base + "\\Wizards\\Omnibus\". " +
                    (paths_.unmapped.empty() ? "The host folder is not set." : paths_.unmapped));
  return path;
}

std::optional<int64_t> HostLinkRoutines::Signal(const std::string& letter) {
  if (shell_.standAlone) return std::nullopt;
  const std::string& path = Mapped(paths_.exchange);
  files_.WriteFile(path, Utf8ToLocal8Bit(letter) + "\r\n", Links::Replace);
  // Taken now: a host that answers within the wait may already have
  // rewritten the signal file when it ends.
  const std::optional<int64_t> written = files_.ModifiedAt(path);
  clock_.Sleep(kSignalWait);
  log_.Add("WriteAdatFile: " + letter);
  return written;
}

void HostLinkRoutines::WriteAdatFile(const std::string& letter) {
  Signal(letter);
}

void HostLinkRoutines::WriteCommanFile(const std::string& command) {
  if (shell_.standAlone) return;
  const std::string& path = Mapped(paths_.command);
  const std::string bytes = Utf8ToLocal8Bit(command) + "\r\n";
  files_.WriteFile(path, bytes, Links::Replace);
  clock_.Sleep(kSignalWait);
  log_.Add("WriteCommanFile: " + command);
  clock_.Sleep(kSignalWait);
  const size_t limit = std::max(kCommandFileLimit, bytes.size());
  try {
    commandEcho_.SetText(Local8BitToUtf8(files_.ReadFile(path, limit).bytes));
  } catch (const FileTooLarge&) {
    TooLarge("command.txt", path, limit);
  }
  WriteAdatFile("C");
}

void HostLinkRoutines::ReadGetXYZ() {
  log_.Add("ReadGetXYZ();");
  // When the request was written, by the file system's own clock, which
  // also stamps the host's answer.
  const std::optional<int64_t> asked = Signal("G");
  clock_.Sleep(kPositionWait);
  position_.x = position_.y = position_.z = 0;
  std::optional<FileContents> loaded;
  try {
    if (!paths_.position.empty()) loaded = files_.ReadFile(paths_.position, kPositionFileLimit);
  } catch (const FileTooLarge&) {
    TooLarge("GetXYZ.txt", paths_.position, kPositionFileLimit);
  } catch (const FileError&) {
    // No position from the host: the zeros stand.
  }
  if (loaded) {
    readBuffer_.SetText(Local8BitToUtf8(loaded->bytes));
    if (asked && loaded->modifiedNs < *asked) log_.Add(kStalePositionLine);
    const auto line = [this](size_t i) {
      const auto& lines = readBuffer_.Lines();
      return i < lines.size() ? lines[i] : std::string();
    };
    position_.x = ConvertDot(line(0));
    position_.y = ConvertDot(line(1));
    position_.z = ConvertDot(line(2));
  }
  position_.xText = FormatFloat4(position_.x);
  position_.yText = FormatFloat4(position_.y);
  position_.zText = FormatFloat4(position_.z);
  log_.Add("X_pos= " + position_.xText);
  log_.Add("Y_pos= " + position_.yText);
  log_.Add("Z_pos= " + position_.zText);
}

long double HostLinkRoutines::ConvertDot(const std::string& text) {
  const std::string kept = ConvertDotText(text);
  log_.Add("ConvertDot: " + kept);
  return StrToFloat(kept);
}

}  // namespace verlo
