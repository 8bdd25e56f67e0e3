#include "condition_text.h"

#include <stdio.h>
#include <string.h>

#include <platform/charset.h>

namespace {

// A width or precision larger than this cannot show in a cell; formatting it
// would keep the program busy for seconds and take huge buffers.
const int max_field = 999;

// Skips a decimal number; false when it is larger than max_field.
bool skip_field(const char*& p)
{
    int value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > max_field)
            return false;
    }
    return true;
}

}  // namespace

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
        if (!skip_field(p))
            return false;
        if (*p == '.') {
            ++p;
            if (!skip_field(p))
                return false;
        }
        if (!*p || !strchr("eEfFgGaA", *p))
            return false;
        ++conversions;
    }
    return conversions == 1;
}

void format_condition_text(char* out, int size, const Cdt_inf* cdt, const Pdt_inf* pdt)
{
    double value;
    switch (pdt ? cdt->DisplayValueType : 0) {
    case 1: value = cdt->DisplayValue * (pdt->MX >= pdt->PX ? pdt->PX : pdt->MX); break;
    case 2: value = cdt->DisplayValue * pdt->Y; break;
    case 3: value = cdt->DisplayValue * pdt->Press; break;
    default: copy_sjis(out, size, cdt->Detail); return;
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
