// What both calculation sheets do with the print records: the job record,
// records cleared and set to the sheets' common values, one call per element,
// and texts formatted into fixed buffers without overrunning them.
#ifndef SHEET_RECORDS_H
#define SHEET_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#include <quillon.h>
#include <sarnet.h>
#include <tolvane.h>

// The sheets' colours and pen widths (mm).
const int32_t sheet_black = 0x000000;
const int32_t sheet_white = 0xFFFFFF;
const int32_t sheet_grey = 0xC0C0C0;
const double sheet_pen = 0.3;       // frames and boxes
const double sheet_rule_pen = 0.1;  // rules inside tables

// Clears a record over its whole length, fillers included.
template <typename Record>
inline void clear_record(Record* record)
{
    _clr_mem_(record, (int)sizeof *record);
}

// Clears the job record and sets it for one A4 sheet named `doc`, which must
// stay in place until end_prt_ has returned.
void fill_job_record(Prt_ini* ini, const char* doc);

// Clear a record and set the values every element of its kind shares:
// a black solid line of `width`; a box framed black at 0.3 and filled white;
// a text in "ＭＳ ゴシック".
void prepare_line(Prt_lin* lin, double width);
void prepare_box(Prt_rct* rct);
void prepare_text(Prt_txt* txt);

// One element each: set the fields that differ and make the call.
void print_line(Prt_lin* lin, double x1, double y1, double x2, double y2);
void print_box(Prt_rct* rct, double x1, double y1, double x2, double y2, int32_t fill);
// `horizontal`: 1 left, 2 right, 5 centred; `vertical`: 3 top, 4 bottom, 5 centred.
void print_text(Prt_txt* txt, double x, double y, double wid, double hgt, int points, int horizontal, int vertical,
                const char* str);

// The double frame (20, 10)-(200, 287) and (20.7, 10.7)-(199.3, 286.3), eight
// 0.3 mm lines, then the product-line box and the two heading texts: the
// title at 20 pt and the product line at 14 pt under it.
void print_sheet_heading(const char* title, const char* product_line);

// Formats into out[size] like snprintf, but a text that does not fit is cut
// before the last whole character (a double-byte character stays whole).
// Answers the length written.
int format_text(char* out, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));

// The footer's date line "2024/03/05 09:07" of `when`, into out[size].
void format_date_line(char* out, size_t size, const Dte_inf* when);
// The date line of now, 7 pt, right-aligned under the frame's right half.
void print_date_line(Prt_txt* txt);

#endif
