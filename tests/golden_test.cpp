// Golden cases: each folder tests/golden/<page>/<case> holds the arguments of
// one verlo-gcode run (`args`, one a line) and what it must give: the listing
// as saved (`expected.tap`), the message lines (`expected.stderr`), what it
// prints (`expected.stdout`, the control list of --controls) and the exit
// status (`status`); a missing stderr, stdout or status file means none and 0.
// VERLO_UPDATE_GOLDEN=1 rewrites the expected files from the program's output,
// for review with git diff. Every listing is also read by LinuxCNC's rs274,
// unless the case folder holds a file `no-interpreter` saying why not, and
// our own reader (toolpath/) must make the same moves of it as rs274 does.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gcode/encoding.h"
#include "support/rs274_trace.h"
#include "support/run_program.h"
#include "support/toolpath_compare.h"
#include "toolpath/reader.h"

namespace verlo {
namespace {

namespace fs = std::filesystem;

fs::path GoldenRoot() {
  return fs::path(VERLO_SOURCE_DIR) / "tests" / "golden";
}

std::string ReadFile(const fs::path& path, bool* found = nullptr) {
  std::ifstream in(path, std::ios::binary);
  if (found) *found = static_cast<bool>(in);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteOrRemove(const fs::path& path, const std::string& bytes, bool keep) {
  if (!keep) {
    fs::remove(path);
    return;
  }
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The first line where the two texts differ, shown in UTF-8.
std::string FirstDifference(const std::string& expected, const std::string& actual, bool cp1250) {
  const auto show = [&](const std::string& s) { return cp1250 ? Local8BitToUtf8(s) : s; };
  const std::vector<std::string> e = SplitLines(expected), a = SplitLines(actual);
  for (size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
    const std::string el = i < e.size() ? show(e[i]) : "<end>";
    const std::string al = i < a.size() ? show(a[i]) : "<end>";
    if (el != al)
      return "line " + std::to_string(i + 1) + "\n  expected: " + el + "\n  actual:   " + al;
  }
  return "the line ends differ";
}

std::vector<std::string> FindCases() {
  std::vector<std::string> cases;
  for (const auto& page : fs::directory_iterator(GoldenRoot()))
    if (page.is_directory())
      for (const auto& c : fs::directory_iterator(page.path()))
        if (fs::exists(c.path() / "args"))
          cases.push_back(fs::relative(c.path(), GoldenRoot()).string());
  std::sort(cases.begin(), cases.end());
  return cases;
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, Case) {
  const fs::path dir = GoldenRoot() / GetParam();
  const fs::path listing =
      fs::temp_directory_path() / ("verlo-golden-" + std::to_string(::getpid()) + ".tap");
  fs::remove(listing);
  std::vector<std::string> argv = {VERLO_GCODE_BIN};
  // A listing read with --read lies in the case's folder; such a run saves
  // none.
  bool reads = false;
  for (const std::string& a : SplitLines(ReadFile(dir / "args"))) {
    const bool file = argv.back() == "--read";
    argv.push_back(file ? (dir / a).string() : a);
    reads = reads || file;
  }
  if (!reads) argv.insert(argv.end(), {"-o", listing.string()});
  const test::ProgramRun run = test::RunProgram(argv);
  bool wrote = false;
  const std::string tap = ReadFile(listing, &wrote);
  fs::remove(listing);

  if (std::getenv("VERLO_UPDATE_GOLDEN")) {
    WriteOrRemove(dir / "expected.tap", tap, wrote);
    WriteOrRemove(dir / "expected.stderr", run.err, !run.err.empty());
    WriteOrRemove(dir / "expected.stdout", run.out, !run.out.empty());
    WriteOrRemove(dir / "status", std::to_string(run.status) + "\n", run.status != 0);
    return;
  }
  bool hasStatus = false, hasTap = false;
  const std::string status = ReadFile(dir / "status", &hasStatus);
  EXPECT_EQ(run.status, hasStatus ? std::stoi(status) : 0) << run.err;
  const std::string err = ReadFile(dir / "expected.stderr");
  EXPECT_TRUE(run.err == err) << "messages differ at " << FirstDifference(err, run.err, false);
  const std::string out = ReadFile(dir / "expected.stdout");
  EXPECT_TRUE(run.out == out) << "output differs at " << FirstDifference(out, run.out, false);
  const std::string expectedTap = ReadFile(dir / "expected.tap", &hasTap);
  EXPECT_EQ(wrote, hasTap) << (wrote ? "a listing was written" : "no listing was written");
  if (hasTap && wrote) {
    EXPECT_TRUE(tap == expectedTap)
        << "listing differs at " << FirstDifference(expectedTap, tap, true);
  }
  if (!wrote) return;
  // A listing of a series has no program end of its own.
  std::vector<std::string> program = SplitLines(Local8BitToUtf8(tap));
  if (program.empty() || (program.back() != "M30" && program.back() != "M2"))
    program.push_back("M30");
  const toolpath::ReadResult read = toolpath::ReadToolpath(program);
  EXPECT_TRUE(read.Ok()) << "the reader refuses the listing: " << read.error->Text();
  if (!fs::exists(dir / "no-interpreter") && test::Rs274Available()) {
    const test::Trace trace = test::RunRs274(program);
    EXPECT_TRUE(trace.ok) << "rs274 refuses the listing: " << trace.error;
    if (trace.ok && read.Ok()) {
      const std::string difference = test::DifferenceFromRs274(read.path, trace);
      EXPECT_TRUE(difference.empty()) << "the reader and rs274 differ at " << difference;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(FindCases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace verlo
