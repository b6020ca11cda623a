// The disk's clean-up of temporary files that killed saves left behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/platform.h"
#include "support/temp_drive.h"

namespace verlo {
namespace {

namespace fs = std::filesystem;
using test::TempDrive;

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A save removes the empty temporary files that saves killed long ago left
// in its folder, and nothing else: not one a save running meanwhile may
// still write, one holding bytes, another user's, a link, folder or second
// link of that name, or a name not made as ours.
TEST(DiskFileSystem, ASaveRemovesOnlyStaleEmptyTemporaryFilesOfItsOwn) {
  enum Kind { File, Link, Folder, HardLink, OtherUser };
  const struct {
    const char* name;
    Kind kind;
    const char* bytes;
    int minutesOld;
    bool removed;
  } cases[] = {
      {".verlo-Ab3xYz", File, "", 60, true},       {".verlo-k0ZZ99", File, "", 11, true},
      {".verlo-Fresh1", File, "", 0, false},       {".verlo-Nine59", File, "", 9, false},
      {".verlo-Full01", File, "G0", 60, false},    {".verlo-tmp", File, "", 60, false},
      {".verlo-Long123", File, "", 60, false},     {".verlo-ab_def", File, "", 60, false},
      {"prog.verlo-Abcdef", File, "", 60, false},  {".verlo-Link01", Link, "", 60, false},
      {".verlo-Dir001", Folder, "", 60, false},    {".verlo-Hard01", HardLink, "", 60, false},
      {".verlo-Other1", OtherUser, "", 60, false},
  };
  TempDrive drive(false);
  const std::string side = drive.Root() + "/side";
  fs::create_directory(side);
  const bool root = geteuid() == 0;
  for (const auto& c : cases) {
    const std::string path = drive.Root() + "/" + c.name;
    switch (c.kind) {
      case File:
      case OtherUser:
        Put(path, c.bytes);
        if (c.kind == OtherUser && (!root || chown(path.c_str(), 65534, 65534) != 0))
          fs::remove(path);  // only root may give a file away
        break;
      case Link:
        Put(side + "/empty", "");
        fs::create_symlink(side + "/empty", path);
        break;
      case Folder:
        fs::create_directory(path);
        break;
      case HardLink:
        Put(path, "");
        fs::create_hard_link(path, side + "/second");
        break;
    }
    const timespec at[2] = {{time(nullptr) - c.minutesOld * 60, 0},
                            {time(nullptr) - c.minutesOld * 60, 0}};
    if (fs::exists(fs::symlink_status(path))) {
      ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), at, AT_SYMLINK_NOFOLLOW), 0) << c.name;
    }
  }
  const auto present = [&](const char* name) {
    return fs::exists(fs::symlink_status(drive.Root() + "/" + name));
  };
  std::map<std::string, bool> before;
  for (const auto& c : cases) before[c.name] = present(c.name);
  DiskFileSystem().WriteFile(drive.Root() + "/prog.tap", "new", Links::Follow);
  for (const auto& c : cases) EXPECT_EQ(present(c.name), before[c.name] && !c.removed) << c.name;
  EXPECT_TRUE(fs::exists(side + "/empty") && fs::exists(side + "/second"));
}

}  // namespace
}  // namespace verlo
