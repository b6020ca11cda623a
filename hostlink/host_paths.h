// Where the host's exchange files live. The host control program runs on
// Windows (or under Wine on Linux), so its folders are drive paths; on other
// systems a path on a drive is looked up where Wine keeps that drive.
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
// and "X:..." for another drive letter under $VERLO_DRIVE_X, else
// $WINEPREFIX/dosdevices/x:, else ~/.wine/dosdevices/x:. Backslashes become
// slashes; a relative drive folder is taken from the current folder. Other
// paths stay as they are. Throws FileError when none of the variables is set.
std::string MapHostPath(const std::string& windowsPath, const EnvLookup& env = ProcessEnv);

// The reverse, for the path written into file.txt: a local file under the
// folder of drive C:, or of a drive X: whose $VERLO_DRIVE_X is set, as the
// host sees it ("C:\..."); the deepest such folder names it. Other paths,
// and every path when no drive has a folder, stay unchanged.
std::string HostViewOfPath(const std::string& localPath, const EnvLookup& env = ProcessEnv);

// The paths of the host-link routines, set from the base folder at the main
// window's first activation.
struct HostLinkPaths {
  std::string base;      // as given (Windows form)
  std::string command;   // base + "\Wizards\Omnibus\command.txt", mapped
  std::string exchange;  // adatcsere.txt
  std::string file;      // file.txt
  std::string position;  // GetXYZ.txt
  // When the base folder's drive has no local folder: the paths above are
  // empty and this says what is missing (a FileError text).
  std::string unmapped;
};
// Never throws: an unmapped drive is reported through `unmapped`.
HostLinkPaths MakeHostLinkPaths(const std::string& baseFolder, const EnvLookup& env = ProcessEnv);

// Process-wide paths of the host-link routines.
HostLinkPaths& HostLink();

}  // namespace verlo
