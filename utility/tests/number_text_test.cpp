#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "quillon.h"

namespace {

std::string edited(double val, int decimals, int flags, int blank_zero)
{
    char out[160];
    std::memset(out, 'x', sizeof out);
    _edt_val_(out, val, decimals, flags, blank_zero);
    return out;
}

TEST(NumberText, GroupsThousands)
{
    EXPECT_EQ(edited(137339, 0, 1, 0), "137,339");
    EXPECT_EQ(edited(1234567, 0, 0, 0), "1,234,567");
    EXPECT_EQ(edited(123, 0, 0, 0), "123");
    EXPECT_EQ(edited(999999, 0, 0, 0), "999,999");
    EXPECT_EQ(edited(1000, 0, 0, 0), "1,000");
    EXPECT_EQ(edited(1234.5, 2, 0, 0), "1,234.50");
    EXPECT_EQ(edited(9999999999.0, 0, 0, 0), "9,999,999,999");
    EXPECT_EQ(edited(12.345, 1, 0, 0), "12.3");
}

TEST(NumberText, CurrencySignAndTrailingMarks)
{
    EXPECT_EQ(edited(-1234, 0, 2 | 4, 0), "\x5C-1,234-");
    EXPECT_EQ(edited(1234, 0, 2, 0),
              "\x5C"
              "1,234");
    EXPECT_EQ(edited(5, 0, 1, 0), edited(5, 0, 0, 0));
    EXPECT_EQ(edited(-0.001, 2, 0, 0), "-0.00");
    EXPECT_EQ(edited(-1234567.891, 2, 0, 0), "-1,234,567.89");
}

TEST(NumberText, ZeroIsBlankOnlyWhenAsked)
{
    EXPECT_EQ(edited(0, 0, 0, 1), "");
    EXPECT_EQ(edited(-0.0, 2, 2, 1), "");
    EXPECT_EQ(edited(0, 0, 0, 0), "0");
    EXPECT_EQ(edited(0, 2, 0, 0), "0.00");
    EXPECT_EQ(edited(-0.0, 0, 0, 0), "0");
}

TEST(NumberText, LargestNumberWithinTheWorkingLimits)
{
    std::string text = edited(1e47, 0, 2 | 4, 0);  // 48 integer digits
    EXPECT_EQ(text.size(), 1u + 48u + 15u + 1u);
    EXPECT_EQ(text.substr(0, 6),
              "\x5C"
              "100,0");
}

TEST(NumberText, ReadsEditedTextBack)
{
    EXPECT_EQ(_get_val_("\x5C"
                        "1,234.50"),
              1234.5);
    EXPECT_EQ(_get_val_("-1,234"), -1234);
    EXPECT_EQ(_get_val_("1,234-"), 1234);
    EXPECT_EQ(_get_val_("  42abc"), 42);
    EXPECT_EQ(_get_val_("abc"), 0);
    EXPECT_EQ(_get_val_(""), 0);
    EXPECT_EQ(_get_val_("1.5e3"), 1500);
}

TEST(NumberText, OverlongTextIsCutAtTheWorkBuffer)
{
    std::string digits(300, '9');
    double value = _get_val_(digits.c_str());
    EXPECT_DOUBLE_EQ(value, std::pow(10.0, 127) - 1);
}

}  // namespace
