// The service-life text and the condition texts, on their own.
#include <gtest/gtest.h>

#include <string.h>

#include "condition_text.h"
#include "Frm_mans.h"

namespace {

std::string life_text(double life)
{
    char out[256];
    format_life(out, life);
    return out;
}

TEST(LifeText, YearsAndTwoWideMonths)
{
    EXPECT_EQ(life_text(8.5), " 約 8年 6ヶ月");
    EXPECT_EQ(life_text(12.75), " 約 12年 9ヶ月");
    EXPECT_EQ(life_text(3.0), " 約 3年");
    EXPECT_EQ(life_text(0.5), " 約  6ヶ月");
    EXPECT_EQ(life_text(0.95), " 約 11ヶ月");
    EXPECT_EQ(life_text(0.05), " 0年");
    EXPECT_EQ(life_text(0.0), " 0年");
}

// Months are truncated from the extended-precision rest, so a third of a
// year stored as a double is 3 months, and two thirds 7.
TEST(LifeText, MonthsAreTruncatedFromTheExtendedPrecisionRest)
{
    EXPECT_EQ(life_text(1.0 / 3), " 約  3ヶ月");
    EXPECT_EQ(life_text(2.0 / 3), " 約  7ヶ月");
    EXPECT_EQ(life_text(5 + 1.0 / 4), " 約 5年 3ヶ月");
}

TEST(LifeText, AFactorBelowZeroGivesTheYearsAlone)
{
    EXPECT_EQ(life_text(-2.5), " -2年");
}

TEST(ValueFormat, OneFloatingConversionWithFlagsWidthAndPrecision)
{
    for (const char* text : {"%f", "%.1fmm", "x %g y", "%e", "%E", "%G", "%a", "%F", "%-08.3f", "%+ #5.0e", "%5.1f%%",
                             "%%%.2f", "100%% %f", "%.f"})
        EXPECT_TRUE(is_value_format(text)) << text;
}

TEST(ValueFormat, EverythingElseIsNotAFormat)
{
    for (const char* text :
         {"",     "plain", "%s",    "%n",   "%d",   "%x", "%c",    "%p", "%ld", "%Lf", "%lf",  "%hf", "%*f", "%.*f",
          "%1$f", "%'f",   "%f %f", "%f%n", "%f%s", "%%", "100%%", "%",  "%f%", "%5.", "%5.1", "%-",  "% "})
        EXPECT_FALSE(is_value_format(text)) << text;
}

// Widths and precisions beyond anything a cell can show would keep the
// formatting busy for seconds and take huge buffers.
TEST(ValueFormat, HugeWidthsAndPrecisionsAreNotAFormat)
{
    EXPECT_TRUE(is_value_format("%999.999f"));
    EXPECT_TRUE(is_value_format("%0000000999f"));
    EXPECT_FALSE(is_value_format("%1000f"));
    EXPECT_FALSE(is_value_format("%.1000f"));
    EXPECT_FALSE(is_value_format("%2000000000.1f"));
    EXPECT_FALSE(is_value_format("%.2000000000f"));
    EXPECT_FALSE(is_value_format("%99999999999999999999f"));
}

class ConditionText : public ::testing::Test {
protected:
    std::string text(const char* detail, int type, double value = 1.0, bool with_size = true)
    {
        Cdt_inf cdt;
        memset(&cdt, 0, sizeof cdt);
        snprintf(cdt.Detail, sizeof cdt.Detail, "%s", detail);
        cdt.DisplayValueType = type;
        cdt.DisplayValue = value;
        char out[128];
        memset(out, 'x', sizeof out);
        format_condition_text(out, sizeof out, &cdt, with_size ? &size_ : nullptr);
        EXPECT_NE(memchr(out, '\0', sizeof out), nullptr);
        return out;
    }

    Pdt_inf size_ = {1, 1, "50A", "100", 30.0, 20.0, 4.0, 1.5};
};

TEST_F(ConditionText, TheDisplayTypeChoosesTheSizeValue)
{
    EXPECT_EQ(text("%.1fmm", 1, 0.5), "10.0mm");  // the smaller of MX and PX
    size_.MX = 12.0;
    EXPECT_EQ(text("%.1fmm", 1, 0.5), "6.0mm");
    size_.PX = 12.0;
    EXPECT_EQ(text("%.2f", 1), "12.00");
    EXPECT_EQ(text("Y %.2f", 2, 2.0), "Y 8.00");
    EXPECT_EQ(text("%g MPa", 3), "1.5 MPa");
    EXPECT_EQ(text("%5.1f%%", 3, 10.0), " 15.0%");
    EXPECT_EQ(text("%.1f as text", 0), "%.1f as text");
    EXPECT_EQ(text("%.1f as text", 4), "%.1f as text");
}

TEST_F(ConditionText, UnsafeTextsAreShownAsTheyStand)
{
    for (const char* detail : {"%s", "%n", "%s%n", "%f and %f", "%%", "50%", "%d mm", "%.2000000000f"})
        for (int type : {1, 2, 3})
            EXPECT_EQ(text(detail, type), detail) << detail << " type " << type;
}

TEST_F(ConditionText, WithoutASizeTheTextStandsUnformatted)
{
    EXPECT_EQ(text("%.1fmm", 1, 0.5, false), "%.1fmm");
}

TEST_F(ConditionText, ALongResultIsCutWithoutSplittingACharacter)
{
    EXPECT_EQ(text("%130.1f", 1, 0.1), std::string(127, ' '));
    EXPECT_EQ(text("%-124.1fあ", 1, 0.1), "2.0" + std::string(121, ' ') + "あ");
    EXPECT_EQ(text("%-126.1fあ", 1, 0.1), "2.0" + std::string(123, ' '));
}

}  // namespace
