#include "wizards/common/field_reader.h"

#include "gcode/numbers.h"

namespace verlo {

const char kErrorCaption[] = "Figyelmeztetés rossz paraméterezésről";
const char kWarningCaption[] = "Figyelmeztetés";

bool FieldReader::Blank(const char* name) const {
  return IsBlank(Text(name));
}

void FieldReader::FillIfBlank(std::initializer_list<const char*> names, const char* text) {
  for (const char* n : names)
    if (Blank(n)) SetText(n, text);
}

long double FieldReader::Float(const char* name) const {
  return StrToFloat(Text(name));
}

int FieldReader::Int(const char* name) const {
  return StrToInt(Text(name));
}

void FieldReader::Refuse(const std::string& text) {
  error_ = 1;
  messages_.Show(text, kErrorCaption);
}

void FieldReader::Warn(const std::string& text) {
  messages_.Show(text, kWarningCaption);
}

}  // namespace verlo
