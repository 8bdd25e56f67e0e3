#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "number_text.h"

namespace {

// What passes for each option pair, over every byte value.
TEST(NumberFilter, AllowedCharactersFollowTheOptions)
{
    struct Options {
        bool only_int, only_plus, point, minus;
    } const table[] = {
        {false, false, true, true},
        {false, true, true, false},
        {true, false, false, true},
        {true, true, false, false},
    };
    for (const Options& o : table) {
        for (int c = 0; c < 256; ++c) {
            bool expected = (c >= '0' && c <= '9') || c < 32 || c == 127;
            if (c == '.')
                expected = o.point;
            if (c == '-')
                expected = o.minus;
            EXPECT_EQ(number_key_passes(static_cast<char>(c), o.only_int, o.only_plus), expected)
                << "code " << c << " only_int " << o.only_int << " only_plus " << o.only_plus;
        }
    }
}

TEST(NumberOfText, ReadsTheLeadingDecimalNumberLikeAtof)
{
    EXPECT_EQ(number_of_text("10"), 10);
    EXPECT_EQ(number_of_text("   5"), 5);  // blanks of an earlier right-alignment
    EXPECT_EQ(number_of_text("\t-2.5"), -2.5);
    EXPECT_EQ(number_of_text("+7"), 7);
    EXPECT_EQ(number_of_text("3abc"), 3);
    EXPECT_EQ(number_of_text("1.2.3"), 1.2);
    EXPECT_EQ(number_of_text("5-3"), 5);
    EXPECT_EQ(number_of_text(".5"), 0.5);
    EXPECT_EQ(number_of_text("4."), 4);
    EXPECT_EQ(number_of_text("1e3x"), 1000);
    EXPECT_EQ(number_of_text("2e"), 2);
}

TEST(NumberOfText, TextWithoutADecimalNumberIsZero)
{
    EXPECT_EQ(number_of_text(""), 0);
    EXPECT_EQ(number_of_text("abc"), 0);
    EXPECT_EQ(number_of_text("-"), 0);
    EXPECT_EQ(number_of_text("."), 0);
    EXPECT_EQ(number_of_text("- 5"), 0);
    // atof would also read these; a decimal number they are not.
    EXPECT_EQ(number_of_text("inf"), 0);
    EXPECT_EQ(number_of_text("nan"), 0);
    EXPECT_EQ(number_of_text("0x1A"), 0);
    EXPECT_TRUE(std::signbit(number_of_text("-0")));  // the caller removes the sign
    EXPECT_TRUE(std::isinf(number_of_text("1e999")));
}

TEST(GeneralNumberText, DropsTrailingZerosAndTheUnneededPoint)
{
    EXPECT_EQ(general_number_text(10), "10");
    EXPECT_EQ(general_number_text(2.50), "2.5");
    EXPECT_EQ(general_number_text(0), "0");
    EXPECT_EQ(general_number_text(-3), "-3");
    EXPECT_EQ(general_number_text(100000), "100000");
    EXPECT_EQ(general_number_text(0.1 + 0.2), "0.3");  // 15 significant digits
    EXPECT_EQ(general_number_text(123456789012345.0), "123456789012345");
    EXPECT_EQ(general_number_text(1.23456789012345678), "1.23456789012346");
    EXPECT_EQ(general_number_text(0.00001), "0.00001");
    EXPECT_EQ(general_number_text(-0.000123), "-0.000123");
}

TEST(GeneralNumberText, VeryLargeAndVerySmallValuesTakeAnExponent)
{
    EXPECT_EQ(general_number_text(1e15), "1E15");
    EXPECT_EQ(general_number_text(-2.5e20), "-2.5E20");
    EXPECT_EQ(general_number_text(1.5e-7), "1.5E-7");
    EXPECT_EQ(general_number_text(999999999999999.9), "1E15");  // rounds up into the exponent form
    EXPECT_EQ(general_number_text(HUGE_VAL), "INF");
    EXPECT_EQ(general_number_text(-HUGE_VAL), "-INF");
}

}  // namespace
