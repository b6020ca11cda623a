#include "gcode/decimal_digits.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace verlo {

#if defined(__SIZEOF_INT128__) && LDBL_MANT_DIG == 64

namespace {

using U128 = unsigned __int128;

struct Powers {
  U128 five[28];
  Powers() {
    five[0] = 1;
    for (int i = 1; i < 28; ++i) five[i] = five[i - 1] * 5;
  }
};
const Powers kPowers;

constexpr U128 kLow = 100000000000000000ULL;  // 10^17: 18 digits
constexpr U128 kHigh = kLow * 10;

}  // namespace

bool ExactDigits18(long double v, unsigned long long& digits, int& exponent) {
  if (!(v >= 1e-5L && v < 1e7L)) return false;
  // The extended format: a 64-bit mantissa with its leading bit, then the
  // exponent biased by 16383; v = m * 2^e exactly.
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &v, sizeof bytes);
  uint64_t m = 0;
  uint16_t signAndExponent = 0;
  std::memcpy(&m, bytes, 8);
  std::memcpy(&signAndExponent, bytes + 8, 2);
  const int e = (signAndExponent & 0x7FFF) - 16383 - 63;
  // The decimal exponent from the binary one, corrected below.
  int E = static_cast<int>(std::floor((e + 63) * 0.30102999566398120));
  for (int attempt = 0; attempt < 4; ++attempt) {
    // q = v * 10^k = m * 5^k / 2^s, with 18 digits before the point.
    const int k = 17 - E;
    const int s = -(e + k);
    if (k < 0 || k > 27 || s <= 0 || s >= 120) return false;
    const U128 p = static_cast<U128>(m) * kPowers.five[k];
    U128 q = p >> s;
    if (q < kLow) {
      --E;
      continue;
    }
    if (q >= kHigh) {
      ++E;
      continue;
    }
    const U128 rest = p - (q << s), half = static_cast<U128>(1) << (s - 1);
    if (rest > half || (rest == half && (q & 1))) ++q;
    if (q == kHigh) {
      q = kLow;
      ++E;
    }
    digits = static_cast<unsigned long long>(q);
    exponent = E;
    return true;
  }
  return false;
}

#else

bool ExactDigits18(long double, unsigned long long&, int&) {
  return false;
}

#endif

bool ExactDigits18(long double v, char* digits, int& exponent) {
  unsigned long long q = 0;
  if (!ExactDigits18(v, q, exponent)) return false;
  for (int i = 17; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + q % 10);
    q /= 10;
  }
  return true;
}

}  // namespace verlo
