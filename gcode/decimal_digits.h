// The first 18 significant decimal digits of a number as the C library's
// "%.17Le" gives them (correctly rounded, ties to even), computed exactly in
// integer arithmetic for the magnitudes the pages write. The number forms
// round from these digits; the C library is asked only outside that range.
#pragma once

namespace verlo {

// The 18 digits as one number q (10^17 <= q < 10^18) and the decimal
// exponent of the first digit, for 1e-5 <= v < 1e7; false (nothing written)
// outside, or where the platform's long double is not the 80-bit extended
// format.
bool ExactDigits18(long double v, unsigned long long& q, int& exponent);
// The same as characters, digits[0..17].
bool ExactDigits18(long double v, char* digits, int& exponent);

}  // namespace verlo
