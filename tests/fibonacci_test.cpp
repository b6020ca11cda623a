// The Fibonacci spiral page's behaviour beyond its listings: the first
// activation, the step state with accumulation on, the step record, where
// reading stops, and the bounds of levels and spiral size.
#include <gtest/gtest.h>

#include <algorithm>

#include "gcode/numbers.h"
#include "support/page_fixture.h"
#include "wizards/fibonacci/fibonacci_page.h"

namespace verlo {
namespace {

using test::Lines;
using Fibonacci = test::PageFixture<TFrame2>;

const char kTooManyLevels[] =
    "A lépésenkénti maximális fogási mélység túl kicsi: legfeljebb 100 mélységi ciklus lehet.";
const char kTooLarge[] = "A spirál túl nagy: a legnagyobb ív sugara legfeljebb 1000000 mm lehet.";

bool HasLine(const Lines& l, const std::string& line) {
  return std::find(l.begin(), l.end(), line) != l.end();
}

TEST_F(Fibonacci, FirstActivationShowsThePictureTurns) {
  EXPECT_EQ(page.Find("Edit3")->text, "1");
  EXPECT_EQ(page.Find("RadioGroup2")->itemIndex, 2);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(page.Find("Edit4")->enabled);
  EXPECT_FALSE(page.Find("CheckBox4")->enabled);
  EXPECT_EQ(page.CaptionOf("Label12"), "Nagyítás (a képen látható miliméter értékek  szorzója):");
  // Unticked, the fields are the user's.
  Check("CheckBox3", false);
  Set("Edit3", "3");
  Radio("RadioGroup2", 1);
  Create();
  EXPECT_EQ(page.Values().turns, 3);
  EXPECT_EQ(page.Values().quarters, 1);
}

// With accumulation on the spiral leaves out what the last program set up.
TEST_F(Fibonacci, StepStateDecidesTheOpeningToolAndSpindleLines) {
  shell.accumulate = 1;
  struct Run {
    const char *tool, *speed;
    int m4;
    Lines expected;  // the lines between "G59" and the comment gap
  };
  const std::vector<Run> runs = {
      {"1", "1000", 0, {"T1 M6", "S1000 M3"}},
      {"1", "1000", 0, {}},  // same tool, speed and direction
      {"1", "1200", 0, {"S1200 M3"}},
      {"01", "1200", 1, {"M5", "S1200 M4"}},  // "01" is tool 1
      {"2", "1200", 1, {"T2 M6"}},
      {"2", "900", 0, {"S900 M3", "M5", "S900 M3"}},
  };
  for (size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(i);
    Set("Edit13", runs[i].tool);
    Set("Edit14", runs[i].speed);
    Radio("RadioGroup4", runs[i].m4);
    const Lines& l = Create();
    EXPECT_EQ(Between(l, "G59", " "), runs[i].expected);
    EXPECT_EQ(HasLine(l, "G21 G90"), i == 0);
  }
}

TEST_F(Fibonacci, FormulaModeNeitherAsksNorSetsTheStepState) {
  shell.accumulate = 1;
  Radio("RadioGroup1", 1);
  for (int i = 0; i < 2; ++i) {
    const Lines& l = Create();
    EXPECT_TRUE(Has(l, {"G21 G90"}));
    EXPECT_TRUE(Has(l, {"T1 M6", "S1000 M3", "G4 P2000"}));
  }
  Radio("RadioGroup1", 0);
  EXPECT_TRUE(Has(Create(), {"G21 G90", "G0 Z5.0000"}));
  EXPECT_TRUE(Has(page.Memo1().Lines(), {"G59", "T1 M6", "S1000 M3"}));
  EXPECT_FALSE(HasLine(Create(), "G21 G90"));
}

TEST_F(Fibonacci, StepRecordOfEveryCreateAlsoARefusedOne) {
  Create();
  EXPECT_EQ(steps.Count(), 0);  // accumulation off
  shell.accumulate = 1;
  shell.wizardIndex = 1;
  Set("Edit1", "1,5");
  Set("Edit12", "3");
  Check("CheckBox2", false);
  Set("Edit9", "0,6");
  Set("Edit13", "7");
  Set("Edit5", "120,5");
  Radio("RadioGroup4", 1);
  const Lines& l = Create();
  ASSERT_EQ(steps.Count(), 1);
  const step_data& s = steps.Step(0);
  EXPECT_EQ(s.number, 0);
  EXPECT_EQ(s.wizard, 1);
  EXPECT_EQ(s.title, "Fibonacci spirál X1,5 Y0 Z0");
  EXPECT_EQ(s.x, 1.5L);
  EXPECT_EQ(s.z, 0.0L);
  EXPECT_EQ(s.w, 3.0L);  // the safe height
  const std::vector<std::pair<std::string, long double>> params = {
      {"Nagyítás (a képen látható miliméter értékek  szorzója):", 1},
      {"Marás mélysége:", -2},
      {"Lépésenkénti maximális fogási mélység: ", -0.5L},  // the depth of a level
      {"Szerszám száma:", 7},
      {"Főorsó fordulata: ", 1000},
      {"Körbefordulások száma:", 1},
      {"Csak a képen látható", 1},
      {" Plussz részfordulat ", 2},
      {"G1 feed:", 120.5L},
      {"G2, G3 feed:", 300},
      {" G kód generálása ", 0},
      {" Spirál forgásiránya óramutató járásával ", 1},
      {" Forgásirány ", 1}};
  for (size_t i = 0; i < params.size(); ++i) {
    EXPECT_EQ(s.params[i].caption, params[i].first) << i;
    EXPECT_EQ(FloatToStr(s.params[i].value), FloatToStr(params[i].second)) << i;
  }
  EXPECT_EQ(s.params[13].caption, "");
  std::string listing;
  for (const auto& line : l) listing += (listing.empty() ? "" : "\r\n") + line;
  EXPECT_EQ(s.listing, listing);

  Set("Edit7", "");  // refused: recorded with an empty listing
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(steps.Count(), 2);
  EXPECT_EQ(steps.Step(1).number, 1);
  EXPECT_EQ(steps.Step(1).listing, "");
  EXPECT_EQ(steps.Step(1).params[1].value, 0.0L);  // the empty depth read as 0
}

TEST_F(Fibonacci, AFullStoreSaysSo) {
  shell.accumulate = 1;
  for (int i = 0; i < StepStore::kCapacity; ++i) Create();
  EXPECT_TRUE(messages.shown.empty());
  Create();
  EXPECT_EQ(messages.Texts(),
            Lines{"A göngyölítő tárolója megtelt: legfeljebb 101 lépés fér el benne."});
  EXPECT_TRUE(page.LastCreateWrote());  // the listing is still made
  EXPECT_EQ(steps.Count(), StepStore::kCapacity);
}

// The tool limit and the per-level messages end the reading; the earlier
// ones do not.
TEST_F(Fibonacci, WhereReadingStops) {
  Create();
  const FibonacciValues before = page.Values();
  Set("Edit7", "-4");
  Check("CheckBox1", false);
  Set("Edit8", "3");
  Check("CheckBox2", false);
  Set("Edit9", "9");  // also wrong, but not read
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(
      messages.Texts(),
      Lines{"Nagyobb a marási mélység mint a szerszám megengedett maximális marási mélysége!"});
  EXPECT_EQ(page.Values().levels, before.levels);
  Set("Edit8", "5");
  Set("Edit10", "-1");  // refused, reading goes on
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].caption, "Figyelmeztatés rossz paraméterezésről");
  EXPECT_EQ(messages.shown[1].text,
            "Értelmetlen beállítani maximális fogási mélységet ha a teljes marási mélység kisebb!");
  EXPECT_EQ(page.Values().scale, before.scale);  // a refused value keeps the last one
  EXPECT_EQ(page.Error(), 1);
  EXPECT_FALSE(page.LastCreateWrote());
}

