// Reads a page's fields as its checks do: texts parsed as numbers, required
// fields refused with their message, refusals shown in the error caption and
// recorded in the page's error flag.
#pragma once

#include <initializer_list>
#include <string>
#include <type_traits>

#include "platform/app_name.h"
#include "wizards/common/page_model.h"

namespace verlo {

// The largest magnitude a number field takes.
inline constexpr long double kFieldLimit = 1000000;

class FieldReader {
 public:
  FieldReader(WizardPage& page, MessageBox& messages, int& error)
      : page_(page), messages_(messages), error_(error) {}

  // Each look-up throws MissingControl for a name the page lacks.
  const std::string& Text(const char* name) const { return page_.Get(name).text; }
  void SetText(const char* name, const std::string& text) { page_.Get(name).text = text; }
  bool Checked(const char* name) const { return page_.Get(name).checked; }
  int Item(const char* name) const { return page_.Get(name).itemIndex; }
  bool Blank(const char* name) const;

  // An empty text becomes the given one in the field itself.
  void FillIfBlank(std::initializer_list<const char*> names, const char* text = "0");

  // The field's number; a text that is no number, or a number above
  // kFieldLimit in magnitude, stops the action (ConvertError).
  template <class T>
  T Number(const char* name) const {
    if constexpr (std::is_integral_v<T>)
      return Int(name);
    else
      return Float(name);
  }
  long double Float(const char* name) const;
  int Int(const char* name) const;

  // A required field, refused with its message when blank or zero; `out`
  // changes only when the value is accepted.
  template <class T>
  bool NonZero(const char* name, const std::string& message, T& out) {
    const T value = Blank(name) ? T{0} : Number<T>(name);
    if (value == 0) {
      Refuse(message);
      return false;
    }
    out = value;
    return true;
  }
  // A field refused only when blank.
  template <class T>
  bool Required(const char* name, const std::string& message, T& out) {
    if (Blank(name)) {
      Refuse(message);
      return false;
    }
    out = Number<T>(name);
    return true;
  }

  // Stores the value when the condition holds, else refuses it.
  template <class T>
  bool AcceptIf(bool ok, const std::string& message, const T& value, T& out) {
    if (ok)
      out = value;
    else
      Refuse(message);
    return ok;
  }

  // A refusal: the message in the error caption and the error flag set.
  void Refuse(const std::string& text);
  // A warning: the message in the warning caption, the flag untouched.
  void Warn(const std::string& text);

 private:
  WizardPage& page_;
  MessageBox& messages_;
  int& error_;
};

}  // namespace verlo
