// Where the host's exchange files live. The host control program runs on
// Windows (or under Wine on Linux), so its folders are drive paths; on other
// systems a path on drive C: is looked up where Wine keeps that drive.
#pragma once

#include <functional>
#include <string>

namespace verlo {

// The host folder the main window sends to and signals in.
extern const char kHostFolder[];         // "C:\VERLO\Wizards\Omnibus"
extern const char kDefaultBaseFolder[];  // "C:\VERLO"

// Reads an environment variable; empty when unset.
using EnvLookup = std::function<std::string(const std::string&)>;
std::string ProcessEnv(const std::string& name);

// A Windows drive path as a local path: unchanged on Windows; elsewhere "C:..."
// goes under $VERLO_DRIVE_C, else $WINEPREFIX/drive_c, else ~/.wine/drive_c,
// with backslashes turned into slashes. Other paths stay as they are.
std::string MapHostPath(const std::string& windowsPath, const EnvLookup& env = ProcessEnv);

// The reverse, for the path written into file.txt: a local file under the
// drive C: folder as the host sees it ("C:\..."); other paths unchanged.
std::string HostViewOfPath(const std::string& localPath, const EnvLookup& env = ProcessEnv);

// The paths of the host-link routines, set from the base folder at the main
// window's first activation.
struct HostLinkPaths {
  std::string base;      // as given (Windows form)
  std::string command;   // base + "\Wizards\Omnibus\command.txt", mapped
  std::string exchange;  // adatcsere.txt
  std::string file;      // file.txt
  std::string position;  // GetXYZ.txt
};
HostLinkPaths MakeHostLinkPaths(const std::string& baseFolder, const EnvLookup& env = ProcessEnv);

// Process-wide paths of the host-link routines.
HostLinkPaths& HostLink();

}  // namespace verlo
