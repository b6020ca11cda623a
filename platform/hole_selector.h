// The hole selector "Furat kiválasztó": a modeless dialog with one check box
// per hole of a bolt circle, through which the drilling page lets the user
// leave holes out. The page computes the boxes; the dialog only places them
// and reports its two buttons while the page stays usable.
#pragma once

#include <string>
#include <vector>

namespace verlo {

// One hole's check box on the dialog's client area.
struct HoleBox {
  int left = 0, top = 0, width = 0;
  std::string caption;
  bool operator==(const HoleBox& o) const {
    return left == o.left && top == o.top && width == o.width && caption == o.caption;
  }
};

// What the dialog's buttons tell the page.
class HoleSelectorEvents {
 public:
  virtual ~HoleSelectorEvents() = default;
  // "Adat rendben": the ticks of the boxes, hole 1 first.
  virtual void HolesAccepted(const std::vector<bool>& ticked) = 0;
  // "Újra olvas".
  virtual void HolesReread() = 0;
};

class HoleSelectorDialog {
 public:
  virtual ~HoleSelectorDialog() = default;
  // Shows the dialog, or brings it forward when open, with these boxes, all
  // ticked; its buttons report to `events` from then on.
  virtual void Show(const std::vector<HoleBox>& boxes, HoleSelectorEvents& events) = 0;
  // Replaces the boxes of the open dialog, all ticked.
  virtual void Rebuild(const std::vector<HoleBox>& boxes) = 0;
  virtual void Close() = 0;
};

// A dialog without a window: it keeps the boxes and their ticks, and its
// buttons are pressed by calls (verlo-gcode, tests, a window model without
// its widgets).
class HeadlessHoleSelector : public HoleSelectorDialog {
 public:
  void Show(const std::vector<HoleBox>& boxes, HoleSelectorEvents& events) override;
  void Rebuild(const std::vector<HoleBox>& boxes) override;
  void Close() override { open_ = false; }

  bool IsOpen() const { return open_; }
  int ShowCount() const { return shows_; }
  const std::vector<HoleBox>& Boxes() const { return boxes_; }
  // The ticks of the boxes, hole 1 first; the user's clicks change them.
  std::vector<bool>& Ticks() { return ticks_; }
  // The buttons, while the dialog is open; false when it is closed.
  bool PressAccept();
  bool PressReread();

 private:
  HoleSelectorEvents* events_ = nullptr;
  std::vector<HoleBox> boxes_;
  std::vector<bool> ticks_;
  bool open_ = false;
  int shows_ = 0;
};

}  // namespace verlo
