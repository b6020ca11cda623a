#include "accumulate/qt/editor_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/qt/qt_text.h"

namespace verlo {

EditorView::EditorView(TFrame13& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  richEdit1_ = new QPlainTextEdit(this);
  richEdit1_->setObjectName("RichEdit1");
  richEdit1_->setReadOnly(true);
  richEdit1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  combo_ = new QComboBox(this);
  combo_->setObjectName("ComboBox1");
  combo_->setPlaceholderText("Válasszd ki a szerkesztendőt");
  memo1_ = new QPlainTextEdit(this);
  memo1_->setObjectName("Memo1");
  memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* button = new QPushButton("Button1", this);
  button->setObjectName("Button1");
  grid->addWidget(richEdit1_, 0, 0, 3, 1);
  grid->addWidget(combo_, 0, 1);
  grid->addWidget(memo1_, 1, 1);
  grid->addWidget(button, 2, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  connect(combo_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
    editor_.ComboBox1Click(index);
    CopyOut();
  });
  connect(button, &QPushButton::clicked, this, [this] {
    editor_.Memo1().SetText(U(memo1_->toPlainText()));
    editor_.Button1Click();
    CopyOut();
  });
  CopyOut();
}

void EditorView::CopyOut() {
  if (editor_.RichEdit1().Revision() != shownJoined_) {
    richEdit1_->setPlainText(Q(editor_.RichEdit1().Text()));
    shownJoined_ = editor_.RichEdit1().Revision();
  }
  if (editor_.Memo1().Revision() != shownMemo_) {
    memo1_->setPlainText(Q(editor_.Memo1().Text()));
    shownMemo_ = editor_.Memo1().Revision();
  }
  QStringList items;
  for (const std::string& item : editor_.Items()) items << Q(item);
  QStringList shown;
  for (int i = 0; i < combo_->count(); ++i) shown << combo_->itemText(i);
  if (items != shown) {
    combo_->clear();
    combo_->addItems(items);
  }
  combo_->setCurrentIndex(editor_.ItemIndex());
}

}  // namespace verlo
