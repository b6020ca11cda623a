#include "accumulate/step_store.h"

#include <gtest/gtest.h>

namespace verlo {
namespace {

TEST(StepStore, StepStateAnswersAfterAReset) {
  ShellState shell;
  StepStore store(shell);
  store.Reset();
  EXPECT_TRUE(store.FirstProgram());
  EXPECT_FALSE(store.FirstProgram());
  // Accumulation off: nothing changes and nothing is recorded.
  EXPECT_FALSE(store.ToolChanged(3));
  EXPECT_FALSE(store.SpeedChanged(1000));
  EXPECT_FALSE(store.DirectionChanged(1));
  shell.accumulate = 1;
  EXPECT_TRUE(store.ToolChanged(3));  // any tool after the reset's -1
  EXPECT_FALSE(store.ToolChanged(3));
  EXPECT_TRUE(store.ToolChanged(4));
  EXPECT_TRUE(store.SpeedChanged(1000));
  EXPECT_FALSE(store.SpeedChanged(1000));
  EXPECT_FALSE(store.DirectionChanged(0));  // M3 is the reset's direction
  EXPECT_TRUE(store.DirectionChanged(1));
  EXPECT_FALSE(store.FirstProgram());  // the marker ignores the flag
  store.Reset();
  EXPECT_TRUE(store.FirstProgram());
  EXPECT_TRUE(store.ToolChanged(4));
}

TEST(StepStore, HoldsAtMost101StepsNumberedInOrder) {
  ShellState shell;
  StepStore store(shell);
  store.Reset();
  for (int i = 0; i < StepStore::kCapacity; ++i) {
    step_data s;
    s.title = std::to_string(i);
    ASSERT_TRUE(store.Append(s));
  }
  EXPECT_FALSE(store.Append(step_data{}));
  EXPECT_EQ(store.Count(), 101);
  EXPECT_EQ(store.Step(100).number, 100);
  EXPECT_EQ(store.Step(100).title, "100");
  store.Reset();
  EXPECT_EQ(store.Count(), 0);
  EXPECT_TRUE(store.Append(step_data{}));
  EXPECT_EQ(store.Step(0).title, "");  // overwritten by the new step
}

}  // namespace
}  // namespace verlo
