#include "cli/cli_runner.h"

#include <ostream>

#include "accumulate/editor.h"
#include "cli/cli_preview.h"
#include "cli/page_controls.h"
#include "gcode/numbers.h"
#include "platform/app_name.h"
#include "platform/file_name.h"
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

std::string PageNames() {
  std::vector<std::string> names;
  for (const PageEntry& e : PageRegistry())
    if (*e.cliName) names.push_back(e.cliName);
  return Join(names, ", ");
}

}  // namespace

std::string CliHelp() {
  return "Usage: verlo-gcode PAGE [ACTION ...] [PAGE [ACTION ...] ...] [-o FILE]\n"
         "       verlo-gcode PAGE [ACTION ...] --controls\n"
         "       verlo-gcode --accumulate PAGE [ACTION ...] ... [--joined] [-o FILE]\n"
         "       verlo-gcode --read FILE.tap (--stats | --preview FILE.svg) [LIMITS]\n"
         "       verlo-gcode --help\n"
         "\n"
         "Drives wizard pages of VERLO varázslók as the window does and prints the\n"
         "G-code listing the last one creates. Each PAGE name starts a page; the\n"
         "actions after it run on that page. One command is one run of the program:\n"
         "the pages share the step store and its step state.\n"
         "\n"
         "PAGE      " +
         PageNames() +
         "\n"
         "ACTION    run left to right on the page, after the page is started and\n"
         "          shown as the window shows it when it is chosen:\n"
         "  NAME=VALUE  set control NAME: an edit's text (as typed, decimal comma or\n"
         "              point), a check box 1 or 0, a radio group's item index, a\n"
         "              scroll bar's position. A check box, radio group or scroll bar\n"
         "              runs its handler like a click; its current value runs nothing.\n"
         "  create      press \"Létrehozás\"\n"
         "  clear       press \"Törlés\"\n"
         "  holes=T,T,...  press \"Adat rendben\" on the open hole selector (drill-circle,\n"
         "              opened by RadioGroup1=1 or 2) with these ticks, hole 1 first:\n"
         "              1 drill the hole, 0 leave it out; holes not listed stay ticked.\n"
         "With no create among a page's actions, one create runs after its last action.\n"
         "\n"
         "--accumulate  accumulation on (\"Göngyölítés\"): the Fibonacci spiral and the\n"
         "            circular pocket record each program as a step.\n"
         "--joined    print (or save) the joined program of the recorded steps, as the\n"
         "            window's \"Göngyölítő\" shows it, instead of the last listing.\n"
         "--controls  list the last page's controls (name, kind, value, caption) after the\n"
         "            actions, without creating.\n"
         "-o FILE     write the listing to FILE as the window saves it (Windows-1250,\n"
         "            CR LF) instead of printing it. FILE may hold no line break or\n"
         "            other control character.\n"
         "--stats     print the listing's statistics, machining-time estimate and\n"
         "            warnings (\"Name: value\" lines) instead of the listing.\n"
         "--preview FILE.svg  write the top (XY) and front (XZ) views of the path.\n"
         "--read FILE.tap     read a saved listing instead of driving a page (as the\n"
         "            reader does everywhere: from rest at X0 Y0 Z0 of G54, no feed);\n"
         "            one it cannot read exits 1 with its \"N. sor: ...\" line.\n"
         "LIMITS      the machine the estimate assumes: --rapid MM_PER_MIN (5000),\n"
         "            --accel MM_PER_S2 (500), --junction MM (0,01), --tool-change S (0).\n"
         "\n"
         "The listing goes to standard output, one line each, when the last create\n"
         "wrote its program. Every message box is printed on standard error as\n"
         "\"CAPTION: TEXT\".\n"
         "\n"
         "Exit status: 0 the last create wrote its program; 1 the page's checks\n"
         "refused it, its listing must not run alone, or the listing is empty; 2 a\n"
         "conversion error (a text that is not a number), a usage error, or a file,\n"
         "standard output or standard error that could not be written.\n"
         "\n"
         "Examples: verlo-gcode cut-circle Edit_r_=30 Edit_m_=-3 CheckBox_szc_=0 "
         "Edit_szc_=1 -o circle.tap\n"
         "          verlo-gcode drill-circle Edit_drc_=4 RadioGroup1=1 holes=1,0,1,1 create\n"
         "          verlo-gcode --accumulate circular-pocket Edit4=30 create fibonacci create "
         "--joined\n";
}

namespace {

// One page of the command line with the actions that follow its name.
struct PageRun {
  const PageEntry* entry;
  std::vector<std::string> actions;
};

struct Command {
  std::vector<PageRun> pages;
  std::string outputFile;
  bool listControls = false, accumulate = false, joined = false, help = false;
  PreviewRequest preview;
};

Command ParseCommand(const std::vector<std::string>& args) {
  Command c;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o") {
      if (i + 1 >= args.size() || args[i + 1].empty()) throw UsageError("-o needs a file name");
      c.outputFile = args[++i];
    } else if (a == "--controls") {
      c.listControls = true;
    } else if (a == "--accumulate") {
      c.accumulate = true;
    } else if (a == "--joined") {
      c.joined = true;
    } else if (a == "--help" || a == "-h") {
      c.help = true;
    } else if (TakePreviewOption(args, i, c.preview)) {
    } else if (const PageEntry* entry = FindCliPage(a)) {
      c.pages.push_back({entry, {}});
    } else if (c.pages.empty()) {
      throw UsageError("unknown page '" + a + "'; valid pages: " + PageNames());
    } else if (a == "create" || a == "clear" || a.find('=') != std::string::npos) {
      c.pages.back().actions.push_back(a);
    } else {
      throw UsageError("unknown action '" + a + "'; actions: NAME=VALUE, holes=..., create, clear");
    }
  }
  if (!c.preview.readFile.empty()) {
    if (!c.pages.empty() || c.accumulate || c.listControls || !c.outputFile.empty())
      throw UsageError("--read takes no page, --accumulate, --controls or -o");
    if (!c.preview.Any()) throw UsageError("--read needs --stats or --preview");
  }
  if (!c.help && c.pages.empty() && c.preview.readFile.empty())
    throw UsageError("no page given; valid pages: " + PageNames());
  if (c.joined && !c.accumulate) throw UsageError("--joined needs --accumulate");
  return c;
}

