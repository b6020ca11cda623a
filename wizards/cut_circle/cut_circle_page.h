// The cut circle page: a full circle milled around a centre in depth passes,
// entered straight down or on a helix, so that an opening of the given
// diameter is cut out.
#pragma once

#include "wizards/common/create_page.h"
#include "wizards/common/milling_fields.h"

namespace verlo {

class TFrame5 : public CreatePage {
 public:
  explicit TFrame5(PageContext& context);

  void CheckParameters() override;
  void ComputePath() override;
  void WriteComments() override;
  void WriteProgram() override;
  long double ToolDiameter() const override { return v_.toolDiameter; }

  const MillingValues& Values() const { return v_; }

 protected:
  void StartListing() override { ClearUnlessSeries(v_.options.series); }

 private:
  MillingValues v_;
  long double circle_ = 0;  // accepted circle diameter
  long double R_ = 0;       // radius of the tool centre's circle
};

}  // namespace verlo
