#include "sheet_records.h"

#include <stdarg.h>
#include <stdio.h>

#include <vector>

#include <platform/charset.h>

namespace {
const char sheet_font[] = "ＭＳ ゴシック";
}

void fill_job_record(Prt_ini* ini, const char* doc)
{
    clear_record(ini);
    ini->prm1 = 1;
    ini->doc = doc;
    ini->pap = 9;  // A4
    ini->prm2 = 0;
    ini->prm3 = 0;
    ini->prm6 = 1;
    ini->prm7 = 1;
}

void prepare_line(Prt_lin* lin, double width)
{
    clear_record(lin);
    lin->lin_wid = width;
    lin->lin_col = sheet_black;
}

void prepare_box(Prt_rct* rct)
{
    clear_record(rct);
    rct->lin_wid = sheet_pen;
    rct->lin_col = sheet_black;
    rct->fil_col = sheet_white;
}

void prepare_text(Prt_txt* txt)
{
    clear_record(txt);
    txt->fnt_nam = sheet_font;
}

void print_line(Prt_lin* lin, double x1, double y1, double x2, double y2)
{
    lin->x1 = x1;
    lin->y1 = y1;
    lin->x2 = x2;
    lin->y2 = y2;
    prt_lin_(lin);
}

void print_box(Prt_rct* rct, double x1, double y1, double x2, double y2, int32_t fill)
{
    rct->fil_col = fill;
    rct->x1 = x1;
    rct->y1 = y1;
    rct->x2 = x2;
    rct->y2 = y2;
    prt_rct_(rct);
}

void print_text(Prt_txt* txt, double x, double y, double wid, double hgt, int points, int horizontal, int vertical,
                const char* str)
{
    txt->x = x;
    txt->y = y;
    txt->wid = wid;
    txt->hgt = hgt;
    txt->fnt_siz = points;
    txt->aln_hrz = horizontal;
    txt->aln_vrt = vertical;
    txt->str = str;
    prt_txt_(txt);
}

void print_sheet_heading(const char* title, const char* product_line)
{
    Prt_lin lin;
    prepare_line(&lin, sheet_pen);
    print_line(&lin, 20, 10, 200, 10);
    print_line(&lin, 200, 10, 200, 287);
    print_line(&lin, 200, 287, 20, 287);
    print_line(&lin, 20, 287, 20, 10);
    print_line(&lin, 20.7, 10.7, 199.3, 10.7);
    print_line(&lin, 199.3, 10.7, 199.3, 286.3);
    print_line(&lin, 199.3, 286.3, 20.7, 286.3);
    print_line(&lin, 20.7, 286.3, 20.7, 10.7);

    Prt_rct rct;
    prepare_box(&rct);
    print_box(&rct, 25, 36, 195, 43, sheet_white);

    Prt_txt txt;
    prepare_text(&txt);
    print_text(&txt, 20, 14, 180, 11, 20, 5, 5, title);
    print_text(&txt, 25, 36, 170, 7, 14, 5, 5, product_line);
}

int format_text(char* out, size_t size, const char* format, ...)
{
    if (size == 0)
        return 0;
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int length = vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        out[0] = '\0';
        return 0;
    }
    // Format whole first, so that the cut falls between characters.
    std::vector<char> whole((size_t)length + 1);
    vsnprintf(whole.data(), whole.size(), format, again);
    va_end(again);
    copy_sjis(out, size, whole.data());
    int written = 0;
    while (out[written] != '\0')
        ++written;
    return written;
}

void format_date_line(char* out, size_t size, const Dte_inf* when)
{
    format_text(out, size, "%d/%02d/%02d %02d:%02d", when->year, when->month, when->day, when->hour, when->minute);
}

void print_date_line(Prt_txt* txt)
{
    Dte_inf now;
    now_dte_(&now);
    char line[64];
    format_date_line(line, sizeof line, &now);
    print_text(txt, 150, 287.5, 50, 3.5, 7, 2, 3, line);
}
