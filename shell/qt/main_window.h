// The main window: the top bar over the stacked wizard pages. All behaviour
// lives in the TForm1 model; this widget shows it and forwards the events.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "shell/main_window_model.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace verlo {

class EditorView;
class PageView;
class TAboutBoxWidget;
class TForm9;

class TForm1Widget : public QWidget {
  Q_OBJECT

 public:
  TForm1Widget(MessageBox& messages, SaveDialog& dialog, FileSystem& files,
               std::vector<std::string> args, QWidget* parent = nullptr);
  ~TForm1Widget() override;

  TForm1& Model() { return *model_; }
  PageView* View(int item) const { return views_[static_cast<size_t>(item)]; }
  TForm9* HoleSelector() const { return form9_; }
  // The first-activation sequence (the model runs it once).
  void Activate();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void Sync();
  void ComboChanged(int index);
  void Send();
  void Exit();
  PageView* CurrentView() const;

  MessageBox& messages_;
  std::unique_ptr<TForm1> model_;
  std::vector<PageView*> views_;
  EditorView* editor_ = nullptr;
  QComboBox* combo_ = nullptr;
  QPushButton* button3_ = nullptr;
  QPushButton* button2_ = nullptr;
  QPushButton* button1_ = nullptr;
  QPushButton* button4_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QCheckBox* check2_ = nullptr;
  QPlainTextEdit* memo1_ = nullptr;
  TForm9* form9_ = nullptr;  // the hole selector, created with the window
  TAboutBoxWidget* about_ = nullptr;
  bool syncing_ = false;  // the model's state is being shown: no handler runs
  bool centred_ = false;
};

}  // namespace verlo
