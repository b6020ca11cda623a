#include "gcode/numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>

#include "gcode/decimal_digits.h"

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
  if (significant == 18) {
    char exact[18];
    if (ExactDigits18(v, exact, exponent)) {
      digits.assign(exact, 18);
      return;
    }
  }
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
    // Correctly rounded whatever the process's locale.
#if defined(__cpp_lib_to_chars)
    const char* end = norm.data() + norm.size();
    const char* begin = norm.data() + (norm[0] == '+' ? 1 : 0);  // a sign it does not take
    const std::from_chars_result r = std::from_chars(begin, end, value);
    ok = r.ec == std::errc() && r.ptr == end && std::isfinite(value);
#else
    std::istringstream in(norm);
    in.imbue(std::locale::classic());
    in >> value;
    ok = !in.fail() && std::isfinite(value);
#endif
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

namespace {

// The fixed form straight from the 18 digits, where they reach one decimal
// beyond the asked ones: the magnitude in units of the last decimal, rounded
// half away from zero on the next digit.
bool FastFixed(long double value, int decimals, char separator, std::string& out) {
  if (decimals > 8) return false;
  static const unsigned long long kTen[] = {1ULL,
                                            10ULL,
                                            100ULL,
                                            1000ULL,
                                            10000ULL,
                                            100000ULL,
                                            1000000ULL,
                                            10000000ULL,
                                            100000000ULL,
                                            1000000000ULL,
                                            10000000000ULL,
                                            100000000000ULL,
                                            1000000000000ULL,
                                            10000000000000ULL,
                                            100000000000000ULL,
                                            1000000000000000ULL,
                                            10000000000000000ULL,
                                            100000000000000000ULL,
                                            1000000000000000000ULL};
  unsigned long long q = 0;
  int exponent = 0;
  if (value == 0) {
    q = 0;
  } else if (!ExactDigits18(std::fabs(value), q, exponent)) {
    return false;
  }
  const int drop = 17 - exponent - (decimals + 1);  // digits below the deciding one
  if (value != 0 && (drop < 0 || drop > 18)) return false;
  if (value != 0) {
    const unsigned long long u = q / kTen[drop];
    q = u / 10 + (u % 10 >= 5 ? 1 : 0);
  }
  char buf[48];
  int n = 0;
  const unsigned long long whole = q / kTen[decimals], part = q % kTen[decimals];
  if (std::signbit(value) && q != 0) buf[n++] = '-';
  char rev[24];
  int w = 0;
  for (unsigned long long x = whole; w == 0 || x != 0; x /= 10)
    rev[w++] = static_cast<char>('0' + x % 10);
  while (w > 0) buf[n++] = rev[--w];
  if (decimals > 0) {
    buf[n++] = separator;
    for (int i = decimals - 1; i >= 0; --i) buf[n++] = static_cast<char>('0' + part / kTen[i] % 10);
  }
  out.assign(buf, static_cast<size_t>(n));
  return true;
}

}  // namespace

std::string FormatFixed(long double value, int decimals, char separator) {
  if (!std::isfinite(value)) return SpecialText(value);
  std::string fast;
  if (FastFixed(value, decimals, separator, fast)) return fast;
  const bool negative = std::signbit(value);
  std::string digits;
  int exponent = 0;
  DecimalDigits(std::fabs(value), 18, digits, exponent);
  const int count = static_cast<int>(digits.size());
  // The integer part (at least one digit) and one decimal more than asked,
  // which decides the rounding.
  std::string all;
  all.reserve(static_cast<size_t>(std::max(exponent, 0) + decimals + 2));
  for (int pos = std::max(exponent, 0); pos >= -(decimals + 1); --pos) {
    const int idx = exponent - pos;
    all += idx >= 0 && idx < count ? digits[static_cast<size_t>(idx)] : '0';
  }
  const bool up = all.back() >= '5';  // half away from zero: the magnitude rounds up
  all.pop_back();
  if (up) {
    int i = static_cast<int>(all.size()) - 1;
    while (i >= 0 && all[static_cast<size_t>(i)] == '9') all[static_cast<size_t>(i--)] = '0';
    if (i >= 0)
      ++all[static_cast<size_t>(i)];
    else
      all.insert(all.begin(), '1');
  }
  const size_t d = static_cast<size_t>(decimals), ipEnd = all.size() - d;
  size_t ipStart = 0;
  while (ipStart + 1 < ipEnd && all[ipStart] == '0') ++ipStart;
  const bool zero = all.find_first_not_of('0') == std::string::npos;
  std::string out;
  out.reserve(all.size() - ipStart + 2);
  if (negative && !zero) out += '-';
  out.append(all, ipStart, ipEnd - ipStart);
  if (d) {
    out += separator;
    out.append(all, ipEnd, d);
  }
  return out;
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
  if (value == 0) return 0;
  // The 15 digits the plain form shows, as one integer over a power of ten:
  // both are exact in the extended format, so one division rounds as
  // reading the text back would.
  unsigned long long q = 0;
  int exponent = 0;
  if (!ExactDigits18(std::fabs(value), q, exponent)) return StrToFloat(FloatToStr(value, '.'));
  unsigned long long d = q / 1000 + ((q / 100) % 10 >= 5 ? 1 : 0);
  if (d == 1000000000000000ULL) {
    d /= 10;
    ++exponent;
  }
  const int k = 14 - exponent;
  long double power = 1;
  for (int i = 0; i < (k < 0 ? -k : k); ++i) power *= 10;
  const long double magnitude = k >= 0 ? d / power : d * power;
  return value < 0 ? -magnitude : magnitude;
}

std::string IntToStr(long long value) {
  return std::to_string(value);
}

}  // namespace verlo
