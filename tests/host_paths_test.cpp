#include "hostlink/host_paths.h"

#include <gtest/gtest.h>

#include <map>

namespace verlo {
namespace {

EnvLookup Env(std::map<std::string, std::string> vars) {
  return [vars](const std::string& name) {
    auto it = vars.find(name);
    return it == vars.end() ? std::string() : it->second;
  };
}

TEST(HostPaths, DriveCLivesWhereWineKeepsIt) {
  const std::string host = kHostFolder;
  EXPECT_EQ(MapHostPath(host, Env({{"VERLO_DRIVE_C", "/tmp/c/"}, {"WINEPREFIX", "/w"}})),
            "/tmp/c/VERLO/Wizards/Omnibus");
  EXPECT_EQ(MapHostPath(host, Env({{"WINEPREFIX", "/w"}, {"HOME", "/home/u"}})),
            "/w/drive_c/VERLO/Wizards/Omnibus");
  EXPECT_EQ(MapHostPath(host, Env({{"HOME", "/home/u"}})),
            "/home/u/.wine/drive_c/VERLO/Wizards/Omnibus");
  EXPECT_EQ(MapHostPath("c:\\x\\y.tap", Env({{"VERLO_DRIVE_C", "/c"}})), "/c/x/y.tap");
  EXPECT_EQ(MapHostPath("/srv/verlo", Env({{"VERLO_DRIVE_C", "/c"}})), "/srv/verlo");
  EXPECT_EQ(MapHostPath("D:\\x", Env({{"VERLO_DRIVE_C", "/c"}})), "D:\\x");
}

TEST(HostPaths, FileTxtNamesTheProgramAsTheHostSeesIt) {
  const auto env = Env({{"VERLO_DRIVE_C", "/tmp/c"}});
  EXPECT_EQ(HostViewOfPath("/tmp/c/progs/kor.tap", env), "C:\\progs\\kor.tap");
  EXPECT_EQ(HostViewOfPath("/tmp/cc/kor.tap", env), "/tmp/cc/kor.tap");
  EXPECT_EQ(HostViewOfPath("/home/u/kor.tap", env), "/home/u/kor.tap");
}

TEST(HostPaths, LinkPathsFollowTheBaseFolder) {
  const auto env = Env({{"VERLO_DRIVE_C", "/c"}});
  HostLinkPaths p = MakeHostLinkPaths("", env);
  EXPECT_EQ(p.base, "C:\\VERLO");
  EXPECT_EQ(p.exchange, "/c/VERLO/Wizards/Omnibus/adatcsere.txt");
  EXPECT_EQ(p.position, "/c/VERLO/Wizards/Omnibus/GetXYZ.txt");
  p = MakeHostLinkPaths("C:\\CNC\\", env);
  EXPECT_EQ(p.command, "/c/CNC/Wizards/Omnibus/command.txt");
  p = MakeHostLinkPaths("/srv/verlo/", env);
  EXPECT_EQ(p.file, "/srv/verlo/Wizards/Omnibus/file.txt");
}

}  // namespace
}  // namespace verlo
