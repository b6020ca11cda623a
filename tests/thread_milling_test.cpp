// The thread milling page's behaviour beyond its listings (those are golden
// cases): what start-up computes, the boxes that enable nothing, values kept
// from earlier presses, the turn and fit limits, and a listing that survives
// a refused or failed press.
#include <gtest/gtest.h>

#include "gcode/numbers.h"
#include "support/page_fixture.h"
#include "wizards/thread_milling/thread_milling_page.h"

namespace verlo {
namespace {

using test::Lines;
using ThreadMilling = test::PageFixture<TFrame11>;

size_t CountStarting(const Lines& l, const std::string& prefix) {
  size_t n = 0;
  for (const auto& line : l) n += line.compare(0, prefix.size(), prefix) == 0;
  return n;
}

TEST_F(ThreadMilling, StartUpComputesThePassesOfTheDefaults) {
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(page.Memo1().Lines().empty());
  EXPECT_EQ(page.Values().m.passes.count, 3);
  EXPECT_EQ(FormatFloat4(page.Path().r0, '.'), "15.5000");
  EXPECT_EQ(FormatFloat4(page.PassRadius(3), '.'), "14.0000");
  EXPECT_EQ(page.Path().levels.size(), 6u);
  EXPECT_EQ(page.Find("RadioGroup_cw_")->caption, "Menet irány");
}

TEST_F(ThreadMilling, NoneBoxesEnableNothing) {
  Check("CheckBox_szc_", true);
  Check("CheckBox_szsz_", true);
  for (const char* name : {"Edit_szc_", "Edit_szsz_", "Edit_ff_"})
    EXPECT_TRUE(page.Find(name)->enabled) << name;
  // Ticked, their fields are not read at all.
  Set({{"Edit_szc_", "x"}, {"Edit_szsz_", ""}});
  EXPECT_FALSE(Create().empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ThreadMilling, RefusedFieldsKeepTheValuesAcceptedBefore) {
  Set({{"Edit_zm_", "2"}, {"Edit_sz_", "6"}});
  const size_t first = Create().size();
  // The diameter 7 is compared with the tool kept: 6.
  Set({{"Edit_zm_", "0"}, {"Edit_sz_", "-6"}, {"Edit_r_", "7"}});
  EXPECT_EQ(Create().size(), first);  // nothing appended
  EXPECT_EQ(messages.Texts(), (Lines{"Menetemelkedés \"0\", vagy nem adtál meg értéket.",
                                     "A szerszám átmérője nem lehet negatív."}));
  EXPECT_EQ(page.Values().pitch, 2.0L);
  EXPECT_EQ(page.Values().m.toolDiameter, 6.0L);
  EXPECT_EQ(page.Values().diameter, 7.0L);
  EXPECT_FALSE(page.LastCreateWrote());
}

// Turns per pass at the limit and across it, and whole numbers of pitches
// as typed.
TEST_F(ThreadMilling, TurnsPerPass) {
  struct Row {
    const char *pitch, *length;
    int bottomUp;
    int turns;  // -1: refused
  };
  const Row rows[] = {{"1", "1000", 0, 1000}, {"1", "1001", 0, -1}, {"1", "999", 1, 1000},
                      {"1", "1000", 1, -1},   {"0,1", "1", 0, 10},  {"0,1", "1", 1, 11},
                      {"0,3", "0,9", 0, 3},   {"0,7", "2,1", 1, 4}, {"1,5", "1", 0, 0},
                      {"2,5", "10", 1, 5}};
  Check("CheckBox_szc_", true);
  Check("CheckBox_msg_", false);
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.pitch) + " x " + r.length + (r.bottomUp ? " bottom-up" : ""));
    Radio("RadioGroup_upto", r.bottomUp);
    Set({{"Edit_zm_", r.pitch}, {"Edit_ml_", r.length}});
    page.Button2Click();
    const Lines& l = Create();
    if (r.turns < 0) {
      EXPECT_TRUE(l.empty());
      EXPECT_EQ(messages.shown,
                (std::vector<test::Shown>{{kTooManyTurnsMessage, test::kErrorCaption}}));
    } else {
      EXPECT_TRUE(messages.shown.empty());
      EXPECT_EQ(CountStarting(l, r.bottomUp ? "G3 X" : "G2 X"), static_cast<size_t>(r.turns));
    }
  }
}

// An internal thread's tool must clear the axis in the pre-drilled hole;
// sums equal as typed are equal.
TEST_F(ThreadMilling, InternalToolFit) {
  struct Row {
    const char *diameter, *tool, *depth;
    bool fits;
  };
  const Row rows[] = {{"10,2", "8", "1,1", false},  {"10,2001", "8", "1,1", true},
                      {"11", "8", "1,5", false},    {"11,1", "8", "1,5", true},
                      {"0,9", "0,3", "0,3", false}, {"20", "20", "0,1", false}};
  Radio("RadioGroup_cs_", 1);
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.diameter) + " tool " + r.tool + " depth " + r.depth);
    Set({{"Edit_r_", r.diameter}, {"Edit_sz_", r.tool}, {"Edit_m_", r.depth}});
    Create();
    EXPECT_EQ(page.LastCreateWrote(), r.fits);
    EXPECT_EQ(messages.Texts(), r.fits ? Lines{} : Lines{kNutToolTooLargeMessage});
  }
  Radio("RadioGroup_cs_", 0);  // an external thread takes the tool as wide as itself
  Create();
  EXPECT_TRUE(page.LastCreateWrote());
}

TEST_F(ThreadMilling, AFailedPressKeepsTheListingAndClearEmptiesIt) {
  const Lines before = Create();
  ASSERT_EQ(before.front(), " ");
  Set("Edit_g23_", "3OO");
  EXPECT_THROW(page.Button1Click(), ConvertError);
  EXPECT_EQ(page.Memo1().Lines(), before);
  EXPECT_FALSE(page.LastCreateWrote());
  Set("Edit_g23_", "0");
  EXPECT_EQ(Create(), before);
  EXPECT_EQ(page.Error(), 1);
  EXPECT_TRUE(page.Fire("Button2"));
  EXPECT_TRUE(page.Memo1().Lines().empty());
}

}  // namespace
}  // namespace verlo
