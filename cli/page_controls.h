// How verlo-gcode sets a page's controls by name and lists them, and the
// usage errors it reports.
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/hole_selector.h"
#include "wizards/page_host.h"

namespace verlo {

// A command line verlo-gcode cannot run: printed as "verlo-gcode: TEXT".
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Join(const std::vector<std::string>& items, const std::string& sep);

// NAME=VALUE: sets the control as the window's user would (a box, group or
// bar runs its handler when the value changed). Throws UsageError for an
// unknown control or a value the control cannot take.
void SetControl(PageHost& host, const std::string& name, const std::string& value);

// holes=1,0,1: "Adat rendben" on the open hole selector with these ticks,
// hole 1 first; the holes not listed stay as they are (ticked).
void AcceptHoles(HeadlessHoleSelector& holes, const std::string& value);

// name, kind, value and caption of every control, one a line.
void ListControls(const WizardPage& page, std::ostream& out);

}  // namespace verlo
