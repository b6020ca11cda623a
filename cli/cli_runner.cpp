#include "cli/cli_runner.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "gcode/numbers.h"
#include "platform/app_name.h"
#include "platform/file_name.h"
#include "platform/text.h"
#include "wizards/page_registry.h"

namespace verlo {
namespace {

// Every message box becomes one line "CAPTION: TEXT" on standard error.
class StreamMessages : public MessageBox {
 public:
  explicit StreamMessages(std::ostream& err) : err_(err) {}
  void Show(const std::string& text, const std::string& caption) override {
    err_ << caption << ": " << text << "\n";
  }

 private:
  std::ostream& err_;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Join(const std::vector<std::string>& items, const std::string& sep) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) out += (i ? sep : "") + items[i];
  return out;
}

std::string KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return "edit";
    case ControlKind::CheckBox:
      return "check";
    case ControlKind::RadioGroup:
      return "radio";
    case ControlKind::ScrollBar:
      return "scroll";
    case ControlKind::Label:
      return "label";
    case ControlKind::Button:
      return "button";
  }
  return "";
}

bool Settable(const Control& c) {
  return c.kind == ControlKind::Edit || c.kind == ControlKind::CheckBox ||
         c.kind == ControlKind::RadioGroup || c.kind == ControlKind::ScrollBar;
}

std::string SettableNames(const WizardPage& page) {
  std::vector<std::string> names;
  for (const Control* c : page.Controls())
    if (Settable(*c)) names.push_back(c->name);
  return Join(names, ", ");
}

// A whole number from lo to hi, or nothing.
std::optional<int> WholeInRange(const std::string& value, int lo, int hi) {
  try {
    const int v = StrToInt(value);
    if (v >= lo && v <= hi) return v;
  } catch (const ConvertError&) {
  }
  return std::nullopt;
}

// NAME=VALUE: sets the control and runs its handler when the value changed.
void SetControl(WizardPage& page, const std::string& name, const std::string& value) {
  Control* c = page.Find(name);
  if (!c || !Settable(*c))
    throw UsageError("unknown control '" + name + "'; valid controls: " + SettableNames(page));
  switch (c->kind) {
    case ControlKind::Edit:
      // The window's edits take no control characters and at most 40.
      if (HasControlCharacter(value))
        throw UsageError("the value of " + name + " holds a line break or control character");
      if (CharacterCount(value) > kEditMaxLength)
        throw UsageError("the value of " + name + " is longer than " +
                         std::to_string(kEditMaxLength) + " characters");
      c->text = value;
      return;
    case ControlKind::CheckBox: {
      if (value != "0" && value != "1")
        throw UsageError("invalid value '" + value + "' for " + name + "; valid values: 0, 1");
      const bool v = value == "1";
      if (v == c->checked) return;
      c->checked = v;
      break;
    }
    case ControlKind::RadioGroup: {
      std::vector<std::string> valid;
      for (size_t i = 0; i < c->items.size(); ++i)
        if (c->itemEnabled[i]) valid.push_back(std::to_string(i) + " (" + c->items[i] + ")");
      const auto v = WholeInRange(value, 0, static_cast<int>(c->items.size()) - 1);
      if (!v || !c->itemEnabled[static_cast<size_t>(*v)])
        throw UsageError("invalid value '" + value + "' for " + name +
                         "; valid values: " + Join(valid, ", "));
      if (*v == c->itemIndex) return;
      c->itemIndex = *v;
      break;
    }
    case ControlKind::ScrollBar: {
      const auto v = WholeInRange(value, c->min, c->max);
      if (!v)
        throw UsageError("invalid value '" + value + "' for " + name + "; valid values: " +
                         std::to_string(c->min) + ".." + std::to_string(c->max));
      if (*v == c->position) return;
      c->position = *v;
      break;
    }
    default:
      return;
  }
  page.Fire(name);
}

// holes=1,0,1: "Adat rendben" on the open hole selector with these ticks,
// hole 1 first; the holes not listed stay as they are (ticked).
void AcceptHoles(HeadlessHoleSelector& holes, const std::string& value) {
  if (!holes.IsOpen())
    throw UsageError("holes: the hole selector is not open (RadioGroup1=1 opens it)");
  std::vector<bool>& ticks = holes.Ticks();
  size_t i = 0;
  for (size_t from = 0; !value.empty() && from <= value.size(); ++i) {
    const size_t comma = std::min(value.find(',', from), value.size());
    const std::string tick = value.substr(from, comma - from);
    if (tick != "0" && tick != "1")
      throw UsageError("holes: invalid tick '" + tick +
                       "'; valid values: 1 (drill), 0 (leave out)");
    if (i >= ticks.size())
      throw UsageError("holes: more ticks than the " + std::to_string(ticks.size()) +
                       " holes of the selector");
    ticks[i] = tick == "1";
    from = comma + 1;
  }
  holes.PressAccept();
}

void ListControls(const WizardPage& page, std::ostream& out) {
  out << "name\tkind\tvalue\tcaption\n";
  for (const Control* c : page.Controls()) {
    std::string kind = KindName(c->kind);
    if (!c->enabled) kind += " (disabled)";
    std::string caption = c->caption;
    if (c->kind == ControlKind::RadioGroup) {
      std::vector<std::string> items;
      for (size_t i = 0; i < c->items.size(); ++i)
        items.push_back(std::to_string(i) + " " + c->items[i]);
      caption += " [" + Join(items, "; ") + "]";
    }
    if (c->kind == ControlKind::ScrollBar)
      caption += " [" + std::to_string(c->min) + ".." + std::to_string(c->max) + "]";
    out << c->name << "\t" << kind << "\t" << c->ValueText() << "\t" << caption << "\n";
  }
}

