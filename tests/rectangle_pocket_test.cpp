#include <gtest/gtest.h>

#include "gcode/numbers.h"
#include "support/page_fixture.h"
#include "wizards/rectangle_pocket/rectangle_pocket_page.h"

namespace verlo {
namespace {

using test::Lines;
using RectanglePocket = test::PageFixture<TFrame4>;

// The default listing itself is the golden case "defaults".
TEST_F(RectanglePocket, DefaultsWriteSilently) {
  EXPECT_FALSE(Create().empty());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(page.Find("Edit_rc_")->text, "2,5");
}

TEST_F(RectanglePocket, StepOverLabelsFollowTheScrollBar) {
  EXPECT_EQ(page.Find("Label4")->text, "50 %");  // shown by the page's showing
  EXPECT_EQ(page.Find("Label5")->text, "2,5000 mm");
  Set("Edit_sz_", "6");
  Scroll(40);
  EXPECT_EQ(page.Find("Label4")->text, "40 %");
  EXPECT_EQ(page.Find("Label5")->text, "2,4000 mm");
  Set("Edit_sz_", "hat");
  EXPECT_THROW(page.Fire("ScrollBar1"), ConvertError);
}

TEST_F(RectanglePocket, WidePocketGetsAPartialRingAtTheWalls) {
  Set("Edit_xd_", "30");
  Set("Edit_yd_", "20");
  Set("Edit_sz_", "6");
  Scroll(40);
  const Lines& l = Create();
  const auto& p = page.PathValues();
  EXPECT_EQ(FormatFloat4(p.Lx), "10,0000");
  EXPECT_EQ(p.Ly, 0);
  EXPECT_EQ(FormatFloat4(p.so), "2,4000");
  EXPECT_EQ(p.n, 2);
  EXPECT_EQ(FormatFloat4(p.r), "2,2000");
  EXPECT_TRUE(Has(l, {"(oldalirányú fogás 40%)"}));
  EXPECT_TRUE(Has(l, {"(főciklus)", "G1 X10.0000 Y10.0000 F300", "G1 Z0.0000 F150",
                      "G1 X20.0000 Y10.0000 Z-2.0000"}));
  EXPECT_TRUE(
      Has(l, {"G1 X3.0000 Y3.0000 F150", "G1 X3.0000 Y17.0000 F300", "G1 X27.0000 Y17.0000",
              "G1 X27.0000 Y3.0000", "G1 X3.0000 Y3.0000", "(főciklus vége)"}));  // the last ring
}

TEST_F(RectanglePocket, PassesStraightEntryAndCcw) {
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "0,5");  // an exact multiple takes one pass more
  Radio("RadioGroup_zi_", 0);
  Radio("RadioGroup_cw_", 1);
  const Lines& l = Create();
  EXPECT_EQ(page.Values().passes.count, 5);
  EXPECT_EQ(Between(l, "(marás mélysége -2.0000)", "G21 G90"),
            (Lines{"(mélységi ciklusok száma 5)", "(ciklusonkénti mélység -0.4000)",
                   "(lépésenkénti max fogási mélység 0.5)", "(oldalirányú fogás 50%)",
                   "(forgásirány CCW)", "(Z tengely egyenesen le mozog)",
                   "(csak egy téglalapzseb készül)"}));
  EXPECT_TRUE(
      Has(l, {"(főciklus)", "(1. mélységi ciklus)", "G1 X10.0000 Y20.0000 F300", "G1 Z-0.4000 F150",
              "G1 X10.0000 Y10.0000", "G1 X7.5000 Y7.5000 F150", "G1 X12.5000 Y7.5000 F300",
              "G1 X12.5000 Y22.5000", "G1 X7.5000 Y22.5000", "G1 X7.5000 Y7.5000"}));
  // After the outer ring the next pass starts from the centre line at its level.
  EXPECT_TRUE(Has(l, {"G1 X2.5000 Y2.5000", "(2. mélységi ciklus)", "G1 X10.0000 Y20.0000 F300",
                      "G1 Z-0.8000 F150", "G1 X10.0000 Y10.0000"}));
}

TEST_F(RectanglePocket, RampStartsEachLaterPassAtThePreviousLevel) {
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "1,5");
  Check("CheckBox_msg_", false);
  const Lines& l = Create();
  EXPECT_TRUE(Has(l, {"G1 X10.0000 Y10.0000 F300", "G1 Z0.0000 F150",
                      "G1 X10.0000 Y20.0000 Z-1.0000", "G1 X10.0000 Y10.0000"}));
  EXPECT_TRUE(Has(l, {"G1 X2.5000 Y2.5000", "G1 X10.0000 Y10.0000 F300", "G1 Z-1.0000 F150",
                      "G1 X10.0000 Y20.0000 Z-2.0000", "G1 X10.0000 Y10.0000"}));
}

