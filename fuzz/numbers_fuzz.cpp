// Field parsing: any text either is refused with a conversion error or gives
// a value whose number forms read back as the same value.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "fuzz/fuzz_check.h"
#include "gcode/numbers.h"

namespace verlo {
namespace {

bool Digits(const std::string& s, size_t from, size_t to) {
  if (from >= to) return false;
  for (size_t i = from; i < to; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// [-]digits[SEP digits][E[-]digits]: what a G-code word or a field takes.
bool PlainNumber(const std::string& s, char separator) {
  size_t begin = s.empty() || s[0] != '-' ? 0 : 1;
  size_t end = s.find('E');
  if (end != std::string::npos) {
    const size_t exp = end + 1 + (end + 1 < s.size() && s[end + 1] == '-' ? 1 : 0);
    if (!Digits(s, exp, s.size())) return false;
  } else {
    end = s.size();
  }
  const size_t sep = s.find(separator, begin);
  if (sep == std::string::npos || sep > end) return Digits(s, begin, end);
  return Digits(s, begin, sep) && Digits(s, sep + 1, end);
}

// The value a form reads back as; the form must be accepted.
long double ReadBack(const std::string& form, const char* what) {
  try {
    return StrToFloat(form);
  } catch (const ConvertError&) {
    FuzzFailure(what, form);
  }
}

void CheckFloat(const std::string& text) {
  long double value = 0;
  try {
    value = StrToFloat(text);
  } catch (const ConvertError&) {
    return;
  }
  Require(std::isfinite(value), "StrToFloat gave no finite value", text);
  const long double tiny = std::numeric_limits<long double>::denorm_min();
  for (const char separator : {',', '.'}) {
    // 15 significant digits.
    const std::string general = FloatToStr(value, separator);
    Require(PlainNumber(general, separator), "FloatToStr wrote no plain number", general);
    const long double back = ReadBack(general, "FloatToStr's form is refused");
    Require(std::fabs(back - value) <= std::fabs(value) * 1e-14L + tiny,
            "FloatToStr's form reads back as another value", text + " -> " + general);
    // Four decimals, rounded half away from zero.
    const std::string fixed = FormatFloat4(value, separator);
    Require(
        PlainNumber(fixed, separator) && fixed.size() > 5 && fixed[fixed.size() - 5] == separator,
        "FormatFloat4 wrote no number with four decimals", fixed);
    Require(fixed != std::string("-0") + separator + "0000", "FormatFloat4 wrote -0", text);
    const long double rounded = ReadBack(fixed, "FormatFloat4's form is refused");
    Require(std::fabs(rounded - value) <= 0.00005L * (1 + 1e-12L) + std::fabs(value) * 1e-17L,
            "FormatFloat4's form is more than half a unit away", text + " -> " + fixed);
  }
}

void CheckInt(const std::string& text) {
  int value = 0;
  try {
    value = StrToInt(text);
  } catch (const ConvertError&) {
    return;
  }
  const std::string plain = IntToStr(value);
  Require(PlainNumber(plain, ','), "IntToStr wrote no plain number", plain);
  try {
    Require(StrToInt(plain) == value, "IntToStr's form reads back as another value", text);
    Require(StrToFloat(text) == value, "an integer text reads as another floating value", text);
  } catch (const ConvertError&) {
    FuzzFailure("an accepted integer is refused", text);
  }
}

}  // namespace
}  // namespace verlo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  verlo::CheckFloat(text);
  verlo::CheckInt(text);
  return 0;
}
