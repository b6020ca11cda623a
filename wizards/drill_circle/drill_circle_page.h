// The drill circle page (a circular bolt pattern): holes spaced evenly on a
// circle, drilled with one G73 or G83 canned cycle, all of them or those the
// hole selector leaves ticked.
#pragma once

#include <string>
#include <vector>

#include "wizards/common/create_page.h"
#include "wizards/drill_circle/hole_table.h"

namespace verlo {

class TFrame8 : public CreatePage, private HoleSelectorEvents {
 public:
  explicit TFrame8(PageContext& context);

  // The reading and the hole computation over the defaults; no table pending.
  void StartUp() override;
  // "Újra választ" disabled.
  void Shown() override;
  void CheckParameters() override;
  // A new table, every hole selected; on a create that reads the page again
  // while a selection is pending, the selection kept where the holes stay.
  void ComputePath() override;
  void WriteComments() override;
  void WriteProgram() override;
  long double ToolDiameter() const override { return v_.u8_sz_; }
  void RadioGroup1Click();

  const DrillValues& Values() const { return v_; }
  std::vector<std::string> Variables() const override;

 protected:
  void StartListing() override { ClearUnlessSeries(v_.options.series); }
  // A pending selection is written from its table while every control holds
  // what the table was computed from; otherwise the page is read afresh, so
  // no text reaches the program unread.
  void ReadPage() override;

 private:
  void HolesAccepted(const std::vector<bool>& ticked) override;
  void HolesReread() override;
  // "Furat kiválasztás" enabled or not, "Újra választ" the opposite.
  void OfferChoose(bool choose);
  // Every control's value, in form order.
  std::vector<std::string> Inputs() const;
  // The table of the values read, every hole selected.
  void NewTable();
  // The table of the values read again, with the pending ticks where the
  // holes are the same; refused where they moved or their count changed.
  void KeepSelection();

  DrillValues v_;
  // The selector's table from a reading without errors, not yet written.
  bool selection_ = false;
  // Inputs() when the table was computed; empty from the start of a reading
  // until its table, so values of a reading that failed are never written.
  std::vector<std::string> tableInputs_;
  int selectorItem_ = 0;  // the item of RadioGroup1 last taken
};

}  // namespace verlo
