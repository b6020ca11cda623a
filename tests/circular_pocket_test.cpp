#include <gtest/gtest.h>

#include "gcode/numbers.h"
#include "support/page_fixture.h"
#include "wizards/circular_pocket/circular_pocket_page.h"

namespace verlo {
namespace {

using test::Lines;
using CircularPocket = test::PageFixture<TFrame3>;

const char kSeries[] =
    "Sorozatmarás esetén a kezdeti beállításokat valamint a végén szokásos M kódokat nem "
    "tartalmazza.";

// The form as it opens: caption, value, caption label and enabled state.
TEST_F(CircularPocket, ControlsOpenWithTheirCaptionsAndDefaults) {
  struct Row {
    const char *name, *caption, *value, *label;
    bool enabled;
  };
  const Row rows[] = {
      {"Edit1", "X tengely kezdőpontja:", "0,0000", "Label2", true},
      {"Edit2", "Y tengely kezdőpontja:", "0,0000", "Label3", true},
      {"Edit11", "Z tengely kezdőpontja:", "0,0000", "Label13", true},
      {"Edit12", "biztonsági Z: +", "5", "Label14", true},
      {"Edit7", "Marás mélysége:", "-2,0000", "Label9", true},
      {"Edit4", "Körzseb átmérője:", "20", "Label12", true},
      {"ScrollBar1", "Fogás szélessége a szerszám szélességének arányában: ", "50", "Label10",
       true},
      {"Label4", "%", "%", "", true},
      {"Label5", "mm", "mm", "", true},
      {"Edit3", "Szerszám átmérő:", "5", "Label6", true},
      {"Edit9", "Lépésenkénti maximális fogási mélység: ", "0,6", "Label11", false},
      {"CheckBox2", "nincs", "1", "", true},
      {"Edit13", "Szerszám száma:", "1", "Label15", true},
      {"CheckBox1", "nincs", "0", "", true},
      {"Edit14", "Főorsó fordulata: ", "1000", "Label16", true},
      {"Edit5", "G1 feed:", "150", "Label7", true},
      {"Edit6", "G2, G3 feed:", "300", "Label8", true},
      {"RadioGroup3", " Spirál forgásiránya óramutató járásával ", "0", "", true},
      {"RadioGroup4", " Forgásirány ", "0", "", true},
      {"RadioGroup2", " Hűtés ", "0", "", true},
      {"RadioGroup5", " Szerszám Z irányban ", "1", "", true},
      {"RadioGroup6", " Sorozat marás ", "0", "", true},
      {"CheckBox5", "Megjegyzésekkel", "1", "", true},
      {"Button1", "Létrehozás", "", "", true},
      {"Button2", "Törlés", "", "", true},
  };
  ASSERT_EQ(page.Controls().size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    const Control& c = *page.Controls()[i];
    SCOPED_TRACE(r.name);
    EXPECT_EQ(c.name, r.name);
    EXPECT_EQ(c.caption, r.caption);
    EXPECT_EQ(c.ValueText(), r.value);
    EXPECT_EQ(c.labelName, r.label);
    EXPECT_EQ(c.enabled, r.enabled);
  }
  EXPECT_EQ(page.Find("RadioGroup3")->items, (Lines{"Megegyező (CW)", "Ellentétes (CCW)"}));
  EXPECT_EQ(page.Find("RadioGroup5")->items,
            (Lines{"Le egyenesen csak Z", "Ferdén X és Z tengelyeken"}));
  EXPECT_EQ(page.Find("RadioGroup6")->items, (Lines{"Csak egy körzseb", "Sorozat marás"}));
  EXPECT_EQ(page.Find("RadioGroup2")->items, (Lines{"nincs", "M7", "M8"}));
  EXPECT_TRUE(messages.shown.empty());  // the start-up over the defaults is silent
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
  EXPECT_EQ(messages.shown, (std::vector<test::Shown>{{kSeries, "Figyelmeztetés"}}));
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
  Set("Edit3", "-5");
  Set("Edit4", "4");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(messages.Texts(), (Lines{"A szerszám átmérője nem lehet negatív."}));
  EXPECT_EQ(page.Values().toolDiameter, 5);
  EXPECT_EQ(page.PocketDiameter(), 4);
  Set("Edit3", "5");
  Set("Edit4", "0");
  EXPECT_TRUE(Create().empty());
  EXPECT_EQ(page.PocketDiameter(), 4);
  Set("Edit3", "");  // the comparison needs a number
  Set("Edit4", "20");
  EXPECT_THROW(page.Button1Click(), ConvertError);
}

TEST_F(CircularPocket, PathValues) {
  struct Row {
    const char *pocket, *tool;
    int percent;
    const char *s, *r;
    int n;
  };
  const Row rows[] = {
      {"20", "5", 50, "2,5000", "0,0000", 3},      {"23", "5", 40, "2,0000", "1,0000", 4},
      {"5", "5", 50, "2,5000", "0,0000", 0},       {"10,2", "6", 35, "2,1000", "0,0000", 1},
      {"12", "5", 10, "0,5000", "0,0000", 7},      {"30", "5", 100, "5,0000", "2,5000", 2},
      {"5,00004", "5", 50, "2,5000", "0,0000", 0},  // a remainder too small to print
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.pocket);
    Set("Edit4", r.pocket);
    Set("Edit3", r.tool);
    Scroll(r.percent);
    EXPECT_FALSE(Create().empty());
    EXPECT_EQ(FormatFloat4(page.PathValues().s), r.s);
    EXPECT_EQ(page.PathValues().n, r.n);
    EXPECT_EQ(FormatFloat4(page.PathValues().r), r.r);
  }
}

// The step a create records while accumulation is on.
class CircularPocketSteps : public CircularPocket {
 protected:
  CircularPocketSteps() {
    steps.Reset();
    shell.accumulate = 1;
    shell.wizardIndex = 2;
  }
};

TEST_F(CircularPocketSteps, RecordsTitleStartAndThirteenParameters) {
  const Lines listing = Create();
  ASSERT_EQ(steps.Count(), 1);
  const step_data& s = steps.Step(0);
  EXPECT_EQ(s.number, 0);
  EXPECT_EQ(s.wizard, 2);
  EXPECT_EQ(s.title, "Körzseb - circular pocket X0 Y0 d20");
  EXPECT_EQ((std::vector<long double>{s.x, s.y, s.z, s.w}), (std::vector<long double>{0, 0, 0, 5}));
  const std::vector<std::pair<std::string, long double>> expected = {
      {"Marás mélysége:", -2},
      {"Körzseb átmérője:", 20},
      {"Fogás szélessége a szerszám szélességének arányában: ", 50},
      {"Szerszám átmérő:", 5},
      {"Lépésenkénti maximális fogási mélység: ", -2},
      {"Szerszám száma:", 1},
      {"Főorsó fordulata: ", 1000},
      {" Szerszám Z irányban ", 1},
      {" Sorozat marás ", 0},
      {"G1 feed:", 150},
      {"G2, G3 feed:", 300},
      {" Spirál forgásiránya óramutató járásával ", 0},
      {" Forgásirány ", 0},
      {"", 0},  // the slots after them stay empty
  };
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.params[i].caption, expected[i].first);
    EXPECT_EQ(s.params[i].value, expected[i].second);
  }
  std::string joined;
  for (const auto& line : listing) joined += (joined.empty() ? "" : "\r\n") + line;
  EXPECT_EQ(s.listing, joined);

  // Without a tool both are recorded as 0; numbers in the title as typed.
  Set("Edit1", "12,5");
  Set("Edit2", "-3");
  Set("Edit4", "20,25");
  Check("CheckBox1", true);
  Radio("RadioGroup3", 1);
  Create();
  const step_data& t = steps.Step(1);
  EXPECT_EQ(t.number, 1);
  EXPECT_EQ(t.title, "Körzseb - circular pocket X12,5 Y-3 d20,25");
  EXPECT_EQ(t.params[5].value, 0);
  EXPECT_EQ(t.params[6].value, 0);
  EXPECT_EQ(t.params[11].value, 1);
}

TEST_F(CircularPocketSteps, ARefusedCreateIsRecordedAndAFullStoreSaysSo) {
  Set("Edit4", "4");
  EXPECT_TRUE(Create().empty());
  ASSERT_EQ(steps.Count(), 1);
  EXPECT_EQ(steps.Step(0).listing, "");
  EXPECT_EQ(steps.Step(0).params[1].value, 20);  // the refused diameter is not stored
  Set("Edit4", "20");
  while (steps.Count() < StepStore::kCapacity) Create();
  EXPECT_TRUE(messages.shown.empty());
  const size_t lines = Create().size();  // the 102nd step
  EXPECT_GT(lines, 0u);
  EXPECT_EQ(steps.Count(), StepStore::kCapacity);
  EXPECT_EQ(messages.shown,
            (std::vector<test::Shown>{{"A göngyölítő tárolója megtelt: legfeljebb 101 lépés "
                                       "fér el benne.",
                                       "Figyelmeztetés"}}));
  shell.accumulate = 0;  // nothing recorded, nothing said
  Create();
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace verlo
