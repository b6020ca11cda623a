#include "hostlink/host_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/platform.h"
#include "support/temp_drive.h"

namespace verlo {
namespace {

using Vars = std::map<std::string, std::string>;

EnvLookup Env(Vars vars) {
  return [vars](const std::string& name) {
    auto it = vars.find(name);
    return it == vars.end() ? std::string() : it->second;
  };
}

std::string Cwd() {
  return std::filesystem::current_path().generic_string();
}

// A mapping, or "FileError: " and its text.
std::string Mapped(const std::string& windowsPath, const Vars& vars) {
  try {
    return MapHostPath(windowsPath, Env(vars));
  } catch (const FileError& e) {
    return std::string("FileError: ") + e.what();
  }
}

struct Case {
  Vars env;
  std::string path, expected;
};

TEST(HostPaths, DrivesLiveWhereWineKeepsThem) {
  const std::string host = kHostFolder;
  const Case cases[] = {
      {{{"VERLO_DRIVE_C", "/tmp/c/"}, {"WINEPREFIX", "/w"}}, host, "/tmp/c/VERLO/Wizards/Omnibus"},
      {{{"WINEPREFIX", "/w"}, {"HOME", "/home/u"}}, host, "/w/drive_c/VERLO/Wizards/Omnibus"},
      {{{"WINEPREFIX", "/w/"}}, host, "/w/drive_c/VERLO/Wizards/Omnibus"},
      {{{"HOME", "/home/u"}}, host, "/home/u/.wine/drive_c/VERLO/Wizards/Omnibus"},
      {{{"VERLO_DRIVE_C", "c"}}, host, Cwd() + "/c/VERLO/Wizards/Omnibus"},
      {{{"VERLO_DRIVE_C", "//tmp//x/../c/"}}, host, "/tmp/c/VERLO/Wizards/Omnibus"},
      {{{"VERLO_DRIVE_C", "/"}}, host, "/VERLO/Wizards/Omnibus"},
      {{{"VERLO_DRIVE_C", "/c"}}, "c:\\x\\y.tap", "/c/x/y.tap"},
      {{{"VERLO_DRIVE_C", "/c"}}, "C:\\VERLO\\..\\..\\x", "/c/x"},  // not above the drive
      {{{"VERLO_DRIVE_C", "/c"}}, "/srv/verlo", "/srv/verlo"},
      {{{"VERLO_DRIVE_C", "/c"}, {"VERLO_DRIVE_D", "/d/"}}, "D:\\VERLO", "/d/VERLO"},
      {{{"VERLO_DRIVE_C", "/c"}, {"WINEPREFIX", "/w"}}, "d:\\VERLO", "/w/dosdevices/d:/VERLO"},
      {{{"HOME", "/home/u"}}, "E:\\VERLO", "/home/u/.wine/dosdevices/e:/VERLO"},
      {{},
       host,
       "FileError: Drive C: has no local folder: VERLO_DRIVE_C, WINEPREFIX and HOME are all "
       "unset."},
      {{{"VERLO_DRIVE_C", "/c"}},
       "D:\\VERLO",
       "FileError: Drive D: has no local folder: VERLO_DRIVE_D, WINEPREFIX and HOME are all "
       "unset."},
  };
  for (const Case& c : cases) EXPECT_EQ(Mapped(c.path, c.env), c.expected) << c.path;
}

TEST(HostPaths, FileTxtNamesTheProgramAsTheHostSeesIt) {
  const Case cases[] = {
      {{{"VERLO_DRIVE_C", "/tmp/c"}}, "/tmp/c/progs/kor.tap", "C:\\progs\\kor.tap"},
      {{{"VERLO_DRIVE_C", "/tmp/c"}}, "/tmp/cc/kor.tap", "/tmp/cc/kor.tap"},
      {{{"VERLO_DRIVE_C", "/tmp/c"}}, "/home/u/kor.tap", "/home/u/kor.tap"},
      {{{"VERLO_DRIVE_C", "/tmp/c"}}, "/tmp/x/../c/a/./b.tap", "C:\\a\\b.tap"},
      {{{"WINEPREFIX", "/w/"}}, "/w/drive_c/kor.tap", "C:\\kor.tap"},
      {{{"HOME", "/home/u"}}, "/home/u/.wine/drive_c/kor.tap", "C:\\kor.tap"},
      {{{"VERLO_DRIVE_C", "c"}}, Cwd() + "/c/kor.tap", "C:\\kor.tap"},
      {{{"VERLO_DRIVE_C", "c"}}, "c/kor.tap", "C:\\kor.tap"},
      {{{"VERLO_DRIVE_C", "//tmp//c/"}}, "/tmp/c/kor.tap", "C:\\kor.tap"},
      {{{"VERLO_DRIVE_C", "/"}}, "/home/u/kor.tap", "C:\\home\\u\\kor.tap"},
      // The deepest drive folder names the file.
      {{{"VERLO_DRIVE_C", "/"}, {"VERLO_DRIVE_D", "/data"}}, "/data/kor.tap", "D:\\kor.tap"},
      {{{"HOME", "/home/u"}, {"VERLO_DRIVE_D", "/data/"}}, "/data/x/k.tap", "D:\\x\\k.tap"},
      // Only drives set by VERLO_DRIVE_X are mapped back besides C:.
      {{{"WINEPREFIX", "/w"}}, "/w/dosdevices/d:/k.tap", "/w/dosdevices/d:/k.tap"},
      {{}, "/tmp/c/kor.tap", "/tmp/c/kor.tap"},
  };
  for (const Case& c : cases) EXPECT_EQ(HostViewOfPath(c.path, Env(c.env)), c.expected) << c.path;
}

TEST(HostPaths, WineDriveLinksAreFollowed) {
  test::TempDrive drive;
  namespace fs = std::filesystem;
  const std::string prefix = drive.Root() + "/prefix", data = drive.Root() + "/data";
  fs::create_directories(prefix + "/drive_c");
  fs::create_directories(prefix + "/dosdevices");
  fs::create_directories(data);
  fs::create_directory_symlink("../drive_c", prefix + "/dosdevices/c:");
  fs::create_directory_symlink(data, prefix + "/dosdevices/d:");
  const auto env = Env({{"WINEPREFIX", prefix}, {"VERLO_DRIVE_D", prefix + "/dosdevices/d:"}});
  EXPECT_EQ(HostViewOfPath(prefix + "/dosdevices/c:/k.tap", env), "C:\\k.tap");
  EXPECT_EQ(HostViewOfPath(data + "/p/k.tap", env), "D:\\p\\k.tap");
}

TEST(HostPaths, LinkPathsFollowTheBaseFolder) {
  const auto env = Env({{"VERLO_DRIVE_C", "/c"}, {"VERLO_DRIVE_D", "/d"}});
  HostLinkPaths p = MakeHostLinkPaths("", env);
  EXPECT_EQ(p.base, "C:\\VERLO");
  EXPECT_EQ(p.exchange, "/c/VERLO/Wizards/Omnibus/adatcsere.txt");
  EXPECT_EQ(p.position, "/c/VERLO/Wizards/Omnibus/GetXYZ.txt");
  p = MakeHostLinkPaths("C:\\CNC\\", env);
  EXPECT_EQ(p.command, "/c/CNC/Wizards/Omnibus/command.txt");
  p = MakeHostLinkPaths("/srv/verlo/", env);
  EXPECT_EQ(p.file, "/srv/verlo/Wizards/Omnibus/file.txt");
  p = MakeHostLinkPaths("D:\\VERLO", env);
  EXPECT_EQ(p.file, "/d/VERLO/Wizards/Omnibus/file.txt");
  EXPECT_EQ(p.unmapped, "");
  // A drive without a folder: nothing to write to, and why.
  p = MakeHostLinkPaths("E:\\VERLO", env);
  EXPECT_EQ(p.base, "E:\\VERLO");
  EXPECT_EQ(p.command + p.exchange + p.file + p.position, "");
  EXPECT_NE(p.unmapped.find("VERLO_DRIVE_E"), std::string::npos);
}

}  // namespace
}  // namespace verlo
