// The circular pocket page: at each depth level the tool enters at the
// centre (straight down, or on a ramp from the rim), spirals out in half
// circles one step-over wider per turn and closes the level with a full
// circle, so that a round pocket of the given diameter is cleared.
#pragma once

#include "wizards/common/create_page.h"
#include "wizards/common/milling_fields.h"

namespace verlo {

class TFrame3 : public CreatePage {
 public:
  explicit TFrame3(PageContext& context);

  void Shown() override { ScrollBar1Change(); }
  void CheckParameters() override;
  void ComputePath() override;
  void WriteComments() override;
  void WriteProgram() override;
  long double ToolDiameter() const override { return v_.toolDiameter; }
  void ScrollBar1Change();

  // The derived path values.
  struct Path {
    long double s = 0;  // step-over
    int n = 0;          // full turns of the spiral
    long double r = 0;  // the last, partial step-over; 0 for none
  };
  const Path& PathValues() const { return path_; }
  const MillingValues& Values() const { return v_; }
  long double PocketDiameter() const { return pocket_; }

 protected:
  void StartListing() override { ClearUnlessSeries(v_.options.series); }
  // The step record when accumulation is on.
  void Created() override;

 private:
  // One half circle to x along the X axis at the centre's Y.
  void Arc(long double x, long double R);

  MillingValues v_;
  long double pocket_ = 0;  // pocket diameter D
  int position_ = 0;        // the step-over percentage as last checked
  Path path_;
};

}  // namespace verlo
