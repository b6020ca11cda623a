// The hole selector window "Furat kiválasztó": places the check boxes the
// drilling page computed and reports its two buttons. Modeless: the page
// stays usable while it is open, and the user's ticks stay while the user
// works in another window.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "platform/hole_selector.h"

class QCheckBox;
class QPushButton;

namespace verlo {

class TForm9 : public QDialog, public HoleSelectorDialog {
  Q_OBJECT

 public:
  explicit TForm9(QWidget* parent = nullptr);

  void Show(const std::vector<HoleBox>& boxes, HoleSelectorEvents& events) override;
  void Rebuild(const std::vector<HoleBox>& boxes) override;
  void Close() override { hide(); }

  // Runs each report of the buttons; the main window runs it between copying
  // its pages into their models and back. Without one a report runs alone.
  using Driver = std::function<void(const std::function<void()>& report)>;
  void SetDriver(Driver driver) { driver_ = std::move(driver); }
  // Slot i - 1 holds hole i's box.
  const std::vector<QCheckBox*>& Boxes() const { return boxes_; }

 private:
  void Report(const std::function<void()>& report);

  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
  std::vector<QCheckBox*> boxes_;
  HoleSelectorEvents* events_ = nullptr;
  Driver driver_;
};

}  // namespace verlo
