#include "shell/main_window_model.h"

#include <gtest/gtest.h>

#include "hostlink/host_paths.h"
#include "support/page_fixture.h"
#include "support/recording_messages.h"
#include "support/temp_drive.h"
#include "wizards/circular_pocket/circular_pocket_page.h"
#include "wizards/drill_circle/drill_circle_page.h"
#include "wizards/page_registry.h"

namespace verlo {
namespace {

using test::TempDrive;

class MainWindow : public ::testing::Test {
 protected:
  explicit MainWindow(bool hostFolder = true) : drive(hostFolder) {
    form = std::make_unique<TForm1>(messages, dialog, files, std::vector<std::string>{"C:\\CNC"});
    form->FormActivate();
  }
  // Chooses the cut circle and creates its default program.
  void CutCircle() {
    form->ComboBox1Change(3);
    form->Page(3)->Fire("Button1");
  }
  std::optional<std::string> Host(const std::string& name) {
    return TempDrive::Read(drive.Host() + "/" + name);
  }
  // A refused send of the cut circle writes nothing and leaves the window as it was.
  void ExpectRefused(const std::string& text, const std::string& caption) {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (test::Shown{text, caption}));
    EXPECT_FALSE(Host("file.txt"));
    EXPECT_FALSE(Host("adatcsere.txt"));
    for (const auto& entry : std::filesystem::directory_iterator(drive.Root()))
      EXPECT_EQ(entry.path().filename(), "VERLO");  // no listing saved
    EXPECT_EQ(form->Memo1(), "1");
    EXPECT_EQ(form->Page(3)->Memo1().Count(), 27u);
    EXPECT_EQ(form->VisiblePage(), 3);
    EXPECT_EQ(form->State().sendState, 1);
    EXPECT_EQ(form->Button3Caption(), form->State().standAlone ? "Mentés" : "Küldés az VERLO-be");
  }

