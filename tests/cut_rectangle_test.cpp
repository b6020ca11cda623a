#include <gtest/gtest.h>

#include "gcode/numbers.h"
#include "support/page_fixture.h"
#include "wizards/cut_rectangle/cut_rectangle_page.h"

namespace verlo {
namespace {

using test::Lines;
using CutRectangle = test::PageFixture<TFrame7>;

// The default listing itself is the golden case "defaults".
TEST_F(CutRectangle, DefaultsWriteSilently) {
  EXPECT_FALSE(Create().empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CutRectangle, StraightCcwInThreePasses) {
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "0,8");
  Radio("RadioGroup_zi_", 0);
  Radio("RadioGroup_cw_", 1);
  const Lines& l = Create();
  EXPECT_EQ(page.Values().passes.count, 3);
  EXPECT_EQ(Between(l, "(marás mélysége -2.0000)", "G21 G90"),
            (Lines{"(mélységi ciklusok száma 3)", "(ciklusonkénti mélység -0.6667)",
                   "(lépésenkénti max fogási mélység 0.8)", "(forgásirány CCW)",
                   "(Z tengely egyenesen le mozog)", "(csak egy téglalap kivágás készül)"}));
  // Each pass: down to its level, once round; no level lap after a straight entry.
  const Lines marks = {"(1. mélységi ciklus)", "(2. mélységi ciklus)", "(3. mélységi ciklus)",
                       "(főciklus vége)"};
  const Lines levels = {"G1 Z-0.6667 F150", "G1 Z-1.3333 F150", "G1 Z-2.0000 F150"};
  for (size_t i = 0; i < levels.size(); ++i)
    EXPECT_EQ(Between(l, marks[i], marks[i + 1]),
              (Lines{levels[i], "G1 X20.0000 Y0.0000 F300", "G1 X20.0000 Y30.0000",
                     "G1 X0.0000 Y30.0000", "G1 X0.0000 Y0.0000"}));
}

TEST_F(CutRectangle, RampDescendsAPassPerLapThenALevelLap) {
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "0,5");  // an exact multiple: 5 passes of -0.4
  Check("CheckBox_msg_", false);
  const Lines& l = Create();
  EXPECT_EQ(page.Values().passes.count, 5);
  EXPECT_TRUE(Has(
      l, {"G1 Z0.0000 F150", "G1 X0.0000 Y30.0000 Z-0.1000 F300", "G1 X20.0000 Y30.0000 Z-0.2000",
          "G1 X20.0000 Y0.0000 Z-0.3000", "G1 X0.0000 Y0.0000 Z-0.4000"}));
  EXPECT_EQ(Between(l, "G1 Z0.0000 F150", "G1 X0.0000 Y0.0000 Z-2.0000").size(), 19u);  // 5 laps
  EXPECT_TRUE(Has(l, {"G1 X0.0000 Y0.0000 Z-2.0000", "G1 X0.0000 Y30.0000 Z-2.0000 F300",
                      "G1 X20.0000 Y30.0000 Z-2.0000", "G1 X20.0000 Y0.0000 Z-2.0000",
                      "G1 X0.0000 Y0.0000 Z-2.0000", "G1 Z0.0000 F150"}));
}

TEST_F(CutRectangle, RefusedToolDiameterReadsZero) {
  Set("Edit_sz_", " ");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(page.Find("Edit_sz_")->text, "0");
  EXPECT_EQ(page.Values().toolDiameter, 0);
  EXPECT_EQ(page.Find("Edit_rc_")->text, "0");
  EXPECT_EQ(messages.Texts(),
            (Lines{"Szerszám átmérője \"0\", vagy nem adtál meg értéket.",
                   "A sarokrádiusz \"0\", vagy nem adtál meg értéket. Értéke minimum a "
                   "szerszámátmérő fele."}));
}

TEST_F(CutRectangle, EveryCheckInOneRun) {
  Set("Edit_m_", "");
  Set("Edit_sz_", "0");
  Set("Edit_xd_", "0");
  Set("Edit_yd_", "-1");  // smaller than the diameter, now read as 0
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "0");
  Set("Edit_szsz_", "");
  Set("Edit_ff_", "0");
  Set("Edit_g1_", "");
  Set("Edit_g23_", " ");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(
      messages.Texts(),
      (Lines{"Marás mélyége \"0\", vagy nem adtál meg értéket.",
             "Szerszám átmérője \"0\", vagy nem adtál meg értéket.",
             "A négyzetzseb X átmérője \"0\", vagy nem adtál meg értéket.",
             "A négyzetzseb Y átmérője kisebb mint a szerszám átmérője.",
             "A sarokrádiusz \"0\", vagy nem adtál meg értéket. Értéke minimum a "
             "szerszámátmérő fele.",
             "Lépésenkénti maximális fogási mélység \"0\", vagy nem adtál meg értéket.",
             "Szerszám száma \"0\", vagy nem adtál meg értéket.",
             "Főorsó fordulat \"0\", vagy nem adtál meg értéket.",
             "G1 előtolási értékét nem adtad meg.", "G2 és G3 előtolási értékét nem adtad meg."}));
  for (const auto& m : messages.shown) EXPECT_EQ(m.caption, test::kErrorCaption);
  // A positive depth is only a warning.
  Set("Edit_m_", "2");
  Set("Edit_sz_", "5");
  Set("Edit_xd_", "20");
  Set("Edit_yd_", "30");
  Check("CheckBox_szc_", true);
  Set("Edit_szsz_", "1");
  Set("Edit_ff_", "1000");
  Set("Edit_g1_", "150");
  Set("Edit_g23_", "300");
  const Lines& l = Create();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Figyelmeztetés");
  EXPECT_EQ(LineAfter(l, "(főciklus)", 4), "G1 X0.0000 Y0.0000 Z2.0000");
}

TEST_F(CutRectangle, SizeMessagesAndAToolWideRectangle) {
  Set("Edit_xd_", "");
  Set("Edit_yd_", "4,99");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(messages.Texts(), (Lines{"A négyzetzseb X átmérője \"0\", vagy nem adtál meg értéket.",
                                     "A négyzetzseb Y átmérője kisebb mint a szerszám átmérője."}));
  // The path is computed only after passing checks: the count stays.
  EXPECT_EQ(page.Values().passes.count, 1);
  Set("Edit_xd_", "5");
  Set("Edit_yd_", "5");
  EXPECT_EQ(LineAfter(Create(), "(főciklus)", 2), "G1 X5.0000 Y5.0000 Z-1.0000");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CutRectangle, SeriesAndNoTool) {
  Radio("RadioGroup_s_", 1);
  Check("CheckBox_szsz_", true);
  Radio("RadioGroup_h_", 1);
  Set("Edit_x_", "-10");
  const size_t first = Create().size();
  const Lines& l = Create();
  ASSERT_EQ(l.size(), 2 * first);
  EXPECT_TRUE(Has(l, {"(sorozat téglalap kivágások készülnek)", "G0 Z5.0000",
                      "G0 X-10.0000 Y0.0000", "M7", "G1 X-10.0000 Y0.0000 F300"}));
  EXPECT_EQ(Between(l, "(főciklus vége)", "(Téglalap kivágás - cut rectangle)"),
            (Lines{"G1 Z0.0000 F150", "G0 Z5.0000", "G0 X-10.0000 Y0.0000", " ", " "}));
  for (const auto& line : l)
    EXPECT_TRUE(line[0] != 'T' && line[0] != 'S' && line != "G4 P2000" && line != "M5" &&
                line != "M9" && line != "M30" && line != "G21 G90")
        << line;
}

}  // namespace
}  // namespace verlo
