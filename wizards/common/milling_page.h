// The create sequence the milling pages share: "Létrehozás" clears the
// listing unless the last check left series mode on, checks the fields,
// derives the path, and writes the comments and the program when no check
// failed; "Törlés" clears the listing.
#pragma once

#include "wizards/common/depth_passes.h"
#include "wizards/common/milling_fields.h"

namespace verlo {

// What the cut circle and the two rectangle pages accept, kept for the life
// of the process.
struct MillingValues {
  StartPoint start;
  long double depth = 0, toolDiameter = 0, step = 0;
  ToolSpindle spindle;
  Feeds feeds;
  MillingOptions options;
  DepthPasses passes;
};

class MillingPage : public WizardPage {
 public:
  explicit MillingPage(PageContext& context);

  void StartUp() override;
  virtual void Button1Click();
  void Button2Click() { Memo1().Clear(); }

  virtual void CheckParameters() = 0;
  virtual void ComputePath() = 0;
  virtual void WriteComments() = 0;
  virtual void WriteProgram() = 0;

  int Error() const { return error_; }
  bool LastCreateWrote() const override { return wrote_; }

 protected:
  // The series flag the last check stored: a create in series mode appends.
  virtual bool SeriesMode() const = 0;
  // Whether "Létrehozás" reads and computes the page first; a page may
  // create from values it holds pending (the drilling page's selection).
  virtual bool ReadsAfresh() const { return true; }
  // Button1, Button2 and the handlers of the shared milling controls.
  void RegisterMillingHandlers();

  int error_ = 0;
  bool wrote_ = false;
  FieldReader read_;
};

}  // namespace verlo
