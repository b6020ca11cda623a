// The drilling page's behaviour beyond its listings and messages (golden
// cases, selections among them): the hole tables, the selector group and the
// hole selector dialog, the enabling rules, and the disabled rectangular
// drilling page.
#include <gtest/gtest.h>

#include <cmath>

#include "support/page_fixture.h"
#include "wizards/drill_circle/drill_circle_page.h"
#include "wizards/drill_circle/drill_form.h"

namespace verlo {
namespace {

using test::Lines;

class DrillCircle : public test::PageFixture<TFrame8> {
 protected:
  // The cycle line and the bare hole lines.
  Lines Holes() { return Between(Create(), "(főciklus)", "(főciklus vége)"); }
  // Picks an item of the selector group.
  void Select(int item) {
    messages.shown.clear();
    Radio("RadioGroup1", item);
  }
  // Unticks the listed holes (1 first) and presses "Adat rendben".
  void Accept(std::vector<int> unticked) {
    for (int i : unticked) holes.Ticks()[static_cast<size_t>(i - 1)] = false;
    ASSERT_TRUE(holes.PressAccept());
  }
  // The items of the selector group on offer, and whether the dialog is open.
  void ExpectSelector(std::vector<bool> offered, bool open) {
    EXPECT_EQ(page.Find("RadioGroup1")->itemEnabled, offered);
    EXPECT_EQ(holes.IsOpen(), open);
  }
  const DrillValues& V() const { return page.Values(); }
};

TEST_F(DrillCircle, StartUpComputesTheDefaultsAndLeavesNoTablePending) {
  EXPECT_EQ(V().u8_anc, 0);
  EXPECT_EQ(V().holes, 5);
  EXPECT_EQ(V().u8_an[5][0], 360.0L);
  EXPECT_EQ(V().selected[5], 1);
  ExpectSelector({true, true, false}, false);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DrillCircle, HoleTablesHoldTheCentreTheHolesAndZerosAfter) {
  constexpr double kPi = 3.14159265358979323846;
  Set({{"Edit_x_", "50"}, {"Edit_y_", "30"}, {"Edit_ane_", "10"}, {"Edit_drc_", "4"}});
  Create();
  const DrillValues& v = V();
  EXPECT_EQ(v.u8_ancl, 4);
  EXPECT_EQ(v.u8_anc, 0);  // written: nothing pending
  EXPECT_EQ(v.u8_an[0], (std::array<long double, 5>{10, 50, 30, 0, 0}));
  EXPECT_EQ(v.positions[0], (std::array<long double, 3>{10, 50, 30}));
  for (size_t i = 1; i <= 4; ++i) {
    SCOPED_TRACE(i);
    const auto& an = v.u8_an[i];
    const double angle = 90.0 * static_cast<double>(i) + 10;
    EXPECT_EQ(v.positions[i][0], angle - 10);
    EXPECT_EQ(an[0], angle);
    EXPECT_NEAR(static_cast<double>(an[3]), std::cos(angle * kPi / 180), 1e-15);
    EXPECT_NEAR(static_cast<double>(an[2]), 10 * std::sin(angle * kPi / 180), 1e-14);
    EXPECT_EQ(v.positions[i][1], an[1]);
    EXPECT_EQ(v.positions[i][2], an[2]);
    EXPECT_EQ(v.selected[i], 1);
  }
  EXPECT_EQ(v.u8_an[5], (std::array<long double, 5>{}));
  EXPECT_EQ(v.selected[5], 0);
  EXPECT_EQ(v.u8_zs_, 5.0L);
  EXPECT_EQ(v.u8_r_, 10.0L);
}

TEST_F(DrillCircle, NincsBoxesDisableTheirFields) {
  Check("CheckBox_szc_", true);
  EXPECT_FALSE(page.Find("Edit_szc_")->enabled);
  Check("CheckBox_szsz_", true);
  EXPECT_FALSE(page.Find("Edit_szsz_")->enabled);
  EXPECT_FALSE(page.Find("Edit_ff_")->enabled);
  Check("CheckBox_szc_", false);
  Check("CheckBox_szsz_", false);
  for (const char* name : {"Edit_szc_", "Edit_szsz_", "Edit_ff_"})
    EXPECT_TRUE(page.Find(name)->enabled) << name;
}

// What each choice offers and does to the dialog; the listings are golden.
TEST_F(DrillCircle, ChoosingRereadingAndMindenFurat) {
  Set("Edit_drc_", "4");
  page.Memo1().Add("(régi)");
  Select(1);
  EXPECT_TRUE(page.Memo1().Lines().empty());
  ExpectSelector({true, false, true}, true);
  Accept({1, 2, 3, 4});
  EXPECT_FALSE(holes.IsOpen());
  Select(2);  // "Újra választ": read again, every box ticked
  ExpectSelector({true, true, false}, true);
  EXPECT_EQ(holes.ShowCount(), 2);
  holes.Ticks()[0] = false;
  ASSERT_TRUE(holes.PressReread());
  EXPECT_EQ(holes.Ticks(), std::vector<bool>(4, true));
  Accept({1});
  EXPECT_FALSE(holes.PressAccept());  // closed: nothing more is taken
  EXPECT_EQ(Holes(), (Lines{"G83 X-10.0000 Y0.0000 Z-10.0000 Q2 R1 F100", "X0.0000 Y-10.0000",
                            "X10.0000 Y0.0000"}));  // the last accept counts
  EXPECT_EQ(Holes().size(), 4u);                    // once
  Select(1);
  Accept({2, 3});
  Select(0);  // "Minden furat" drops the selection
  EXPECT_EQ(V().u8_anc, 0);
  ExpectSelector({true, true, false}, false);
  EXPECT_EQ(Holes().size(), 4u);
}

TEST_F(DrillCircle, AReadingWithErrorsGivesNoSelection) {
  Set("Edit_drc_", "4");
  Create();
  Set("Edit_drc_", "0");
  Select(1);
  EXPECT_EQ(messages.shown.size(), 1u);
  ASSERT_TRUE(holes.IsOpen());  // on the table as computed, with the count last accepted
  EXPECT_EQ(holes.Boxes().size(), 4u);
  Accept({1});
  EXPECT_EQ(page.Find("RadioGroup1")->itemIndex, 0);
  ExpectSelector({true, true, false}, false);
  EXPECT_EQ(V().u8_anc, 0);
}

// A create with a selection pending reads a page changed since the table
// again: the ticks stand while the holes stay where they were, and the
// create is refused, the selection still pending, where they would move.
TEST_F(DrillCircle, AChangedPageIsReadAgainAndItsSelectionStandsOnlyOnTheSameHoles) {
  const struct {
    const char *field, *text;
    bool kept;
  } cases[] = {{"Edit_m_", "-12", true},   {"Edit_r_", "20,0", true}, {"Edit_ane_", "0,0", true},
               {"Edit_x_", "0,5", false},  {"Edit_y_", "-1", false},  {"Edit_r_", "30", false},
               {"Edit_ane_", "45", false}, {"Edit_drc_", "5", false}};
  Set("Edit_drc_", "4");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + "=" + c.text);
    const std::string was = page.Find(c.field)->text;
    Select(0);
    Select(1);
    Accept({2});
    Set(c.field, c.text);
    EXPECT_EQ(Holes().size(), c.kept ? 3u : 0u);
    EXPECT_EQ(messages.Texts().size(), c.kept ? 0u : 1u);
    Set(c.field, was);
    if (!c.kept) {
      EXPECT_EQ(Holes().size(), 3u);
    }
  }
}

