#include "shell/main_window_model.h"

#include "gcode/encoding.h"
#include "gcode/numbers.h"
#include "hostlink/host_paths.h"
#include "platform/file_name.h"
#include "wizards/page_registry.h"

namespace verlo {

std::vector<std::string> WizardItems() {
  std::vector<std::string> items;
  for (const PageEntry& e : PageRegistry()) items.push_back(e.item);
  return items;
}

namespace {

// The dialog proposes ".tap"; a name typed without any extension gets it here.
std::string WithTapSuffix(const std::string& name) {
  const size_t slash = name.find_last_of("/\\");
  const std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
  return base.find('.') == std::string::npos ? name + ".tap" : name;
}

}  // namespace

TForm1::TForm1(MessageBox& messages, SaveDialog& dialog, FileSystem& files,
               std::vector<std::string> args, HoleSelectorDialog* holes, Clock* clock)
    : messages_(messages),
      dialog_(dialog),
      files_(files),
      args_(std::move(args)),
      context_{messages_, state_, steps_, holes ? *holes : ownHoles_},
      about_(messages_, files_, clock ? *clock : SystemClock(), state_) {
  for (const PageEntry& e : PageRegistry())
    pages_.push_back(std::make_unique<PageHost>(e, context_, state_));
  // The variable dump shows the working values of the pages that list theirs.
  about_.SetPageVariables([this] {
    std::vector<PageVariables> dump;
    for (size_t i = 0; i < pages_.size(); ++i) {
      std::vector<std::string> lines = pages_[i]->Page().Variables();
      if (!lines.empty()) dump.push_back({pages_[i]->Row().title, std::move(lines)});
    }
    return dump;
  });
}

std::string TForm1::HostFolder() const {
  return MapHostPath(kHostFolder);
}

std::string TForm1::SendCaption() const {
  return state_.standAlone ? "Mentés" : "Küldés az VERLO-be";
}

void TForm1::FormActivate() {
  if (state_.Activated()) return;
  steps_.Reset();
  editor_.Clear();
  const std::string base = args_.empty() ? std::string() : args_[0];
  HostLink() = MakeHostLinkPaths(base);
  for (const auto& page : pages_) {
    try {
      page->StartUp();
    } catch (const ConvertError& e) {
      messages_.ShowError(e.what(), kAppTitle);
    }
  }
  visible_ = -1;
  state_.firstActivation = ShellState::kActivated;
}

void TForm1::ComboBox1Change(int itemIndex) {
  if (itemIndex >= 0 && itemIndex < PageCount()) {
    visible_ = itemIndex;
    editorVisible_ = false;
    try {
      pages_[static_cast<size_t>(itemIndex)]->Show();  // the wizard index, then the page's showing
    } catch (const ConvertError& e) {  // ends the handler, as any conversion error does
      messages_.ShowError(e.what(), kAppTitle);
      return;
    }
  }
  state_.sendState = 1;
  button3Caption_ = SendCaption();
  button3Enabled_ = true;
}

void TForm1::WriteSignal(char letter) {
  files_.WriteFile(HostFolder() + "/adatcsere.txt", std::string(1, letter), Links::Replace);
}

void TForm1::Button3Click() {
  if (state_.sendState != 1) {  // back to the last wizard
    button3Caption_ = SendCaption();
    if (state_.wizardIndex >= 1 && state_.wizardIndex <= PageCount())
      visible_ = state_.wizardIndex - 1;
    state_.sendState = 1;
    return;
  }
  // Nothing chosen yet: there is no listing to send.
  const bool joined = state_.wizardIndex == EditorWizardIndex();
  if (!joined && (state_.wizardIndex < 1 || state_.wizardIndex > PageCount())) return;
  WizardPage* page = joined ? nullptr : Page(state_.wizardIndex - 1);
  if (page && !page->SendRefusal().empty()) {  // a listing that must not run alone
    messages_.Show(page->SendRefusal(), kWarningCaption);
    return;
  }
  const std::optional<std::string> chosen = dialog_.Run();
  if (!chosen || chosen->empty()) return;
  if (!FileNameAllowed(*chosen)) {
    messages_.Show(kFileNameRefusal, kWarningCaption);
    return;
  }
  const std::string path = WithTapSuffix(*chosen);
  // Any file that cannot be written stops the send there: the page and its
  // listing stay, and the user may send again.
  try {
    if (!state_.standAlone) {
      const std::string folder = HostFolder();
      const std::string hostView = HostViewOfPath(path);
      // The host reads file.txt in its code page: a name it cannot hold would
      // point it at a file that does not exist.
      const std::string lacking = FirstCharacterNotInLocal8Bit(hostView);
      if (!lacking.empty()) {
        messages_.Show(
            "Az útvonalban olyan karakter van, amelyet a VERLO nem tud kezelni: " + lacking,
            kWarningCaption);
        return;
      }
      files_.WriteFile(folder + "/file.txt", Utf8ToLocal8Bit(hostView) + "\r\n", Links::Replace);
      memo1_ = hostView;
    }
    // A link in the chosen file's place is written through; the exchange
    // files above are the program's own and replace a link.
    files_.WriteFile(path, SavedText((joined ? editor_.JoinedProgram() : page->Memo1()).Lines()),
                     Links::Follow);
    if (joined) {  // the joined program is out: the steps start afresh
      steps_.Reset();
      editor_.Clear();
    }
    if (!state_.standAlone) {
      WriteSignal('L');
      visible_ = -1;
      editorVisible_ = false;
      state_.sendState = 0;
    }
    button3Caption_ = state_.standAlone ? "Mentés" : "Vissza az utolsó varázslóba";
  } catch (const FileError& e) {
    messages_.ShowError(e.what(), kAppTitle);
  }
}

bool TForm1::Button4Click() {
  if (state_.standAlone) {
    // Without the host the end signal is a courtesy: closing never fails.
    try {
      if (files_.DirectoryExists(HostFolder())) WriteSignal('E');
    } catch (const FileError&) {
    }
    return true;
  }
  try {
    WriteSignal('E');
  } catch (const FileError& e) {
    messages_.ShowError(e.what(), kAppTitle);
    return false;
  }
  return true;
}

void TForm1::CheckBox1Click(bool checked) {
  state_.standAlone = checked ? 1 : 0;
  button3Caption_ = SendCaption();
}

void TForm1::CheckBox2Click(bool checked) {
  state_.accumulate = checked ? 1 : 0;
  button2Enabled_ = checked;
}

void TForm1::Button2Click() {
  visible_ = -1;
  editorVisible_ = true;
  state_.wizardIndex = EditorWizardIndex();
  editor_.Fill();
}

}  // namespace verlo