  TempDrive drive;
  test::RecordingMessages messages;
  test::ScriptedSaveDialog dialog;
  DiskFileSystem files;
  std::unique_ptr<TForm1> form;
};

class MainWindowWithoutHost : public MainWindow {
 protected:
  MainWindowWithoutHost() : MainWindow(false) {}
};

TEST_F(MainWindow, StartsWithNothingChosen) {
  EXPECT_EQ(form->State().firstActivation, 21);
  EXPECT_EQ(form->VisiblePage(), -1);
  EXPECT_FALSE(form->Button3Enabled());
  EXPECT_EQ(form->Button3Caption(), "Válassz varázslót először!!");
  EXPECT_EQ(HostLink().base, "C:\\CNC");
  EXPECT_EQ(HostLink().exchange, drive.Root() + "/CNC/Wizards/Omnibus/adatcsere.txt");
  // The pages' start-up ran over their defaults.
  EXPECT_EQ(form->Page(0)->Find("RadioGroup2")->itemIndex, 2);
  EXPECT_EQ(dynamic_cast<TFrame3&>(*form->Page(1)).PathValues().n, 3);
  EXPECT_EQ(dynamic_cast<TFrame8&>(*form->Page(5)).Values().u8_an[5][0], 360.0L);
  HostLink() = {};
  form->FormActivate();  // a later activation repeats nothing
  EXPECT_EQ(HostLink().base, "");
  EXPECT_TRUE(messages.shown.empty());
}

// Choosing a page shows it and runs its Shown(): the pockets' step-over
// labels, no "Újra választ" on the drilling page; the rectangular drilling
// page only shows.
TEST_F(MainWindow, ChoosingRunsThePagesShown) {
  EXPECT_EQ(form->Page(1)->Find("Label4")->text, "%");
  form->Page(5)->Find("RadioGroup1")->itemEnabled[2] = true;
  for (int item : {1, 2, 5, 6}) {
    form->ComboBox1Change(item);
    EXPECT_EQ(form->VisiblePage(), item);
    EXPECT_EQ(form->State().wizardIndex, item + 1);
  }
  for (int pocket : {1, 2}) {
    EXPECT_EQ(form->Page(pocket)->Find("Label4")->text, "50 %");
    EXPECT_EQ(form->Page(pocket)->Find("Label5")->text, "2,5000 mm");
  }
  EXPECT_FALSE(form->Page(5)->Find("RadioGroup1")->itemEnabled[2]);
  EXPECT_FALSE(form->Page(6)->Find("Button1")->enabled);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindow, ChoosingShowsThePageAndFibonacciWarns) {
  form->ComboBox1Change(3);
  EXPECT_EQ(form->VisiblePage(), 3);
  EXPECT_EQ(form->State().wizardIndex, 4);
  EXPECT_EQ(form->State().sendState, 1);
  EXPECT_TRUE(form->Button3Enabled());
  EXPECT_EQ(form->Button3Caption(), "Küldés az VERLO-be");
  form->ComboBox1Change(0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Figyelmeztetés");
  EXPECT_EQ(messages.shown[0].text,
            "A varázsló a \"G59\"-es offsetet használja. Ha van beállított értéked mentsd el "
            "magadnak és a varázsló használata után állítsd vissza.");
  EXPECT_EQ(form->VisiblePage(), 0);
}

TEST_F(MainWindow, SendWritesTheProgramItsPathAndTheLoadSignal) {
  CutCircle();
  dialog.answers = {drive.Root() + "/progs-kor"};
  std::filesystem::create_directories(drive.Root());
  form->Button3Click();
  const std::string tap = drive.Root() + "/progs-kor.tap";
  EXPECT_EQ(Host("file.txt"), "C:\\progs-kor.tap\r\n");
  EXPECT_EQ(Host("adatcsere.txt"), "L");
  const auto saved = TempDrive::Read(tap);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->substr(0, 28), "(K\xF6r kiv\xE1g\xE1s - cut circle)\r\n");
  EXPECT_EQ(saved->substr(saved->size() - 9), "M5\r\nM30\r\n");
  EXPECT_EQ(form->Memo1(), "C:\\progs-kor.tap");
  EXPECT_EQ(form->VisiblePage(), -1);
  EXPECT_EQ(form->State().sendState, 0);
  EXPECT_EQ(form->Button3Caption(), "Vissza az utolsó varázslóba");
  // Back to the wizard.
  form->Button3Click();
  EXPECT_EQ(form->VisiblePage(), 3);
  EXPECT_EQ(form->State().sendState, 1);
  EXPECT_EQ(form->Button3Caption(), "Küldés az VERLO-be");
  EXPECT_EQ(dialog.runs, 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindow, ANameEndingInTapIsWrittenAsItIs) {
  CutCircle();
  form->CheckBox1Click(true);
  dialog.answers = {drive.Root() + "/prog.tap", drive.Root() + "/prog.nc"};
  form->Button3Click();
  form->Button3Click();
  EXPECT_TRUE(TempDrive::Read(drive.Root() + "/prog.tap"));
  EXPECT_FALSE(TempDrive::Read(drive.Root() + "/prog.tap.tap"));
  EXPECT_TRUE(TempDrive::Read(drive.Root() + "/prog.nc"));
}

TEST_F(MainWindow, StandAloneOnlySaves) {
  form->CheckBox1Click(true);
  EXPECT_EQ(form->Button3Caption(), "Mentés");
  CutCircle();
  EXPECT_EQ(form->Button3Caption(), "Mentés");
  dialog.answers = {drive.Root() + "/a.tap"};
  form->Button3Click();
  EXPECT_TRUE(TempDrive::Read(drive.Root() + "/a.tap"));
  EXPECT_FALSE(Host("file.txt"));
  EXPECT_FALSE(Host("adatcsere.txt"));
  EXPECT_EQ(form->VisiblePage(), 3);
  EXPECT_EQ(form->State().sendState, 1);
  EXPECT_EQ(form->Button3Caption(), "Mentés");
  form->CheckBox1Click(false);
  EXPECT_EQ(form->Button3Caption(), "Küldés az VERLO-be");
}

TEST_F(MainWindow, CancelAndNoWizardSaveNothing) {
  form->ComboBox1Change(-1);  // text typed into the box
  EXPECT_TRUE(form->Button3Enabled());
  EXPECT_EQ(form->State().sendState, 1);
  EXPECT_EQ(form->State().wizardIndex, 0);
  EXPECT_EQ(form->VisiblePage(), -1);
  dialog.answers = {drive.Root() + "/x.tap"};
  form->Button3Click();
  EXPECT_EQ(dialog.runs, 0);
  CutCircle();
  dialog.answers = {};  // cancel
  form->Button3Click();
  EXPECT_EQ(dialog.runs, 1);
  EXPECT_FALSE(Host("file.txt"));
  EXPECT_FALSE(Host("adatcsere.txt"));
  EXPECT_EQ(form->State().sendState, 1);
  EXPECT_EQ(form->Button3Caption(), "Küldés az VERLO-be");
}

TEST_F(MainWindow, ANameWithAControlCharacterIsRefused) {
  CutCircle();
  for (const bool standAlone : {false, true}) {
    form->CheckBox1Click(standAlone);
    for (const char* bad : {"a\nb", "a\rb", "a\tb", "a\x7F", "a\xC2\x80", "a\xC2\x85", "a\xC2\x9F",
                            "a\u2028", "a\u2029"}) {
      SCOPED_TRACE(bad);
      messages.shown.clear();
      dialog.answers = {drive.Root() + "/" + bad + ".tap"};
      form->Button3Click();
      ExpectRefused("A fájlnévben nem lehet sortörés vagy vezérlőkarakter.", "Figyelmeztetés");
    }
  }
}

TEST_F(MainWindow, APathTheHostCannotReadIsRefusedOnlyWhenSending) {
  CutCircle();
  dialog.answers = {drive.Root() + "/kör_→.tap"};
  form->Button3Click();
  ExpectRefused("Az útvonalban olyan karakter van, amelyet a VERLO nem tud kezelni: →",
                "Figyelmeztetés");
  // Letters of the code page pass; stand-alone saving takes any name.
  dialog.answers = {drive.Root() + "/kör_ő\xC2\xA0.tap"};
  form->Button3Click();
  EXPECT_EQ(Host("file.txt"), "C:\\k\xF6r_\xF5\xA0.tap\r\n");
  form->Button3Click();  // back to the wizard
  form->CheckBox1Click(true);
  dialog.answers = {drive.Root() + "/kör_→.tap"};
  form->Button3Click();
  EXPECT_TRUE(TempDrive::Read(drive.Root() + "/kör_→.tap"));
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(MainWindow, WithoutADriveCFolderSendingReportsIt) {
  CutCircle();
  const test::ScopedUnset unset({"VERLO_DRIVE_C", "WINEPREFIX", "HOME"});
  dialog.answers = {drive.Root() + "/p.tap"};
  form->Button3Click();
  ExpectRefused("Drive C: has no local folder: VERLO_DRIVE_C, WINEPREFIX and HOME are all unset.",
                "VERLO varázslók");
  EXPECT_TRUE(messages.shown[0].error);
  EXPECT_FALSE(form->Button4Click());  // VERLO mode: reported, the window stays
  form->CheckBox1Click(true);
  EXPECT_TRUE(form->Button4Click());  // stand-alone: closes quietly
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(MainWindow, AFailedSaveNamesThePathAndKeepsTheListing) {
  CutCircle();
  form->CheckBox1Click(true);
  const std::string target = drive.Root() + "/missing/prog.tap";
  dialog.answers = {target};
  form->Button3Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].error);
  EXPECT_EQ(messages.shown[0].caption, "VERLO varázslók");
  EXPECT_NE(messages.shown[0].text.find(target), std::string::npos);
  EXPECT_EQ(form->Page(3)->Memo1().Count(), 27u);
  EXPECT_FALSE(std::filesystem::exists(drive.Root() + "/missing"));
}

TEST_F(MainWindow, ExitWritesTheEndSignal) {
  EXPECT_TRUE(form->Button4Click());
  EXPECT_EQ(Host("adatcsere.txt"), "E");
  form->CheckBox1Click(true);
  std::filesystem::remove(drive.Host() + "/adatcsere.txt");
  EXPECT_TRUE(form->Button4Click());
  EXPECT_EQ(Host("adatcsere.txt"), "E");
}

TEST_F(MainWindowWithoutHost, SendStopsAtFileTxtAndExitReports) {
  CutCircle();
  dialog.answers = {drive.Root() + "/p.tap"};
  form->Button3Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(drive.Host() + "/file.txt"), std::string::npos);
  EXPECT_FALSE(TempDrive::Read(drive.Root() + "/p.tap"));  // stopped before the listing
  EXPECT_EQ(form->State().sendState, 1);
  EXPECT_EQ(form->VisiblePage(), 3);
  EXPECT_FALSE(form->Button4Click());  // VERLO mode: reported, the window stays
  EXPECT_EQ(messages.shown.size(), 2u);
  form->CheckBox1Click(true);
  EXPECT_TRUE(form->Button4Click());  // stand-alone: closes quietly
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(drive.Host()));
}

