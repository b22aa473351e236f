#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zentoir {
namespace {

std::string Text(double value) {
  return std::string(NumberToText(value).View());
}

TEST(NumberToText, WholeNumbersPrintWithoutPoint) {
  EXPECT_EQ(Text(0), "0");
  EXPECT_EQ(Text(-0.0), "0");
  EXPECT_EQ(Text(3.0), "3");
  EXPECT_EQ(Text(100.0), "100");
  EXPECT_EQ(Text(-42), "-42");
  EXPECT_EQ(Text(1234567890), "1234567890");
  EXPECT_EQ(Text(-9999999999.0), "-9999999999");
}

TEST(NumberToText, FractionsKeepTenSignificantDigits) {
  EXPECT_EQ(Text(2.5), "2.5");
  EXPECT_EQ(Text(-0.75), "-0.75");
  EXPECT_EQ(Text(0.1), "0.1");
  EXPECT_EQ(Text(1.0 / 3.0), "0.3333333333");
  EXPECT_EQ(Text(2.0 / 3.0), "0.6666666667");
  EXPECT_EQ(Text(123.456), "123.456");
  EXPECT_EQ(Text(3.14159265358979), "3.141592654");
  EXPECT_EQ(Text(99999.999999999), "100000");  // rounding carries into the next digit
}

TEST(NumberToText, LargeAndSmallNumbersUseTheExponentForm) {
  EXPECT_EQ(Text(12345678901.0), "1.23456789e+10");
  EXPECT_EQ(Text(1e10), "1.e+10");
  EXPECT_EQ(Text(-2.5e15), "-2.5e+15");
  EXPECT_EQ(Text(1e100), "1.e+100");
  EXPECT_EQ(Text(9999999999.6), "1.e+10");  // rounds up past ten digits
  // Below 0.1 the decimal exponent is under -1.
  EXPECT_EQ(Text(0.05), "5.e-02");
  EXPECT_EQ(Text(0.001234), "1.234e-03");
  EXPECT_EQ(Text(0.01), "1.e-02");
  EXPECT_EQ(Text(0.099), "9.9e-02");
  EXPECT_EQ(Text(0.1234), "0.1234");  // from 0.1 up the plain form returns
}

TEST(NumberToText, ExactTiesRoundToTheEvenDigit) {
  EXPECT_EQ(Text(6172839450.5), "6172839450");
  EXPECT_EQ(Text(6172839451.5), "6172839452");
  EXPECT_EQ(Text(-123456789.25), "-123456789.2");
  EXPECT_EQ(Text(100000000050.0), "1.e+11");
  EXPECT_EQ(Text(100000000150.0), "1.000000002e+11");
}

TEST(NumberToText, LengthMatchesTheText) {
  for (double v : {0.0, 2.5, -1234.5, 1e10, 0.05, 1.0 / 7.0}) {
    EXPECT_EQ(NumberTextLength(v), static_cast<double>(Text(v).size())) << v;
  }
}

TEST(IntegerToText, MatchesDecimalDigits) {
  EXPECT_EQ(std::string(IntegerToText(0).View()), "0");
  EXPECT_EQ(std::string(IntegerToText(-123).View()), "-123");
  EXPECT_EQ(std::string(IntegerToText(INT32_MIN).View()), "-2147483648");
  EXPECT_EQ(std::string(IntegerToText(INT32_MAX).View()), "2147483647");
}

TEST(TextToNumber, ReadsTheLeadingNumberLikeAtof) {
  EXPECT_EQ(TextToNumber("  -3.5e2x"), -350);
  EXPECT_EQ(TextToNumber("12abc"), 12);
  EXPECT_EQ(TextToNumber("abc"), 0);
  EXPECT_EQ(TextToNumber(""), 0);
  EXPECT_EQ(TextToNumber("\t+7"), 7);
  EXPECT_EQ(TextToNumber(".5"), 0.5);
  EXPECT_EQ(TextToNumber("5."), 5);
  EXPECT_EQ(TextToNumber("1e"), 1);  // an exponent without digits is not read
  EXPECT_EQ(TextToNumber("2e+x"), 2);
  EXPECT_EQ(TextToNumber("-"), 0);
  EXPECT_EQ(TextToNumber("."), 0);
  EXPECT_EQ(TextToNumber("0x1A"), 0);  // no hexadecimal
  EXPECT_EQ(TextToNumber("inf"), 0);
  EXPECT_EQ(TextToNumber("1e999"), HUGE_VAL);
  EXPECT_EQ(TextToNumber("-1e999"), -HUGE_VAL);
}

TEST(FormatNumber, FixedPointWithWidthAndDecimals) {
  EXPECT_EQ(std::string(FormatNumber(5, 2, 3.14159).View()), " 3.14");
  EXPECT_EQ(std::string(FormatNumber(0, 2, 3.14159).View()), "3.14");
  EXPECT_EQ(std::string(FormatNumber(6.9, 1.9, -2.25).View()), "  -2.2");
  EXPECT_EQ(std::string(FormatNumber(-6, 0, 12).View()), "12    ");
  EXPECT_EQ(FormatNumber(3, 0, 1).capacity, 512u);
}

TEST(FormatNumber, HugeRequestsStayInsideTheBuffer) {
  DynString wide = FormatNumber(1e9, 1e9, 1e300);
  EXPECT_LT(wide.length, wide.capacity);
  DynString negativeDecimals = FormatNumber(4, -3, 2.5);
  EXPECT_EQ(std::string(negativeDecimals.View()), "   2");
}

TEST(Truncation, SaturatesAndRejectsNaN) {
  EXPECT_EQ(TruncateToInt32(-2.9), -2);
  EXPECT_EQ(TruncateToInt32(1e20), INT32_MAX);
  EXPECT_EQ(TruncateToInt32(-1e20), INT32_MIN);
  EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), INT32_MIN);
  EXPECT_EQ(TruncateToInt64(4294967297.5), 4294967297);
}

}  // namespace
}  // namespace zentoir
