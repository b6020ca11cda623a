// Qt implementations of the core's message box and save dialog, and the
// program's font.
#pragma once

#include <QFont>
#include <QString>

#include "platform/platform.h"
#include "platform/qt/qt_text.h"

class QWidget;

namespace verlo {

// Modal box, no owner window, OK only.
class QtMessageBox : public MessageBox {
 public:
  void Show(const std::string& text, const std::string& caption) override;
  void ShowError(const std::string& text, const std::string& caption) override;
};

// The save dialog: filter "*.tap", proposes the suffix ".tap" and asks before
// replacing an existing file.
class QtSaveDialog : public SaveDialog {
 public:
  std::optional<std::string> Run() override;

 private:
  QString last_;
};

// Tahoma 8 pt, or the platform's sans-serif at 8 pt where Tahoma is missing.
QFont ProgramFont();

}  // namespace verlo
