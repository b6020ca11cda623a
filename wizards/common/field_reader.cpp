#include "wizards/common/field_reader.h"

#include <cmath>

#include "gcode/numbers.h"

namespace verlo {

bool FieldReader::Blank(const char* name) const {
  return IsBlank(Text(name));
}

void FieldReader::FillIfBlank(std::initializer_list<const char*> names, const char* text) {
  for (const char* n : names)
    if (Blank(n)) SetText(n, text);
}

namespace {

// No machine takes a number this large: refused as a text that is no number.
template <class T>
T WithinLimit(T value, const std::string& text) {
  if (!(std::fabs(static_cast<long double>(value)) <= kFieldLimit))
    throw ConvertError("'" + text +
                       "' érvénytelen érték: az abszolút értéke legfeljebb 1000000 lehet.");
  return value;
}

}  // namespace

long double FieldReader::Float(const char* name) const {
  return WithinLimit(StrToFloat(Text(name)), Text(name));
}

int FieldReader::Int(const char* name) const {
  return WithinLimit(StrToInt(Text(name)), Text(name));
}

void FieldReader::Refuse(const std::string& text) {
  error_ = 1;
  messages_.Show(text, kErrorCaption);
}

void FieldReader::Warn(const std::string& text) {
  messages_.Show(text, kWarningCaption);
}

}  // namespace verlo
