#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_runner.h"
#include "support/run_program.h"
#include "support/temp_drive.h"

namespace verlo {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  DiskFileSystem files;
  const int status = RunCli(args, out, err, files);
  return {status, out.str(), err.str()};
}

TEST(Cli, PrintsTheDefaultProgram) {
  const CliRun r = Cli({"cut-circle"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind("(Kör kivágás - cut circle)\n \n", 0), 0u);
  EXPECT_NE(r.out.find("\nG2 X7.5000 Y0.0000 Z-1.0000 R7.5000 F300\n"), std::string::npos);
  EXPECT_EQ(r.out.substr(r.out.size() - 7), "M5\nM30\n");
}

TEST(Cli, ActionsRunLeftToRightWithHandlers) {
  // Series: the radio group's handler warns; two programs append.
  const CliRun r = Cli({"cut-circle", "RadioGroup_s_=1", "CheckBox_msg_=0", "create", "Edit_x_=40",
                        "Edit_r_=12,5", "create"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err,
            "Figyelmeztetés: Sorozatmarás esetén a kezdeti beállításokat valamint a végén "
            "szokásos M kódokat nem tartalmazza.\n");
  EXPECT_EQ(r.out.find("G21"), std::string::npos);
  EXPECT_NE(r.out.find("G1 X36.2500 Y0.0000 F300"), std::string::npos);
  // Setting a value the control already has runs nothing.
  EXPECT_EQ(Cli({"cut-circle", "RadioGroup_s_=0"}).err, "");
}

TEST(Cli, RefusedAndConversionErrors) {
  CliRun r = Cli({"cut-circle", "Edit_r_=0"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "Figyelmeztetés rossz paraméterezésről: A kör átmérője \"0\", vagy nem adtál meg "
            "értéket.\n");
  r = Cli({"cut-circle", "Edit_m_=abc"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "VERLO varázslók: 'abc' is not a valid floating point value\n");
  // The last create decides.
  EXPECT_EQ(Cli({"cut-circle", "Edit_r_=0", "create", "Edit_r_=30", "create"}).status, 0);
  EXPECT_EQ(Cli({"cut-circle", "create", "Edit_r_=0", "create"}).status, 1);
}

TEST(Cli, UsageErrorsListWhatIsValid) {
  CliRun r = Cli({"cut-circlee"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("valid pages: "), std::string::npos);
  EXPECT_NE(r.err.find("cut-circle"), std::string::npos);
  r = Cli({"cut-circle", "Edit_q_=1"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Edit_x_, Edit_y_"), std::string::npos);
  r = Cli({"cut-circle", "CheckBox_szc_=yes"});
  EXPECT_NE(r.err.find("valid values: 0, 1"), std::string::npos);
  r = Cli({"cut-circle", "RadioGroup_h_=3"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("0 (nincs), 1 (M7), 2 (M8)"), std::string::npos);
  EXPECT_EQ(Cli({"cut-circle", "bogus"}).status, 2);
  EXPECT_EQ(Cli({"cut-circle", "-o"}).status, 2);
  EXPECT_EQ(Cli({}).status, 2);
  r = Cli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("verlo-gcode PAGE"), std::string::npos);
}

TEST(Cli, RectanglePagesAndTheScrollBar) {
  CliRun r = Cli({"rectangle-pocket", "Edit_xd_=30", "Edit_yd_=20", "Edit_sz_=6", "ScrollBar1=40",
                  "--controls"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Label4\tlabel\t40 %\t"), std::string::npos);  // the handler ran
  EXPECT_NE(r.out.find("Label5\tlabel\t2,4000 mm\t"), std::string::npos);
  EXPECT_NE(r.out.find("ScrollBar1\tscroll\t40\t"), std::string::npos);
  r = Cli({"rectangle-pocket", "Edit_xd_=30", "Edit_yd_=20", "Edit_sz_=6", "ScrollBar1=40"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("(oldalirányú fogás 40%)\n"), std::string::npos);
  EXPECT_NE(r.out.find("G1 X3.0000 Y3.0000 F150\nG1 X3.0000 Y17.0000 F300\n"), std::string::npos);
  r = Cli({"rectangle-pocket", "ScrollBar1=101"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("valid values: 0..100"), std::string::npos);
  r = Cli({"rectangle-pocket", "ScrollBar1=0"});
  EXPECT_EQ(r.status, 1);
  r = Cli({"cut-rectangle", "RadioGroup_zi_=0", "CheckBox_msg_=0"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("G1 Z-2.0000 F150\nG1 X0.0000 Y30.0000 F300\n"), std::string::npos);
  EXPECT_EQ(Cli({"cut-rectangle", "Button3=1"}).status, 2);  // the idle button is no control to set
}

TEST(Cli, ControlsListing) {
  const CliRun r = Cli({"cut-circle", "CheckBox_szc_=0", "--controls"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Edit_x_\tedit\t0,0000\tX tengely kezdőpontja:\n"), std::string::npos);
  EXPECT_NE(r.out.find("Edit_szc_\tedit\t0,6\t"), std::string::npos);  // enabled by the handler
  EXPECT_NE(r.out.find("CheckBox_szc_\tcheck\t0\tnincs\n"), std::string::npos);
  EXPECT_NE(r.out.find("RadioGroup_zi_\tradio\t1\t"), std::string::npos);
}

TEST(Cli, OutputFileIsSavedAsTheWindowSavesIt) {
  test::TempDrive drive;
  const std::string file = drive.Root() + "/kor.tap";
  const CliRun r = Cli({"cut-circle", "-o", file});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  const auto saved = test::TempDrive::Read(file);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->substr(0, 28), "(K\xF6r kiv\xE1g\xE1s - cut circle)\r\n");
  EXPECT_EQ(Cli({"cut-circle", "-o", drive.Root() + "/no/such/dir.tap"}).status, 2);
}

// The characters refused are the window's (main_window_model_test).
TEST(Cli, OutputFileNamesFollowTheWindowsRule) {
  test::TempDrive drive;
  const std::string file = drive.Root() + "/a\u2028.tap";
  CliRun r = Cli({"cut-circle", "RadioGroup_s_=1", "-o", file});  // checked before any action
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Figyelmeztetés: A fájlnévben nem lehet sortörés vagy vezérlőkarakter.\n");
  EXPECT_FALSE(test::TempDrive::Read(file));
  r = Cli({"cut-circle", "-o", ""});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "verlo-gcode: -o needs a file name\n");
  // A name the host's code page lacks is the window's concern only when sending.
  EXPECT_EQ(Cli({"cut-circle", "-o", drive.Root() + "/kör_→\xC2\xA0.tap"}).status, 0);
}

TEST(CliProgram, AStreamThatCannotBeWrittenIsAnError) {
  test::TempDrive drive;
  const std::string file = drive.Root() + "/kor.tap";
  const test::Stream full{test::Stream::File, "/dev/full"}, closed{test::Stream::Closed, ""};
  const auto cannot = [](const std::string& what, const std::string& why) {
    return "verlo-gcode: the " + what + " could not be written to standard output: " + why + "\n";
  };
  const std::string noSpace = "No space left on device";
  const struct {
    std::vector<std::string> args;
    test::Stream out, err;
    int status;
    std::string stderrText;
  } cases[] = {
      {{"cut-circle"}, full, {}, 2, cannot("listing", noSpace)},
      {{"cut-circle"}, closed, {}, 2, cannot("listing", "Bad file descriptor")},
      {{"--help"}, full, {}, 2, cannot("help", noSpace)},
      {{"cut-circle", "--controls"}, full, {}, 2, cannot("control list", noSpace)},
      // Messages that cannot be shown: nowhere to tell, the status says it.
      {{"cut-circle", "RadioGroup_s_=1"}, {}, full, 2, ""},
      {{"cut-circle", "Edit_r_=0"}, {}, closed, 2, ""},
      // Streams nothing is printed on may be closed.
      {{"cut-circle", "-o", file}, closed, closed, 0, ""},
      {{"cut-circle"}, {}, closed, 0, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> argv = {VERLO_GCODE_BIN};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const test::ProgramRun run = test::RunProgram(argv, c.out, c.err);
    SCOPED_TRACE("case " + std::to_string(&c - cases));
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.stderrText);
  }
  EXPECT_TRUE(test::TempDrive::Read(file));
}

}  // namespace
}  // namespace verlo