std::string PageNames() {
  std::vector<std::string> names;
  for (const PageEntry& e : PageRegistry())
    if (*e.cliName) names.push_back(e.cliName);
  return Join(names, ", ");
}

}  // namespace

std::string CliHelp() {
  return "Usage: verlo-gcode PAGE [ACTION ...] [-o FILE]\n"
         "       verlo-gcode PAGE [ACTION ...] --controls\n"
         "       verlo-gcode --help\n"
         "\n"
         "Drives one wizard page of VERLO varázslók as the window does and prints the\n"
         "G-code listing it creates.\n"
         "\n"
         "PAGE      " +
         PageNames() +
         "\n"
         "ACTION    run left to right on the page, after the page's start-up:\n"
         "  NAME=VALUE  set control NAME: an edit's text (as typed, decimal comma or\n"
         "              point), a check box 1 or 0, a radio group's item index, a\n"
         "              scroll bar's position. A check box, radio group or scroll bar\n"
         "              runs its handler like a click; its current value runs nothing.\n"
         "  create      press \"Létrehozás\"\n"
         "  clear       press \"Törlés\"\n"
         "  holes=T,T,...  press \"Adat rendben\" on the open hole selector (drill-circle,\n"
         "              opened by RadioGroup1=1 or 2) with these ticks, hole 1 first:\n"
         "              1 drill the hole, 0 leave it out; holes not listed stay ticked.\n"
         "With no create among the actions, one create runs after the last action.\n"
         "\n"
         "--controls  list the page's controls (name, kind, value, caption) after the\n"
         "            actions, without creating.\n"
         "-o FILE     write the listing to FILE as the window saves it (Windows-1250,\n"
         "            CR LF) instead of printing it. FILE may hold no line break or\n"
         "            other control character.\n"
         "\n"
         "The listing goes to standard output, one line each, when the last create\n"
         "wrote its program. Every message box is printed on standard error as\n"
         "\"CAPTION: TEXT\".\n"
         "\n"
         "Exit status: 0 the last create wrote its program; 1 the page's checks\n"
         "refused it; 2 a conversion error (a text that is not a number), a usage\n"
         "error, or a file, standard output or standard error that could not be\n"
         "written.\n"
         "\n"
         "Examples: verlo-gcode cut-circle Edit_r_=30 Edit_m_=-3 CheckBox_szc_=0 "
         "Edit_szc_=1 -o circle.tap\n"
         "          verlo-gcode drill-circle Edit_drc_=4 RadioGroup1=1 holes=1,0,1,1 create\n";
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           FileSystem& files, std::string* printed) {
  std::string ignored;
  std::string& what = printed ? *printed : ignored;
  what = "the help";
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? err : out) << CliHelp();
    return args.empty() ? kCliError : kCliWrote;
  }
  const PageEntry* entry = FindCliPage(args[0]);
  if (!entry) {
    err << "verlo-gcode: unknown page '" << args[0] << "'; valid pages: " << PageNames() << "\n";
    return kCliError;
  }
  StreamMessages messages(err);
  ShellState shell;
  shell.wizardIndex = static_cast<int>(entry - PageRegistry().data()) + 1;
  StepStore steps(shell);
  steps.Reset();
  HeadlessHoleSelector holes;
  PageContext context{messages, shell, steps, holes};
  auto page = entry->make(context);
  std::string outputFile;
  bool listControls = false, created = false;
  try {
    std::vector<std::string> actions;
    for (size_t i = 1; i < args.size(); ++i) {
      if (args[i] == "-o") {
        if (i + 1 >= args.size() || args[i + 1].empty()) throw UsageError("-o needs a file name");
        outputFile = args[++i];
        if (!FileNameAllowed(outputFile)) {
          messages.Show(kFileNameRefusal, "Figyelmeztetés");
          return kCliError;
        }
      } else if (args[i] == "--controls") {
        listControls = true;
      } else if (args[i] == "--help" || args[i] == "-h") {
        out << CliHelp();
        return kCliWrote;
      } else {
        actions.push_back(args[i]);
      }
    }
    for (const std::string& a : actions) {
      const size_t eq = a.find('=');
      if (a != "create" && a != "clear" && eq == std::string::npos)
        throw UsageError("unknown action '" + a +
                         "'; actions: NAME=VALUE, holes=..., create, clear");
    }
    page->StartUp();
    for (const std::string& a : actions) {
      if (a == "create") {
        page->Fire("Button1");
        created = true;
      } else if (a == "clear") {
        page->Fire("Button2");
      } else if (a.compare(0, 6, "holes=") == 0) {
        AcceptHoles(holes, a.substr(6));
      } else {
        const size_t eq = a.find('=');
        SetControl(*page, a.substr(0, eq), a.substr(eq + 1));
      }
    }
    if (listControls) {
      what = "the control list";
      ListControls(*page, out);
      return kCliWrote;
    }
    if (!created) page->Fire("Button1");
  } catch (const UsageError& e) {
    err << "verlo-gcode: " << e.what() << "\n";
    return kCliError;
  } catch (const ConvertError& e) {
    err << kAppTitle << ": " << e.what() << "\n";
    return kCliError;
  }
  if (!page->LastCreateWrote()) return kCliRefused;
  if (!outputFile.empty()) {
    try {
      files.WriteFile(outputFile, SavedText(page->Memo1().Lines()));
    } catch (const FileError& e) {
      err << kAppTitle << ": " << e.what() << "\n";
      return kCliError;
    }
    return kCliWrote;
  }
  what = "the listing";
  for (const std::string& line : page->Memo1().Lines()) out << line << "\n";
  return kCliWrote;
}

}  // namespace verlo
