// The main window's behaviour: wizard choice and page switching, sending the
// listing to the host or saving it, the exit signal. The Qt window only shows
// what this model holds.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "about/about_box_model.h"
#include "accumulate/editor.h"
#include "platform/app_name.h"
#include "platform/clock.h"
#include "platform/hole_selector.h"
#include "platform/platform.h"
#include "platform/shell_state.h"
#include "wizards/page_host.h"

namespace verlo {

// The combo box items, in order (wizard index = item index + 1).
std::vector<std::string> WizardItems();

class TForm1 {
 public:
  // Creates the wizard pages of the registry and the About box. `holes`: the
  // hole selector dialog the window created at start-up (none: a headless one
  // of its own); `clock`: what the host-link routines wait on (none: the
  // system's).
  TForm1(MessageBox& messages, SaveDialog& dialog, FileSystem& files,
         std::vector<std::string> args = {}, HoleSelectorDialog* holes = nullptr,
         Clock* clock = nullptr);

  // Event handlers.
  void FormActivate();
  void ComboBox1Change(int itemIndex);  // -1 for text typed into the box
  void Button3Click();
  // Returns true when the window closes.
  bool Button4Click();
  void CheckBox1Click(bool checked);
  void CheckBox2Click(bool checked);
  void Button2Click();

  // What the view shows.
  const ShellState& State() const { return state_; }
  int VisiblePage() const { return visible_; }  // 0..7, or -1 for none
  bool EditorVisible() const { return editorVisible_; }
  TFrame13& Editor() { return editor_; }
  const std::string& Button3Caption() const { return button3Caption_; }
  bool Button3Enabled() const { return button3Enabled_; }
  bool Button2Enabled() const { return button2Enabled_; }
  const std::string& Memo1() const { return memo1_; }  // the path last written to file.txt
  const std::string& SentPath() const { return memo1_; }
  StepStore& Steps() { return steps_; }
  TAboutBox& AboutBox() { return about_; }
  HoleSelectorDialog& HoleSelector() { return context_.holes; }
  WizardPage* Page(int i) const { return &pages_[static_cast<size_t>(i)]->Page(); }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // The host folder as a local path; throws FileError when drive C: has no
  // local folder.
  std::string HostFolder() const;

 private:
  std::string SendCaption() const;
  void WriteSignal(char letter);

  MessageBox& messages_;
  SaveDialog& dialog_;
  FileSystem& files_;
  std::vector<std::string> args_;
  ShellState state_;
  StepStore steps_{state_};
  HeadlessHoleSelector ownHoles_;
  PageContext context_;
  TFrame13 editor_{steps_};
  std::vector<std::unique_ptr<PageHost>> pages_;
  // Its routines use the paths set at the first activation.
  TAboutBox about_;
  int visible_ = -1;
  bool editorVisible_ = false;
  std::string button3Caption_ = "Válassz varázslót először!!";
  bool button3Enabled_ = false;
  bool button2Enabled_ = false;  // follows "Göngyölítés"
  std::string memo1_ = "1";
};

}  // namespace verlo
