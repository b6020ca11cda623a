#include "platform/hole_selector.h"

namespace verlo {

void HeadlessHoleSelector::Show(const std::vector<HoleBox>& boxes, HoleSelectorEvents& events) {
  events_ = &events;
  open_ = true;
  ++shows_;
  Rebuild(boxes);
}

void HeadlessHoleSelector::Rebuild(const std::vector<HoleBox>& boxes) {
  boxes_ = boxes;
  ticks_.assign(boxes.size(), true);
}

bool HeadlessHoleSelector::PressAccept() {
  if (!open_ || !events_) return false;
  const std::vector<bool> ticks = ticks_;  // the page may rebuild or close the dialog
  events_->HolesAccepted(ticks);
  return true;
}

bool HeadlessHoleSelector::PressReread() {
  if (!open_ || !events_) return false;
  events_->HolesReread();
  return true;
}

}  // namespace verlo
