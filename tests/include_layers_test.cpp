// The layers of the source tree: a folder includes only from folders below
// it. Reads every #include "..." line of the project's sources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace verlo {
namespace {

namespace fs = std::filesystem;

// Lower layers first. Pages (wizards/<page>) share one layer and must not
// include each other; Qt folders lie above the whole core.
int Layer(const std::string& folder) {
  static const std::map<std::string, int> layers = {
      {"platform", 0},       {"gcode", 1},
      {"toolpath", 2},       {"hostlink", 2},
      {"accumulate", 3},     {"about", 3},
      {"wizards/common", 4}, {"wizards", 6},
      {"shell", 8},          {"cli", 9},
      {"tools/host_sim", 9}, {"platform/qt", 10},
      {"wizards/qt", 11},    {"accumulate/qt", 11},
      {"about/qt", 11},      {"shell/qt", 12},
  };
  if (auto it = layers.find(folder); it != layers.end()) return it->second;
  const bool page = folder.rfind("wizards/", 0) == 0;
  if (page && folder.size() > 3 && folder.compare(folder.size() - 3, 3, "/qt") == 0) return 11;
  if (page && folder.find('/', 8) == std::string::npos) return 5;
  return -1;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

TEST(IncludeLayers, NoFolderIncludesFromAFolderAboveIt) {
  const fs::path root = VERLO_SOURCE_DIR;
  const std::regex include(R"re(^\s*#\s*include\s+"([^"]+)")re");
  int files = 0;
  for (const char* top : {"platform", "gcode", "toolpath", "hostlink", "accumulate", "wizards",
                          "about", "shell", "cli", "tools"}) {
    if (!fs::exists(root / top)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".h" && ext != ".cpp") continue;
      ++files;
      const std::string file = fs::relative(entry.path(), root).generic_string();
      const std::string folder = FolderOf(file);
      const int layer = Layer(folder);
      ASSERT_GE(layer, 0) << folder << " has no layer: add it to the table";
      std::ifstream in(entry.path());
      std::string line;
      for (int no = 1; std::getline(in, line); ++no) {
        std::smatch m;
        if (!std::regex_search(line, m, include)) continue;
        const std::string target = FolderOf(m[1].str());
        if (target.empty() || target == folder) continue;  // own folder, or a generated file
        const int targetLayer = Layer(target);
        EXPECT_TRUE(targetLayer >= 0 && targetLayer < layer)
            << file << ":" << no << " includes " << m[1].str() << " from " << target
            << ", which is not below " << folder;
      }
    }
  }
  EXPECT_GT(files, 20);
}

}  // namespace
}  // namespace verlo
