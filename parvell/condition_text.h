// The text a condition shows for a product size.
#ifndef PARVELL_CONDITION_TEXT_H
#define PARVELL_CONDITION_TEXT_H

#include "Ado_dbss.h"

// Whether a database text may serve as a printf format for one double: it
// holds exactly one floating-point conversion (flags, width and precision
// up to 999 allowed) and otherwise only "%%".
bool is_value_format(const char* text);

// The condition's Detail formatted with its display value times the size
// value that its display type names; plain Detail for other types and for
// texts that are not a safe format, and while no size is selected (pdt null).
void format_condition_text(char* out, int size, const Cdt_inf* cdt, const Pdt_inf* pdt);

#endif
