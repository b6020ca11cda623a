// The cut rectangle page: laps along an axis-parallel outline in depth
// passes, plunged at the start corner or descending around each lap.
#pragma once

#include "wizards/common/create_page.h"
#include "wizards/common/milling_fields.h"
#include "wizards/common/rectangle_fields.h"

namespace verlo {

class TFrame7 : public CreatePage {
 public:
  explicit TFrame7(PageContext& context);

  void CheckParameters() override;
  // Derives the passes only from accepted values: after a refused check the
  // last path stays.
  void ComputePath() override;
  void WriteComments() override;
  void WriteProgram() override;
  long double ToolDiameter() const override { return v_.toolDiameter; }

  const MillingValues& Values() const { return v_; }

 protected:
  void StartListing() override { ClearUnlessSeries(v_.options.series); }

 private:
  // One lap from the start corner round to it; z values per corner (none for
  // a level lap without Z words).
  void WriteLap(const long double* z);

  MillingValues v_;
  RectangleSize size_;
};

}  // namespace verlo
