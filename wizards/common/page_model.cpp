#include "wizards/common/page_model.h"

#include <string_view>

namespace verlo {

std::string Control::ValueText() const {
  switch (kind) {
    case ControlKind::Edit:
    case ControlKind::Label:
      return text;
    case ControlKind::CheckBox:
      return checked ? "1" : "0";
    case ControlKind::RadioGroup:
      return std::to_string(itemIndex);
    case ControlKind::ScrollBar:
      return std::to_string(position);
    case ControlKind::Button:
      return {};
  }
  return {};
}

MissingControl::MissingControl(const std::string& name)
    : std::logic_error("A lapon nincs \"" + name + "\" nevű vezérlő (programhiba).") {}

bool UserSettable(const Control& c) {
  switch (c.kind) {
    case ControlKind::Edit:
    case ControlKind::CheckBox:
    case ControlKind::RadioGroup:
    case ControlKind::ScrollBar:
      return true;
    case ControlKind::Label:
    case ControlKind::Button:
      return false;
  }
  return false;
}

Control* WizardPage::Find(const char* name) const {
  const auto it = controls_.find(std::string_view(name));
  // The controls are the page's own; the look-up itself changes nothing.
  return it == controls_.end() ? nullptr : const_cast<Control*>(&it->second);
}

Control& WizardPage::Get(const char* name) const {
  if (Control* c = Find(name)) return *c;
  throw MissingControl(name);
}

std::string WizardPage::CaptionOf(const std::string& name) const {
  for (const Control* c : order_)
    if (c->name == name || c->labelName == name) return c->caption;
  return {};
}

bool WizardPage::Fire(const std::string& name) {
  auto it = handlers_.find(name);
  if (it == handlers_.end()) return false;
  it->second();
  return true;
}

Control& WizardPage::Add(Control control) {
  const std::string name = control.name;
  Control& stored = controls_[name] = std::move(control);
  order_.push_back(&stored);
  return stored;
}

void WizardPage::On(const std::string& name, std::function<void()> handler) {
  handlers_[name] = std::move(handler);
}

Control MakeEdit(const std::string& name, const std::string& caption, const std::string& text,
                 Placement placement) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Edit;
  c.caption = caption;
  c.text = text;
  c.placement = placement;
  return c;
}

Control& AddEdit(WizardPage& page, const std::string& name, const std::string& labelName,
                 const std::string& caption, const std::string& text) {
  Control& c = page.Add(MakeEdit(name, caption, text));
  c.labelName = labelName;
  return c;
}

Control MakeCheck(const std::string& name, const std::string& caption, bool checked,
                  Placement placement) {
  Control c;
  c.name = name;
  c.kind = ControlKind::CheckBox;
  c.caption = caption;
  c.checked = checked;
  c.placement = placement;
  return c;
}

Control MakeRadio(const std::string& name, const std::string& caption,
                  std::vector<std::string> items, int itemIndex) {
  Control c;
  c.name = name;
  c.kind = ControlKind::RadioGroup;
  c.caption = caption;
  c.itemEnabled.assign(items.size(), true);
  c.items = std::move(items);
  c.itemIndex = itemIndex;
  c.placement = Placement::Group;
  return c;
}

Control MakeLabel(const std::string& name, const std::string& caption, Placement placement) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Label;
  c.caption = caption;
  c.text = caption;
  c.placement = placement;
  return c;
}

Control MakeButton(const std::string& name, const std::string& caption, Placement placement) {
  Control c;
  c.name = name;
  c.kind = ControlKind::Button;
  c.caption = caption;
  c.placement = placement;
  return c;
}

Control MakeScroll(const std::string& name, const std::string& caption, int position) {
  Control c;
  c.name = name;
  c.kind = ControlKind::ScrollBar;
  c.caption = caption;
  c.position = position;
  return c;
}

}  // namespace verlo
