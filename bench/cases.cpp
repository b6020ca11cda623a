#include "bench/cases.h"

#include <sstream>

#include "cli/cli_runner.h"

namespace verlo::bench {
namespace {

std::vector<std::string> JoinedOfSteps(int steps) {
  std::vector<std::string> args = {"--accumulate", "circular-pocket", "Edit4=30", "Edit3=4",
                                   "ScrollBar1=40"};
  for (int i = 0; i < steps; ++i) {
    args.push_back("Edit1=" + std::to_string(i * 35));
    args.push_back("create");
  }
  args.push_back("--joined");
  return args;
}

}  // namespace

const std::vector<Case>& LargestPrograms() {
  static const std::vector<Case> cases = {
      {"rectangle-pocket",
       {"rectangle-pocket", "Edit_xd_=20,8", "Edit_yd_=20,8", "Edit_sz_=1", "ScrollBar1=10",
        "CheckBox_szc_=0", "Edit_szc_=0,0202"}},
      {"circular-pocket",
       {"circular-pocket", "Edit4=20,8", "Edit3=1", "ScrollBar1=10", "CheckBox2=0",
        "Edit9=0,0202"}},
      {"thread-milling",
       {"thread-milling", "Edit_zm_=0,01", "Edit_ml_=10", "Edit_m_=1", "Edit_szc_=0,0101",
        "CheckBox1=1", "CheckBox2=1"}},
      {"drill-circle", {"drill-circle", "Edit_drc_=1000", "Edit_r_=200"}},
      {"fibonacci",
       {"fibonacci", "CheckBox3=0", "Edit3=10", "RadioGroup2=3", "Edit10=0,001", "CheckBox2=0",
        "Edit9=0,0202"}},
      {"fibonacci-formula",
       {"fibonacci", "CheckBox3=0", "Edit3=10", "RadioGroup2=3", "Edit10=0,001", "CheckBox2=0",
        "Edit9=0,0202", "RadioGroup1=1"}},
      {"joined-100-steps", JoinedOfSteps(100)},
  };
  return cases;
}

std::vector<std::string> MakeListing(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  DiskFileSystem files;
  if (RunCli(args, out, err, files) != kCliWrote) return {};
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace verlo::bench
