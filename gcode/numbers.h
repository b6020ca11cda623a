// Number parsing and the number forms shared by every page.
//
// Field texts are read as under the Hungarian locale (decimal comma), and a
// decimal point is accepted as well. The forms write the locale's comma unless
// told otherwise; the line emitter turns it into a point in G-code lines.
#pragma once

#include <stdexcept>
#include <string>

namespace verlo {

// The runtime's conversion error: a text that is not a number stops the
// running action, and its message is shown in an error box.
class ConvertError : public std::runtime_error {
 public:
  explicit ConvertError(const std::string& message) : std::runtime_error(message) {}
};

// True when the text holds nothing but white space.
bool IsBlank(const std::string& text);

// StrToFloat: "12,5", "12.5", " -3 ", "1,5E-6". Throws ConvertError with
// "'TEXT' is not a valid floating point value".
long double StrToFloat(const std::string& text);

// StrToInt: a 32-bit integer with an optional sign. Throws ConvertError with
// "'TEXT' is not a valid integer value".
int StrToInt(const std::string& text);

// Pattern "0.0000": rounded half away from zero at the fourth decimal, never
// "-0.0000", no thousands separator.
std::string FormatFloat4(long double value, char separator = ',');

// Pattern "0.000..." with `decimals` decimals, rounded as FormatFloat4.
std::string FormatFixed(long double value, int decimals, char separator = ',');

// FloatToStr: the general form to 15 significant digits (the 18-digit
// expansion rounded half away from zero), no trailing zeros.
std::string FloatToStr(long double value, char separator = ',');
// The general form as a G-code word takes it: with a decimal point, and a
// value below 0.00001 written out instead of in the exponent form no control
// reads.
std::string PlainWord(long double value);

// The value as the general form shows it: to 15 significant digits. Counts
// compare their running sums this way, so values equal as typed are equal.
long double Round15(long double value);

std::string IntToStr(long long value);

}  // namespace verlo
