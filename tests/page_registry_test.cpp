#include "wizards/page_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "support/recording_messages.h"

namespace verlo {
namespace {

namespace fs = std::filesystem;

// Every row names its page completely: unique names, a picture that exists,
// a factory that makes the page.
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
    EXPECT_NE(e.make(context), nullptr);
  }
  EXPECT_EQ(PageRegistry().size(), 8u);
  EXPECT_EQ(FindCliPage("cut-circle")->objectName, std::string("Frame51"));
  EXPECT_EQ(FindCliPage(""), nullptr);
}

}  // namespace
}  // namespace verlo
