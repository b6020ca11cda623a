// Every file the program writes, against every way the disk can refuse it:
// each refusal gives its message naming the file, and leaves every file as it
// was (no truncated or half-replaced file, no temporary file) with the
// listing still in its page. A symbolic link in the place of a chosen file is
// written through; in the place of an exchange file it is replaced, and what
// it led to stays as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/cli_runner.h"
#include "shell/main_window_model.h"
#include "support/fake_host.h"
#include "support/isolated_child.h"
#include "support/recording_messages.h"
#include "support/temp_drive.h"

namespace verlo {
namespace {

namespace fs = std::filesystem;
using test::TempDrive;

// What writes the file, which file (under the drive's root), what it writes
// (nullptr: the default listing), whether the file is the program's own (an
// exchange file), and what the action wrote before it: folder faults stop
// the action at those.
enum class Action { Save, Send, Exit, Cli, Mdi, HostAnswer };
struct Writer {
  const char* name;
  Action action;
  const char* file;
  const char* expected;
  bool own;
  std::vector<const char*> before = {};
};
const Writer kWriters[] = {
    {"Save", Action::Save, "out/prog.tap", nullptr, false},
    {"SendPath", Action::Send, "VERLO/Wizards/Omnibus/file.txt", "C:\\out\\prog.tap\r\n", true},
    {"SendSignal",
     Action::Send,
     "VERLO/Wizards/Omnibus/adatcsere.txt",
     "L",
     true,
     {"VERLO/Wizards/Omnibus/file.txt", "out/prog.tap"}},
    {"ExitSignal", Action::Exit, "VERLO/Wizards/Omnibus/adatcsere.txt", "E", true},
    {"CliOutput", Action::Cli, "out/prog.tap", nullptr, false},
    {"MdiCommand", Action::Mdi, "VERLO/Wizards/Omnibus/command.txt", "G0 X1\r\n", true},
    {"MdiSignal",
     Action::Mdi,
     "VERLO/Wizards/Omnibus/adatcsere.txt",
     "G\r\n",
     true,
     {"VERLO/Wizards/Omnibus/command.txt"}},
    {"HostPosition", Action::HostAnswer, "VERLO/Wizards/Omnibus/GetXYZ.txt",
     "0.0000\r\n0.0000\r\n0.0000\r\n", true}};

enum class Fault {
  MissingFolder,
  ReadOnlyFolder,
  FullDisk,  // the folder faults end here
  Directory,
  Device,
  DeviceLink,
  Fifo,
  WriteProtected,
  Link,
  DanglingLink
};
bool IsLink(Fault f) {
  return f == Fault::DeviceLink || f == Fault::Link || f == Fault::DanglingLink;
}
// Names, and the end of the message (empty where a chosen file is written
// through the link).
const struct {
  const char* name;
  const char* reason;
} kFaults[] = {{"MissingFolder", "No such file or directory"},
               {"ReadOnlyFolder", "Permission denied"},
               {"FullDisk", "No space left on device"},
               {"Directory", "Is a directory"},
               {"Device", "Is a device, not a regular file"},
               {"DeviceLink", "Is a device, not a regular file"},
               {"Fifo", "Is a FIFO, not a regular file"},
               {"WriteProtected", "Permission denied"},
               {"Link", ""},
               {"DanglingLink", ""}};

struct Case {
  const Writer* writer;
  Fault fault;
  std::string Name() const {
    return std::string(writer->name) + "_" + kFaults[static_cast<int>(fault)].name;
  }
};

// The drive's places: the listing, a folder beside the host's, a case's file.
struct Places {
  const TempDrive& d;
  std::string Listing() const { return d.Root() + "/out/prog.tap"; }
  std::string Side() const { return d.Root() + "/side"; }
  std::string Target(const Case& c) const { return d.Root() + "/" + c.writer->file; }
};

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A null device node of the test's own (only root may make one).
std::string MakeDevice(const std::string& path) {
  if (mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) return "";
  return "cannot make a device node: " + std::string(std::strerror(errno));
}

// Runs in the child before the write. Returns why the case cannot run here.
std::string Prepare(const Case& c, const TempDrive& d) {
  const Places at{d};
  const std::string target = at.Target(c), folder = fs::path(target).parent_path();
  const std::string out = fs::path(at.Listing()).parent_path();
  fs::create_directories(out);
  fs::create_directories(at.Side());
  // Open to "nobody", so that only the fault stops a write.
  fs::permissions(d.Root(), fs::perms(0755));
  fs::permissions(d.Host(), fs::perms::all);
  fs::permissions(out, fs::perms::all);
  switch (c.fault) {
    case Fault::MissingFolder:
      fs::remove_all(folder);
      return "";
    case Fault::ReadOnlyFolder:
      fs::permissions(folder, fs::perms(0555));
      return test::DropRootPrivileges();
    case Fault::Directory:
      fs::create_directory(target);
      Put(target + "/kept", "old");
      return "";
    case Fault::Device:
      return MakeDevice(target);
    case Fault::DeviceLink: {
      // Root links to a node of its own; others to /dev/null, which they cannot replace.
      const std::string own = at.Side() + "/null";
      fs::create_symlink(MakeDevice(own).empty() ? own : "/dev/null", target);
      return "";
    }
    case Fault::Fifo:
      return mkfifo(target.c_str(), 0644) == 0 ? "" : "cannot make a FIFO";
    case Fault::WriteProtected:
      Put(target, "old");
      fs::permissions(target, fs::perms(0444));
      return test::DropRootPrivileges();
    case Fault::FullDisk:
      if (std::string why = test::MountSmallFileSystem(folder); !why.empty()) return why;
      Put(target, "old");
      test::Fill(folder);
      return "";
    case Fault::Link:
      Put(at.Side() + "/real", "old");
      fs::create_symlink(fs::relative(at.Side() + "/real", folder), target);
      return "";
    case Fault::DanglingLink:
      fs::create_symlink(at.Side() + "/new", target);
      return "";
  }
  return "";
}

// Every entry under the root: its kind, permissions and content.
std::map<std::string, std::string> Snapshot(const std::string& root) {
  std::map<std::string, std::string> entries;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    const fs::path& p = it->path();
    const fs::file_status st = fs::symlink_status(p);
    std::ostringstream e;
    e << static_cast<int>(st.type()) << " " << std::oct << static_cast<unsigned>(st.permissions());
    if (fs::is_symlink(st)) e << " -> " << fs::read_symlink(p).string();
    if (fs::is_regular_file(st)) e << " " << TempDrive::Read(p).value_or("?");
    entries[p.string()] = e.str();
  }
  return entries;
}

// What the user was told ("CAPTION: TEXT", or the host's "error: TEXT"), and
// whether the action went on.
struct Outcome {
  std::string message;
  bool completed = false;
  bool listingKept = true;  // still in the page, which is still shown
};

Outcome Write(Action action, const TempDrive& d) {
  DiskFileSystem files;
  test::RecordingMessages messages;
  test::ScriptedSaveDialog dialog;
  test::FakeClock clock;
  TForm1 form(messages, dialog, files, {"C:\\VERLO"}, nullptr, &clock);
  form.FormActivate();
  form.ComboBox1Change(3);
  form.Page(3)->Fire("Button1");
  form.CheckBox1Click(action == Action::Save);
  dialog.answers = {Places{d}.Listing()};
  Outcome o;
  switch (action) {
    case Action::Cli: {
      std::ostringstream out, err;
      o.completed = RunCli({"cut-circle", "-o", Places{d}.Listing()}, out, err, files) == kCliWrote;
      o.message = err.str().substr(0, err.str().find('\n'));
      return o;
    }
    case Action::HostAnswer: {
      SimulatedHost host(files, d.Host(), [&o](const std::string& line) {
        if (line.rfind("error: ", 0) == 0) o.message = line;
      });
      host.Signal("G");
      o.completed = o.message.empty();
      return o;
    }
    case Action::Mdi:
      form.AboutBox().SetEdit1("G0 X1");
      form.AboutBox().Button1Click();
      o.completed = messages.shown.empty();
      break;
    case Action::Save:
    case Action::Send:
      form.Button3Click();
      o.completed = messages.shown.empty();
      break;
    case Action::Exit:
      o.completed = form.Button4Click();
      break;
  }
  EXPECT_LE(messages.shown.size(), 1u);
  for (const test::Shown& shown : messages.shown) {
    EXPECT_TRUE(shown.error);
    o.message = shown.caption + ": " + shown.text;
  }
  o.listingKept =
      form.Page(3)->Memo1().Count() == 27 && form.VisiblePage() == 3 && form.State().sendState == 1;
  return o;
}

// The bytes a writer's file should hold.
std::string Expected(const Writer& w) {
  return w.expected
             ? w.expected
             : *TempDrive::Read(VERLO_SOURCE_DIR "/tests/golden/cut-circle/defaults/expected.tap");
}

// The entries of a snapshot under a folder.
std::map<std::string, std::string> Under(const std::map<std::string, std::string>& entries,
                                         const std::string& folder) {
  std::map<std::string, std::string> under;
  for (const auto& [path, entry] : entries)
    if (path.rfind(folder, 0) == 0) under[path] = entry;
  return under;
}

// The one assertion of a case: refused with its message and nothing changed
// but what the action wrote before the failing file; written through the
// link; or, for a file of the program's own, the link replaced by the file
// and what it led to (beside the host's folder) as it was.
void ExpectWritten(const Case& c, const TempDrive& d) {
  const Places at{d};
  const std::string target = at.Target(c), reason = kFaults[static_cast<int>(c.fault)].reason;
  auto before = Snapshot(d.Root());
  const Outcome o = Write(c.writer->action, d);
  auto after = Snapshot(d.Root());
  for (const auto& [path, entry] : after)
    EXPECT_EQ(path.find(".verlo-"), std::string::npos) << "left behind: " << path;
  if (c.writer->own && IsLink(c.fault)) {
    EXPECT_TRUE(o.completed) << o.message;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
    EXPECT_EQ(TempDrive::Read(target), Expected(*c.writer));
    EXPECT_EQ(Under(after, at.Side()), Under(before, at.Side()));
    return;
  }
  if (reason.empty()) {
    EXPECT_TRUE(o.completed) << o.message;
    const std::string real = at.Side() + (c.fault == Fault::Link ? "/real" : "/new");
    EXPECT_EQ(TempDrive::Read(real), Expected(*c.writer));
    EXPECT_EQ(after[target], before[target]);  // still the same link
    return;
  }
  const std::string start =
      std::string(c.writer->action == Action::HostAnswer ? "error: " : "VERLO varázslók: ") +
      "Cannot create file \"" + target + "\"";
  EXPECT_FALSE(o.completed);
  EXPECT_TRUE(o.message.rfind(start, 0) == 0 && o.message.size() >= reason.size() &&
              o.message.compare(o.message.size() - reason.size(), reason.size(), reason) == 0)
      << o.message;
  EXPECT_TRUE(o.listingKept);
  for (const char* written : c.writer->before) {
    const std::string sent = d.Root() + "/" + written;
    EXPECT_TRUE(after.erase(sent)) << sent;
    before.erase(sent);
  }
  EXPECT_EQ(after, before);
}

class WriteFault : public ::testing::TestWithParam<Case> {};

TEST_P(WriteFault, RefusesWithItsMessageOrWritesThroughTheLink) {
  const Case& c = GetParam();
  TempDrive drive;
  const test::ChildOutcome child =
      test::RunInChild([&] { return Prepare(c, drive); }, [&] { ExpectWritten(c, drive); });
  if (!child.skipped.empty()) GTEST_SKIP() << child.skipped;
  EXPECT_TRUE(child.passed) << "see the failures the child printed above";
}

std::vector<Case> AllCases() {
  std::vector<Case> cases;
  for (const Writer& w : kWriters)
    for (int f = w.before.empty() ? 0 : static_cast<int>(Fault::Directory);
         f <= static_cast<int>(Fault::DanglingLink); ++f)
      cases.push_back({&w, static_cast<Fault>(f)});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryFile, WriteFault, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.Name(); });

