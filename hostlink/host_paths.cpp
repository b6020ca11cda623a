#include "hostlink/host_paths.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/platform.h"

namespace verlo {

const char kHostFolder[] = "C:\\VERLO\\Wizards\\Omnibus";
const char kDefaultBaseFolder[] = "C:\\VERLO";

std::string ProcessEnv(const std::string& name) {
  const char* v = std::getenv(name.c_str());
  return v ? v : "";
}

namespace {

namespace fs = std::filesystem;

// The upper-case drive letter of "X:...", or 0 for any other path.
char DriveLetter(const std::string& p) {
  if (p.size() < 2 || p[1] != ':') return 0;
  const char c = p[0];
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  return c >= 'A' && c <= 'Z' ? c : 0;
}

// Absolute (against the current folder), with ".", ".." and repeated or
// trailing slashes resolved, so two names of one folder compare equal.
std::string Normal(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(fs::u8path(path), ec);
  if (ec) p = fs::u8path(path);
  std::string s = p.generic_string(), collapsed;
  for (char c : s)
    if (c != '/' || collapsed.empty() || collapsed.back() != '/') collapsed += c;
  s = fs::path(collapsed).lexically_normal().generic_string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

// The local folder of a drive: $VERLO_DRIVE_X, else Wine's folder of it
// ($WINEPREFIX, else ~/.wine: drive_c for C:, dosdevices/x: for the others).
std::optional<std::string> DriveFolder(char letter, const EnvLookup& env) {
  std::string folder = env(std::string("VERLO_DRIVE_") + letter);
  if (folder.empty()) {
    std::string prefix = env("WINEPREFIX");
    if (prefix.empty() && !env("HOME").empty()) prefix = env("HOME") + "/.wine";
    if (prefix.empty()) return std::nullopt;
    const char lower = static_cast<char>(letter - 'A' + 'a');
    folder = prefix + (letter == 'C' ? "/drive_c" : std::string("/dosdevices/") + lower + ":");
  }
  return Normal(folder);
}

std::string NoDriveFolder(char letter) {
  const std::string l(1, letter);
  return "Drive " + l + ": has no local folder: VERLO_DRIVE_" + l +
         ", WINEPREFIX and HOME are all unset.";
}

// The part of file below folder ("" for the folder itself), or nothing.
std::optional<std::string> Below(const std::string& file, const std::string& folder) {
  if (folder == "/") return file.size() > 1 && file[0] == '/' ? file.substr(1) : std::string();
  if (file == folder) return std::string();
  if (file.compare(0, folder.size() + 1, folder + "/") != 0) return std::nullopt;
  return file.substr(folder.size() + 1);
}

std::string Canonical(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::weakly_canonical(fs::u8path(path), ec);
  return ec ? path : p.generic_string();
}

}  // namespace

std::string MapHostPath(const std::string& windowsPath, const EnvLookup& env) {
#ifdef _WIN32
  (void)env;
  return windowsPath;
#else
  const char letter = DriveLetter(windowsPath);
  if (!letter) return windowsPath;
  const std::optional<std::string> folder = DriveFolder(letter, env);
  if (!folder) throw FileError(NoDriveFolder(letter));
  std::string rest = windowsPath.substr(2);
  for (char& c : rest)
    if (c == '\\') c = '/';
  // Resolved as the host does: ".." never climbs above the drive's root.
  rest = Normal("/" + rest).substr(1);
  if (rest.empty()) return *folder;
  return *folder + (folder->back() == '/' ? "" : "/") + rest;
#endif
}

std::string HostViewOfPath(const std::string& localPath, const EnvLookup& env) {
#ifdef _WIN32
  (void)env;
  return localPath;
#else
  if (localPath.empty()) return localPath;
  struct Drive {
    char letter;
    std::string folder;
  };
  std::vector<Drive> drives;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (letter != 'C' && env(std::string("VERLO_DRIVE_") + letter).empty()) continue;
    if (const auto folder = DriveFolder(letter, env)) drives.push_back({letter, *folder});
  }
  // The deepest drive folder holding the file names it; the names as given
  // first, then with links resolved (Wine's dosdevices are links).
  for (const bool resolved : {false, true}) {
    const std::string file = resolved ? Canonical(Normal(localPath)) : Normal(localPath);
    char best = 0;
    size_t bestDepth = 0;
    std::string rest;
    for (const auto& [letter, folder] : drives) {
      const std::string f = resolved ? Canonical(folder) : folder;
      const auto below = Below(file, f);
      if (below && (!best || f.size() > bestDepth)) {
        best = letter;
        bestDepth = f.size();
        rest = *below;
      }
    }
    if (!best) continue;
    for (char& c : rest)
      if (c == '/') c = '\\';
    return std::string(1, best) + ":\\" + rest;
  }
  return localPath;
#endif
}

HostLinkPaths MakeHostLinkPaths(const std::string& baseFolder, const EnvLookup& env) {
  HostLinkPaths p;
  p.base = baseFolder.empty() ? kDefaultBaseFolder : baseFolder;
  // A drive path keeps the host's backslashes until it is mapped; a local
  // folder given on the command line is joined with slashes.
  const std::string sep = DriveLetter(p.base) ? "\\" : "/";
  std::string base = p.base;
  while (base.size() > 1 && (base.back() == '/' || base.back() == '\\')) base.pop_back();
  const std::string folder = base + sep + "Wizards" + sep + "Omnibus" + sep;
  try {
    p.command = MapHostPath(folder + "command.txt", env);
    p.exchange = MapHostPath(folder + "adatcsere.txt", env);
    p.file = MapHostPath(folder + "file.txt", env);
    p.position = MapHostPath(folder + "GetXYZ.txt", env);
  } catch (const FileError& e) {
    p.command = p.exchange = p.file = p.position = "";
    p.unmapped = e.what();
  }
  return p;
}

HostLinkPaths& HostLink() {
  static HostLinkPaths paths;
  return paths;
}

}  // namespace verlo
