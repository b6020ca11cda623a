// Thread milling programs run through LinuxCNC's interpreter: every turn a
// full circle about the thread axis in the thread's hand, the passes closing
// in on the root and the last one on it, the turns of a pass one pitch apart
// over the thread's length, the rings flat at either end, and each pass
// leaving the thread radially.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/interpreter_harness.h"
#include "wizards/thread_milling/thread_milling_page.h"

namespace verlo {
namespace {

using test::Move;
using test::Num;
using test::Trace;

constexpr double kTol = 1.0001e-4;

// One thread as the user enters it.
struct Case : test::CaseOptions {
  std::string x = "0", y = "0", z = "0", pitch = "1,5", depth = "1,5", diameter = "20";
  std::string length = "10", tool = "8", step = "0,6";  // step "": "nincs"
  int nut = 0, left = 0, bottomUp = 0;
  bool startRing = false, endRing = false;

  void Enter(WizardPage& page) const {
    const std::pair<const char*, std::string> texts[] = {
        {"Edit_x_", x},       {"Edit_y_", y},     {"Edit_z_", z},
        {"Edit_zm_", pitch},  {"Edit_m_", depth}, {"Edit_r_", diameter},
        {"Edit_ml_", length}, {"Edit_sz_", tool}, {"Edit_szc_", step.empty() ? "0,6" : step}};
    for (const auto& [name, text] : texts) page.Find(name)->text = text;
    const std::pair<const char*, bool> boxes[] = {{"CheckBox_szc_", step.empty()},
                                                  {"CheckBox_szsz_", noTool},
                                                  {"CheckBox_msg_", comments},
                                                  {"CheckBox1", startRing},
                                                  {"CheckBox2", endRing}};
    for (const auto& [name, on] : boxes) page.Find(name)->checked = on;
    const std::pair<const char*, int> radios[] = {{"RadioGroup_cs_", nut},
                                                  {"RadioGroup_cw_", left},
                                                  {"RadioGroup_upto", bottomUp},
                                                  {"RadioGroup_h_", coolant},
                                                  {"RadioGroup_m34_", m4}};
    for (const auto& [name, index] : radios) page.Find(name)->itemIndex = index;
  }
  std::string Describe() const {
    return std::string(nut ? "internal" : "external") + (left ? " left" : " right") +
           (bottomUp ? " bottom-up" : " top-down") + " axis " + x + "/" + y + " Z" + z + " P" +
           pitch + " L" + length + " d" + diameter + " D" + depth + " tool " + tool + " step " +
           (step.empty() ? "none" : step) + (startRing ? " start ring" : "") +
           (endRing ? " end ring" : "");
  }

