#include "fatigue_life.h"

#include <stdio.h>

const char* format_fatigue_life(char* out, size_t size, int cycles, int starts)
{
    int days = 0, years = 0, months = 0;
    if (starts > 0) {
        days = cycles / starts;
        years = days / 365;
        months = (days - years * 365) / 31;
    }
    if (years > 0 && months > 0)
        snprintf(out, size, " 約 %d年%2dヶ月", years, months);
    else if (years > 0)
        snprintf(out, size, " 約 %d年", years);
    else if (months > 0)
        snprintf(out, size, " 約 %2dヶ月", months);
    else {
        snprintf(out, size, " 約 %d回", cycles);
        return "推定耐用回数";
    }
    return "推定耐用年数";
}
