// The control model of a wizard page: every control of the form with its
// name, caption, value and enabled state, and the page's event handlers.
// The GUI copies widget values into these controls before a handler and back
// after it; the command line sets them by name.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "gcode/listing.h"
#include "wizards/common/page_context.h"

namespace verlo {

// The most characters an edit field of a page takes.
inline constexpr size_t kEditMaxLength = 40;

enum class ControlKind { Label, Edit, CheckBox, RadioGroup, ScrollBar, Button };

// How the generic view places a control.
enum class Placement {
  Row,      // a new row of the form
  SameRow,  // beside the previous control
  Group,    // a radio group in the grid of groups
};

struct Control {
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string caption;                   // label beside an edit, or the control's own caption
  std::string text;                      // edit text
  bool checked = false;                  // check box
  int itemIndex = 0;                     // radio group
  std::vector<std::string> items;        // radio group
  std::vector<bool> itemEnabled;         // radio group
  int position = 0, min = 0, max = 100;  // scroll bar
  bool enabled = true;                   // an edit's caption label follows it
  Placement placement = Placement::Row;
  std::string labelName;  // the caption label's own name, where the form names it

  std::string ValueText() const;  // the value as the command line shows it
};

// An edit, a check box, a radio group or a scroll bar: a control a user sets.
bool UserSettable(const Control& c);

// A look-up of a control the page does not have: a fault of the program,
// shown as a message by whoever drives the page.
class MissingControl : public std::logic_error {
 public:
  explicit MissingControl(const std::string& name);
};

class WizardPage {
 public:
  explicit WizardPage(PageContext& context) : context_(context), messages_(context.messages) {}
  virtual ~WizardPage() = default;
  WizardPage(const WizardPage&) = delete;
  WizardPage& operator=(const WizardPage&) = delete;

  // What the main window runs over the defaults at its first activation.
  virtual void StartUp() {}
  // What the page does when the main window shows it after a choice in the
  // combo box (after the page is shown and the wizard index is set).
  virtual void Shown() {}

  const std::vector<Control*>& Controls() const { return order_; }
  // The control of this name, or null.
  Control* Find(const std::string& name) const { return Find(name.c_str()); }
  Control* Find(const char* name) const;
  // The control of this name; MissingControl when there is none.
  Control& Get(const std::string& name) const { return Get(name.c_str()); }
  Control& Get(const char* name) const;
  // The caption of a control, or of the edit whose caption label has this
  // name ("Label9"); empty when there is none.
  std::string CaptionOf(const std::string& name) const;
  Listing& Memo1() { return memo_; }
  const Listing& Memo1() const { return memo_; }

  // Runs the handler of a control, as a click or change in the GUI does.
  // Returns false when the control has no handler.
  bool Fire(const std::string& name);

  // True when the last create wrote its program.
  virtual bool LastCreateWrote() const { return false; }
  // Why the listing must not be saved or sent on its own; empty when it may.
  virtual std::string SendRefusal() const { return {}; }
  // The diameter of the tool the page's last reading accepted, which the
  // preview draws the path with; 0 where the page names none.
  virtual long double ToolDiameter() const { return 0; }
  // The page's working values as the About box's variable dump lists them;
  // none on most pages.
  virtual std::vector<std::string> Variables() const { return {}; }
  // False on a page whose listing, like its controls, takes no input.
  virtual bool ListingEnabled() const { return true; }

  // Adds a control in form order (the page's constructor and the control
  // groups it composes).
  Control& Add(Control control);

 protected:
  void On(const std::string& name, std::function<void()> handler);
  void Message(const std::string& text, const std::string& caption) {
    messages_.Show(text, caption);
  }
  void Line(std::string line) { Emit(memo_, std::move(line)); }

  PageContext& context_;
  MessageBox& messages_;

 private:
  std::map<std::string, Control, std::less<>> controls_;  // looked up by any text
  std::vector<Control*> order_;
  std::map<std::string, std::function<void()>> handlers_;
  Listing memo_;
};

// Control builders for the page tables.
Control MakeEdit(const std::string& name, const std::string& caption, const std::string& text,
                 Placement placement = Placement::Row);
// An edit with the name of its caption label ("Label9"), added to the page.
Control& AddEdit(WizardPage& page, const std::string& name, const std::string& labelName,
                 const std::string& caption, const std::string& text);
Control MakeCheck(const std::string& name, const std::string& caption, bool checked,
                  Placement placement = Placement::Row);
Control MakeRadio(const std::string& name, const std::string& caption,
                  std::vector<std::string> items, int itemIndex);
Control MakeLabel(const std::string& name, const std::string& caption,
                  Placement placement = Placement::Row);
Control MakeButton(const std::string& name, const std::string& caption,
                   Placement placement = Placement::Row);
Control MakeScroll(const std::string& name, const std::string& caption, int position);

}  // namespace verlo