  // What the thread should give, worked out on its own.
  int Passes() const {
    const double D = std::fabs(Num(depth)), s = step.empty() ? D : std::fabs(Num(step));
    return s >= D ? 1 : static_cast<int>(std::floor(D / s + 1e-9)) + 1;
  }
  int Turns() const {
    return static_cast<int>(std::floor(std::fabs(Num(length) / Num(pitch)) + 1e-9)) + bottomUp;
  }
  double RootRadius() const { return (Num(diameter) + (nut ? -1 : 1) * Num(tool)) / 2; }
  double StartLevel() const { return Num(z) - (bottomUp ? std::fabs(Num(length)) : 0); }
};

bool Flat(const Move& m) {
  return std::fabs(m.z - m.startZ) < 1e-9;
}

void CheckThread(const Trace& t, const Case& c) {
  const double cx = Num(c.x), cy = Num(c.y), P = std::fabs(Num(c.pitch));
  const int rotation = c.left == c.bottomUp ? -1 : 1;  // G2 or G3
  const double dir = c.bottomUp ? 1 : -1;
  // The arcs in runs of one radius: the passes.
  std::vector<std::vector<const Move*>> passes;
  std::vector<const Move*> after;  // the move after each pass
  for (size_t i = 0; i < t.moves.size(); ++i) {
    const Move& m = t.moves[i];
    if (m.kind != Move::Arc) continue;
    EXPECT_EQ(m.plane, Move::XY);
    EXPECT_EQ(m.rotation, rotation) << "line " << m.lineNo << ": not one turn in the thread's hand";
    EXPECT_NEAR(m.cx, cx, kTol) << "line " << m.lineNo;
    EXPECT_NEAR(m.cy, cy, kTol) << "line " << m.lineNo;
    EXPECT_NEAR(m.x, m.startX, kTol) << "line " << m.lineNo << ": not a full circle";
    EXPECT_NEAR(m.y, m.startY, kTol) << "line " << m.lineNo << ": not a full circle";
    const double r = std::hypot(m.startX - cx, m.startY - cy);
    if (passes.empty() ||
        std::fabs(std::hypot(passes.back()[0]->startX - cx, passes.back()[0]->startY - cy) - r) >
            kTol)
      passes.emplace_back();
    passes.back().push_back(&m);
    after.resize(passes.size());
    after.back() = i + 1 < t.moves.size() ? &t.moves[i + 1] : nullptr;
  }
  ASSERT_EQ(static_cast<int>(passes.size()), c.Passes());
  const double rF = c.RootRadius(), e = std::fabs(Num(c.depth)) / c.Passes();
  const double retractX =
      cx + (c.nut ? 0 : Num(c.diameter) / 2 + 2 * std::fabs(Num(c.depth)) + Num(c.tool) / 2);
  for (size_t k = 0; k < passes.size(); ++k) {
    SCOPED_TRACE("pass " + std::to_string(k + 1));
    const std::vector<const Move*>& arcs = passes[k];
    const double back = (passes.size() - 1 - k) * e;
    EXPECT_NEAR(std::hypot(arcs[0]->startX - cx, arcs[0]->startY - cy),
                c.nut ? rF - back : rF + back, kTol);
    size_t first = 0, last = arcs.size();
    const int turns = c.Turns();
    if (c.startRing && turns > 0) {
      EXPECT_TRUE(Flat(*arcs[first]));
      EXPECT_NEAR(arcs[first++]->z, c.StartLevel(), kTol);
    }
    if (c.endRing) {
      EXPECT_TRUE(Flat(*arcs[last - 1]));
      EXPECT_NEAR(arcs[--last]->z, c.StartLevel() + dir * P * turns, kTol);
    }
    ASSERT_EQ(static_cast<int>(last - first), turns);
    for (size_t i = first; i < last; ++i)  // each turn one pitch on
      EXPECT_NEAR(arcs[i]->z - arcs[i]->startZ, dir * P, kTol) << "line " << arcs[i]->lineNo;
    EXPECT_NEAR(arcs[first]->startZ, c.StartLevel(), kTol);
    // Out of the thread radially before anything else.
    ASSERT_NE(after[k], nullptr);
    const Move& out = *after[k];
    EXPECT_EQ(out.kind, Move::Feed);
    EXPECT_NEAR(out.x, retractX, kTol);
    EXPECT_NEAR(out.y, cy, kTol);
    EXPECT_NEAR(out.z, arcs.back()->z, kTol);
  }
}

// Each geometry external and internal, both hands, both directions.
std::vector<Case> Grid() {
  std::vector<Case> geometries(4);  // the options first, set below
  geometries[1] = {{}, "100", "-50", "-5", "1", "0,6", "12", "12", "6", ""};
  geometries[1].startRing = true;
  geometries[2] = {{}, "-33,3333", "12,5", "12,5", "0,75", "0,9", "30", "8,3", "10", "0,3"};
  geometries[2].endRing = true;
  geometries[3] = {{}, "0", "0", "0", "2", "1,2", "16,5", "3", "4", "-0,5"};
  geometries[3].startRing = geometries[3].endRing = true;
  std::vector<Case> cases;
  for (const Case& g : geometries)
    for (int kind = 0; kind < 8; ++kind) {
      Case c = g;
      c.nut = kind & 1;
      c.left = kind >> 1 & 1;
      c.bottomUp = kind >> 2 & 1;
      c.VaryOptions(static_cast<int>(cases.size()));
      cases.push_back(c);
    }
  return cases;
}

TEST(ThreadMillingInterpreter, GridOfThreads) {
  SKIP_WITHOUT_RS274();
  test::RunGrid<TFrame11>(Grid(), CheckThread);
}

}  // namespace
}  // namespace verlo
