// Drops line breaks and other control characters from what is typed or
// pasted into a one-line field.
#pragma once

#include <QValidator>

namespace verlo {

class NoControlCharacters : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override {
    for (int i = static_cast<int>(input.size()) - 1; i >= 0; --i) {
      const char16_t c = input[i].unicode();
      if (c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029) {
        input.remove(i, 1);
        if (i < pos) --pos;
      }
    }
    return Acceptable;
  }
};

}  // namespace verlo