// The accumulated program: "Göngyölítés" enables "Göngyölítő", which shows
// the joined steps; sending it saves them and starts the store afresh.
TEST_F(MainWindow, TheJoinedProgramIsSentAndTheStoreStartsAfresh) {
  EXPECT_FALSE(form->Button2Enabled());
  form->CheckBox2Click(true);
  EXPECT_TRUE(form->Button2Enabled());
  EXPECT_EQ(form->State().accumulate, 1);
  for (const char* title : {"A", "B"}) {
    step_data s;
    s.title = title;
    s.listing = std::string("(") + title + ")\r\nM5\r\nM30";
    form->Steps().Append(s);
  }
  for (const bool standAlone : {false, true}) {
    SCOPED_TRACE(standAlone ? "stand-alone" : "VERLO");
    form->CheckBox1Click(standAlone);
    form->Button2Click();
    EXPECT_EQ(form->State().wizardIndex, 9);
    EXPECT_TRUE(form->EditorVisible());
    EXPECT_EQ(form->VisiblePage(), -1);
    const std::vector<std::string> joined = form->Editor().RichEdit1().Lines();
    form->ComboBox1Change(-1);  // typed text enables Button3 without a page
    dialog.answers = {drive.Root() + "/joined"};
    form->Button3Click();
    EXPECT_EQ(TempDrive::Read(drive.Root() + "/joined.tap"), SavedText(joined));
    EXPECT_EQ(form->Steps().Count(), 0);
    EXPECT_TRUE(form->Editor().RichEdit1().Lines().empty());
    EXPECT_TRUE(form->Editor().Items().empty());
    EXPECT_EQ(form->EditorVisible(), standAlone);
    form->Steps().Append(step_data{});  // one more step for the next round
  }
  EXPECT_TRUE(messages.shown.empty());
}

