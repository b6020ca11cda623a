// Generation: each page's largest program made as the window makes it, in
// lines per second, beside the snprintf baseline of the same lines; the
// reader and statistics of the preview over the same programs.
#include <benchmark/benchmark.h>

#include "bench/baseline.h"
#include "bench/cases.h"
#include "cli/page_controls.h"
#include "toolpath/planner.h"
#include "toolpath/reader.h"
#include "toolpath/statistics.h"
#include "wizards/page_host.h"

namespace verlo::bench {
namespace {

class Silent : public MessageBox {
 public:
  void Show(const std::string&, const std::string&) override {}
};

// A page started, shown and set as the command line sets it; each press of
// "Létrehozás" is one program.
struct PagePress {
  explicit PagePress(const std::vector<std::string>& args)
      : host(*FindCliPage(args[0]), context, shell) {
    steps.Reset();
    host.StartUp();
    host.Show();
    for (size_t i = 1; i < args.size(); ++i) {
      const size_t eq = args[i].find('=');
      SetControl(host, args[i].substr(0, eq), args[i].substr(eq + 1));
    }
  }
  Silent messages;
  ShellState shell;
  StepStore steps{shell};
  HeadlessHoleSelector holes;
  PageContext context{messages, shell, steps, holes};
  PageHost host;
};

void Generate(benchmark::State& state, const Case& c) {
  size_t lines = 0;
  if (c.args[0] == "--accumulate") {  // the steps and their joining
    for (auto _ : state) lines = MakeListing(c.args).size();
  } else {
    PagePress page(c.args);
    // A page that appends every create (the thread) is cleared first.
    const bool clears = page.host.Page().Find("Button2") != nullptr;
    for (auto _ : state) {
      if (clears) page.host.Press("Button2");
      page.host.Press("Button1");
      lines = page.host.Page().Memo1().Count();
      benchmark::DoNotOptimize(lines);
    }
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate);
}

void Baseline(benchmark::State& state, const Case& c) {
  const std::vector<std::string> lines = MakeListing(c.args);
  const std::vector<LineTemplate> templates = Templates(lines);
  if (FormatBaseline(templates) != Joined(lines)) state.SkipWithError("the baseline differs");
  for (auto _ : state) benchmark::DoNotOptimize(FormatBaseline(templates));
  state.counters["lines"] = static_cast<double>(lines.size());
  state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

void Read(benchmark::State& state, const Case& c) {
  const std::vector<std::string> lines = MakeListing(c.args);
  for (auto _ : state) {
    const toolpath::ReadResult read = toolpath::ReadToolpath(lines);
    const toolpath::Statistics stats = toolpath::ComputeStatistics(read.path);
    benchmark::DoNotOptimize(toolpath::EstimateTime(read.path).total + stats.cuttingLength);
  }
  state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

const bool registered = [] {
  for (const Case& c : LargestPrograms()) {
    benchmark::RegisterBenchmark((std::string("Generate/") + c.name).c_str(), Generate, c)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("Baseline/") + c.name).c_str(), Baseline, c)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("Read/") + c.name).c_str(), Read, c)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace verlo::bench

BENCHMARK_MAIN();
