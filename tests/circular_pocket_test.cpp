// The circular pocket page's behaviour beyond its listings, messages and
// controls (golden cases): the caption labels, the handlers, the series
// choice, the values a refusal keeps, and the step record.
#include <gtest/gtest.h>

#include "support/page_fixture.h"
#include "wizards/circular_pocket/circular_pocket_page.h"

namespace verlo {
namespace {

using test::Lines;
using CircularPocket = test::PageFixture<TFrame3>;

TEST_F(CircularPocket, CaptionLabelsAndASilentStartUp) {
  std::string labels;
  for (const Control* c : page.Controls()) labels += c->labelName + " ";
  EXPECT_EQ(labels,
            "Label2 Label3 Label13 Label14 Label9 Label12 Label10   Label6 Label11  Label15  "
            "Label16 Label7 Label8         ");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CircularPocket, HandlersOfTheScrollBarAndTheBoxes) {
  page.Shown();
  EXPECT_EQ(page.Find("Label4")->text, "50 %");
  EXPECT_EQ(page.Find("Label5")->text, "2,5000 mm");
  Set("Edit3", "6");  // the label follows the scroll bar, not the field
  EXPECT_EQ(page.Find("Label5")->text, "2,5000 mm");
  Scroll(35);
  EXPECT_EQ(page.Find("Label5")->text, "2,1000 mm");
  Set("Edit3", "hat");  // stops after the percentage
  page.Find("ScrollBar1")->position = 40;
  EXPECT_THROW(page.Fire("ScrollBar1"), ConvertError);
  EXPECT_EQ(page.Find("Label4")->text, "40 %");
  EXPECT_EQ(page.Find("Label5")->text, "2,1000 mm");

  Check("CheckBox2", false);
  EXPECT_TRUE(page.Find("Edit9")->enabled);
  Check("CheckBox1", true);
  EXPECT_FALSE(page.Find("Edit13")->enabled);
  EXPECT_FALSE(page.Find("Edit14")->enabled);
  Check("CheckBox1", false);
  EXPECT_TRUE(page.Find("Edit14")->enabled);
  Check("CheckBox2", true);
  EXPECT_FALSE(page.Find("Edit9")->enabled);
}

TEST_F(CircularPocket, SeriesChoiceAndTorlesEmptyTheListing) {
  EXPECT_FALSE(Create().empty());
  Radio("RadioGroup6", 1);
  EXPECT_TRUE(page.Memo1().Lines().empty());
  EXPECT_EQ(messages.Texts(), Lines{"Sorozatmarás esetén a kezdeti beállításokat valamint a "
                                    "végén szokásos M kódokat nem tartalmazza."});
  const size_t one = Create().size();
  EXPECT_EQ(Create().size(), 2 * one);  // appended
  page.Fire("Button2");
  EXPECT_TRUE(page.Memo1().Lines().empty());
  Create();
  messages.shown.clear();
  Radio("RadioGroup6", 0);  // back to one pocket: emptied, no message
  EXPECT_TRUE(page.Memo1().Lines().empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CircularPocket, RefusalsKeepTheLastAcceptedValues) {
  // The pocket is compared with the tool field as typed, even when the
  // diameter itself is refused.
  Set({{"Edit3", "-5"}, {"Edit4", "4"}});
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(messages.Texts(), (Lines{"A szerszám átmérője nem lehet negatív."}));
  EXPECT_EQ(page.Values().toolDiameter, 5);
  EXPECT_EQ(page.PocketDiameter(), 4);
  Set({{"Edit3", "5"}, {"Edit4", "0"}});
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(page.PocketDiameter(), 4);
  Set("Edit3", "");  // the comparison needs a number
  Set("Edit4", "20");
  EXPECT_THROW(page.Button1Click(), ConvertError);
}

// With accumulation on every create that wrote is recorded; a refused one is not.
TEST_F(CircularPocket, StepRecord) {
  shell.accumulate = 1;
  shell.wizardIndex = 2;
  const Lines listing = Create();
  // Without a tool, tool and speed are recorded as 0; the title's numbers as typed.
  Set({{"Edit1", "12,5"}, {"Edit2", "-3"}, {"Edit4", "20,25"}});
  Check("CheckBox1", true);
  Radio("RadioGroup3", 1);
  Create();
  Set("Edit4", "4");
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(steps.Count(), 2);
  Lines expected = {"0 2 Körzseb - circular pocket X0 Y0 d20",
                    "X0 Y0 Z0 W5",
                    "Marás mélysége:=-2",
                    "Körzseb átmérője:=20",
                    "Fogás szélessége a szerszám szélességének arányában: =50",
                    "Szerszám átmérő:=5",
                    "Lépésenkénti maximális fogási mélység: =-2",
                    "Szerszám száma:=1",
                    "Főorsó fordulata: =1000",
                    " Szerszám Z irányban =1",
                    " Sorozat marás =0",
                    "G1 feed:=150",
                    "G2, G3 feed:=300",
                    " Spirál forgásiránya óramutató járásával =0",
                    " Forgásirány =0"};
  EXPECT_EQ(test::StepLines(steps.Step(0)), expected);
  EXPECT_EQ(steps.Step(0).listing, JoinedListing(listing));
  expected[0] = "1 2 Körzseb - circular pocket X12,5 Y-3 d20,25";
  expected[1] = "X12,5 Y-3 Z0 W5";
  expected[3] = "Körzseb átmérője:=20,25";
  expected[7] = "Szerszám száma:=0";
  expected[8] = "Főorsó fordulata: =0";
  expected[13] = " Spirál forgásiránya óramutató járásával =1";
  EXPECT_EQ(test::StepLines(steps.Step(1)), expected);
}

TEST_F(CircularPocket, AFullStoreSaysSoAndWithoutAccumulationNothingIsRecorded) {
  FillTheStepStore();
  shell.accumulate = 0;
  Create();
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace verlo
