// The Fibonacci spiral page: a chain of quarter circles whose radii follow
// the Fibonacci numbers, cut from a start point in one or more depth levels,
// in a work offset of its own (G59 set to the start point). It writes the
// path either as explicit moves or as a parametric program whose
// subprograms compute the same arcs on the control.
#pragma once

#include <string>
#include <vector>

#include "wizards/common/create_page.h"

namespace verlo {

extern const char kG59Warning[];
extern const char kSpindleLeftOutMessage[];
// The caption of the per-level message, as the page has always spelt it.
extern const char kPerLevelCaption[];

// What the page accepted, kept between generations.
struct FibonacciValues {
  long double x = 0, y = 0, z = 0;  // start point; z is the surface
  long double clearance = 0;        // safe clearance above z
  long double safe = 0;             // H = z + clearance
  long double scale = 0, rotation = 0, depth = 0;
  long double toolLimit = 0, maxPerLevel = 0;
  long double p = 0;  // depth of one level
  long double f1 = 0, f2 = 0;
  int levels = 0, turns = 0, quarters = 0;
  int tool = 0, speed = 0;
  int comments = 0, ccw = 0, m4 = 0;
};

// One quarter arc of the spiral: its end point relative to the start point
// and its radius.
struct SpiralArc {
  long double x = 0, y = 0, r = 0;
};

// The signs (x, y) of the four quarters of a turn: [0] CCW, [1] CW.
extern const int kSpiralSigns[2][4][2];

// The arcs of one level: `turns` full turns (none when 0 or less), then
// `quarters` quarters, radii scale × 1, 1, 2, 3, 5, ...
std::vector<SpiralArc> SpiralArcs(long double scale, int turns, int quarters, bool cw);

class TFrame2 : public CreatePage {
 public:
  explicit TFrame2(PageContext& context);

  void Shown() override;

  // The reading, with the level count; the page has no separate path.
  void CheckParameters() override;
  void WriteComments() override;
  void WriteProgram() override;

  // A listing made while accumulating that starts no spindle runs only
  // inside the joined program.
  std::string SendRefusal() const override {
    return spindleLeftOut_ ? kSpindleLeftOutMessage : std::string();
  }
  const FibonacciValues& Values() const { return v_; }

 protected:
  // A new listing, which has left out no spindle start yet.
  void StartListing() override;
  // The step record when accumulation is on.
  void Created() override;

 private:
  bool FormulaMode() const { return read_.Item("RadioGroup1") == 1; }
  void ReadFeeds();
  void ReadDepth();
  void ReadSpiral();
  void ReadToolAndSpindle();
  void ReadLevels();
  void WriteGcodeProgram();
  void WriteFormulaProgram();
  void WriteFormulaVariables();
  void WriteFormulaSubprograms();
  void Gap();  // a line of one space, with comments on

  FibonacciValues v_;
  bool spindleLeftOut_ = false;  // the last program started no spindle
};

}  // namespace verlo
