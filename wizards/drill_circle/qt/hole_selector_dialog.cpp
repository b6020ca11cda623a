#include "wizards/drill_circle/qt/hole_selector_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "platform/qt/qt_text.h"

namespace verlo {

TForm9::TForm9(QWidget* parent) : QDialog(parent) {
  setObjectName("Form9");
  setWindowTitle(Q("Furat kiválasztó"));
  setModal(false);
  setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with its main window
  setFixedSize(584, 561);
  button1_ = new QPushButton(Q("Újra olvas"), this);
  button1_->setObjectName("Button1");
  button1_->setGeometry(432, 8, 144, 25);
  button2_ = new QPushButton(Q("Adat rendben"), this);
  button2_->setObjectName("Button2");
  button2_->setGeometry(432, 39, 144, 25);
  connect(button1_, &QPushButton::clicked, this,
          [this] { Report([this] { events_->HolesReread(); }); });
  connect(button2_, &QPushButton::clicked, this, [this] {
    std::vector<bool> ticked;
    for (const QCheckBox* box : boxes_) ticked.push_back(box->isChecked());
    Report([this, ticked] { events_->HolesAccepted(ticked); });
  });
}

void TForm9::Show(const std::vector<HoleBox>& boxes, HoleSelectorEvents& events) {
  events_ = &events;
  Rebuild(boxes);
  show();
  raise();
  activateWindow();
}

void TForm9::Rebuild(const std::vector<HoleBox>& boxes) {
  for (QCheckBox* box : boxes_) delete box;
  boxes_.clear();
  for (size_t i = 0; i < boxes.size(); ++i) {
    const HoleBox& b = boxes[i];
    auto* box = new QCheckBox(Q(b.caption), this);
    box->setObjectName(QString("CheckBox%1").arg(i + 1));
    box->setGeometry(b.left, b.top, b.width, box->sizeHint().height());
    box->setChecked(true);
    box->show();
    boxes_.push_back(box);
  }
  button1_->raise();
  button2_->raise();
}

void TForm9::Report(const std::function<void()>& report) {
  if (!events_) return;
  if (driver_)
    driver_(report);
  else
    report();
}

}  // namespace verlo
