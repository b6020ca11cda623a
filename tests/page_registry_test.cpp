#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "support/recording_messages.h"
#include "wizards/page_host.h"

namespace verlo {
namespace {

namespace fs = std::filesystem;

// Every row names its page completely: unique names, a picture that exists,
// a page its host makes, starts and shows at the row's wizard index.
TEST(PageRegistry, EveryRowIsComplete) {
  std::set<std::string> objects, cliNames;
  test::RecordingMessages messages;
  ShellState shell;
  StepStore steps{shell};
  HeadlessHoleSelector holes;
  PageContext context{messages, shell, steps, holes};
  for (const PageEntry& e : PageRegistry()) {
    SCOPED_TRACE(e.item);
    EXPECT_TRUE(*e.item && *e.title);
    EXPECT_TRUE(objects.insert(e.objectName).second);
    if (*e.cliName) {
      EXPECT_TRUE(cliNames.insert(e.cliName).second);
    }
    if (*e.diagram) {
      bool found = false;
      for (const auto& dir : fs::directory_iterator(fs::path(VERLO_SOURCE_DIR) / "wizards"))
        found = found || fs::exists(dir.path() / e.diagram);
      EXPECT_TRUE(found) << e.diagram;
    }
    PageHost host(e, context, shell);
    host.StartUp();
    host.Show();
    EXPECT_EQ(shell.wizardIndex, &e - PageRegistry().data() + 1);
  }
  EXPECT_EQ(PageRegistry().size(), 8u);
  EXPECT_EQ(EditorWizardIndex(), 9);
  EXPECT_EQ(FindCliPage("cut-circle")->objectName, std::string("Frame51"));
  EXPECT_EQ(FindCliPage(""), nullptr);
}

// A page verlo-gcode drives is fuzzed as well: its target line in
// fuzz/CMakeLists.txt and its seeds.
TEST(PageRegistry, EveryCommandLinePageIsFuzzed) {
  const fs::path fuzz = fs::path(VERLO_SOURCE_DIR) / "fuzz";
  std::ifstream in(fuzz / "CMakeLists.txt");
  const std::string targets((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const PageEntry& e : PageRegistry()) {
    if (!*e.cliName) continue;
    const std::string name = e.cliName;
    EXPECT_NE(targets.find("verlo_fuzz_page(" + name + ")"), std::string::npos) << name;
    EXPECT_TRUE(fs::is_directory(fuzz / "corpus" / name) && !fs::is_empty(fuzz / "corpus" / name))
        << name;
  }
}

}  // namespace
}  // namespace verlo
