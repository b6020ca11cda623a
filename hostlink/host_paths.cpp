#include "hostlink/host_paths.h"

#include <cstdlib>

namespace verlo {

const char kHostFolder[] = "C:\\VERLO\\Wizards\\Omnibus";
const char kDefaultBaseFolder[] = "C:\\VERLO";

std::string ProcessEnv(const std::string& name) {
  const char* v = std::getenv(name.c_str());
  return v ? v : "";
}

namespace {

bool OnDriveC(const std::string& p) {
  return p.size() >= 2 && (p[0] == 'C' || p[0] == 'c') && p[1] == ':';
}

std::string DriveCFolder(const EnvLookup& env) {
  std::string folder = env("VERLO_DRIVE_C");
  if (folder.empty() && !env("WINEPREFIX").empty()) folder = env("WINEPREFIX") + "/drive_c";
  if (folder.empty()) folder = env("HOME") + "/.wine/drive_c";
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

std::string MapHostPath(const std::string& windowsPath, const EnvLookup& env) {
#ifdef _WIN32
  (void)env;
  return windowsPath;
#else
  if (!OnDriveC(windowsPath)) return windowsPath;
  std::string rest = windowsPath.substr(2);
  for (char& c : rest)
    if (c == '\\') c = '/';
  if (!rest.empty() && rest[0] != '/') rest = "/" + rest;
  return DriveCFolder(env) + rest;
#endif
}

std::string HostViewOfPath(const std::string& localPath, const EnvLookup& env) {
#ifdef _WIN32
  (void)env;
  return localPath;
#else
  const std::string drive = DriveCFolder(env);
  if (localPath.compare(0, drive.size() + 1, drive + "/") != 0) return localPath;
  std::string rest = localPath.substr(drive.size());
  for (char& c : rest)
    if (c == '/') c = '\\';
  return "C:" + rest;
#endif
}

HostLinkPaths MakeHostLinkPaths(const std::string& baseFolder, const EnvLookup& env) {
  HostLinkPaths p;
  p.base = baseFolder.empty() ? kDefaultBaseFolder : baseFolder;
  // A drive path keeps the host's backslashes until it is mapped; a local
  // folder given on the command line is joined with slashes.
  const bool drive = p.base.size() >= 2 && p.base[1] == ':';
  const std::string sep = drive ? "\\" : "/";
  std::string base = p.base;
  while (base.size() > 1 && (base.back() == '/' || base.back() == '\\')) base.pop_back();
  const std::string folder = base + sep + "Wizards" + sep + "Omnibus" + sep;
  p.command = MapHostPath(folder + "command.txt", env);
  p.exchange = MapHostPath(folder + "adatcsere.txt", env);
  p.file = MapHostPath(folder + "file.txt", env);
  p.position = MapHostPath(folder + "GetXYZ.txt", env);
  return p;
}

HostLinkPaths& HostLink() {
  static HostLinkPaths paths;
  return paths;
}

}  // namespace verlo
