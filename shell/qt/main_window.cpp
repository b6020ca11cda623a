#include "shell/qt/main_window.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "about/qt/about_box.h"
#include "accumulate/qt/editor_view.h"
#include "platform/qt/qt_text.h"
#include "wizards/drill_circle/qt/hole_selector_dialog.h"
#include "wizards/page_registry.h"
#include "wizards/qt/page_view.h"

namespace verlo {

namespace {

// Places a top-level window in the middle of its screen.
void Centre(QWidget* window) {
  if (QScreen* screen = window->screen())
    window->move(screen->availableGeometry().center() - window->rect().center());
}

}  // namespace

TForm1Widget::TForm1Widget(MessageBox& messages, SaveDialog& dialog, FileSystem& files,
                           std::vector<std::string> args, QWidget* parent)
    : QWidget(parent), messages_(messages) {
  setObjectName("Form1");
  setWindowTitle(Q(kAppTitle));
  form9_ = new TForm9(nullptr);
  model_ = std::make_unique<TForm1>(messages, dialog, files, std::move(args), form9_);

  memo1_ = new QPlainTextEdit(this);  // holds the path written to file.txt, under the combo box
  memo1_->setObjectName("Memo1");
  memo1_->setGeometry(8, 8, 200, 20);
  combo_ = new QComboBox(this);
  combo_->setObjectName("ComboBox1");
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& item : WizardItems()) combo_->addItem(Q(item));
  combo_->view()->setMinimumWidth(combo_->view()->sizeHintForColumn(0) + 8);
  combo_->setCurrentIndex(-1);
  combo_->setEditText("Válassz a varázslókból egyet");
  combo_->setGeometry(8, 8, 200, 22);
  combo_->setAccessibleName("Varázsló");
  button3_ = new QPushButton(this);
  button3_->setObjectName("Button3");
  button3_->setGeometry(214, 8, 160, 24);
  button1_ = new QPushButton("About", this);
  button1_->setObjectName("Button1");
  button1_->setGeometry(380, 8, 60, 24);
  button4_ = new QPushButton("Exit", this);
  button4_->setObjectName("Button4");
  button4_->setGeometry(446, 8, 60, 24);
  button2_ = new QPushButton("Göngyölítő", this);
  button2_->setObjectName("Button2");
  button2_->setGeometry(512, 8, 68, 24);
  check1_ = new QCheckBox("VERLO nélküli futtatás", this);
  check1_->setObjectName("CheckBox1");
  check1_->setGeometry(214, 33, 160, 16);
  check2_ = new QCheckBox("Göngyölítés", this);
  check2_->setObjectName("CheckBox2");
  check2_->setGeometry(380, 33, 120, 16);
  check2_->setToolTip("A Fibonacci spirál és a körzseb programjai lépésként gyűlnek.");

  // The window sizes itself to its content: 585 wide, and as tall as the
  // tallest page needs with this platform's font (at least 554).
  int pageHeight = 554;
  const std::vector<PageEntry>& registry = PageRegistry();
  for (int i = 0; i < model_->PageCount(); ++i) {
    const PageEntry& entry = registry[static_cast<size_t>(i)];
    auto* view = new PageView(*model_->Page(i), entry.title, entry.diagram, messages, this);
    view->setObjectName(entry.objectName);
    view->hide();
    views_.push_back(view);
    view->setFixedWidth(585);
    QLayout* layout = view->layout();
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(585)
                                                   : layout->totalMinimumSize().height();
    pageHeight = std::max(pageHeight, needed);
  }
  for (PageView* view : views_) view->setGeometry(0, 50, 585, pageHeight);
  editor_ = new EditorView(model_->Editor(), this);
  editor_->setObjectName("Frame131");
  editor_->setGeometry(0, 50, 585, pageHeight);
  editor_->hide();
  setFixedSize(585, 50 + pageHeight);

