#include <gtest/gtest.h>

#include <time.h>

#include <platform/mask_edit.h>

#include "sarnet.h"

namespace {

Dte_inf date(int year, int month, int day)
{
    return Dte_inf{year, month, day, 11, 22, 33, 444};
}

::testing::AssertionResult same_date(const Dte_inf& d, int year, int month, int day)
{
    if (d.year == year && d.month == month && d.day == day)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << d.year << "/" << d.month << "/" << d.day << " instead of " << year << "/"
                                         << month << "/" << day;
}

TEST(NowDate, FillsEveryFieldWithTheLocalTime)
{
    // Read back as a local time, the fields lie between two readings of the
    // clock now_dte_ reads (time() may lag that clock by a tick).
    Dte_inf now = {-1, -1, -1, -1, -1, -1, -1};
    timespec before, after;
    clock_gettime(CLOCK_REALTIME, &before);
    now_dte_(&now);
    clock_gettime(CLOCK_REALTIME, &after);
    tm local{};
    local.tm_year = now.year - 1900;
    local.tm_mon = now.month - 1;
    local.tm_mday = now.day;
    local.tm_hour = now.hour;
    local.tm_min = now.minute;
    local.tm_sec = now.second;
    local.tm_isdst = -1;
    const time_t shown = mktime(&local);
    EXPECT_EQ(local.tm_mon + 1, now.month);  // not moved on: every field in its range
    EXPECT_EQ(local.tm_mday, now.day);
    EXPECT_GE(shown, before.tv_sec);
    EXPECT_LE(shown, after.tv_sec);
    EXPECT_GE(now.millisecond, 0);
    EXPECT_LE(now.millisecond, 999);
}

struct Move {
    Dte_inf from;
    int days;
    Dte_inf to;
};

TEST(ChangeDay, MovesAcrossMonthsYearsAndLeapDays)
{
    const Move moves[] = {
        {date(2006, 2, 28), 1, date(2006, 3, 1)},
        {date(2004, 2, 28), 1, date(2004, 2, 29)},
        {date(2000, 2, 28), 1, date(2000, 2, 29)},
        {date(1900, 2, 28), 1, date(1900, 3, 1)},
        {date(2006, 1, 1), -1, date(2005, 12, 31)},
        {date(2006, 3, 1), -1, date(2006, 2, 28)},
        {date(2006, 6, 29), 0, date(2006, 6, 29)},
        {date(2006, 1, 31), 30, date(2006, 3, 2)},
        {date(2006, 6, 29), 365 * 4 + 1, date(2010, 6, 29)},
        {date(1, 1, 1), 365, date(2, 1, 1)},
        {date(9999, 12, 31), -3652058, date(1, 1, 1)},
    };
    for (const Move& m : moves) {
        Dte_inf in = m.from;
        Dte_inf out = {0, 0, 0, 1, 2, 3, 4};
        cge_day_(&out, m.days, &in);
        EXPECT_TRUE(same_date(out, m.to.year, m.to.month, m.to.day)) << m.days << " days";
        // Only the date is written; in is read alone.
        EXPECT_EQ(out.hour, 1);
        EXPECT_EQ(out.millisecond, 4);
        EXPECT_EQ(in.day, m.from.day);
    }
}

TEST(ChangeDay, InPlaceKeepsTheTimeFields)
{
    Dte_inf d = date(2006, 12, 31);
    cge_day_(&d, 1, &d);
    EXPECT_TRUE(same_date(d, 2007, 1, 1));
    EXPECT_EQ(d.hour, 11);
    EXPECT_EQ(d.minute, 22);
    EXPECT_EQ(d.second, 33);
    EXPECT_EQ(d.millisecond, 444);
}

TEST(ChangeDay, ReadsTheLow16BitsOfEachField)
{
    Dte_inf in = date(0x10000 + 2006, 0x30000 + 2, 0x7FFF0000 + 28);
    Dte_inf out = {};
    cge_day_(&out, 1, &in);
    EXPECT_TRUE(same_date(out, 2006, 3, 1));
}

TEST(ChangeDay, AnImpossibleDateRaisesAndWritesNothing)
{
    for (Dte_inf bad :
         {date(2006, 2, 29), date(2006, 4, 31), date(0, 1, 1), date(2006, 13, 1), date(2006, 1, 0), date(-1, 1, 1)}) {
        Dte_inf out = date(1, 2, 3);
        EXPECT_THROW(cge_day_(&out, 1, &bad), EConvertError);
        EXPECT_TRUE(same_date(out, 1, 2, 3));
    }
}

TEST(ChangeDay, ADateMovedBeyondTheYear9999FailsTheCheck)
{
    Dte_inf d = date(9999, 12, 31);
    cge_day_(&d, 1, &d);
    EXPECT_TRUE(same_date(d, 10000, 1, 1));
    EXPECT_EQ(chk_dte_(&d), 0);
}

TEST(CheckDate, GregorianDatesOfTheYears1To9999)
{
    for (Dte_inf good : {date(2006, 6, 29), date(2000, 2, 29), date(2004, 2, 29), date(1, 1, 1), date(9999, 12, 31),
                         date(2006, 1, 31), date(2006, 4, 30), date(99, 7, 7)}) {
        EXPECT_EQ(chk_dte_(&good), 1) << good.year << "/" << good.month << "/" << good.day;
    }
    for (Dte_inf bad :
         {date(2006, 0, 1), date(2006, 13, 1), date(2006, 1, 0), date(2006, 1, 32), date(2006, 4, 31),
          date(1900, 2, 29), date(2006, 2, 29), date(0, 1, 1), date(10000, 1, 1), date(-2006, 1, 1), date(2006, -1, 1),
          date(0x10000 + 2006, 1, 1), date(2147483647, 1, 1), date(-2147483647 - 1, 12, 31)}) {
        EXPECT_EQ(chk_dte_(&bad), 0) << bad.year << "/" << bad.month << "/" << bad.day;
    }
}

class MaskDate : public ::testing::Test {
protected:
    Dte_inf read(TMaskEdit& edit)
    {
        Dte_inf d = date(-1, -1, -1);
        msk_dte_(&d, &edit);
        return d;
    }
};

TEST_F(MaskDate, ReadsTheFixedPositionsOfTheMaskedText)
{
    TMaskEdit edit;
    edit.setInputMask("9999/99/99;_");
    edit.setText("20060629");
    ASSERT_EQ(edit.Text(), "2006/06/29");
    Dte_inf d = read(edit);
    EXPECT_TRUE(same_date(d, 2006, 6, 29));
    EXPECT_EQ(d.hour, 11);  // the time is left alone
    EXPECT_EQ(d.millisecond, 444);
}

TEST_F(MaskDate, UnfilledPositionsKeepTheirPlaceAndReadAsZero)
{
    TMaskEdit edit;
    edit.setInputMask("9999/99/99;_");
    edit.setText("2006");
    EXPECT_EQ(edit.Text(), "2006/  /  ");
    EXPECT_TRUE(same_date(read(edit), 2006, 0, 0));

    // The same with the mask's default blank.
    edit.setInputMask("9999/99/99");
    edit.setText("200606");
    EXPECT_TRUE(same_date(read(edit), 2006, 6, 0));
}

TEST_F(MaskDate, EachPieceIsReadAsAtolReadsIt)
{
    TMaskEdit edit;  // no mask: the text as typed
    edit.setText("2006/6/29");
    EXPECT_TRUE(same_date(read(edit), 2006, 6, 9));  // "6/", then "9" at the text's end
    edit.setText("-12/x 7/+3");
    EXPECT_TRUE(same_date(read(edit), -12, 7, 3));  // "-12/", " 7", "+3"
    edit.setText("99");
    EXPECT_TRUE(same_date(read(edit), 99, 0, 0));
}

}  // namespace
