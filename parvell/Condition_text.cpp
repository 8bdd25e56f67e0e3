#include "Condition_text.h"

#include <stdio.h>
#include <string.h>

#include <platform/charset.h>

bool is_value_format(const char* text)
{
    int conversions = 0;
    for (const char* p = text; *p; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        while (*p && strchr("-+ #0", *p))
            ++p;
        while (*p >= '0' && *p <= '9')
            ++p;
        if (*p == '.') {
            ++p;
            while (*p >= '0' && *p <= '9')
                ++p;
        }
        if (!*p || !strchr("eEfFgGaA", *p))
            return false;
        ++conversions;
    }
    return conversions == 1;
}

void fmt_cdt_(char* out, int size, const Cdt_inf* cdt, const Pdt_inf* pdt)
{
    double value;
    switch (cdt->DisplayValueType) {
    case 1: value = cdt->DisplayValue * (pdt->MX >= pdt->PX ? pdt->PX : pdt->MX); break;
    case 2: value = cdt->DisplayValue * pdt->Y; break;
    case 3: value = cdt->DisplayValue * pdt->Press; break;
    default:
        copy_sjis(out, size, cdt->Detail);
        return;
    }
    if (!is_value_format(cdt->Detail)) {
        copy_sjis(out, size, cdt->Detail);
        return;
    }
    // Formatted at full length first, so that the cut to the buffer never
    // splits a double-byte character.
    char full[512];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    snprintf(full, sizeof full, cdt->Detail, value);
#pragma GCC diagnostic pop
    copy_sjis(out, size, full);
}