TEST_F(Fibonacci, LevelCounts) {
  struct Row {
    const char *depth, *max;
    bool boxTicked;
    int formula, levels;  // 0: refused
  };
  const std::vector<Row> rows = {
      {"-2", "0,6", false, 0, 4},      {"-2", "2", false, 0, 2},    {"-1,8", "0,6", false, 0, 4},
      {"-2", "0,0202", false, 0, 100}, {"-2", "0,02", false, 0, 0}, {"-2", "0", false, 0, 0},
      {"-2", "-0,5", false, 0, 0},     {"2", "0,6", false, 0, 4},   {"-2", "0", true, 0, 1},
      {"-2", "0", true, 1, 0},         {"-2", "0,01", true, 1, 0},  {"-2", "3", true, 1, 1},
      {"-2", "", true, 1, 1}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.depth) + " by " + r.max + (r.formula ? " formula" : ""));
    Radio("RadioGroup1", r.formula);
    Set("Edit7", r.depth);
    Set("Edit9", r.max);
    Check("CheckBox2", r.boxTicked);
    const bool written = !Create().empty();
    EXPECT_EQ(written, r.levels > 0);
    if (r.levels == 0) {
      EXPECT_TRUE(HasLine(messages.Texts(), kTooManyLevels));
      continue;
    }
    EXPECT_EQ(page.Values().levels, r.levels);
    EXPECT_EQ(FormatFloat4(page.Values().p * r.levels, '.'),
              FormatFloat4(StrToFloat(r.depth), '.'));
  }
}

TEST_F(Fibonacci, SpiralSizeAndScaleBounds) {
  struct Row {
    const char *scale, *turns;
    int quarters;
    bool refused;
  };
  const std::vector<Row> rows = {{"1", "7", 2, false},      {"1", "7", 3, true},
                                 {"0", "7", 2, false},      {"1000000", "0", 2, false},
                                 {"1000000", "0", 3, true}, {"1", "1000000", 0, true},
                                 {"0,001", "11", 0, false}, {"0,001", "11", 1, true},
                                 {"0,0009", "1", 0, true},  {"-1", "1", 0, true}};
  Check("CheckBox3", false);
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.scale) + " x " + r.turns + " turns + " + std::to_string(r.quarters));
    Set("Edit10", r.scale);
    Set("Edit3", r.turns);
    Radio("RadioGroup2", r.quarters);
    for (int formula = 0; formula < 2; ++formula) {
      Radio("RadioGroup1", formula);
      EXPECT_EQ(Create().empty(), r.refused);
      EXPECT_EQ(messages.shown.size(), r.refused ? 1u : 0u);
    }
  }
}

TEST_F(Fibonacci, ATextThatIsNoNumberWritesNothing) {
  Check("CheckBox3", false);
  for (const char* field : {"Edit13", "Edit14", "Edit3"}) {
    SCOPED_TRACE(field);
    const std::string kept = page.Find(field)->text;
    Set(field, "1,5");  // whole numbers only
    EXPECT_THROW(page.Button1Click(), ConvertError);
    EXPECT_TRUE(page.Memo1().Lines().empty());
    EXPECT_FALSE(page.LastCreateWrote());
    Set(field, kept);
  }
  Set("Edit3", "");
  EXPECT_THROW(page.Button1Click(), ConvertError);
}

}  // namespace
}  // namespace verlo
