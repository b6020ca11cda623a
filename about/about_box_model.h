// The About box's behaviour: its information texts, the hidden console that
// sends one command line to the host and reads the position back, the three
// memos of the host-link routines, and the variable dump. It exists from
// program start, owned by the main window model; the Qt box shows it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "about/variable_dump.h"
#include "gcode/listing.h"
#include "hostlink/host_link.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/shell_state.h"

namespace verlo {

// The information panel.
struct AboutTexts {
  std::string name, version, maker, description;
};
const AboutTexts& AboutPanelTexts();

struct BoxSize {
  int width = 0, height = 0;
  bool operator==(const BoxSize& o) const { return width == o.width && height == o.height; }
};
// The box opens with this client area: the panel, "OK", Edit1 and "MDI".
inline constexpr BoxSize kSmallClient{280, 324};
// The outer sizes the OK button's keys set: "l" shows the console, "h" hides it.
inline constexpr BoxSize kLargeOuter{678, 467};
inline constexpr BoxSize kSmallOuter{287, 356};

class TAboutBox : private HostLinkLog {
 public:
  TAboutBox(MessageBox& messages, FileSystem& files, Clock& clock, const ShellState& shell,
            const HostLinkPaths& paths = HostLink());

  // Event handlers.
  void OKButtonKeyPress(char key);
  void Button1Click();  // "MDI"
  void Button2Click();  // "Összes változó kiírása"
  void Button3Click();  // "ClearAll"

  void SetEdit1(const std::string& text) { edit1_ = text; }
  const std::string& Edit1() const { return edit1_; }
  // Where the dump takes the pages' working values from (none: only the
  // About box's own).
  void SetPageVariables(std::function<std::vector<PageVariables>()> source) {
    pages_ = std::move(source);
  }

  // What the view shows.
  bool MemosVisible() const { return memosVisible_; }
  // The outer size the last "l" or "h" set; nothing before either.
  const std::optional<BoxSize>& OuterSize() const { return outerSize_; }
  Listing& Memo1() { return memo1_; }  // the position file as last loaded
  Listing& Memo2() { return memo2_; }  // the log and the dump
  Listing& Memo3() { return memo3_; }  // the command file as last written
  // The same in plain words, for code outside the About box's form.
  Listing& PositionFile() { return memo1_; }
  Listing& Log() { return memo2_; }
  Listing& CommandEcho() { return memo3_; }
  HostLinkRoutines& Routines() { return routines_; }

 private:
  void Add(const std::string& line) override { memo2_.Add(line); }

  MessageBox& messages_;
  const ShellState& shell_;
  Listing memo1_, memo2_, memo3_;
  HostLinkRoutines routines_;
  std::string edit1_;
  std::function<std::vector<PageVariables>()> pages_;
  bool memosVisible_ = false;
  std::optional<BoxSize> outerSize_;
};

}  // namespace verlo
