// The editor page of the accumulated program: the joined program (read-only
// plain text), the step list, and the chosen step's listing with the button
// that stores it back. Shows the TFrame13 model and forwards its events.
#pragma once

#include <QWidget>

#include "accumulate/editor.h"

class QComboBox;
class QPlainTextEdit;

namespace verlo {

class EditorView : public QWidget {
  Q_OBJECT

 public:
  EditorView(TFrame13& editor, QWidget* parent = nullptr);
  // Shows what the model holds.
  void CopyOut();

 private:
  TFrame13& editor_;
  QPlainTextEdit* richEdit1_ = nullptr;
  QComboBox* combo_ = nullptr;
  QPlainTextEdit* memo1_ = nullptr;
  uint64_t shownJoined_ = ~uint64_t{0}, shownMemo_ = ~uint64_t{0};
};

}  // namespace verlo
