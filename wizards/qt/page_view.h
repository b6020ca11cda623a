// The widgets of one wizard page, laid out from the page's control model.
// Before a handler the widget values are copied into the model, after it the
// model is copied back; the listing is shown in one update.
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "platform/platform.h"
#include "wizards/common/page_model.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;

namespace verlo {

class PageView : public QWidget {
  Q_OBJECT

 public:
  PageView(WizardPage& page, std::string title, std::string diagram, MessageBox& messages,
           QWidget* parent = nullptr);

  WizardPage& Page() { return page_; }
  // Widget values into the model (the listing only when the user edited it).
  void CopyIn();
  // Model values into the widgets (the listing only when it changed).
  void CopyOut();
  // Runs a control's handler between the two copies; a conversion error
  // stops it with an error box.
  void Run(const std::string& name);
  QPlainTextEdit* Memo() const { return memo_; }

 private:
  void Build();
  QWidget* BuildControl(Control& c, QWidget* panel, QLabel** label);

  WizardPage& page_;
  std::string title_, diagram_;
  MessageBox& messages_;
  QPlainTextEdit* memo_ = nullptr;
  std::map<std::string, QWidget*> widgets_;
  std::map<std::string, QLabel*> labels_;
  std::map<std::string, QButtonGroup*> groups_;
  uint64_t shownRevision_ = ~uint64_t{0};
  bool memoEdited_ = false;
  int labelWidth_ = 200;  // room for an edit's caption
  bool copying_ = false;
};

}  // namespace verlo
