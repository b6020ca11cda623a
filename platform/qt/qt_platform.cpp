#include "platform/qt/qt_platform.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>

namespace verlo {

void QtMessageBox::Show(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::NoIcon, Q(caption), Q(text), QMessageBox::Ok);
  box.exec();
}

void QtMessageBox::ShowError(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Critical, Q(caption), Q(text), QMessageBox::Ok);
  box.exec();
}

std::optional<std::string> QtSaveDialog::Run() {
  QFileDialog dialog(nullptr, QString(), last_, "*.tap");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix("tap");
  if (!last_.isEmpty()) dialog.selectFile(last_);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  last_ = dialog.selectedFiles().first();
  return U(last_);
}

QFont ProgramFont() {
  if (QFontDatabase::families().contains("Tahoma")) return QFont("Tahoma", 8);
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  return font;
}

}  // namespace verlo