// A reading that fails leaves no values to be written from the table, and
// the ticks given meanwhile count.
TEST_F(DrillCircle, ASelectionOutlivesTheReadingsThatFailed) {
  Set("Edit_drc_", "4");
  Select(1);
  Set({{"Edit_x_", "3"}, {"Edit_ff_", "ezer"}});
  EXPECT_THROW(Create(), ConvertError);
  Set("Edit_ff_", "0");
  EXPECT_TRUE(Create().empty());
  Accept({2});
  Set({{"Edit_x_", "0,0000"}, {"Edit_ff_", "1000"}});
  const Lines l = Create();
  EXPECT_TRUE(Has(l, {"G0 Z5", "G0 X0 Y0"}));
  EXPECT_EQ(Between(l, "(főciklus)", "(főciklus vége)"),
            (Lines{"G83 X0.0000 Y10.0000 Z-10.0000 Q2 R1 F100", "X0.0000 Y-10.0000",
                   "X10.0000 Y0.0000"}));
}

TEST_F(DrillCircle, ATextThatIsNoNumberLeavesTheGroupAsItWas) {
  Set("Edit_ane_", "tíz");
  EXPECT_THROW(Radio("RadioGroup1", 1), ConvertError);
  EXPECT_EQ(page.Find("RadioGroup1")->itemIndex, 0);
  ExpectSelector({true, true, false}, false);
}