  connect(combo_, qOverload<int>(&QComboBox::activated), this, &TForm1Widget::ComboChanged);
  connect(combo_->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { ComboChanged(combo_->findText(text)); });
  connect(button3_, &QPushButton::clicked, this, &TForm1Widget::Send);
  connect(button4_, &QPushButton::clicked, this, &TForm1Widget::Exit);
  connect(button2_, &QPushButton::clicked, this, [this] {
    if (PageView* v = CurrentView()) v->CopyIn();
    model_->Button2Click();
    Sync();
  });
  connect(button1_, &QPushButton::clicked, this, [this] {
    about_->show();
    about_->raise();
  });
  // Every change of a check box runs its handler, however it is made.
  connect(check1_, &QCheckBox::toggled, this, [this](bool on) {
    if (syncing_) return;
    model_->CheckBox1Click(on);
    Sync();
  });
  connect(check2_, &QCheckBox::toggled, this, [this](bool on) {
    if (syncing_) return;
    model_->CheckBox2Click(on);
    Sync();
  });
  // The selector's buttons report to a page while the user may have typed
  // into any page: fields in first, the page's answer shown after.
  form9_->SetDriver([this](const std::function<void()>& report) {
    for (PageView* v : views_) v->CopyIn();
    try {
      report();
    } catch (const std::exception& e) {
      messages_.ShowError(e.what(), kAppTitle);
    }
    for (PageView* v : views_) v->CopyOut();
    Sync();
  });
  about_ = new TAboutBoxWidget(model_->AboutBox(), nullptr);
  about_->setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with its main window
  Sync();
}

TForm1Widget::~TForm1Widget() {
  delete about_;
  delete form9_;
}

bool TForm1Widget::event(QEvent* e) {
  if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) &&
      !model_->State().Activated())
    QTimer::singleShot(0, this, &TForm1Widget::Activate);
  return QWidget::event(e);
}

void TForm1Widget::showEvent(QShowEvent* e) {
  if (!centred_) {
    Centre(this);
    centred_ = true;
  }
  QWidget::showEvent(e);
}

void TForm1Widget::closeEvent(QCloseEvent* e) {
  about_->close();
  form9_->close();
  QWidget::closeEvent(e);
}

void TForm1Widget::Activate() {
  if (model_->State().Activated()) return;
  model_->FormActivate();
  for (PageView* v : views_) v->CopyOut();
  Sync();
}

PageView* TForm1Widget::CurrentView() const {
  const int index = model_->State().wizardIndex;
  return index >= 1 && index <= static_cast<int>(views_.size())
             ? views_[static_cast<size_t>(index - 1)]
             : nullptr;
}

void TForm1Widget::ComboChanged(int index) {
  if (PageView* v = CurrentView()) v->CopyIn();
  model_->ComboBox1Change(index);
  if (PageView* v = CurrentView()) v->CopyOut();
  Sync();
}

void TForm1Widget::Send() {
  if (PageView* v = CurrentView()) v->CopyIn();  // the user's own edits of the listing count
  model_->Button3Click();
  Sync();
}

void TForm1Widget::Exit() {
  if (model_->Button4Click()) close();
}

void TForm1Widget::Sync() {
  syncing_ = true;
  for (size_t i = 0; i < views_.size(); ++i)
    views_[i]->setVisible(model_->VisiblePage() == static_cast<int>(i));
  editor_->CopyOut();
  editor_->setVisible(model_->EditorVisible());
  button3_->setText(Q(model_->Button3Caption()));
  button3_->setEnabled(model_->Button3Enabled());
  button2_->setEnabled(model_->Button2Enabled());
  check1_->setChecked(model_->State().standAlone != 0);
  check2_->setChecked(model_->State().accumulate != 0);
  if (memo1_->toPlainText() != Q(model_->Memo1())) memo1_->setPlainText(Q(model_->Memo1()));
  syncing_ = false;
}

}  // namespace verlo
