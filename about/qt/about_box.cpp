#include "about/qt/about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace verlo {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* info = new QVBoxLayout(panel);
  for (const char* text :
       {"VERLO varázslók", "Verzió 1.0", "G-kód varázslók a VERLO CNC vezérléshez"}) {
    info->addWidget(new QLabel(QString::fromUtf8(text), panel));
  }
  layout->addWidget(panel);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::close);
  layout->addWidget(ok);
  setFixedSize(280, 324);
}

}  // namespace verlo

namespace verlo {

void TAboutBox::showEvent(QShowEvent* e) {
  if (!centred_) {  // opens in the middle of the screen
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    centred_ = true;
  }
  QDialog::showEvent(e);
}

}  // namespace verlo
