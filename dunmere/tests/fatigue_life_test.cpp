// The fatigue life's arithmetic at the edges of a month and a year: months of
// 31 days, years of 365.
#include <gtest/gtest.h>

#include <string>

#include "fatigue_life.h"

namespace {

TEST(FatigueLife, YearsOf365DaysMonthsOf31OrTheCycleCount)
{
    const struct {
        int cycles, starts;
        const char *heading, *text;
    } cases[] = {
        {300, 10, "推定耐用回数", " 約 300回"},  // 30 days: under a month
        {31, 1, "推定耐用年数", " 約  1ヶ月"},
        {122, 2, "推定耐用年数", " 約  1ヶ月"},  // 61 days
        {62, 1, "推定耐用年数", " 約  2ヶ月"},
        {364, 1, "推定耐用年数", " 約 11ヶ月"},
        {3649, 10, "推定耐用年数", " 約 11ヶ月"},  // 364.9 days, not a year
        {365, 1, "推定耐用年数", " 約 1年"},
        {1098, 3, "推定耐用年数", " 約 1年"},            // 366 days
        {472932, 24, "推定耐用年数", " 約 53年11ヶ月"},  // 50 A, 1 mm: 19705 days
        {137339, 0, "推定耐用回数", " 約 137339回"},
        {137339, -2, "推定耐用回数", " 約 137339回"},
    };
    for (const auto& c : cases) {
        char text[256];
        EXPECT_STREQ(format_fatigue_life(text, sizeof text, c.cycles, c.starts), c.heading)
            << c.cycles << " / " << c.starts;
        EXPECT_EQ(std::string(text), c.text) << c.cycles << " / " << c.starts;
    }
}

}  // namespace
