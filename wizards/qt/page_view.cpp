#include "wizards/qt/page_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "platform/app_name.h"
#include "platform/qt/no_control_characters.h"
#include "platform/qt/qt_text.h"
#include "wizards/jpeg_decoder.h"

// The diagrams are compiled into a static library: register them once.
static void InitDiagramResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(diagrams);
    return true;
  }();
  (void)done;
}

namespace verlo {
namespace {

// The page's diagram from the resources, decoded with libjpeg.
QPixmap LoadDiagram(const std::string& name) {
  InitDiagramResources();
  QFile file(":/diagrams/" + Q(name));
  if (name.empty() || !file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  DecodedImage image;
  if (!DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                  static_cast<size_t>(bytes.size()), image))
    return {};
  QImage q(image.rgb.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888);
  return QPixmap::fromImage(q.copy());
}

// Radio groups whose caption, or whose more than three items side by side,
// would not fit half the panel.
bool WideGroup(const Control& c) {
  return QString::fromUtf8(c.caption.c_str()).size() > 28 || c.items.size() > 3;
}

// Items laid side by side: in a wide group, or when they are all short.
bool ItemsInARow(const Control& c) {
  if (WideGroup(c)) return true;
  for (const std::string& item : c.items)
    if (QString::fromUtf8(item.c_str()).size() > 5) return false;
  return true;
}

}  // namespace

PageView::PageView(WizardPage& page, std::string title, std::string diagram, MessageBox& messages,
                   QWidget* parent)
    : QWidget(parent),
      page_(page),
      title_(std::move(title)),
      diagram_(std::move(diagram)),
      messages_(messages) {
  Build();
  CopyOut();
}

void PageView::Build() {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  memo_->setFixedWidth(250);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setAccessibleName("G-code");
  memo_->setEnabled(page_.ListingEnabled());
  connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
    if (!copying_) memoEdited_ = true;
  });
  outer->addWidget(memo_);

  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  // The title beside the diagram, to leave the height to the fields.
  auto* header = new QHBoxLayout;
  auto* title = new QLabel(Q(title_), panel);
  title->setObjectName("Label_title");
  title->setWordWrap(true);
  title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  header->addWidget(title, 1);
  const QPixmap diagram = LoadDiagram(diagram_);
  if (!diagram.isNull()) {
    auto* image = new QLabel(panel);
    image->setObjectName("Image1");
    image->setPixmap(diagram.scaledToWidth(170, Qt::SmoothTransformation));
    image->setFixedSize(image->pixmap().size());
    header->addWidget(image);
  }
  column->addLayout(header);
  // The caption column is narrower where a row holds two edits.
  labelWidth_ = 200;
  for (const Control* c : page_.Controls())
    if (c->kind == ControlKind::Edit && c->placement == Placement::SameRow) labelWidth_ = 120;
  auto* form = new QGridLayout;
  form->setSpacing(1);
  form->setColumnStretch(0, 1);
  auto* groups = new QGridLayout;
  groups->setSpacing(2);
  auto* buttons = new QHBoxLayout;
  int row = -1, col = 0, groupCount = 0;
  for (Control* c : page_.Controls()) {
    QLabel* label = nullptr;
    QWidget* w = BuildControl(*c, panel, &label);
    if (!w) continue;
    if (c->kind == ControlKind::RadioGroup) {
      if (WideGroup(*c)) {  // a long caption takes a row of its own
        if (groupCount % 2) ++groupCount;
        groups->addWidget(w, groupCount / 2, 0, 1, 2);
        groupCount += 2;
      } else {
        groups->addWidget(w, groupCount / 2, groupCount % 2);
        ++groupCount;
      }
    } else if (c->kind == ControlKind::Button) {
      buttons->addWidget(w);
    } else if (c->placement == Placement::SameRow && row >= 0) {
      if (label) form->addWidget(label, row, col++);
      form->addWidget(w, row, col++);
    } else if (c->kind == ControlKind::ScrollBar) {  // caption above, bar below
      form->addWidget(label, ++row, 0, 1, 4);
      form->addWidget(w, ++row, 0, 1, 2);
      col = 2;
    } else {
      ++row;
      col = 0;
      if (label) form->addWidget(label, row, col++);
      form->addWidget(w, row, col++, 1, label ? 1 : 2);
      if (!label) ++col;
    }
  }
  column->addLayout(form);
  column->addLayout(groups);
  column->addLayout(buttons);
  column->addStretch(1);
  outer->addWidget(panel, 1);
}

