// The host-link routines on a memory disk with a fake clock and the
// simulated host answering in-process: what is written, signalled, waited,
// read and logged.
#include "hostlink/host_link.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "gcode/numbers.h"
#include "support/fake_host.h"
#include "support/temp_drive.h"

namespace verlo {
namespace {

using Lines = std::vector<std::string>;
using test::RecordingLog;

class HostLinkTest : public ::testing::Test {
 protected:
  // The host has written this position to GetXYZ.txt at `at` ms.
  void OldPosition(long long at) {
    clock.Sleep(static_cast<int>(at - clock.now));
    files.files[paths.position] = {"7.5\r\n8.5\r\n9.5\r\n", clock.now * 1000000};
  }

  test::FakeClock clock;
  test::MemoryFileSystem files{clock};
  ShellState shell;
  RecordingLog log;
  Listing readBuffer, echo;
  HostLinkPaths paths = test::MemoryPaths("/h");
  test::InProcessHost host{clock, files, "/h"};
  HostLinkRoutines link{files, clock, shell, log, readBuffer, echo, paths};
};

TEST_F(HostLinkTest, ConvertDotReadsTheFirst15CharactersWithPointOrComma) {
  const struct {
    std::string text, kept;
    std::optional<double> value;  // none: a conversion error
  } cases[] = {
      {"12.3456", "12,3456", 12.3456},
      {"-0,5", "-0,5", -0.5},
      {"X: 1.5", "1,5", 1.5},
      {"+7 mm", "7", 7},
      {"X:    1234567890123", "123456789", 123456789},  // the rest lies past character 15
      {std::string{'4', '\0', '2'}, "4", 4},            // a NUL ends the text
      {"1.2E-3", "1,2-3", std::nullopt},
      {"Z", "", std::nullopt},
      {"", "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    log.lines.clear();
    if (c.value)
      EXPECT_DOUBLE_EQ(static_cast<double>(link.ConvertDot(c.text)), *c.value);
    else
      EXPECT_THROW(link.ConvertDot(c.text), ConvertError);
    EXPECT_EQ(log.lines, Lines{"ConvertDot: " + c.kept});
  }
}

TEST_F(HostLinkTest, ReadGetXYZAsksWaitsAndReadsTheAnswer) {
  host.host.x = 1.5;
  host.host.y = -2;
  host.host.z = 0.25;
  link.ReadGetXYZ();
  EXPECT_EQ(host.signalled, Lines{"G\r\n"});
  EXPECT_EQ(clock.now, 650);
  EXPECT_EQ(readBuffer.Lines(), (Lines{"1.5000", "-2.0000", "0.2500"}));
  EXPECT_EQ(log.lines,
            (Lines{"ReadGetXYZ();", "WriteAdatFile: G", "ConvertDot: 1,5000", "ConvertDot: -2,0000",
                   "ConvertDot: 0,2500", "X_pos= 1,5000", "Y_pos= -2,0000", "Z_pos= 0,2500"}));
  EXPECT_EQ(link.Position().y, -2);
  // The host answers too late for the next request: the old file is read,
  // and the log says so.
  host.host.x = 3;
  host.delay = 700;
  link.ReadGetXYZ();
  EXPECT_EQ(log.lines[10], kStalePositionLine);
  EXPECT_EQ(link.Position().xText, "1,5000");
}

// The request's time is taken when it is written, before its wait: a host
// that answers and then clears the signal within the wait is not stale; one
// that never rewrites the position file is.
TEST(StalePosition, ComparedWithTheRequestAsWritten) {
  const struct {
    int delay, clearsSignal;
    bool stale;
  } cases[] = {{20, 10, false}, {20, -1, false}, {10000, -1, true}, {10000, 5, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.delay) + " ms, cleared after " + std::to_string(c.clearsSignal));
    test::FakeClock clock;
    test::MemoryFileSystem files{clock};
    test::InProcessHost host{clock, files, "/h"};
    ShellState shell;
    RecordingLog log;
    Listing readBuffer, echo;
    const HostLinkPaths paths = test::MemoryPaths("/h");
    HostLinkRoutines link{files, clock, shell, log, readBuffer, echo, paths};
    files.files[paths.position] = {"7.5\r\n8.5\r\n9.5\r\n", 0};
    clock.Sleep(5);
    host.delay = c.delay;
    host.clearsSignal = c.clearsSignal;
    link.ReadGetXYZ();
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), kStalePositionLine), c.stale ? 1 : 0);
  }
}

