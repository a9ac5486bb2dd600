#include "Fixed.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavelor {
namespace {

TEST(Fixed, MetersOfTheBench)
{
    EXPECT_EQ(Fixed(400, 4, 1), "400.0"); // grid voltmeter
    EXPECT_EQ(Fixed(0, 4, 2), "0.00");    // excitation at start
    EXPECT_EQ(Fixed(1500, 4, 0), "1500"); // no separator without decimals
    EXPECT_EQ(Fixed(9.5, 4, 2), "9.50");  // completed with zeros
    EXPECT_EQ(Fixed(10, 4, 2), "10.00");
}

TEST(Fixed, SignificantDigitsOrDecimalsWhicheverKeepsFewer)
{
    EXPECT_EQ(Fixed(12.3456, 4, 2), "12.35");  // 2 decimals are the limit
    EXPECT_EQ(Fixed(123.456, 4, 2), "123.50"); // 4 digits are: 123.5, then a filling zero
    EXPECT_EQ(Fixed(9998.96, 4, 1), "9999.0");
    EXPECT_EQ(Fixed(230.04, 3, 1), "230.0");
    EXPECT_EQ(Fixed(3.3333, 2, 2), "3.30");
    EXPECT_EQ(Fixed(80.214, 3, 1), "80.2");
    EXPECT_EQ(Fixed(0.996, 4, 2), "1.00"); // a carry through every digit
    EXPECT_EQ(Fixed(0.0123456, 4, 6), "0.012350");
}

TEST(Fixed, HalvesGoAwayFromZero)
{
    EXPECT_EQ(Fixed(-5.25, 4, 1), "-5.3");
    EXPECT_EQ(Fixed(5.25, 4, 1), "5.3");
    EXPECT_EQ(Fixed(0.125, 4, 2), "0.13");
    EXPECT_EQ(Fixed(0.5, 4, 0), "1");
    EXPECT_EQ(Fixed(2.5, 4, 0), "3");
    // Decided on the binary value: 2.675 is stored as 2.67499999...
    EXPECT_EQ(Fixed(2.675, 4, 2), "2.67");
}

TEST(Fixed, ValuesThatRoundToZeroHaveNoSign)
{
    EXPECT_EQ(Fixed(-0.001, 4, 2), "0.00");
    EXPECT_EQ(Fixed(-0.0, 4, 1), "0.0");
    EXPECT_EQ(Fixed(0.004, 4, 2), "0.00");
    EXPECT_EQ(Fixed(0.005, 4, 2), "0.01");
    EXPECT_EQ(Fixed(-0.006, 4, 2), "-0.01");
}

TEST(Fixed, MoreIntegerDigitsThanSignificantOnesGoScientific)
{
    EXPECT_EQ(Fixed(-12345.6, 4, 1), "-1.235E4");
    EXPECT_EQ(Fixed(-10000, 4, 2), "-1E4");
    EXPECT_EQ(Fixed(-99999, 4, 0), "-1E5");
    EXPECT_EQ(Fixed(-9999.6, 4, 0), "-1E4"); // rounds up to five integer digits
    EXPECT_EQ(Fixed(12345.6, 4, 1), "1.235E4");
    EXPECT_EQ(Fixed(1e300, 4, 2), "1E300");
    EXPECT_EQ(Fixed(-123456789, 18, 2), "-123456789.00");
}

TEST(Fixed, DigitCountsAreClamped)
{
    EXPECT_EQ(Fixed(123.456, 1, 2), Fixed(123.456, 2, 2));
    EXPECT_EQ(Fixed(123.456, 1, 2), "1.2E2");
    EXPECT_EQ(Fixed(1.0 / 3.0, 40, 40), Fixed(1.0 / 3.0, 18, 18));
    EXPECT_EQ(Fixed(1.0 / 3.0, 18, 18), "0.333333333333333315");
    EXPECT_EQ(Fixed(2.5, 4, -3), "3");
}

TEST(Fixed, SeparatorIsTheCallers)
{
    EXPECT_EQ(Fixed(400, 4, 1, ","), "400,0");
    EXPECT_EQ(Fixed(-12345.6, 4, 1, ","), "-1,235E4");
    EXPECT_EQ(Fixed(0.8, 3, 2, ","), "0,80");
}

TEST(Fixed, NonFiniteValuesGiveHashes)
{
    EXPECT_EQ(Fixed(std::numeric_limits<double>::quiet_NaN(), 4, 2), "###");
    EXPECT_EQ(Fixed(std::numeric_limits<double>::infinity(), 4, 2), "###");
    EXPECT_EQ(Fixed(-std::numeric_limits<double>::infinity(), 4, 2), "###");
}

TEST(Fixed, TinyAndHugeMagnitudes)
{
    EXPECT_EQ(Fixed(std::numeric_limits<double>::denorm_min(), 4, 2), "0.00");
    EXPECT_EQ(Fixed(std::numeric_limits<double>::max(), 4, 2), "1.798E308");
    EXPECT_EQ(Fixed(-std::numeric_limits<double>::max(), 18, 0), "-1.79769313486231571E308");
}

} // namespace
} // namespace tavelor
