#include "gcode/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "gcode/decimal_digits.h"

namespace verlo {
namespace {

TEST(StrToFloat, ReadsCommaPointSignsAndWhiteSpace) {
  EXPECT_EQ(StrToFloat("0,6"), 0.6L);
  EXPECT_EQ(StrToFloat("0.6"), 0.6L);
  EXPECT_EQ(StrToFloat("-2,0000"), -2.0L);
  EXPECT_EQ(StrToFloat("  +12,5 "), 12.5L);
  EXPECT_EQ(StrToFloat("5"), 5.0L);
  EXPECT_EQ(StrToFloat("5,"), 5.0L);
  EXPECT_EQ(StrToFloat(",5"), 0.5L);
  EXPECT_EQ(StrToFloat("1,5E-6"), 1.5e-6L);
  EXPECT_EQ(StrToFloat("1e3"), 1000.0L);
}

TEST(StrToFloat, RefusesWhatIsNoNumberWithTheRuntimeText) {
  for (const char* bad : {"abc", "", "   ", "1,2,3", "1.2.3", "1 000", "12a", "-", ",", "1e", "e5",
                          "0x10", "1e99999"}) {
    try {
      StrToFloat(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid floating point value");
    }
  }
}

TEST(StrToInt, ReadsThirtyTwoBitIntegers) {
  EXPECT_EQ(StrToInt("150"), 150);
  EXPECT_EQ(StrToInt(" -7 "), -7);
  EXPECT_EQ(StrToInt("+01"), 1);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
  for (const char* bad :
       {"abc", "", "1,5", "2147483648", "-2147483649", "99999999999999999999", "1.0", "+"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(IsBlank, TreatsWhiteSpaceAsEmpty) {
  EXPECT_TRUE(IsBlank(""));
  EXPECT_TRUE(IsBlank(" \t "));
  EXPECT_FALSE(IsBlank(" 0 "));
}

TEST(FormatFloat4, FourDecimalsRoundedHalfAwayFromZero) {
  EXPECT_EQ(FormatFloat4(0), "0,0000");
  EXPECT_EQ(FormatFloat4(-12.5L), "-12,5000");
  EXPECT_EQ(FormatFloat4(7.5L, '.'), "7.5000");
  EXPECT_EQ(FormatFloat4(2.0L / 3), "0,6667");
  EXPECT_EQ(FormatFloat4(-2.0L / 3), "-0,6667");
  EXPECT_EQ(FormatFloat4(0.00005L), "0,0001");
  EXPECT_EQ(FormatFloat4(-0.00005L), "-0,0001");
  EXPECT_EQ(FormatFloat4(1.23455L), "1,2346");  // read from its 18-digit expansion
  EXPECT_EQ(FormatFloat4(9.99995L), "10,0000");
  EXPECT_EQ(FormatFloat4(123456789.12345L), "123456789,1235");
  EXPECT_EQ(FormatFloat4(1e20L), "100000000000000000000,0000");
}

TEST(FormatFloat4, NeverWritesMinusZero) {
  EXPECT_EQ(FormatFloat4(-0.0L), "0,0000");
  EXPECT_EQ(FormatFloat4(-0.00004L), "0,0000");
  EXPECT_EQ(FormatFloat4(-1e-30L), "0,0000");
}

TEST(FloatToStr, ShortestGeneralForm) {
  EXPECT_EQ(FloatToStr(5), "5");
  EXPECT_EQ(FloatToStr(150), "150");
  EXPECT_EQ(FloatToStr(5.5L), "5,5");
  EXPECT_EQ(FloatToStr(-2.5L), "-2,5");
  EXPECT_EQ(FloatToStr(0.1L + 0.2L), "0,3");
  EXPECT_EQ(FloatToStr(2.0L / 3), "0,666666666666667");
  EXPECT_EQ(FloatToStr(0.00001L), "0,00001");
  EXPECT_EQ(FloatToStr(1.5e-6L), "1,5E-6");
  EXPECT_EQ(FloatToStr(1e20L), "1E20");
  EXPECT_EQ(FloatToStr(123456789012345.0L), "123456789012345");
  EXPECT_EQ(FloatToStr(1e15L), "1E15");
  EXPECT_EQ(FloatToStr(0), "0");
  EXPECT_EQ(FloatToStr(2.5L, '.'), "2.5");
}

TEST(PlainWord, NeverTheExponentForm) {
  EXPECT_EQ(PlainWord(5), "5");
  EXPECT_EQ(PlainWord(-12.5L), "-12.5");
  EXPECT_EQ(PlainWord(StrToFloat("0,000001")), "0.000001");
  EXPECT_EQ(PlainWord(-StrToFloat("1,5E-9")), "-0.0000000015");
  EXPECT_EQ(PlainWord(StrToFloat("1E-30")), "0");
  EXPECT_EQ(PlainWord(1000000), "1000000");
}

TEST(FloatToStr, RoundsFifteenDigitTiesAwayFromZero) {
  // Half of a 15-digit diameter: the 16th digit is a 5 as typed.
  EXPECT_EQ(FloatToStr(StrToFloat("4,35442950482489") / 2), "2,17721475241245");
  EXPECT_EQ(FloatToStr(-StrToFloat("4,35442950482489") / 2), "-2,17721475241245");
  EXPECT_EQ(FloatToStr(StrToFloat("9,99999999999999") + 0.000000000000005L), "10");
  EXPECT_EQ(Round15(0.1L + 0.2L), Round15(0.3L));
  EXPECT_EQ(Round15(3 * StrToFloat("0,4")), StrToFloat("1,2"));
}

// The digits the number forms round from, computed in integers, are the C
// library's to the last digit: over every binary exponent of the range, the
// page-like values of four decimals and their thirds, and the powers of ten
// with their neighbours.
TEST(ExactDigits18, TheCLibrarysDigits) {
  std::mt19937_64 random(20261209);
  std::vector<long double> values;
  for (int i = 0; i < 100000; ++i) {
    values.push_back(ldexpl(static_cast<long double>(random() | (1ULL << 63)),
                            -64 - static_cast<int>(random() % 47) + 24));
    const long double typed = static_cast<long double>(random() % 10000000000ULL) / 10000;
    values.insert(values.end(), {typed, typed / 3});
  }
  for (int e = -5; e < 7; ++e)
    for (long double p : {powl(10, e), nextafterl(powl(10, e), 0), nextafterl(powl(10, e), 1e9L)})
      values.push_back(p);
  for (const long double v : values) {
    char digits[18];
    int exponent = 0;
    if (!ExactDigits18(v, digits, exponent)) continue;
    char c[64];
    std::snprintf(c, sizeof c, "%.17Le", v);
    const std::string expected = std::string(1, c[0]) + std::string(c + 2, 17) + "e" +
                                 std::to_string(std::atoi(std::strchr(c, 'e') + 1));
    ASSERT_EQ(std::string(digits, 18) + "e" + std::to_string(exponent), expected) << c;
  }
}

}  // namespace
}  // namespace verlo