// A spiral made while accumulating that starts no spindle is sent only
// inside the joined program.
TEST_F(MainWindow, ASpindleLessSpiralIsSentOnlyJoined) {
  form->CheckBox2Click(true);
  form->ComboBox1Change(0);
  form->Page(0)->Fire("Button1");
  form->Page(0)->Fire("Button1");  // same tool, speed and direction
  messages.shown.clear();
  dialog.answers = {drive.Root() + "/spiral"};
  form->Button3Click();
  EXPECT_EQ(messages.shown, (std::vector<test::Shown>{{form->Page(0)->SendRefusal(),
                                                       "Figyelmeztetés"}}));  // a golden text
  EXPECT_EQ(dialog.runs, 0);
  EXPECT_FALSE(Host("file.txt"));
  form->Button2Click();
  form->Button3Click();
  const auto tap = TempDrive::Read(drive.Root() + "/spiral.tap");
  ASSERT_TRUE(tap);
  EXPECT_NE(tap->find("(-------------------- next step --------------------)"), std::string::npos);
  EXPECT_EQ(Host("adatcsere.txt"), "L");
}

// The About box's variable dump shows the drilling page's last program.
TEST_F(MainWindow, TheVariableDumpShowsTheDrillingPage) {
  const auto dump = [&] {
    form->AboutBox().Button3Click();
    form->AboutBox().Button2Click();
    return form->AboutBox().Memo2().Lines();
  };
  EXPECT_TRUE(test::Has(
      dump(), {"Furatok száma számláló   u8_anc= 0", "Utolsó furatok száma adat   u8_ancl= 0"}));
  form->ComboBox1Change(5);
  WizardPage& drill = *form->Page(5);
  drill.Find("Edit_drc_")->text = "4";
  drill.Find("RadioGroup1")->itemIndex = 1;
  drill.Fire("RadioGroup1");
  dynamic_cast<HeadlessHoleSelector&>(form->HoleSelector()).Ticks()[1] = false;
  dynamic_cast<HeadlessHoleSelector&>(form->HoleSelector()).PressAccept();
  drill.Fire("Button1");
  const std::vector<std::string> lines = dump();
  EXPECT_TRUE(test::Has(lines, {"A kör sugara   u8_r_= 10,0000"}));
  EXPECT_TRUE(test::Has(lines, {"1. furat u8_an[1](X0,0000 Y10,0000)ki lesz fúrva",
                                "2. furat u8_an[2](X-10,0000 Y0,0000) kimarad"}));
}

}  // namespace
}  // namespace verlo
