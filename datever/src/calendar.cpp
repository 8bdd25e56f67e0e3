#include <stdio.h>
#include <time.h>

#include <platform/convert_error.h>

#include "calendar.h"

namespace {

const long long seconds_per_day = 86400;

[[noreturn]] void raise_invalid_date(int year, int month, int day)
{
    char text[64];
    snprintf(text, sizeof text, "'%d/%d/%d' is not a valid date", year, month, day);
    throw EConvertError(text);
}

}  // namespace

long long day_number(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        raise_invalid_date(year, month, day);
    tm fields = {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    time_t seconds = timegm(&fields);
    // timegm carries a day past the month's end into the next month.
    if (fields.tm_mday != day || fields.tm_mon != month - 1)
        raise_invalid_date(year, month, day);
    return static_cast<long long>(seconds) / seconds_per_day;
}

void date_of_day(long long number, int* year, int* month, int* day)
{
    time_t seconds = static_cast<time_t>(number * seconds_per_day);
    tm fields = {};
    if (!gmtime_r(&seconds, &fields))
        throw EConvertError("date out of range");
    *year = fields.tm_year + 1900;
    *month = fields.tm_mon + 1;
    *day = fields.tm_mday;
}
