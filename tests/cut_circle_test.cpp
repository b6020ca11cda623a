#include <gtest/gtest.h>

#include "gcode/numbers.h"
#include "support/page_fixture.h"
#include "wizards/cut_circle/cut_circle_page.h"

namespace verlo {
namespace {

using test::Lines;
using CutCircle = test::PageFixture<TFrame5>;
const char* const kErr = test::kErrorCaption;

// The default listing itself is the golden case "defaults".
TEST_F(CutCircle, DefaultsWriteSilently) {
  EXPECT_FALSE(Create().empty());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(page.LastCreateWrote());
}

TEST_F(CutCircle, PassesStraightEntryAndCcw) {
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "0,6");  // a positive step for a negative depth: 4 passes of -0.5
  Radio("RadioGroup_zi_", 0);
  Radio("RadioGroup_cw_", 1);
  Set("Edit_x_", "10");
  Set("Edit_y_", "-5,5");
  const Lines& l = Create();
  EXPECT_EQ(page.Values().passes.count, 4);
  EXPECT_EQ(Between(l, "(marás mélysége -2.0000)", "G21 G90"),
            (Lines{"(mélységi ciklusok száma 4)", "(ciklusonkénti mélység -0.5000)",
                   "(lépésenkénti max fogási mélység 0.6)", "(forgásirány CCW)",
                   "(Z tengely egyenesen le mozog)", "(csak egy kör kivágás készül)"}));
  EXPECT_TRUE(
      Has(l, {"(főciklus)", "(1. mélységi ciklus)", "G1 Z-0.5000 F150",
              "G3 X17.5000 Y-5.5000 R7.5000 F300", "G3 X2.5000 Y-5.5000 R7.5000",
              "(2. mélységi ciklus)", "G1 Z-1.0000 F150", "G3 X17.5000 Y-5.5000 R7.5000 F300"}));
  EXPECT_EQ(LineAfter(l, "(4. mélységi ciklus)"), "G1 Z-2.0000 F150");
  EXPECT_EQ(LineAfter(l, "(4. mélységi ciklus)", 4), "(főciklus vége)");
}

TEST_F(CutCircle, PassCounts) {
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "0,5");  // an exact multiple takes one pass more
  Create();
  EXPECT_EQ(page.Values().passes.count, 5);
  EXPECT_EQ(FormatFloat4(page.Values().passes.dp), "-0,4000");
  Set("Edit_szc_", "-3");  // at least the depth: one pass, no per-pass comments
  const Lines& l = Create();
  EXPECT_EQ(page.Values().passes.count, 1);
  for (const auto& line : l)
    EXPECT_TRUE(line.find("(mélységi ciklus") == std::string::npos &&
                line.find("(ciklusonkénti") == std::string::npos &&
                line.find("(lépésenkénti") == std::string::npos)
        << line;
}

TEST_F(CutCircle, HelixWithPassesEndsWithALevelCircle) {
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "1,5");
  Check("CheckBox_msg_", false);
  const Lines& l = Create();
  EXPECT_EQ(
      l, (Lines{"G21 G90", "G0 Z5.0000", "G0 X0.0000 Y0.0000", "T1 M6", "S1000 M3", "G4 P2000",
                "G1 X-7.5000 Y0.0000 F300", "G1 Z0.0000 F150",
                "G2 X7.5000 Y0.0000 Z-0.5000 R7.5000 F300", "G2 X-7.5000 Y0.0000 Z-1.0000 R7.5000",
                "G2 X7.5000 Y0.0000 Z-1.5000 R7.5000 F300", "G2 X-7.5000 Y0.0000 Z-2.0000 R7.5000",
                "G2 X7.5000 Y0.0000 Z-2.0000 R7.5000 F300", "G2 X-7.5000 Y0.0000 Z-2.0000 R7.5000",
                "G1 Z0.0000 F150", "G0 Z5.0000", "G0 X0.0000 Y0.0000", "M5", "M30"}));
}

