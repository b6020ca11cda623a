#include "about/about_box_model.h"

#include "gcode/encoding.h"
#include "gcode/numbers.h"
#include "platform/app_name.h"
#include "platform/text.h"

#ifndef VERLO_VERSION
#define VERLO_VERSION "?"
#endif

namespace verlo {

const AboutTexts& AboutPanelTexts() {
  static const AboutTexts texts = {
      kAppTitle,
      std::string("Verzió ") + VERLO_VERSION,
      "Készítette: a VERLO varázslók fejlesztői",
      "G-kód varázslók a VERLO CNC vezérléshez",
  };
  return texts;
}

TAboutBox::TAboutBox(MessageBox& messages, FileSystem& files, Clock& clock, const ShellState& shell,
                     const HostLinkPaths& paths)
    : messages_(messages),
      shell_(shell),
      routines_(files, clock, shell, *this, memo1_, memo3_, paths) {}

void TAboutBox::OKButtonKeyPress(char key) {
  if (key == 'l' || key == 'L') {
    memosVisible_ = true;
    outerSize_ = kLargeOuter;
  } else if (key == 'h' || key == 'H') {
    memosVisible_ = false;
    outerSize_ = kSmallOuter;
  }
}

void TAboutBox::Button1Click() {
  if (edit1_.empty()) return;
  // The command file holds one line.
  const std::string command = ControlCharactersAsSpaces(edit1_);
  // The host reads the command in its code page: a character it lacks would
  // reach the machine as "?".
  const std::string lacking = FirstCharacterNotInLocal8Bit(command);
  if (!shell_.standAlone && !lacking.empty()) {
    messages_.Show("A parancsban olyan karakter van, amelyet a VERLO nem tud kezelni: " + lacking,
                   kWarningCaption);
    return;
  }
  // A file or number error ends the action with the runtime's error box.
  try {
    routines_.WriteCommanFile(command);
    routines_.ReadGetXYZ();
  } catch (const FileError& e) {
    messages_.ShowError(e.what(), kAppTitle);
  } catch (const ConvertError& e) {
    messages_.ShowError(e.what(), kAppTitle);
  }
}

void TAboutBox::Button2Click() {
  const std::vector<PageVariables> pages = pages_ ? pages_() : std::vector<PageVariables>{};
  for (const std::string& line : VariableDump(routines_, pages)) memo2_.Add(line);
}

void TAboutBox::Button3Click() {
  memo1_.Clear();
  memo2_.Clear();
  memo3_.Clear();
}

}  // namespace verlo
