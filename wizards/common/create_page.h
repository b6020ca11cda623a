// The create sequence every wizard page runs on "Létrehozás": the listing
// made ready, the page read (its checks, then its path), and when no check
// failed the comments and the program written and the create recorded. A
// page says what it does differently by overriding the step it concerns.
#pragma once

#include "wizards/common/field_names.h"
#include "wizards/common/field_reader.h"

namespace verlo {

class CreatePage : public WizardPage {
 public:
  explicit CreatePage(PageContext& context);

  // What the main window runs over the defaults at its first activation:
  // the reading and the path.
  void StartUp() override;
  // "Létrehozás".
  void Button1Click();
  // "Törlés": the listing emptied.
  void Button2Click() { Memo1().Clear(); }

  virtual void CheckParameters() = 0;
  virtual void ComputePath() {}
  virtual void WriteComments() = 0;
  virtual void WriteProgram() = 0;

  int Error() const { return error_; }
  bool LastCreateWrote() const override { return wrote_; }

 protected:
  // The steps of the sequence, in order.
  // Before the reading: the listing emptied.
  virtual void StartListing() { Memo1().Clear(); }
  // The page's checks, then its path.
  virtual void ReadPage();
  // With no check failed: the comments, then the program.
  virtual void WriteListing();
  // After a create that wrote its program.
  virtual void Created() {}

  // The listing emptied unless the last reading left series mode on: a
  // create in series mode appends.
  void ClearUnlessSeries(int series);
  // Button1, Button2 and the handlers of the shared milling controls: the
  // "nincs" boxes open their fields, the series choice clears the listing.
  void RegisterMillingHandlers(const FieldNames& names);

  int error_ = 0;
  bool wrote_ = false;
  FieldReader read_;
};

}  // namespace verlo
