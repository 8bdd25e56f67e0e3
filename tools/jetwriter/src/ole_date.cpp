#include "ole_date.h"

#include <cstdio>
#include <ctime>

namespace jetwriter {

namespace {

// Days from 1970-01-01 to the given proleptic Gregorian date.
long days_from_civil(long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

constexpr long kDaysFrom1899To1970 = 25569;

bool leap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap(year) ? 29 : days[month - 1];
}

}  // namespace

double ole_date(int year, int month, int day, int hour, int minute, int second)
{
    long days = days_from_civil(year, month, day) + kDaysFrom1899To1970;
    double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before the epoch the fraction still counts forward in time, away from zero.
    return days >= 0 ? days + fraction : days - fraction;
}

bool parse_ole_date(const std::string& text, double& date)
{
    int year, month, day, hour = 0, minute = 0, second = 0, used = 0;
    const char* s = text.c_str();
    if (std::sscanf(s, "%4d-%2d-%2d%n", &year, &month, &day, &used) != 3)
        return false;
    if (s[used] == ' ') {
        int more = 0;
        if (std::sscanf(s + used, " %2d:%2d%n", &hour, &minute, &more) != 2)
            return false;
        used += more;
        if (s[used] == ':') {
            if (std::sscanf(s + used, ":%2d%n", &second, &more) != 1)
                return false;
            used += more;
        }
    }
    if (s[used] != '\0' || year < 100 || month < 1 || month > 12 || day < 1 || day > days_in_month(year, month) ||
        hour > 23 || minute > 59 || second > 59 || hour < 0 || minute < 0 || second < 0)
        return false;
    date = ole_date(year, month, day, hour, minute, second);
    return true;
}

double ole_date_now()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ole_date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace jetwriter
