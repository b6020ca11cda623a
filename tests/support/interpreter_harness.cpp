#include "tests/support/interpreter_harness.h"

#include <algorithm>
#include <cmath>

#include "tests/support/toolpath_compare.h"
#include "toolpath/reader.h"

namespace verlo::test {
namespace {

constexpr int kMaxFailedCases = 5;

int FailureCount() {
  return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
}

}  // namespace

double Num(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return std::stod(text);
}

double MillingCase::MaxStep() const {
  const double d = std::fabs(Num(depth));
  return step.empty() ? d : std::min(d, std::fabs(Num(step)));
}

void CaseOptions::VaryOptions(int n) {
  coolant = n % 3;
  m4 = n / 3 % 2;
  noTool = n % 5 == 4;
  comments = n % 4 != 1;
}

void MillingCase::Enter(WizardPage& page) const {
  const CaseControls& n = Controls();
  const std::pair<const char*, std::string> texts[] = {
      {n.x, x}, {n.y, y}, {n.z, z}, {n.safe, safe}, {n.depth, depth}, {n.tool, tool}};
  for (const auto& [name, text] : texts) page.Find(name)->text = text;
  EnterOwn(page);
  page.Find(n.stepNone)->checked = step.empty();
  page.Fire(n.stepNone);
  if (!step.empty()) page.Find(n.step)->text = step;
  page.Find(n.noTool)->checked = noTool;
  page.Fire(n.noTool);
  page.Find(n.comments)->checked = comments;
  const std::pair<const char*, int> radios[] = {
      {n.ccw, ccw}, {n.entry, entry}, {n.coolant, coolant}, {n.m4, m4}};
  for (const auto& [name, index] : radios) {
    page.Find(name)->itemIndex = index;
    page.Fire(name);
  }
}

std::string MillingCase::Describe() const {
  return Shape() + " Z" + z + " depth " + depth + " tool " + tool + " step " +
         (step.empty() ? "none" : step) + (ccw ? " CCW " : " CW ") +
         (entry ? EntryName() : "straight");
}

void RectangleCase::EnterOwn(WizardPage& page) const {
  page.Find("Edit_xd_")->text = xd;
  page.Find("Edit_yd_")->text = yd;
}

std::string RectangleCase::Shape() const {
  return "corner " + x + "/" + y + " size " + xd + "x" + yd;
}

const std::vector<Pass> kDepthPasses = {{"-2", ""},  {"-3,7", "0,6"}, {"-2", "0,5"},
                                        {"-3", "1"}, {"-0,3", "0,6"}, {"-1,5", "-0,4"}};

Trace Interpret(const Lines& lines) {
  Trace trace = RunRs274(lines);
  EXPECT_TRUE(trace.ok) << trace.error << "\nprogram:\n" << ProgramText(lines);
  // Our own reader makes the same moves of every program rs274 runs.
  if (trace.ok) {
    const toolpath::ReadResult read = toolpath::ReadToolpath(lines);
    if (!read.Ok())
      ADD_FAILURE() << "the reader refuses: " << read.error->Text() << "\nprogram:\n"
                    << ProgramText(lines);
    else if (const std::string d = DifferenceFromRs274(read.path, trace); !d.empty())
      ADD_FAILURE() << "the reader and rs274 differ at " << d << "\nprogram:\n"
                    << ProgramText(lines);
  }
  return trace;
}

std::vector<Trace> InterpretSeries(const Lines& listing, const std::vector<size_t>& ends) {
  Lines lines = {"G21 G90"};
  lines.insert(lines.end(), listing.begin(), listing.end());
  lines.push_back("M30");
  const Trace trace = Interpret(lines);
  std::vector<Trace> programs;
  if (!trace.ok) return programs;
  size_t begin = 0;
  for (size_t end : ends) {
    // Listing line k is program line k + 2, after the added "G21 G90".
    programs.push_back(LinesOf(trace, static_cast<int>(begin) + 2, static_cast<int>(end) + 1));
    begin = end;
  }
  return programs;
}

void CheckDepthAndRapids(const Trace& own, const MillingCase& c) {
  const double z0 = c.Z0();
  EXPECT_NEAR(MinZ(own), c.Bottom(), 1.0001e-4);
  for (const Move& m : own.moves) {
    if (m.kind != Move::Traverse) continue;
    EXPECT_GE(m.z, z0) << "rapid into the material, line " << m.lineNo;
    if (std::hypot(m.x - m.startX, m.y - m.startY) > 1e-9) {
      EXPECT_NEAR(m.z, z0 + Num(c.safe), 1e-4) << "rapid across below the safe height";
    }
  }
}

bool FailureBudget::Check(const Lines& lines, const std::function<void(const Trace&)>& check) {
  const int before = FailureCount();
  const Trace trace = Interpret(lines);
  if (trace.ok) check(trace);
  if (FailureCount() == before) return true;
  ADD_FAILURE() << "listing:\n" << ProgramText(lines);
  if (++failed_ < kMaxFailedCases) return true;
  ADD_FAILURE() << "stopping after " << kMaxFailedCases << " failing cases";
  return false;
}

void PathFloor::Cut(int bin, double z) {
  worstBite_ = std::max(worstBite_, floor_[bin] - z);
  pending_.push_back({bin, z});
  hit_[bin] = true;
}

void PathFloor::Settle() {
  for (const auto& [bin, z] : pending_) floor_[bin] = std::min(floor_[bin], z);
  pending_.clear();
}

int PathFloor::Missed() const {
  return static_cast<int>(std::count(hit_.begin(), hit_.end(), false));
}

int PathFloor::Shallow(double bottom) const {
  return static_cast<int>(
      std::count_if(floor_.begin(), floor_.end(), [&](double z) { return z > bottom + 1e-4; }));
}

}  // namespace verlo::test
