// The rectangle pocket page: an axis-parallel pocket cleared at each depth
// level by its centre line and by rectangular rings growing out from it,
// each ring dipping into its corners where the rings lie too far apart for
// the tool to clear them.
#pragma once

#include "wizards/common/create_page.h"
#include "wizards/common/milling_fields.h"
#include "wizards/common/rectangle_fields.h"

namespace verlo {

class TFrame4 : public CreatePage {
 public:
  explicit TFrame4(PageContext& context);

  void Shown() override { ScrollBar1Change(); }
  void CheckParameters() override;
  void ComputePath() override;
  void WriteComments() override;
  void WriteProgram() override;
  long double ToolDiameter() const override { return v_.toolDiameter; }
  void ScrollBar1Change();

  // The derived path values.
  struct Path {
    long double so = 0;          // step-over
    long double Xc = 0, Yc = 0;  // start of the centre line
    long double Lx = 0, Ly = 0;  // its extents (one is 0)
    int n = 0;                   // full rings per level
    long double r = 0;           // width of the last partial ring
  };
  const Path& PathValues() const { return path_; }
  const MillingValues& Values() const { return v_; }

 protected:
  void StartListing() override { ClearUnlessSeries(v_.options.series); }

 private:
  int Position() const { return Get("ScrollBar1").position; }
  // The four sides of a ring from its corner (a, b), extents w x h, lying
  // `gap` outside the ring (or centre line) before it.
  void WriteRing(long double a, long double b, long double w, long double h, long double gap);

  MillingValues v_;
  RectangleSize size_;
  Path path_;
  int position_ = 0;  // the scroll bar as last checked
};

}  // namespace verlo