QWidget* PageView::BuildControl(Control& c, QWidget* panel, QLabel** label) {
  const QString name = Q(c.name);
  QWidget* w = nullptr;
  switch (c.kind) {
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(panel);
      edit->setFixedSize(56, 18);
      edit->setMaxLength(static_cast<int>(kEditMaxLength));
      edit->setValidator(new NoControlCharacters(edit));
      auto* l = new QLabel(Q(c.caption), panel);
      // A caption wider than its column wraps onto the lines it needs; word
      // breaks cost about a quarter more room than the plain width.
      const int width = labelWidth_, advance = l->fontMetrics().horizontalAdvance(l->text());
      if (advance > width) {
        l->setWordWrap(true);
        const int lines = std::min(3, (advance * 5 / 4 + width - 1) / width);
        l->setMinimumHeight(lines * l->fontMetrics().lineSpacing() + 2);
      }
      l->setObjectName(Q(c.labelName.empty() ? c.name + "Label" : c.labelName));
      l->setBuddy(edit);
      labels_[c.name] = l;
      *label = l;
      w = edit;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(Q(c.caption), panel);
      // Every change the user makes runs the handler, by mouse, key or an
      // assistive tool's toggle; the copy-back from the model does not.
      connect(box, &QCheckBox::toggled, this, [this, n = c.name] {
        if (!copying_) Run(n);
      });
      w = box;
      break;
    }
    case ControlKind::RadioGroup: {
      auto* box = new QGroupBox(Q(c.caption), panel);
      QBoxLayout* layout =
          ItemsInARow(c) ? static_cast<QBoxLayout*>(new QHBoxLayout(box)) : new QVBoxLayout(box);
      layout->setContentsMargins(4, 0, 4, 0);
      layout->setSpacing(0);
      auto* group = new QButtonGroup(box);
      for (size_t i = 0; i < c.items.size(); ++i) {
        auto* radio = new QRadioButton(Q(c.items[i]), box);
        radio->setObjectName(name + "_" + QString::number(i));
        group->addButton(radio, static_cast<int>(i));
        layout->addWidget(radio);
      }
      connect(group, &QButtonGroup::idToggled, this, [this, n = c.name](int id, bool on) {
        if (on && !copying_ && page_.Find(n)->itemIndex != id) Run(n);
      });
      groups_[c.name] = group;
      w = box;
      break;
    }
    case ControlKind::ScrollBar: {
      auto* bar = new QScrollBar(Qt::Horizontal, panel);
      bar->setRange(c.min, c.max);
      auto* l = new QLabel(Q(c.caption), panel);
      l->setWordWrap(true);
      l->setObjectName(Q(c.labelName.empty() ? c.name + "Label" : c.labelName));
      labels_[c.name] = l;
      *label = l;
      connect(bar, &QScrollBar::valueChanged, this, [this, n = c.name] {
        if (!copying_) Run(n);
      });
      w = bar;
      break;
    }
    case ControlKind::Label:
      w = new QLabel(Q(c.text), panel);
      break;
    case ControlKind::Button: {
      auto* button = new QPushButton(Q(c.caption), panel);
      connect(button, &QPushButton::clicked, this, [this, n = c.name] { Run(n); });
      w = button;
      break;
    }
  }
  w->setObjectName(name);
  widgets_[c.name] = w;
  return w;
}

void PageView::CopyIn() {
  for (Control* c : page_.Controls()) {
    QWidget* w = widgets_[c->name];
    switch (c->kind) {
      case ControlKind::Edit:
        c->text = U(static_cast<QLineEdit*>(w)->text());
        break;
      case ControlKind::CheckBox:
        c->checked = static_cast<QCheckBox*>(w)->isChecked();
        break;
      case ControlKind::RadioGroup:
        if (groups_[c->name]->checkedId() >= 0) c->itemIndex = groups_[c->name]->checkedId();
        break;
      case ControlKind::ScrollBar:
        c->position = static_cast<QScrollBar*>(w)->value();
        break;
      case ControlKind::Label:  // shown only
      case ControlKind::Button:
        break;
    }
  }
  if (memoEdited_) {
    page_.Memo1().SetText(U(memo_->toPlainText()));
    shownRevision_ = page_.Memo1().Revision();
    memoEdited_ = false;
  }
}

void PageView::CopyOut() {
  copying_ = true;
  for (Control* c : page_.Controls()) {
    QWidget* w = widgets_[c->name];
    w->setEnabled(c->enabled);
    if (labels_.count(c->name)) labels_[c->name]->setEnabled(c->enabled);
    switch (c->kind) {
      case ControlKind::Edit:
        if (static_cast<QLineEdit*>(w)->text() != Q(c->text))
          static_cast<QLineEdit*>(w)->setText(Q(c->text));
        break;
      case ControlKind::CheckBox:
        static_cast<QCheckBox*>(w)->setChecked(c->checked);
        break;
      case ControlKind::RadioGroup: {
        QButtonGroup* group = groups_[c->name];
        for (size_t i = 0; i < c->items.size(); ++i)
          group->button(static_cast<int>(i))->setEnabled(c->itemEnabled[i]);
        if (QAbstractButton* b = group->button(c->itemIndex)) b->setChecked(true);
        break;
      }
      case ControlKind::ScrollBar:
        static_cast<QScrollBar*>(w)->setValue(c->position);
        break;
      case ControlKind::Label:
        static_cast<QLabel*>(w)->setText(Q(c->text));
        break;
      case ControlKind::Button:
        break;
    }
  }
  if (page_.Memo1().Revision() != shownRevision_) {
    memo_->setPlainText(Q(page_.Memo1().Text()));
    shownRevision_ = page_.Memo1().Revision();
    memoEdited_ = false;
  }
  copying_ = false;
}

void PageView::Run(const std::string& name) {
  CopyIn();
  try {
    page_.Fire(name);
  } catch (const std::exception& e) {  // a conversion error above all; a missing control
    CopyOut();
    messages_.ShowError(e.what(), kAppTitle);
    return;
  }
  CopyOut();
}

}  // namespace verlo
