// What the interpreter tests of the milling pages share: a case as the user
// enters it, pages that run without message boxes, grids of single programs
// and series listings run through rs274, and the checks every program passes.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/rs274_trace.h"
#include "wizards/common/create_page.h"
#include "wizards/page_host.h"

#define SKIP_WITHOUT_RS274()                                             \
  do {                                                                   \
    if (!::verlo::test::Rs274Available())                                \
      GTEST_SKIP() << "rs274 not installed: interpreter checks skipped"; \
  } while (false)

namespace verlo::test {

using Lines = std::vector<std::string>;
constexpr double kPi = 3.14159265358979323846;

// A number as typed on a page, decimal comma or point.
double Num(std::string text);

// The names a page gives the controls every milling page has.
struct CaseControls {
  const char *x, *y, *z, *safe, *depth, *tool;
  const char *stepNone, *step, *noTool, *comments;
  const char *ccw, *entry, *coolant, *m4, *series;
};
inline constexpr CaseControls kMillingControls{
    "Edit_x_",        "Edit_y_",        "Edit_z_",       "Edit_zsb_",       "Edit_m_",
    "Edit_sz_",       "CheckBox_szc_",  "Edit_szc_",     "CheckBox_szsz_",  "CheckBox_msg_",
    "RadioGroup_cw_", "RadioGroup_zi_", "RadioGroup_h_", "RadioGroup_m34_", "RadioGroup_s_"};

// The options of a program: coolant, spindle sense, tool change, comments.
struct CaseOptions {
  int coolant = 0, m4 = 0;
  bool noTool = false, comments = true;
  // Each option taken in turn by the n-th case of a grid.
  void VaryOptions(int n);
};

// The fields every milling page has, as text the user types.
struct MillingCase : CaseOptions {
  virtual ~MillingCase() = default;

  std::string x = "0", y = "0", z = "0", safe = "5";
  std::string depth = "-2", tool = "5";
  std::string step;  // empty: "nincs"
  int ccw = 0;       // RadioGroup_cw_
  int entry = 1;     // RadioGroup_zi_: 0 straight down, 1 on a ramp or helix

  double Z0() const { return Num(z); }
  double Bottom() const { return Num(z) + Num(depth); }
  double MaxStep() const;

  // Sets the controls: the shared fields, the page's own, then the check
  // boxes and radio groups.
  void Enter(WizardPage& page) const;
  std::string Describe() const;
  virtual const CaseControls& Controls() const { return kMillingControls; }

 protected:
  virtual void EnterOwn(WizardPage& page) const = 0;
  virtual std::string Shape() const = 0;  // the page's own fields, described
  virtual const char* EntryName() const { return "ramp"; }
};

// A rectangle from its corner, as both rectangle pages take it.
struct RectangleCase : MillingCase {
  std::string xd = "20", yd = "30";

