// What the milling pages (cut circle, rectangle pocket, cut rectangle) share:
// the start point, depth, tool, depth-per-pass, spindle, feed and option
// fields, their checks and messages, the depth-pass count and the create
// sequence. Each page adds its own geometry fields and path.
#pragma once

#include <string>

#include "wizards/common/page_model.h"

namespace verlo {

extern const char kErrorCaption[];    // "Figyelmeztetés rossz paraméterezésről"
extern const char kWarningCaption[];  // "Figyelmeztetés"
extern const char kTooManyPassesMessage[];

// The values a milling page accepted, kept for the life of the process.
struct MillingValues {
  long double X0 = 0, Y0 = 0, Z0 = 0, Zoff = 0;
  long double depth = 0, D = 0, step = 0;
  int tool = 0, spindle = 0, feed1 = 0, feed23 = 0;
  int comments = 0, coolant = 0, ccw = 0, m4 = 0, ramp = 0, series = 0;
  int error = 0;
  long double Zs = 0, dp = 0;
  int passes = 0;
};

// The depth-pass search of the pages: the first count (1..100) whose summed
// steps exceed the depth; 0 when none does.
int SearchPassCount(long double step, long double depth);

class MillingPage : public WizardPage {
 public:
  explicit MillingPage(MessageBox& messages) : WizardPage(messages) {}

  const MillingValues& Values() const { return v_; }
  bool LastCreateWrote() const override { return wrote_; }

  // "Létrehozás" and "Törlés".
  virtual void Button1Click();
  void Button2Click() { Memo1().Clear(); }

  virtual void CheckParameters() = 0;
  virtual void ComputePath() = 0;
  virtual void WriteComments() = 0;
  virtual void WriteProgram() = 0;
  void StartUp() override {
    CheckParameters();
    ComputePath();
  }

 protected:
  // Control groups, added in form order by the pages.
  void AddStartFields();  // Edit_x_ .. Edit_m_
  void AddToolDiameter();
  void AddMaxStep();     // Edit_szc_ with CheckBox_szc_
  void AddToolNumber();  // Edit_szsz_, Edit_ff_, CheckBox_szsz_
  void AddFeeds(const std::string& g1Caption, const std::string& g23Caption);
  void AddOptions(const std::string& zEntryRamp, const std::string& singleItem);
  void AddButtons();
  // Handlers of the shared controls.
  void RegisterSharedHandlers();

  // Checks, in the order the pages run them.
  void ReadStartPoint();
  void CheckDepth();
  // Reads Edit_sz_; false (with its message) when empty or zero.
  bool CheckToolDiameter();
  void CheckMaxStep();
  void CheckToolAndSpindle();
  void CheckFeeds();
  void ReadOptions();
  // Safe height and depth passes. Passes stay 0 when the search failed.
  void ComputeDepthPasses();

  // A required field, refused with its message when empty or zero; the
  // stored value changes only when accepted.
  bool ReadNonZero(const std::string& field, const std::string& message, long double& out);
  bool ReadNonZeroInt(const std::string& field, const std::string& message, int& out);
  // A field refused only when empty.
  void ReadRequiredInt(const std::string& field, const std::string& message, int& out);
  // A refusal: the message in the error caption and the error flag.
  void Refuse(const std::string& text);
  std::string Text(const std::string& name) const { return Find(name)->text; }
  bool Checked(const std::string& name) const { return Find(name)->checked; }
  // Comment lines shared by the pages' comment blocks.
  void WriteStartComment();
  void WritePassComments();

  MillingValues v_;
  bool wrote_ = false;
  // Whether "Létrehozás" derives the path also after a refused check.
  bool computeAfterRefusal_ = true;
};

}  // namespace verlo
