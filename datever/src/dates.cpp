#include <stdlib.h>
#include <sys/time.h>
#include <time.h>

#include <string>

#include <platform/mask_edit.h>

#include "calendar.h"
#include "sarnet.h"

void now_dte_(Dte_inf* out)
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    tm local;
    localtime_r(&now.tv_sec, &local);
    out->year = local.tm_year + 1900;
    out->month = local.tm_mon + 1;
    out->day = local.tm_mday;
    out->hour = local.tm_hour;
    out->minute = local.tm_min;
    // A leap second is shown as the last second of its minute.
    out->second = local.tm_sec > 59 ? 59 : local.tm_sec;
    out->millisecond = static_cast<int>(now.tv_nsec / 1000000);
}

void cge_day_(Dte_inf* out, int days, Dte_inf* in)
{
    // Read whole before anything is written: out may be in.
    long long from = day_number(in->year & 0xFFFF, in->month & 0xFFFF, in->day & 0xFFFF);
    int year, month, day;
    date_of_day(from + days, &year, &month, &day);
    out->year = year;
    out->month = month;
    out->day = day;
}

// The rule the class library's date parsing applies to "%04d/%02d/%02d" under
// the Japanese settings (year, month, day; '/'; no era, no century window).
int chk_dte_(Dte_inf* date)
{
    try {
        day_number(date->year, date->month, date->day);
        return 1;
    } catch (const EConvertError&) {
        return 0;
    }
}

namespace {

// The number atol reads from text[at, at + length), what lies beyond the
// text's end counting as absent.
int number_at(const std::string& text, size_t at, size_t length)
{
    std::string piece = at < text.size() ? text.substr(at, length) : std::string();
    return static_cast<int>(atol(piece.c_str()));
}

}  // namespace

void msk_dte_(Dte_inf* out, TMaskEdit* edit)
{
    std::string text = edit->Text();
    out->year = number_at(text, 0, 4);
    out->month = number_at(text, 5, 2);
    out->day = number_at(text, 8, 2);
}
