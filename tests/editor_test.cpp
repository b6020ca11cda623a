#include "accumulate/editor.h"

#include <gtest/gtest.h>

namespace verlo {
namespace {

using Lines = std::vector<std::string>;

class Editor : public ::testing::Test {
 protected:
  Editor() {
    steps.Reset();
    shell.accumulate = 1;
  }
  void Record(const std::string& title, const Lines& listing) {
    step_data s;
    s.title = title;
    s.listing = JoinedListing(listing);
    ASSERT_TRUE(steps.Append(s));
  }
  const Lines& Joined() const { return editor.RichEdit1().Lines(); }

  ShellState shell;
  StepStore steps{shell};
  TFrame13 editor{steps};
  const Lines a{"(A)", "G0 Z5.0000", "G1 Z0.0000", "M5", "M30"};
  const Lines b{"(B)", "G0 Z5.0000", "M5", "M30"};
};

TEST_F(Editor, JoinsStepsWithTheSeparatorInPlaceOfTheEndCodes) {
  Record("A", a);
  editor.Fill();
  EXPECT_EQ(Joined(), a);  // one step: its listing unchanged
  editor.Clear();
  Record("B", b);
  editor.Fill();
  EXPECT_EQ(editor.Items(), (Lines{"A", "B"}));
  EXPECT_EQ(Joined(), (Lines{"(A)", "G0 Z5.0000", "G1 Z0.0000", "", kStepSeparator, "", "(B)",
                             "G0 Z5.0000", "M5", "M30"}));
  // A second fill without sending appends again; its first step without a
  // separator.
  editor.Fill();
  EXPECT_EQ(editor.Items(), (Lines{"A", "B", "A", "B"}));
  ASSERT_EQ(Joined().size(), 20u);
  EXPECT_EQ(Lines(Joined().begin() + 10, Joined().end()),
            Lines(Joined().begin(), Joined().begin() + 10));
}

TEST_F(Editor, AnEditedStepIsStoredAndTheProgramRebuilt) {
  Record("A", a);
  Record("B", b);
  editor.Fill();
  editor.ComboBox1Click(-1);  // nothing chosen: nothing happens
  EXPECT_TRUE(editor.Memo1().Lines().empty());
  editor.Button1Click();  // nothing chosen: nothing stored, the program rebuilt
  EXPECT_EQ(Joined().size(), 10u);
  editor.ComboBox1Click(1);
  EXPECT_EQ(editor.Memo1().Lines(), b);
  editor.Memo1().SetText("(B2)\nM5\nM30\n");
  editor.Button1Click();
  EXPECT_EQ(steps.Step(1).listing, "(B2)\r\nM5\r\nM30");
  EXPECT_EQ(Joined(), (Lines{"(A)", "G0 Z5.0000", "G1 Z0.0000", "", kStepSeparator, "", "(B2)",
                             "M5", "M30"}));
  EXPECT_EQ(editor.ItemIndex(), -1);
  EXPECT_TRUE(editor.Memo1().Lines().empty());
  EXPECT_EQ(editor.Items().size(), 2u);  // the list stays
}

}  // namespace
}  // namespace verlo