TEST_F(DrillCircle, BoxCaptionsAndWidthsFollowTheHoleCount) {
  const struct {
    const char* count;
    size_t probe;  // a hole whose box is checked
    HoleBox box;
  } cases[] = {{"4", 1, {280, 80, 120, "X0,0000 Y10,0000"}},
               {"4", 2, {80, 280, 120, "X-10,0000 Y0,0000"}},
               {"4", 3, {280, 480, 120, "X0,0000 Y-10,0000"}},
               {"12", 3, {280, 80, 120, "X0,0000 Y10,0000"}},
               {"12", 12, {480, 280, 120, "X10,0000 Y0,0000"}},
               {"12", 1, {453, 180, 120, "X8,6603 Y5,0000"}},
               {"13", 1, {457, 187, 30, "1."}},
               {"13", 13, {480, 280, 30, "13."}},
               {"40", 40, {480, 280, 30, "40."}},
               {"41", 41, {480, 280, 10, ""}},
               {"1000", 250, {280, 80, 10, ""}},
               {"1000", 1000, {480, 280, 10, ""}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.count) + " holes, hole " + std::to_string(c.probe));
    Select(0);
    Set("Edit_drc_", c.count);
    Select(1);
    ASSERT_EQ(holes.Boxes().size(), static_cast<size_t>(std::stoi(c.count)));
    EXPECT_EQ(holes.Boxes()[c.probe - 1], c.box);
    EXPECT_EQ(holes.Ticks(), std::vector<bool>(holes.Boxes().size(), true));
  }
  Accept({});
  EXPECT_EQ(Holes().size(), 1000u);  // every hole of the last table
}

TEST_F(DrillCircle, ShownOffersNoChoosingAgain) {
  Select(1);
  page.Shown();
  ExpectSelector({true, false, false}, true);
}

// The rectangular drilling page: the drilling page's form, nothing enabled,
// nothing runs.
using DrillRectangle = test::PageFixture<TFrame10>;

TEST_F(DrillRectangle, EveryControlIsDisabledAndNothingRuns) {
  const TFrame8 drilling(context);
  ASSERT_EQ(page.Controls().size(), drilling.Controls().size());
  for (const Control* c : page.Controls()) {
    SCOPED_TRACE(c->name);
    EXPECT_FALSE(c->enabled);
    for (bool item : c->itemEnabled) EXPECT_FALSE(item);
    EXPECT_EQ(c->caption, drilling.Find(c->name)->caption);
    EXPECT_FALSE(page.Fire(c->name));
  }
  EXPECT_FALSE(page.ListingEnabled());
}

}  // namespace
}  // namespace verlo