TEST_F(RectanglePocket, NarrowAndSquarePockets) {
  Set("Edit_xd_", "5");  // as narrow as the tool: only the centre line
  Check("CheckBox_msg_", false);
  Radio("RadioGroup_zi_", 0);
  const Lines& narrow = Create();
  EXPECT_EQ(page.PathValues().n, 0);
  EXPECT_EQ(page.PathValues().r, 0);
  EXPECT_TRUE(Has(narrow, {"G1 X2.5000 Y27.5000 F300", "G1 Z-2.0000 F150", "G1 X2.5000 Y2.5000",
                           "G1 Z0.0000 F150"}));
  Set("Edit_xd_", "30");  // square: the plunge is at the centre
  const Lines& square = Create();
  EXPECT_TRUE(
      Has(square, {"G1 X15.0000 Y15.0000 F300", "G1 Z-2.0000 F150", "G1 X15.0000 Y15.0000"}));
}

TEST_F(RectanglePocket, SeriesNoToolAndNoComments) {
  Radio("RadioGroup_s_", 1);
  Check("CheckBox_szsz_", true);
  Radio("RadioGroup_h_", 2);
  const size_t first = Create().size();
  Set("Edit_x_", "");
  const Lines& l = Create();
  ASSERT_EQ(l.size(), 2 * first);
  EXPECT_EQ(page.Find("Edit_x_")->text, "0");
  EXPECT_TRUE(
      Has(l, {"(sorozat téglalapzsebek készülnek)", "G0 Z5.0000", "G0 X0.0000 Y0.0000", "M8"}));
  EXPECT_EQ(Between(l, "(főciklus vége)", "(Téglalapzseb - rectangle pocket)"),
            (Lines{"G1 Z0.0000 F150", "G0 Z5.0000", "G0 X0.0000 Y0.0000", " ", " "}));
  for (const auto& line : l)
    EXPECT_TRUE(line[0] != 'T' && line[0] != 'S' && line != "G4 P2000" && line != "M5" &&
                line != "M9" && line != "M30" && line != "G21 G90")
        << line;
  Radio("RadioGroup_s_", 0);
  Check("CheckBox_msg_", false);
  const Lines& plain = Create();
  for (const auto& line : plain) EXPECT_TRUE(line[0] != '(' && line != " ") << line;
  EXPECT_EQ(Block(plain, "M9", 3), (Lines{"M9", "M30"}));  // the listing ends there
}

TEST_F(RectanglePocket, MessagesOfTheSizesAndTheCornerRadius) {
  Set("Edit_xd_", "0");
  Set("Edit_yd_", "4");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(messages.Texts(),
            (Lines{"A téglalapzseb X átmérője \"0\", vagy nem adtál meg értéket.",
                   "A téglalapzseb Y átmérője kisebb mint a szerszám átmérője."}));
  for (const auto& s : messages.shown) EXPECT_EQ(s.caption, test::kErrorCaption);
  // A refused diameter keeps the last one, so the radius shows its half and
  // is larger than half of the refused text.
  Set("Edit_xd_", "20");
  Set("Edit_yd_", "30");
  Set("Edit_sz_", "0");
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "Szerszám átmérője \"0\", vagy nem adtál meg értéket.");
  EXPECT_EQ(messages.shown[1].text,
            "A sarokrádiusz nagyobb mint a szerszám átmérő fele. Ez nem hiba, ha szándékosan "
            "adtad meg. A program ezzel az értékkel tovább megy.");
  EXPECT_EQ(messages.shown[1].caption, "Figyelmeztetés");
  EXPECT_EQ(page.Find("Edit_rc_")->text, "2,5");
  Set("Edit_sz_", "");  // the size checks read the diameter again: it must be a number
  EXPECT_THROW(page.Button1Click(), ConvertError);
}

TEST_F(RectanglePocket, TooSmallStepsAreRefused) {
  Scroll(0);
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(messages.shown,
            (std::vector<test::Shown>{{"A fogás szélessége túl kicsi: a zseb legfeljebb 99 körben "
                                       "készülhet el.",
                                       test::kErrorCaption}}));
  Scroll(1);  // 0.05 mm would need 150 rings
  EXPECT_TRUE(Create().empty());
  Scroll(4);  // 0.2 mm: 37 rings
  EXPECT_FALSE(Create().empty());
  EXPECT_EQ(page.PathValues().n, 37);
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "0,01");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(messages.Texts(), (Lines{"A lépésenkénti maximális fogási mélység túl kicsi: "
                                     "legfeljebb 100 mélységi ciklus lehet."}));
  EXPECT_EQ(page.Values().passes.count, 0);
}

TEST_F(RectanglePocket, PositiveDepthWarnsAndCutsUpward) {
  Set("Edit_m_", "1,5");
  const Lines& l = Create();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Figyelmeztetés");
  EXPECT_EQ(LineAfter(l, "(főciklus)", 3), "G1 X10.0000 Y20.0000 Z1.5000");
}

}  // namespace
}  // namespace verlo