// What is read back is read up to a bound: a larger file stops the routine
// with its message, before anything of it is shown.
TEST_F(HostLinkTest, FilesReadBackAreBounded) {
  const std::string answer = "1.5\r\n2.5\r\n3.5\r\n";
  const auto padded = [&](size_t size) { return answer + std::string(size - answer.size(), ' '); };
  const struct {
    const char* what;
    std::function<void()> arrange, routine;
    const char* error;  // nullptr: read
  } cases[] = {
      {"position at the bound", [&] { host.answer = padded(kPositionFileLimit); },
       [&] { link.ReadGetXYZ(); }, nullptr},
      {"position past it", [&] { host.answer = padded(kPositionFileLimit + 1); },
       [&] { link.ReadGetXYZ(); },
       "A GetXYZ.txt túl nagy, nem olvasható be (legfeljebb 4096 bájt lehet): \"/h/GetXYZ.txt\""},
      {"command grown past it",
       [&] {
         files.onWrite = [&](const std::string& path, const std::string&) {
           if (path == paths.command)
             clock.After(60,
                         [&] { files.files[paths.command].bytes.resize(kCommandFileLimit + 1); });
         };
       },
       [&] { link.WriteCommanFile("G0 X1"); },
       "A command.txt túl nagy, nem olvasható be (legfeljebb 65536 bájt lehet): "
       "\"/h/command.txt\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    readBuffer.Clear();
    echo.Clear();
    c.arrange();
    std::string error = "(read)";
    try {
      c.routine();
    } catch (const FileError& e) {
      error = e.what();
    }
    EXPECT_EQ(error, c.error ? c.error : "(read)");
    EXPECT_EQ(readBuffer.Lines().empty() && echo.Lines().empty(), c.error != nullptr);
  }
}

TEST_F(HostLinkTest, WithoutAPositionFileTheZerosStand) {
  host.delay = 1000;  // never in time
  link.ReadGetXYZ();
  EXPECT_EQ(log.lines, (Lines{"ReadGetXYZ();", "WriteAdatFile: G", "X_pos= 0,0000", "Y_pos= 0,0000",
                              "Z_pos= 0,0000"}));
  EXPECT_TRUE(readBuffer.Lines().empty());
}

TEST_F(HostLinkTest, AShortPositionFileStopsAtTheMissingLine) {
  host.answer = "1,5\r\n2.5\r\n";
  EXPECT_THROW(link.ReadGetXYZ(), ConvertError);
  EXPECT_EQ(link.Position().x, 1.5);
  EXPECT_EQ(link.Position().y, 2.5);
  EXPECT_EQ(link.Position().z, 0);
  EXPECT_EQ(link.Position().xText, "");  // the texts are not updated
  EXPECT_EQ(log.lines.back(), "ConvertDot: ");
}

TEST_F(HostLinkTest, StandAloneWritesNothingButStillWaitsAndReads) {
  shell.standAlone = 1;
  OldPosition(100);
  link.WriteCommanFile("G0 X1");
  link.ReadGetXYZ();
  EXPECT_TRUE(host.signalled.empty());
  EXPECT_EQ(files.files.size(), 1u);
  EXPECT_EQ(clock.now, 700);
  EXPECT_EQ(log.lines,
            (Lines{"ReadGetXYZ();", "ConvertDot: 7,5", "ConvertDot: 8,5", "ConvertDot: 9,5",
                   "X_pos= 7,5000", "Y_pos= 8,5000", "Z_pos= 9,5000"}));
}

TEST_F(HostLinkTest, AFileThatCannotBeWrittenStopsTheRoutineThere) {
  files.refused = {paths.command, paths.exchange};
  const auto fails = [](const std::function<void()>& routine) {
    try {
      routine();
    } catch (const FileError& e) {
      return std::string(e.what());
    }
    return std::string("(no error)");
  };
  EXPECT_NE(fails([&] { link.WriteCommanFile("G0 X1"); }).find(paths.command), std::string::npos);
  EXPECT_NE(fails([&] { link.ReadGetXYZ(); }).find(paths.exchange), std::string::npos);
  EXPECT_TRUE(host.signalled.empty());
  EXPECT_EQ(log.lines, Lines{"ReadGetXYZ();"});
  EXPECT_EQ(clock.now, 0);
  // A base folder whose drive has no local folder says so.
  paths = MakeHostLinkPaths("D:\\CNC", [](const std::string&) { return std::string(); });
  const std::string unmapped = fails([&] { link.WriteAdatFile("G"); });
  EXPECT_NE(unmapped.find("D:\\CNC\\Wizards\\Omnibus"), std::string::npos) << unmapped;
  EXPECT_NE(unmapped.find("Drive D: has no local folder"), std::string::npos) << unmapped;
}

// The routines stand-alone on the real disk, so that only the reads count.
struct DiskLink {
  explicit DiskLink(const HostLinkPaths& paths)
      : link(disk, clock, shell, log, readBuffer, echo, paths) {
    shell.standAlone = 1;
  }
  DiskFileSystem disk;
  ShellState shell;
  test::FakeClock clock;
  RecordingLog log;
  Listing readBuffer, echo;
  HostLinkRoutines link;
};

// Whatever stands in the position file's place, the read neither hangs nor
// fails: a FIFO, a folder or a missing file give zeros.
TEST(DiskPositionFile, AnythingButAFileGivesZeros) {
  test::TempDrive drive;
  const HostLinkPaths paths = MakeHostLinkPaths("C:\\VERLO");
  DiskLink d(paths);
  HostLinkRoutines& link = d.link;
  DiskFileSystem& disk = d.disk;
  const std::function<void()> places[] = {
      [&] { ASSERT_EQ(mkfifo(paths.position.c_str(), 0644), 0); },
      [&] { std::filesystem::create_directory(paths.position); }, [] {}};
  for (const auto& place : places) {
    std::filesystem::remove(paths.position);
    place();
    link.ReadGetXYZ();
    EXPECT_EQ(link.Position().xText, "0,0000");
    EXPECT_THROW(disk.ReadFile(paths.position, kPositionFileLimit), FileError);
  }
}

// Nothing of a file past the bound is held: one of gigabytes is refused by
// its size, one whose size the file system does not keep as it is read.
TEST(DiskPositionFile, ALargerFileIsRefusedUnread) {
  test::TempDrive drive;
  const HostLinkPaths paths = MakeHostLinkPaths("C:\\VERLO");
  std::ofstream(paths.position).close();
  std::filesystem::resize_file(paths.position, uintmax_t{8} << 30);
  DiskLink d(paths);
  HostLinkRoutines& link = d.link;
  DiskFileSystem& disk = d.disk;
  Listing& readBuffer = d.readBuffer;
  EXPECT_THROW(link.ReadGetXYZ(), FileError);
  EXPECT_TRUE(readBuffer.Lines().empty());
  if (std::filesystem::exists("/proc/self/status")) {
    EXPECT_THROW(disk.ReadFile("/proc/self/status", 16), FileTooLarge);
  }
}

}  // namespace
}  // namespace verlo
