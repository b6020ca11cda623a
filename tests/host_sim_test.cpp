// The host link against verlo-host-sim, a separate process watching a
// temporary drive's host folder: the About box's routines and the main
// window's send and exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "hostlink/host_link.h"
#include "shell/main_window_model.h"
#include "support/fake_host.h"
#include "support/recording_messages.h"
#include "support/run_program.h"
#include "support/temp_drive.h"
#include "tools/host_sim/simulated_host.h"

namespace verlo {
namespace {

using test::BackgroundProgram;
using test::TempDrive;

// Waits the real time, but never less than 200 ms: the simulator on a busy
// test machine still sees each signal before the next one replaces it.
class PatientClock : public Clock {
 public:
  void Sleep(int milliseconds) override { SystemClock().Sleep(std::max(milliseconds, 200)); }
};

class HostSimulator : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sim.WaitForOutput("watching ")) << sim.Output(); }

  TempDrive drive;
  BackgroundProgram sim{{VERLO_HOST_SIM_BIN, "C:\\VERLO\\Wizards\\Omnibus"}};
};

TEST_F(HostSimulator, ReportsThePositionAfterACommand) {
  DiskFileSystem files;
  PatientClock clock;
  ShellState shell;
  test::RecordingLog log;
  Listing readBuffer, echo;
  const HostLinkPaths paths = MakeHostLinkPaths("C:\\VERLO");
  HostLinkRoutines link(files, clock, shell, log, readBuffer, echo, paths);
  link.WriteCommanFile("G0 X10 Y-5 Z2");
  link.ReadGetXYZ();
  EXPECT_EQ(link.Position().xText, "10,0000");
  EXPECT_EQ(link.Position().yText, "-5,0000");
  EXPECT_EQ(link.Position().zText, "2,0000");
  EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), kStalePositionLine), 0);
  EXPECT_EQ(readBuffer.Lines(), (std::vector<std::string>{"10.0000", "-5.0000", "2.0000"}));
  EXPECT_TRUE(
      sim.WaitForOutput("command: G0 X10 Y-5 Z2 -> X10.0000 Y-5.0000 Z2.0000\n"
                        "position: X10.0000 Y-5.0000 Z2.0000\n"))
      << sim.Output();
}

TEST_F(HostSimulator, LoadsTheSentProgramAndEndsOnExit) {
  test::RecordingMessages messages;
  test::ScriptedSaveDialog dialog;
  DiskFileSystem files;
  TForm1 form(messages, dialog, files);
  form.FormActivate();
  form.ComboBox1Change(3);  // cut circle
  form.Page(3)->Fire("Button1");
  dialog.answers = {drive.Root() + "/kor"};
  form.Button3Click();
  const std::string lines = std::to_string(form.Page(3)->Memo1().Count()) + " lines\n";
  EXPECT_TRUE(sim.WaitForOutput("load: C:\\kor.tap (" + drive.Root() + "/kor.tap): " + lines))
      << sim.Output();
  EXPECT_TRUE(form.Button4Click());
  EXPECT_EQ(sim.WaitForExit(), 0);
  EXPECT_NE(sim.Output().find("\nend\n"), std::string::npos) << sim.Output();
  EXPECT_TRUE(messages.shown.empty());
}

// A program larger than the host loads is refused with its report, unread.
TEST(SimulatedHostLoad, RefusesAProgramPastItsLimit) {
  TempDrive drive;
  const std::string program = drive.Root() + "/big.tap";
  std::ofstream(program).close();
  std::filesystem::resize_file(program, kProgramLimit + 1);
  std::ofstream(drive.Host() + "/file.txt", std::ios::binary) << "C:\\big.tap\r\n";
  DiskFileSystem files;
  std::vector<std::string> reports;
  SimulatedHost host(files, drive.Host(),
                     [&](const std::string& line) { reports.push_back(line); });
  EXPECT_TRUE(host.Signal("L"));
  EXPECT_EQ(reports, std::vector<std::string>{"load refused: C:\\big.tap (" + program +
                                              "): larger than 67108864 bytes"});
}

}  // namespace
}  // namespace verlo
