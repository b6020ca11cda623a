#include "cli/page_controls.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "gcode/numbers.h"
#include "platform/text.h"

namespace verlo {
namespace {

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

std::string SettableNames(const WizardPage& page) {
  std::vector<std::string> names;
  for (const Control* c : page.Controls())
    if (UserSettable(*c)) names.push_back(c->name);
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

}  // namespace

std::string Join(const std::vector<std::string>& items, const std::string& sep) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) out += (i ? sep : "") + items[i];
  return out;
}

// NAME=VALUE: the value checked as the window's control would take it, then
// set as the user sets it.
void SetControl(PageHost& host, const std::string& name, const std::string& value) {
  const WizardPage& page = host.Page();
  const Control* c = page.Find(name);
  if (!c || !UserSettable(*c))
    throw UsageError("unknown control '" + name + "'; valid controls: " + SettableNames(page));
  switch (c->kind) {
    case ControlKind::Edit:
      // The window's edits take no control characters and at most 40.
      if (HasControlCharacter(value))
        throw UsageError("the value of " + name + " holds a line break or control character");
      if (CharacterCount(value) > kEditMaxLength)
        throw UsageError("the value of " + name + " is longer than " +
                         std::to_string(kEditMaxLength) + " characters");
      host.Type(name, value);
      return;
    case ControlKind::CheckBox:
      if (value != "0" && value != "1")
        throw UsageError("invalid value '" + value + "' for " + name + "; valid values: 0, 1");
      host.Tick(name, value == "1");
      return;
    case ControlKind::RadioGroup: {
      std::vector<std::string> valid;
      for (size_t i = 0; i < c->items.size(); ++i)
        if (c->itemEnabled[i]) valid.push_back(std::to_string(i) + " (" + c->items[i] + ")");
      const auto v = WholeInRange(value, 0, static_cast<int>(c->items.size()) - 1);
      if (!v || !c->itemEnabled[static_cast<size_t>(*v)])
        throw UsageError("invalid value '" + value + "' for " + name +
                         "; valid values: " + Join(valid, ", "));
      host.Choose(name, *v);
      return;
    }
    case ControlKind::ScrollBar: {
      const auto v = WholeInRange(value, c->min, c->max);
      if (!v)
        throw UsageError("invalid value '" + value + "' for " + name + "; valid values: " +
                         std::to_string(c->min) + ".." + std::to_string(c->max));
      host.Slide(name, *v);
      return;
    }
    case ControlKind::Label:
    case ControlKind::Button:
      return;
  }
}

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

}  // namespace verlo
