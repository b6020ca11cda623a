// The Fibonacci spiral page's behaviour beyond its listings and messages
// (golden cases, the step state among them): the first activation, the step
// record, the values a refusal keeps, and the bounds of levels and size.
#include <gtest/gtest.h>

#include "support/page_fixture.h"
#include "wizards/fibonacci/fibonacci_page.h"

namespace verlo {
namespace {

using test::Lines;
using Fibonacci = test::PageFixture<TFrame2>;

TEST_F(Fibonacci, FirstActivationShowsThePictureTurns) {
  EXPECT_EQ(page.Find("Edit3")->text, "1");
  EXPECT_EQ(page.Find("RadioGroup2")->itemIndex, 2);
  EXPECT_FALSE(page.Find("Edit4")->enabled);
  EXPECT_FALSE(page.Find("CheckBox4")->enabled);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Fibonacci, StepRecordOfEveryCreateThatWrote) {
  Create();
  EXPECT_EQ(steps.Count(), 0);  // accumulation off
  shell.accumulate = 1;
  shell.wizardIndex = 1;
  Set({{"Edit1", "1,5"}, {"Edit12", "3"}});
  Check("CheckBox2", false);
  Set({{"Edit9", "0,6"}, {"Edit13", "7"}, {"Edit5", "120,5"}});
  Radio("RadioGroup4", 1);
  const Lines listing = Create();
  Set("Edit7", "");  // refused: nothing recorded
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(steps.Count(), 1);
  EXPECT_EQ(test::StepLines(steps.Step(0)),
            (Lines{"0 1 Fibonacci spirál X1,5 Y0 Z0", "X1,5 Y0 Z0 W3",
                   "Nagyítás (a képen látható miliméter értékek  szorzója):=1",
                   "Marás mélysége:=-2", "Lépésenkénti maximális fogási mélység: =-0,5",
                   "Szerszám száma:=7", "Főorsó fordulata: =1000", "Körbefordulások száma:=1",
                   "Csak a képen látható=1", " Plussz részfordulat =2", "G1 feed:=120,5",
                   "G2, G3 feed:=300", " G kód generálása =0",
                   " Spirál forgásiránya óramutató járásával =1", " Forgásirány =1"}));
  EXPECT_EQ(steps.Step(0).listing, JoinedListing(listing));
}

TEST_F(Fibonacci, AFullStoreSaysSo) {
  FillTheStepStore();
}

// What a refused create read before stops at stays as it was.
TEST_F(Fibonacci, ARefusedValueKeepsTheLastOne) {
  Create();
  const FibonacciValues before = page.Values();
  Set("Edit7", "-4");
  Check("CheckBox1", false);
  Set("Edit8", "3");  // the tool limit ends the reading
  Check("CheckBox2", false);
  Set("Edit9", "9");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(page.Values().levels, before.levels);
  Set({{"Edit8", "5"}, {"Edit10", "-1"}});  // refused, the reading goes on
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(page.Values().scale, before.scale);
  EXPECT_EQ(page.Error(), 1);
  EXPECT_FALSE(page.LastCreateWrote());
}

TEST_F(Fibonacci, LevelCounts) {
  struct Row {
    const char *depth, *max;
    bool boxTicked;
    int formula, levels;  // 0: refused
  };
  const Row rows[] = {
      {"-2", "0,6", false, 0, 4},      {"-2", "2", false, 0, 2},    {"-1,8", "0,6", false, 0, 4},
      {"-2", "0,0202", false, 0, 100}, {"-2", "0,02", false, 0, 0}, {"-2", "0", false, 0, 0},
      {"-2", "-0,5", false, 0, 0},     {"2", "0,6", false, 0, 4},   {"-2", "0", true, 0, 1},
      {"-2", "0", true, 1, 1},         {"-2", "0,01", true, 1, 0},  {"-2", "3", true, 1, 1},
      {"-2", "", true, 1, 1}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.depth) + " by " + r.max + (r.formula ? " formula" : ""));
    Radio("RadioGroup1", r.formula);
    Set({{"Edit7", r.depth}, {"Edit9", r.max}});
    Check("CheckBox2", r.boxTicked);
    EXPECT_EQ(Create().empty(), r.levels == 0);
    if (r.levels == 0) {
      EXPECT_EQ(messages.Texts(), Lines{"A lépésenkénti maximális fogási mélység túl kicsi: "
                                        "legfeljebb 100 mélységi ciklus lehet."});
      continue;
    }
    EXPECT_EQ(page.Values().levels, r.levels);
    EXPECT_EQ(FormatFloat4(page.Values().p * r.levels), FormatFloat4(StrToFloat(r.depth)));
  }
}

TEST_F(Fibonacci, SpiralSizeAndScaleBounds) {
  struct Row {
    const char *scale, *turns;
    int quarters;
    bool refused;
  };
  const Row rows[] = {{"1", "7", 2, false},      {"1", "7", 3, true},
                      {"0", "7", 2, false},      {"1000000", "0", 2, false},
                      {"1000000", "0", 3, true}, {"1", "1000000", 0, true},
                      {"0,001", "11", 0, false}, {"0,001", "11", 1, true},
                      {"0,0009", "1", 0, true},  {"-1", "1", 0, true}};
  Check("CheckBox3", false);
  for (const Row& r : rows)
    for (int formula = 0; formula < 2; ++formula) {
      SCOPED_TRACE(std::string(r.scale) + " x " + r.turns + " turns + " +
                   std::to_string(r.quarters) + (formula ? " formula" : ""));
      Set({{"Edit10", r.scale}, {"Edit3", r.turns}});
      Radio("RadioGroup2", r.quarters);
      Radio("RadioGroup1", formula);
      EXPECT_EQ(Create().empty(), r.refused);
      EXPECT_EQ(messages.shown.size(), r.refused ? 1u : 0u);
    }
}

TEST_F(Fibonacci, ATextThatIsNoNumberWritesNothing) {
  Check("CheckBox3", false);
  const std::pair<const char*, const char*> texts[] = {
      {"Edit13", "1,5"}, {"Edit14", "1,5"}, {"Edit3", "1,5"}, {"Edit3", ""}};  // whole numbers
  for (const auto& [field, text] : texts) {
    SCOPED_TRACE(field + std::string("=") + text);
    const std::string kept = page.Find(field)->text;
    Set(field, text);
    EXPECT_THROW(page.Button1Click(), ConvertError);
    EXPECT_TRUE(page.Memo1().Lines().empty());
    EXPECT_FALSE(page.LastCreateWrote());
    Set(field, kept);
  }
}

}  // namespace
}  // namespace verlo
