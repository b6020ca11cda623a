// One wizard page, named by VERLO_FUZZ_PAGE (its command-line name), driven
// as a user could: any text in every edit, any choice of the check boxes,
// the radio groups' enabled items and the scroll bars, then "Létrehozás",
// possibly twice. Each create either refuses with its messages and writes
// nothing (beyond the clearing before the checks), stops on a conversion
// error, or leaves a listing the machine can read. Accumulation is off; the
// drilling page's hole selector opens as the page asks and stays unanswered.
//
// Input: one line per settable control in form order (the edits, check
// boxes, radio groups and scroll bars of `verlo-gcode PAGE --controls`);
// lines past the first round set the controls again for a second create.
// An edit takes its line as typed, "\n" standing for a line break, up to
// the kEditMaxLength characters every driver lets through; a check
// box is ticked when the line's first byte is odd ("1"); a radio group's
// enabled item and a scroll bar's position are the line's number (or its
// byte sum) modulo their count.
#include <cstdint>
#include <string>
#include <vector>

#include "accumulate/step_store.h"
#include "fuzz/fuzz_check.h"
#include "gcode/encoding.h"
#include "gcode/numbers.h"
#include "platform/hole_selector.h"
#include "platform/text.h"
#include "wizards/page_host.h"

namespace verlo {
namespace {

class CountingMessages : public MessageBox {
 public:
  void Show(const std::string&, const std::string&) override { ++shown; }
  int shown = 0;
};

std::vector<std::string> SplitLines(const std::string& data) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < data.size(); ++i) {
    if (data[i] == '\n') {
      lines.emplace_back();
    } else if (data[i] == '\\' && i + 1 < data.size() && data[i + 1] == 'n') {
      lines.back() += '\n';
      ++i;
    } else {
      lines.back() += data[i];
    }
  }
  return lines;
}

unsigned Choice(const std::string& line) {
  bool digits = !line.empty() && line.size() <= 9;
  for (const char c : line) digits = digits && c >= '0' && c <= '9';
  if (digits) return static_cast<unsigned>(std::stoul(line));
  unsigned sum = 0;
  for (const unsigned char c : line) sum += c;
  return sum;
}

// The first kEditMaxLength characters, as an edit of the window keeps them.
std::string Typed(const std::string& line) {
  std::string text = line.substr(0, 4 * kEditMaxLength);
  while (CharacterCount(text) > kEditMaxLength) text.pop_back();
  return text;
}

// Sets the control from its line as the user sets it; a changed box, group
// or bar runs its handler like a click, where a conversion error ends it.
void Set(PageHost& host, const Control& c, const std::string& line) {
  try {
    switch (c.kind) {
      case ControlKind::Edit:
        host.Type(c.name, Typed(line));
        return;
      case ControlKind::CheckBox:
        host.Tick(c.name, !line.empty() && (line[0] & 1));
        return;
      case ControlKind::RadioGroup: {
        std::vector<int> enabled;
        for (size_t i = 0; i < c.items.size(); ++i)
          if (c.itemEnabled[i]) enabled.push_back(static_cast<int>(i));
        if (!enabled.empty()) host.Choose(c.name, enabled[Choice(line) % enabled.size()]);
        return;
      }
      case ControlKind::ScrollBar: {
        const unsigned count = static_cast<unsigned>(c.max - c.min + 1);
        host.Slide(c.name, c.min + static_cast<int>(Choice(line) % count));
        return;
      }
      case ControlKind::Label:
      case ControlKind::Button:
        return;
    }
  } catch (const ConvertError&) {
  }
}

// Every line: no control character, and as saved for the machine (one byte
// a character) at most 255 characters.
void CheckListing(const Listing& listing) {
  for (const std::string& line : listing.Lines()) {
    if (HasControlCharacter(line)) FuzzFailure("a control character in a listing line", line);
    const std::string saved = Utf8ToLocal8Bit(line);
    if (saved.size() > 255) FuzzFailure("a listing line over 255 characters", line);
    for (const unsigned char c : saved)
      if (c < 0x20 || c == 0x7F) FuzzFailure("a control character in a listing line", line);
  }
}

void Create(WizardPage& page, const CountingMessages& messages) {
  const std::vector<std::string> before = page.Memo1().Lines();
  const int shown = messages.shown;
  bool converted = false;
  try {
    page.Fire("Button1");
  } catch (const ConvertError&) {
    converted = true;
  }
  const std::vector<std::string>& after = page.Memo1().Lines();
  if (!converted && page.LastCreateWrote()) {
    Require(!after.empty(), "a create that wrote left no listing");
  } else {
    Require(converted || messages.shown > shown, "a refused create showed no message");
    Require(after == before || after.empty(), "a refused create changed the listing");
  }
  CheckListing(page.Memo1());
}

void FuzzPage(const std::string& data) {
  const PageEntry* entry = FindCliPage(VERLO_FUZZ_PAGE);
  Require(entry != nullptr, "no page named " VERLO_FUZZ_PAGE);
  CountingMessages messages;
  ShellState shell;
  StepStore steps(shell);
  steps.Reset();
  HeadlessHoleSelector holes;
  PageContext context{messages, shell, steps, holes};
  PageHost host(*entry, context, shell);
  WizardPage& page = host.Page();
  // The main window's first activation, then the page's choice in the combo.
  try {
    host.StartUp();
  } catch (const ConvertError&) {
  }
  try {
    host.Show();
  } catch (const ConvertError&) {
  }
  std::vector<const Control*> settable;
  for (const Control* c : page.Controls())
    if (UserSettable(*c)) settable.push_back(c);
  Require(!settable.empty(), "a page without settable controls");
  const std::vector<std::string> lines = SplitLines(data);
  for (size_t first = 0; first < 2 * settable.size(); first += settable.size()) {
    if (first > 0 && first >= lines.size()) break;
    for (size_t i = 0; i < settable.size() && first + i < lines.size(); ++i)
      Set(host, *settable[i], lines[first + i]);
    Create(page, messages);
  }
}

}  // namespace
}  // namespace verlo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  verlo::FuzzPage(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
