// The About box: the information panel and, hidden until "l" is pressed on
// its OK button, the host console with the three memos of the host-link
// routines. All behaviour lives in the TAboutBox model; this dialog shows it
// and forwards the events.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "about/about_box_model.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace verlo {

class TAboutBoxWidget : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBoxWidget(TAboutBox& model, QWidget* parent = nullptr);

  // The model's state into the widgets.
  void Sync();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void BuildPanel();

  TAboutBox& model_;
  QPushButton* ok_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  std::array<QPlainTextEdit*, 3> memos_{};
  std::array<uint64_t, 3> shown_{~uint64_t{0}, ~uint64_t{0}, ~uint64_t{0}};
  bool centred_ = false;
};

}  // namespace verlo