TEST_F(CutCircle, SeriesAppendsAndChangingItClears) {
  Create();
  Radio("RadioGroup_s_", 1);
  EXPECT_EQ(messages.shown.back().text,
            "Sorozatmarás esetén a kezdeti beállításokat valamint a végén szokásos M kódokat nem "
            "tartalmazza.");
  EXPECT_EQ(messages.shown.back().caption, "Figyelmeztetés");
  EXPECT_TRUE(page.Memo1().Lines().empty());
  Radio("RadioGroup_h_", 2);
  const size_t first = Create().size();
  Set("Edit_x_", "30");
  const Lines& l = Create();
  ASSERT_EQ(l.size(), 2 * first);
  EXPECT_EQ(LineAfter(l, "(sorozat kör kivágások készülnek)"), "G0 Z5.0000");  // no "G21 G90"
  EXPECT_EQ(LineAfter(l, "G4 P2000"), "M8");  // tool block and coolant for every program
  EXPECT_EQ(Between(l, "(főciklus vége)", "(Kör kivágás - cut circle)"),
            (Lines{"G1 Z0.0000 F150", "G0 Z5.0000", "G0 X0.0000 Y0.0000", " ", " "}));
  EXPECT_EQ(l.back(), " ");
  for (const auto& line : l) EXPECT_TRUE(line != "M30" && line != "M9" && line != "M5") << line;
  Radio("RadioGroup_s_", 0);
  EXPECT_TRUE(page.Memo1().Lines().empty());
  EXPECT_EQ(Create().back(), "M30");
}

TEST_F(CutCircle, NoToolAndCoolant) {
  Check("CheckBox_szsz_", true);
  EXPECT_FALSE(page.Find("Edit_szsz_")->enabled);
  EXPECT_FALSE(page.Find("Edit_ff_")->enabled);
  Set("Edit_szsz_", "");  // not read while "nincs" is checked
  Set("Edit_ff_", "x");
  Radio("RadioGroup_h_", 1);
  const Lines& l = Create();
  EXPECT_TRUE(messages.shown.empty());
  for (const auto& line : l)
    EXPECT_TRUE(line[0] != 'T' && line[0] != 'S' && line != "G4 P2000" && line != "M5") << line;
  EXPECT_TRUE(Has(l, {"G0 X0.0000 Y0.0000", "M7"}));
  EXPECT_EQ(Block(l, "M9", 3), (Lines{"M9", "M30"}));  // the listing ends there
  Check("CheckBox_szsz_", false);
  Set("Edit_szsz_", "01");
  Set("Edit_ff_", "1000");
  Radio("RadioGroup_m34_", 1);
  EXPECT_TRUE(Has(Create(), {"G0 X0.0000 Y0.0000", "T01 M6", "S1000 M4"}));
}

TEST_F(CutCircle, EachBadFieldHasItsMessageAndNothingIsWritten) {
  Set("Edit_m_", "0");
  Set("Edit_sz_", "0");
  Set("Edit_r_", "");
  Check("CheckBox_szc_", false);
  EXPECT_TRUE(page.Find("Edit_szc_")->enabled);
  Set("Edit_szc_", " ");
  Set("Edit_szsz_", "0");
  Set("Edit_ff_", "");
  Set("Edit_g1_", "");
  Set("Edit_g23_", "");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(page.Error(), 1);
  EXPECT_FALSE(page.LastCreateWrote());
  EXPECT_EQ(messages.Texts(), (Lines{"Marás mélyége \"0\", vagy nem adtál meg értéket.",
                                     "Szerszám átmérője \"0\", vagy nem adtál meg értéket.",
                                     "A kör átmérője \"0\", vagy nem adtál meg értéket.",
                                     "Lépésenkénti maximális fogási mélység \"0\", vagy nem adtál "
                                     "meg értéket.",
                                     "Szerszám száma \"0\", vagy nem adtál meg értéket.",
                                     "Főorsó fordulat \"0\", vagy nem adtál meg értéket.",
                                     "G1 előtolási értékét nem adtad meg.",
                                     "G2 és G3 előtolási értékét nem adtad meg."}));
  for (const auto& s : messages.shown) EXPECT_EQ(s.caption, kErr);
  // Refused fields keep the values accepted before.
  EXPECT_EQ(page.Values().depth, -2.0L);
  EXPECT_EQ(page.Values().toolDiameter, 5.0L);
}

