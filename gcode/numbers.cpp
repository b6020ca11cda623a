#include "gcode/numbers.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>

namespace verlo {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && IsSpace(text[b])) ++b;
  while (e > b && IsSpace(text[e - 1])) --e;
  return text.substr(b, e - b);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Checks the shape [sign] digits [sep digits] [E [sign] digits] and returns it
// with a point as separator, or an empty string when it is no number.
std::string NormaliseFloat(const std::string& t) {
  size_t i = 0;
  std::string out;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) out += t[i++];
  size_t digits = 0;
  while (i < t.size() && IsDigit(t[i])) out += t[i++], ++digits;
  if (i < t.size() && (t[i] == ',' || t[i] == '.')) {
    out += '.';
    ++i;
    while (i < t.size() && IsDigit(t[i])) out += t[i++], ++digits;
  }
  if (digits == 0) return {};
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    out += 'E';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) out += t[i++];
    size_t expDigits = 0;
    while (i < t.size() && IsDigit(t[i])) out += t[i++], ++expDigits;
    if (expDigits == 0) return {};
  }
  if (i != t.size()) return {};
  return out;
}

// The value's first significant decimal digits (rounded by the C library)
// and its decimal exponent.
void DecimalDigits(long double v, int significant, std::string& digits, int& exponent) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*Le", significant - 1, v);  // d.ddd...e±x
  digits.clear();
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (IsDigit(*p)) digits += *p;
  exponent = *p == 'e' ? std::atoi(p + 1) : 0;
}

std::string SpecialText(long double v) {
  if (std::isnan(v)) return "NAN";
  return v < 0 ? "-INF" : "INF";
}

}  // namespace

bool IsBlank(const std::string& text) {
  return Trim(text).empty();
}

long double StrToFloat(const std::string& text) {
  const std::string norm = NormaliseFloat(Trim(text));
  long double value = 0;
  bool ok = !norm.empty();
  if (ok) {
    std::istringstream in(norm);
    in.imbue(std::locale::classic());
    in >> value;
    ok = !in.fail() && std::isfinite(value);
  }
  if (!ok) throw ConvertError("'" + text + "' is not a valid floating point value");
  return value;
}

int StrToInt(const std::string& text) {
  const std::string t = Trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  long long value = 0;
  bool ok = i < t.size();
  for (; ok && i < t.size(); ++i) {
    if (!IsDigit(t[i])) {
      ok = false;
      break;
    }
    value = value * 10 + (t[i] - '0');
    if (value > 2147483648LL) ok = false;
  }
  if (ok) {
    if (negative) value = -value;
    ok = value >= INT_MIN && value <= INT_MAX;
  }
  if (!ok) throw ConvertError("'" + text + "' is not a valid integer value");
  return static_cast<int>(value);
}

std::string FormatFixed(long double value, int decimals, char separator) {
  if (!std::isfinite(value)) return SpecialText(value);
  const bool negative = std::signbit(value);
  std::string digits;
  int exponent = 0;
  DecimalDigits(std::fabs(value), 18, digits, exponent);
  // Fixed digits: the integer part and one decimal more than asked (it decides).
  std::string intPart, frac;
  for (int pos = exponent; pos >= 0; --pos) {
    const int idx = exponent - pos;
    intPart += (idx >= 0 && idx < static_cast<int>(digits.size())) ? digits[idx] : '0';
  }
  if (intPart.empty()) intPart = "0";
  for (int k = 1; k <= decimals + 1; ++k) {
    const int idx = exponent + k;  // digit for 10^-k
    frac += (idx >= 0 && idx < static_cast<int>(digits.size())) ? digits[idx] : '0';
  }
  std::string all = intPart + frac.substr(0, static_cast<size_t>(decimals));
  if (frac.back() >= '5') {  // half away from zero: the magnitude rounds up
    int i = static_cast<int>(all.size()) - 1;
    while (i >= 0 && all[i] == '9') all[i--] = '0';
    if (i >= 0)
      ++all[i];
    else
      all.insert(all.begin(), '1');
  }
  const size_t d = static_cast<size_t>(decimals);
  std::string ip = all.substr(0, all.size() - d);
  const std::string fp = all.substr(all.size() - d);
  const size_t nz = ip.find_first_not_of('0');
  ip = nz == std::string::npos ? "0" : ip.substr(nz);
  const bool zero = ip == "0" && fp.find_first_not_of('0') == std::string::npos;
  return (negative && !zero ? "-" : "") + ip + (d ? std::string(1, separator) + fp : "");
}

std::string FormatFloat4(long double value, char separator) {
  return FormatFixed(value, 4, separator);
}

std::string FloatToStr(long double value, char separator) {
  if (!std::isfinite(value)) return SpecialText(value);
  if (value == 0) return "0";
  // The 18-digit expansion rounded half away from zero to 15 digits, as the
  // "0.0000" form rounds, so that values equal as typed print the same.
  std::string digits;
  int exponent = 0;
  DecimalDigits(std::fabs(value), 18, digits, exponent);
  const bool up = digits[15] >= '5';
  digits.resize(15);
  if (up) {
    int i = 14;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = value < 0 ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    out += digits[0];
    if (digits.size() > 1) out += separator + digits.substr(1);
    out += "E" + std::to_string(exponent);
    return out;
  }
  if (exponent < 0) {
    out += "0";
    out += separator;
    out += std::string(-exponent - 1, '0') + digits;
    return out;
  }
  const size_t intLen = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= intLen) return out + digits + std::string(intLen - digits.size(), '0');
  return out + digits.substr(0, intLen) + separator + digits.substr(intLen);
}

std::string PlainWord(long double value) {
  std::string text = FloatToStr(value, '.');
  if (text.find('E') == std::string::npos) return text;
  // A value too small for the general form's digits: written out, to the
  // twentieth decimal.
  text = FormatFixed(value, 20, '.');
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

long double Round15(long double value) {
  if (!std::isfinite(value)) return value;
  return StrToFloat(FloatToStr(value, '.'));
}

std::string IntToStr(long long value) {
  return std::to_string(value);
}

}  // namespace verlo
