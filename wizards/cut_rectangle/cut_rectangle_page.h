// The cut rectangle page: laps along an axis-parallel outline in depth
// passes, plunged at the start corner or descending around each lap.
#pragma once

#include "wizards/common/rectangle_page.h"

namespace verlo {

class TFrame7 : public RectanglePage {
 public:
  explicit TFrame7(MessageBox& messages);

  std::string Title() const override { return "Téglalap kivágás (cut rectangle)"; }
  std::string Diagram() const override { return "cut_rectangle.jpg"; }

  void CheckParameters() override;
  void ComputePath() override;
  void WriteComments() override;
  void WriteProgram() override;

 private:
  // One lap from the start corner round to it; z values per corner (none for
  // a level lap without Z words).
  void WriteLap(const long double* z);
};

}  // namespace verlo
