#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "quillon.h"

namespace {
const char yen_mark = 0x5C;  // the yen sign of Japanese fonts
}

void _edt_val_(char* out, double val, int decimals, int flags, int blank_zero)
{
    out[0] = '\0';
    if (val == 0 && blank_zero)
        return;

    char format[12];
    snprintf(format, sizeof format, "%%.%df", decimals);

    // The magnitude: a negative zero prints as 0, its sign being no sign.
    char work[128];
    snprintf(work, sizeof work, format, fabs(val));

    int digits = (int)strcspn(work, ".");

    // Group from the last digit to the first, a comma before every third.
    char grouped[64];
    int pos = (int)sizeof grouped - 1;
    grouped[pos] = '\0';
    int copied = 0;
    for (int i = digits - 1; i >= 0 && pos > 0; --i) {
        grouped[--pos] = work[i];
        ++copied;
        if (copied % 3 == 0 && i > 0 && pos > 0)
            grouped[--pos] = ',';
    }

    char* o = out;
    if (flags & 2)
        *o++ = yen_mark;
    if (val < 0)
        *o++ = '-';
    size_t n = strlen(grouped + pos);
    memcpy(o, grouped + pos, n);
    o += n;
    if (decimals > 0 && work[digits] == '.') {
        n = strlen(work + digits);
        memcpy(o, work + digits, n);
        o += n;
    }
    if (flags & 4)
        *o++ = '-';
    *o = '\0';
}

// Reads a number text back: the yen mark and the commas are dropped first.
double _get_val_(const char* text)
{
    char work[128];
    size_t w = 0;
    for (const char* p = text; *p != '\0' && w < sizeof work - 1; ++p) {
        if (*p != yen_mark && *p != ',')
            work[w++] = *p;
    }
    work[w] = '\0';
    return atof(work);
}