TEST_F(CutCircle, CircleSmallerThanToolAndEqualToIt) {
  Set("Edit_r_", "4,9");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(messages.Texts(), Lines{"A kör átmérője kisebb mint a szerszám átmérője."});
  Set("Edit_r_", "5");
  // No zero-radius arc: the move it amounts to.
  EXPECT_EQ(LineAfter(Create(), "(főciklus)"), "G1 X0.0000 Y0.0000 Z-1.0000 F300");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CutCircle, WordsPastTheFortiethCharacterKeepTheirPoint) {
  // A helix line this long has its R word past column 40; the coordinate
  // words are written with a point, so the program stays readable.
  Set("Edit_x_", "-1234,5");
  Set("Edit_y_", "-2345,25");
  Set("Edit_z_", "-10,125");
  Set("Edit_r_", "120");
  const Lines& l = Create();
  EXPECT_EQ(LineAfter(l, "(főciklus)"), "G2 X-1177.0000 Y-2345.2500 Z-11.1250 R57.5000 F300");
  // A typed text quoted in a long comment keeps the commas after column 40.
  EXPECT_TRUE(Has(l, {"(kezdőpont X-1234.5 Y-2345.25 Z-10.125)"}));
  Set("Edit_x_", "-1234,50000000000");
  EXPECT_TRUE(Has(Create(), {"(kezdőpont X-1234.50000000000 Y-2345.25 Z-10,125)"}));
}

TEST_F(CutCircle, PositiveDepthIsOnlyAWarning) {
  Set("Edit_m_", "1");
  const Lines& l = Create();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Figyelmeztetés");
  EXPECT_EQ(messages.shown[0].text,
            "Marási mélységnek pozitív számot adtál meg. A program tovább megy, mert az adat nem "
            "rossz, csak nem logikus.");
  EXPECT_EQ(LineAfter(l, "(főciklus)", 2), "G2 X-7.5000 Y0.0000 Z1.0000 R7.5000");
}

TEST_F(CutCircle, TooManyPassesAreRefused) {
  Check("CheckBox_szc_", false);
  Set("Edit_szc_", "0,019");  // -2 needs 106 passes
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(
      messages.shown,
      (std::vector<test::Shown>{{"A lépésenkénti maximális fogási mélység túl kicsi: legfeljebb "
                                 "100 mélységi ciklus lehet.",
                                 kErr}}));
  EXPECT_EQ(page.Values().passes.count, 0);
  Set("Edit_szc_", "0,021");  // 96 passes are fine
  EXPECT_FALSE(Create().empty());
  EXPECT_EQ(page.Values().passes.count, 96);
}

TEST_F(CutCircle, EmptyStartFieldsBecomeZeroAndTextStopsTheAction) {
  Set("Edit_x_", "");
  Set("Edit_zsb_", "  ");
  const Lines& l = Create();
  EXPECT_EQ(page.Find("Edit_x_")->text, "0");
  EXPECT_TRUE(Has(l, {"(kezdőpont X0 Y0.0000 Z0.0000)"}));
  EXPECT_EQ(LineAfter(l, "G21 G90"), "G0 Z0.0000");
  Set("Edit_g23_", "3OO");
  try {
    page.Button1Click();
    FAIL() << "no conversion error";
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'3OO' is not a valid integer value");
  }
  EXPECT_FALSE(page.LastCreateWrote());
}

}  // namespace
}  // namespace verlo