 protected:
  void EnterOwn(WizardPage& page) const override;
  std::string Shape() const override;
};

// A case at x, y, z with a safe height, cut with a `tool`.
template <class Case>
Case Placed(std::string x, std::string y, std::string z, std::string tool, std::string safe) {
  Case c;
  c.x = x;
  c.y = y;
  c.z = z;
  c.tool = tool;
  c.safe = safe;
  return c;
}

// A rectangle from its corner at x, y, z, xd by yd, cut with a `tool`.
template <class Case = RectangleCase>
Case Rectangle(std::string x, std::string y, std::string z, std::string xd, std::string yd,
               std::string tool, std::string safe = "5") {
  Case c = Placed<Case>(x, y, z, tool, safe);
  c.xd = xd;
  c.yd = yd;
  return c;
}

// How a case differs from the defaults: cut CCW, straight down, with flood
// coolant, without a tool change.
enum CutOption { kCcw = 1, kStraight = 2, kFlood = 4, kNoTool = 8 };

// The case cut to `depth` in passes of at most `step` ("": none).
template <class Case>
Case Cut(Case c, std::string depth, std::string step, int options = 0) {
  c.depth = depth;
  c.step = step;
  c.ccw = options & kCcw ? 1 : 0;
  c.entry = options & kStraight ? 0 : 1;
  c.coolant = options & kFlood ? 2 : 0;
  c.noTool = options & kNoTool;
  return c;
}

// Depth and max step of a case.
using Pass = std::pair<const char*, const char*>;

// Depth with max step: none, 0,6, exact multiples, one pass despite a step,
// a step typed negative.
extern const std::vector<Pass> kDepthPasses;

// Each geometry with each pass, cut both ways round and entered both ways;
// the options vary from case to case.
template <class Case>
std::vector<Case> GridCases(const std::vector<Case>& geometries, const std::vector<Pass>& passes) {
  std::vector<Case> cases;
  for (const Case& g : geometries)
    for (const auto& [depth, step] : passes)
      for (int ccw = 0; ccw < 2; ++ccw)
        for (int entry = 0; entry < 2; ++entry) {
          Case c = g;
          c.depth = depth;
          c.step = step;
          c.ccw = ccw;
          c.entry = entry;
          c.VaryOptions(static_cast<int>(cases.size()));
          cases.push_back(c);
        }
  return cases;
}

struct Quiet : MessageBox {
  void Show(const std::string&, const std::string&) override {}
};

// A page started and shown as the main window starts and shows it, its
// messages dropped.
template <class Page>
struct QuietPage {
  QuietPage() {
    host.StartUp();
    host.Show();
  }
  // Enters the case and presses "Létrehozás".
  const Lines& Create(const MillingCase& c) {
    c.Enter(page);
    page.Button1Click();
    return page.Memo1().Lines();
  }
  Quiet quiet;
  ShellState shell;
  StepStore steps{shell};
  HeadlessHoleSelector holes;
  PageContext context{quiet, shell, steps, holes};
  PageHost host{RowOf<Page>(), context, shell};
  Page& page = dynamic_cast<Page&>(host.Page());
};

// rs274's trace of the lines, failing the test when it does not accept them.
Trace Interpret(const Lines& lines);

// The traces of the programs in a series listing that ends at `ends` (line
// counts): run with "G21 G90" before and "M30" after. Empty when rs274 does
// not accept the listing.
std::vector<Trace> InterpretSeries(const Lines& listing, const std::vector<size_t>& ends);

// Every program: its lowest point is start Z + depth, no rapid goes below the
// start Z, and rapids sideways go at the safe height.
void CheckDepthAndRapids(const Trace& own, const MillingCase& c);

// Counts the failing cases of a grid: a failing case adds its listing to
// the failures, and after five the grid stops.
class FailureBudget {
 public:
  // Runs the listing through rs274 and `check` over its trace. False when
  // the grid should stop.
  bool Check(const Lines& lines, const std::function<void(const Trace&)>& check);

 private:
  int failed_ = 0;
};

// Runs the cases one by one, each entered by `enter` on a fresh page, and
// `check` over the trace of each program.
template <class Page, class Case, class EnterFn, class CheckFn>
void RunCases(const std::vector<Case>& cases, EnterFn enter, CheckFn check) {
  FailureBudget budget;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Describe());
    QuietPage<Page> run;
    enter(c, run);
    run.page.Button1Click();
    ASSERT_EQ(run.page.Error(), 0);
    ASSERT_TRUE(run.page.LastCreateWrote());
    const auto checkCase = [&](const Trace& trace) { check(trace, c); };
    if (!budget.Check(run.page.Memo1().Lines(), checkCase)) return;
  }
}

// Runs cases that enter themselves (`Enter(page)`).
template <class Page, class Case, class CheckFn>
void RunGrid(const std::vector<Case>& cases, CheckFn check) {
  RunCases<Page>(
      cases, [](const Case& c, QuietPage<Page>& run) { c.Enter(run.page); }, check);
}

// Series mode: the cases entered one after another on one page, with
// comments and without, and each program checked on its own lines.
template <class Page, class Case, class CheckFn>
void RunSeries(std::vector<Case> cases, CheckFn check) {
  for (bool comments : {true, false}) {
    SCOPED_TRACE(comments ? "with comments" : "without comments");
    QuietPage<Page> run;
    const char* series = cases.front().Controls().series;
    run.page.Find(series)->itemIndex = 1;
    run.page.Fire(series);
    std::vector<size_t> ends;
    for (Case& c : cases) {
      c.comments = comments;
      run.Create(c);
      ASSERT_EQ(run.page.Error(), 0) << c.Describe();
      ends.push_back(run.page.Memo1().Count());
    }
    const std::vector<Trace> traces = InterpretSeries(run.page.Memo1().Lines(), ends);
    for (size_t i = 0; i < traces.size(); ++i) check(traces[i], cases[i]);
  }
}

// The floor cut along a closed path, in equal pieces (bins): the lowest Z
// reached in each and the deepest bite below the floor.
class PathFloor {
 public:
  PathFloor(int bins, double surfaceZ) : floor_(bins, surfaceZ), hit_(bins, false) {}
  // A cut point; its bite is measured against the floor as of the last Settle.
  void Cut(int bin, double z);
  // Lowers the floor to the points cut since the last Settle.
  void Settle();

  double WorstBite() const { return worstBite_; }
  int Missed() const;                // bins never cut
  int Shallow(double bottom) const;  // bins left above the bottom

 private:
  std::vector<double> floor_;
  std::vector<bool> hit_;
  std::vector<std::pair<int, double>> pending_;
  double worstBite_ = 0;
};

}  // namespace verlo::test
