// The About box: the program's name, version and purpose.
#pragma once

#include <QDialog>

namespace verlo {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  bool centred_ = false;
};

}  // namespace verlo
