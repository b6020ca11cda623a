// The drilling page: holes spaced evenly on a circle, drilled with one G73
// or G83 canned cycle, all of them or those the hole selector leaves ticked.
#pragma once

#include "wizards/common/milling_page.h"
#include "wizards/drill_circle/hole_table.h"

namespace verlo {

class TFrame8 : public MillingPage, private HoleSelectorEvents {
 public:
  explicit TFrame8(PageContext& context);

  // The reading and the hole computation over the defaults; no table pending.
  void StartUp() override;
  // "Újra választ" disabled.
  void Shown() override;
  void CheckParameters() override;
  void ComputePath() override { ComputeHoles(v_); }
  void WriteComments() override;
  void WriteProgram() override;
  void RadioGroup1Click();

  const DrillValues& Values() const { return v_; }

 protected:
  bool SeriesMode() const override { return v_.options.series != 0; }
  // A pending hole table (after the selector, from a reading without
  // errors) is written as it stands; otherwise the page is read afresh.
  bool ReadsAfresh() const override { return v_.u8_anc == 0 || error_ != 0; }

 private:
  void HolesAccepted(const std::vector<bool>& ticked) override;
  void HolesReread() override;
  // "Furat kiválasztás" enabled or not, "Újra választ" the opposite.
  void OfferChoose(bool choose);

  DrillValues v_;
  int selectorItem_ = 0;  // the item of RadioGroup1 last taken
};

}  // namespace verlo
