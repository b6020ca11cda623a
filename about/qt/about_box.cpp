#include "about/qt/about_box.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

#include "platform/qt/no_control_characters.h"
#include "platform/qt/qt_text.h"

namespace verlo {
namespace {

// The program's picture: an end mill over a spiral cut in a blue disc.
QPixmap ProgramPicture() {
  QPixmap picture(64, 64);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 60, 110), 2));
  p.setBrush(QColor(70, 130, 200));
  p.drawEllipse(QRectF(4, 20, 56, 40));
  QPainterPath spiral;
  spiral.moveTo(32, 40);
  for (int i = 1; i <= 60; ++i) {
    const double a = i * 0.3, r = i * 0.38;
    spiral.lineTo(32 + r * std::cos(a), 40 + 0.7 * r * std::sin(a));
  }
  p.setPen(QPen(QColor(250, 250, 250), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(spiral);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(190, 190, 195));
  p.drawRect(QRectF(26, 2, 12, 16));  // shank
  p.setBrush(QColor(150, 150, 160));
  p.drawRect(QRectF(28, 18, 8, 20));  // cutter
  for (int y = 20; y < 38; y += 5) p.drawLine(QPointF(28, y), QPointF(36, y + 3));
  return picture;
}

QPushButton* MakeButton(const char* name, const char* caption, QRect at, QWidget* parent) {
  auto* b = new QPushButton(Q(caption), parent);
  b->setObjectName(name);
  b->setGeometry(at);
  return b;
}

}  // namespace

TAboutBoxWidget::TAboutBoxWidget(TAboutBox& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  setModal(false);
  BuildPanel();
  ok_ = MakeButton("OKButton", "OK", {102, 220, 75, 25}, this);
  ok_->setDefault(true);
  ok_->installEventFilter(this);
  connect(ok_, &QPushButton::clicked, this, &QDialog::close);

  edit1_ = new QLineEdit(this);
  edit1_->setObjectName("Edit1");
  edit1_->setGeometry(8, 262, 180, 22);
  edit1_->setValidator(new NoControlCharacters(edit1_));
  auto* mdi = MakeButton("Button1", "MDI", {196, 260, 76, 25}, this);
  connect(mdi, &QPushButton::clicked, this, [this] {
    model_.SetEdit1(U(edit1_->text()));
    model_.Button1Click();
    Sync();
  });

  // The console lies right of the small box.
  const QRect places[] = {{296, 8, 180, 130}, {296, 146, 366, 240}, {484, 8, 178, 130}};
  for (size_t i = 0; i < memos_.size(); ++i) {
    memos_[i] = new QPlainTextEdit(this);
    memos_[i]->setObjectName(QString("Memo%1").arg(i + 1));
    memos_[i]->setReadOnly(true);
    memos_[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
    memos_[i]->setGeometry(places[i]);
  }
  connect(MakeButton("Button2", "Összes változó kiírása", {296, 394, 180, 25}, this),
          &QPushButton::clicked, this, [this] {
            model_.Button2Click();
            Sync();
          });
  connect(MakeButton("Button3", "ClearAll", {484, 394, 90, 25}, this), &QPushButton::clicked, this,
          [this] {
            model_.Button3Click();
            Sync();
          });
  setFixedSize(kSmallClient.width, kSmallClient.height);
  Sync();
}

void TAboutBoxWidget::BuildPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setGeometry(8, 8, 264, 200);
  auto* icon = new QLabel(panel);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramPicture());
  icon->setGeometry(8, 8, 64, 64);
  const AboutTexts& t = AboutPanelTexts();
  const struct {
    const char* name;
    const std::string& text;
    QRect at;
  } labels[] = {{"ProductName", t.name, {80, 16, 176, 20}},
                {"Version", t.version, {80, 40, 176, 20}},
                {"Copyright", t.maker, {8, 92, 248, 36}},
                {"Comments", t.description, {8, 136, 248, 52}}};
  for (const auto& l : labels) {
    auto* label = new QLabel(Q(l.text), panel);
    label->setObjectName(l.name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(l.at);
  }
  QFont bold = font();
  bold.setBold(true);
  panel->findChild<QLabel*>("ProductName")->setFont(bold);
}

void TAboutBoxWidget::Sync() {
  Listing* listings[] = {&model_.Memo1(), &model_.Memo2(), &model_.Memo3()};
  for (size_t i = 0; i < memos_.size(); ++i) {
    memos_[i]->setVisible(model_.MemosVisible());
    if (shown_[i] == listings[i]->Revision()) continue;
    memos_[i]->setPlainText(Q(listings[i]->Text()));
    memos_[i]->verticalScrollBar()->setValue(memos_[i]->verticalScrollBar()->maximum());
    shown_[i] = listings[i]->Revision();
  }
  if (const auto& outer = model_.OuterSize()) {
    // The sizes are the window's outer ones: the frame is taken off.
    const QSize frame = frameGeometry().size() - size();
    const QSize client(outer->width - frame.width(), outer->height - frame.height());
    if (size() != client) setFixedSize(client);
  }
}

bool TAboutBoxWidget::eventFilter(QObject* watched, QEvent* e) {
  if (watched == ok_ && e->type() == QEvent::KeyPress) {
    const QString text = static_cast<QKeyEvent*>(e)->text();
    if (text.size() == 1 && text[0].unicode() < 0x80) {
      model_.OKButtonKeyPress(static_cast<char>(text[0].unicode()));
      Sync();
    }
  }
  return QDialog::eventFilter(watched, e);
}

void TAboutBoxWidget::showEvent(QShowEvent* e) {
  if (!centred_) {  // opens in the middle of the screen
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    centred_ = true;
  }
  Sync();
  QDialog::showEvent(e);
}

}  // namespace verlo