// A replaced file keeps its permissions and owner; a new one gets the usual
// ones; a full-length name saves; a neighbour named like an old temporary
// file is left alone.
TEST(DiskFileSystem, ReplacementKeepsModeOwnerAndNeighbours) {
  TempDrive drive(false);
  DiskFileSystem files;
  const std::string kept = drive.Root() + "/kept.tap", fresh = drive.Root() + "/new.tap";
  Put(kept, "old");
  fs::permissions(kept, fs::perms(0640));
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(kept.c_str(), 65534, 65534), 0);
  }
  Put(kept + ".verlo-tmp", "mine");
  const std::string longName = drive.Root() + "/" + std::string(251, 'a') + ".tap";
  for (const std::string& path : {kept, fresh, longName}) {
    files.WriteFile(path, "new", Links::Follow);
    EXPECT_EQ(TempDrive::Read(path), "new") << path;
  }
  struct stat st;
  ASSERT_EQ(stat(kept.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
  }
  const mode_t mask = umask(0);
  umask(mask);
  ASSERT_EQ(stat(fresh.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0666 & ~mask);
  EXPECT_EQ(TempDrive::Read(kept + ".verlo-tmp"), "mine");
  EXPECT_EQ(std::distance(fs::directory_iterator(drive.Root()), fs::directory_iterator()), 4);
}

}  // namespace
}  // namespace verlo
