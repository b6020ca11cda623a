// The About box's console and variable dump on a memory disk, with the
// simulated host answering in-process and a fake clock.
#include "about/about_box_model.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/fake_host.h"
#include "support/page_fixture.h"
#include "support/recording_messages.h"
#include "wizards/drill_circle/drill_dump.h"

namespace verlo {
namespace {

using Lines = std::vector<std::string>;

Lines Split(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class AboutBox : public ::testing::Test {
 protected:
  void Mdi(const std::string& text) {
    about.SetEdit1(text);
    about.Button1Click();
  }
  // The dump lists these values as the drilling page's.
  void ShowDrilling(const DrillValues& d) {
    about.SetPageVariables([&d] {
      return std::vector<PageVariables>{
          {"Fúrás kör mentén (drill circular bolt pattern)", DrillVariables(d)}};
    });
  }

  test::FakeClock clock;
  test::MemoryFileSystem files{clock};
  test::InProcessHost host{clock, files, "/h"};
  test::RecordingMessages messages;
  ShellState shell;
  HostLinkPaths paths = test::MemoryPaths("/h");
  TAboutBox about{messages, files, clock, shell, paths};
};

TEST_F(AboutBox, MdiSendsTheCommandAndShowsThePosition) {
  Mdi("");
  EXPECT_TRUE(files.files.empty());
  EXPECT_EQ(clock.now, 0);
  Mdi("G0 X10 Y-5 Z2");
  EXPECT_EQ(files.Bytes("/h/command.txt"), "G0 X10 Y-5 Z2\r\n");
  EXPECT_EQ(host.signalled, (Lines{"C\r\n", "G\r\n"}));
  EXPECT_EQ(about.Memo3().Lines(), Lines{"G0 X10 Y-5 Z2"});
  EXPECT_EQ(about.Memo1().Lines(), (Lines{"10.0000", "-5.0000", "2.0000"}));
  EXPECT_EQ(about.Memo2().Lines(),
            (Lines{"WriteCommanFile: G0 X10 Y-5 Z2", "WriteAdatFile: C", "ReadGetXYZ();",
                   "WriteAdatFile: G", "ConvertDot: 10,0000", "ConvertDot: -5,0000",
                   "ConvertDot: 2,0000", "X_pos= 10,0000", "Y_pos= -5,0000", "Z_pos= 2,0000"}));
  EXPECT_EQ(clock.now, 800);
  EXPECT_TRUE(messages.shown.empty());
  about.Button3Click();  // "ClearAll"
  EXPECT_TRUE(about.Memo1().Lines().empty() && about.Memo2().Lines().empty() &&
              about.Memo3().Lines().empty());
}

TEST_F(AboutBox, MdiReportsWhatStopsIt) {
  const struct {
    const char* command;
    std::function<void()> arrange;
    test::Shown expected;
    size_t signalled;
  } cases[] = {
      {"G0 X1",
       [&] { host.answer = "1\r\n2\r\n"; },
       {"'' is not a valid floating point value", "VERLO varázslók", true},
       2},
      {"G0 X1",
       [&] { host.answer = std::string(kPositionFileLimit + 1, '1'); },
       {"A GetXYZ.txt túl nagy, nem olvasható be (legfeljebb 4096 bájt lehet): \"/h/GetXYZ.txt\"",
        "VERLO varázslók", true},
       2},
      {"G0 X1",
       [&] { files.refused = {"/h/command.txt"}; },
       {"Cannot create file \"/h/command.txt\". Access denied", "VERLO varázslók", true},
       0},
      {"G0 X1 (≈)",
       [] {},
       {"A parancsban olyan karakter van, amelyet a VERLO nem tud kezelni: ≈", "Figyelmeztetés"},
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    host.signalled.clear();
    messages.shown.clear();
    c.arrange();
    Mdi(c.command);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], c.expected);
    EXPECT_EQ(messages.shown[0].error, c.expected.error);
    EXPECT_EQ(host.signalled.size(), c.signalled);
  }
}

TEST_F(AboutBox, DumpBeforeAnyDrillProgram) {
  const DrillValues none;
  ShowDrilling(none);
  about.Button2Click();
  EXPECT_EQ(about.Memo2().Lines(), Split(R"(AboutBox változói
Xpos= 0,0000
Ypos= 0,0000
Zpos= 0,0000
X_pos= 
Y_pos= 
Z_pos= 
_CF_= /h/command.txt
_AF_= /h/adatcsere.txt
_FF_= /h/file.txt
_GF_= /h/GetXYZ.txt
<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>
Fúrás kör mentén (drill circular bolt pattern) változói
X tengely középpontja   u8_x_= 0,0000
Y tengely középpontja   u8_y_= 0,0000
Z tengely kezdőpontja   u8_z_= 0,0000
A kör sugara   u8_r_= 0,0000
Biztonsági Z érték   u8_zsb_= 0,0000
Biztonsági Z pozíció   u8_zs_= 0,0000
Szerszám átmérő   u8_sz_= 0,0000
Furatok száma a kör mentén   u8_szc_= 0
A kör átmérője   u8_rd_= 0,0000
Furatok száma számláló   u8_anc= 0
Utolsó furatok száma adat   u8_ancl= 0
_an[0,1..5]= 0°   X(_r_)0,0000   Y(_r_)0,0000   X0,0000   Y0,0000
_an[1,1..5]= 0°   X(_r_)0,0000   Y(_r_)0,0000   X0,0000   Y0,0000
<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>)"));
}

TEST_F(AboutBox, DumpAfterADrillProgramWithASelection) {
  DrillValues d;
  d.u8_x_ = 10;
  d.u8_y_ = 20;
  d.u8_r_ = 12.5;
  d.u8_szc_ = 2.5;
  d.u8_rd_ = 25;
  d.u8_ancl = 3;
  d.u8_an = {{30, 10, 20, 0, 0},
             {120, -6.25, 10.825317547305483, -0.5, 0.866},
             {240, -6.25, -10.825317547305483, -0.5, -0.866},
             {360, 12.5, 0, 1, 0},
             {0, 99, 99, 0, 0},  // ends the table
             {15, 1, 1, 0, 0}};
  d.selected = {0, 1, 0};  // hole 3 lies past the flags: skipped
  ShowDrilling(d);
  Mdi("G0 X1.5");
  about.Button3Click();
  about.Button2Click();
  const Lines& dump = about.Memo2().Lines();
  EXPECT_TRUE(test::Has(dump, {"X_pos= 1,5000", "Y_pos= 0,0000", "Z_pos= 0,0000"}));
  EXPECT_TRUE(test::Has(
      dump, {"Furatok száma a kör mentén   u8_szc_= 3", "A kör átmérője   u8_rd_= 25,0000"}));
  EXPECT_TRUE(
      test::Has(dump, {"_an[0,1..5]= 30°   X(_r_)10,0000   Y(_r_)20,0000   X0,0000   Y0,0000",
                       "_an[1,1..5]= 120°   X(_r_)-6,2500   Y(_r_)10,8253   X-0,5000   Y0,8660",
                       "_an[2,1..5]= 240°   X(_r_)-6,2500   Y(_r_)-10,8253   X-0,5000   Y-0,8660",
                       "_an[3,1..5]= 360°   X(_r_)12,5000   Y(_r_)0,0000   X1,0000   Y0,0000",
                       "1. furat u8_an[1](X-6,2500 Y10,8253)ki lesz fúrva",
                       "2. furat u8_an[2](X-6,2500 Y-10,8253) kimarad",
                       "3. furat u8_an[3](X12,5000 Y0,0000) kimarad",
                       std::string(30, '<') + std::string(30, '>')}));
}

}  // namespace
}  // namespace verlo