// Starts and shows the page as the window does, then runs its actions; one
// create after the last action when none was asked for (and the controls
// are not to be listed).
void RunPage(PageHost& host, const std::vector<std::string>& actions, bool implicitCreate,
             HeadlessHoleSelector& holes) {
  host.StartUp();
  host.Show();
  bool created = false;
  for (const std::string& a : actions) {
    if (a == "create") {
      host.Press("Button1");
      created = true;
    } else if (a == "clear") {
      host.Press("Button2");
    } else if (a.compare(0, 6, "holes=") == 0) {
      AcceptHoles(holes, a.substr(6));
    } else {
      const size_t eq = a.find('=');
      SetControl(host, a.substr(0, eq), a.substr(eq + 1));
    }
  }
  if (implicitCreate && !created) host.Press("Button1");
}

// The listing to print or save: the joined program of the recorded steps, or
// the last page's listing. An empty one is said so: there is nothing to run.
int Result(const Command& c, WizardPage& last, StepStore& steps, MessageBox& messages,
           std::ostream& err, std::vector<std::string>& lines) {
  if (c.joined) {
    TFrame13 editor(steps);
    editor.Fill();
    lines = editor.JoinedProgram().Lines();
    if (lines.empty()) {
      err << "verlo-gcode: no step was recorded: the joined program is empty\n";
      return kCliRefused;
    }
    return kCliWrote;
  }
  if (!last.LastCreateWrote()) return kCliRefused;
  if (!last.SendRefusal().empty()) {
    messages.Show(last.SendRefusal(), kWarningCaption);
    return kCliRefused;
  }
  lines = last.Memo1().Lines();
  if (lines.empty()) {
    err << "verlo-gcode: the listing is empty\n";
    return kCliRefused;
  }
  return kCliWrote;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           FileSystem& files, std::string* printed) {
  std::string ignored;
  std::string& what = printed ? *printed : ignored;
  what = "the help";
  if (args.empty()) {
    err << CliHelp();
    return kCliError;
  }
  StreamMessages messages(err);
  ShellState shell;
  StepStore steps(shell);
  steps.Reset();  // one command is one run of the program
  HeadlessHoleSelector holes;
  PageContext context{messages, shell, steps, holes};
  std::vector<std::unique_ptr<PageHost>> pages;
  std::vector<std::string> lines;
  int status = kCliWrote;
  try {
    const Command c = ParseCommand(args);
    if (c.help) {
      out << CliHelp();
      return kCliWrote;
    }
    if (!c.outputFile.empty() && !FileNameAllowed(c.outputFile)) {
      messages.Show(kFileNameRefusal, kWarningCaption);
      return kCliError;
    }
    if (!c.preview.readFile.empty()) {
      what = "the statistics";
      return PreviewListing(ReadListingFile(files, c.preview.readFile), 0, c.preview, out, err,
                            files);
    }
    shell.accumulate = c.accumulate ? 1 : 0;
    for (const PageRun& run : c.pages) {
      pages.push_back(std::make_unique<PageHost>(*run.entry, context, shell));
      RunPage(*pages.back(), run.actions, !c.listControls, holes);
    }
    if (c.listControls) {
      what = "the control list";
      ListControls(pages.back()->Page(), out);
      return kCliWrote;
    }
    status = Result(c, pages.back()->Page(), steps, messages, err, lines);
    if (status != kCliWrote) return status;
    if (!c.outputFile.empty()) files.WriteFile(c.outputFile, SavedText(lines), Links::Follow);
    if (c.preview.Any()) {
      what = "the statistics";
      const double tool = c.joined ? 0 : static_cast<double>(pages.back()->Page().ToolDiameter());
      const int shown = PreviewListing(lines, tool, c.preview, out, err, files);
      if (shown != kCliWrote || c.preview.stats) return shown;
    }
    if (!c.outputFile.empty()) return kCliWrote;
  } catch (const UsageError& e) {
    err << "verlo-gcode: " << e.what() << "\n";
    return kCliError;
  } catch (const ConvertError& e) {
    err << kAppTitle << ": " << e.what() << "\n";
    return kCliError;
  } catch (const FileError& e) {
    err << kAppTitle << ": " << e.what() << "\n";
    return kCliError;
  } catch (const MissingControl& e) {  // a fault of the program, said as such
    err << kAppTitle << ": " << e.what() << "\n";
    return kCliError;
  }
  what = "the listing";
  for (const std::string& line : lines) out << line << "\n";
  return kCliWrote;
}

}  // namespace verlo
