// Records as the sheets fill them: cleared, then the named fields set.
#ifndef TOLVANE_TEST_RECORDS_H
#define TOLVANE_TEST_RECORDS_H

#include <tolvane.h>

inline Prt_ini job_record(const char* doc)
{
    Prt_ini ini{};
    ini.prm1 = 1;
    ini.doc = doc;
    ini.pap = 9;
    ini.prm6 = 1;
    ini.prm7 = 1;
    return ini;
}

inline Prt_lin line_record(double x1, double y1, double x2, double y2, double width)
{
    Prt_lin lin{};
    lin.lin_wid = width;
    lin.x1 = x1;
    lin.y1 = y1;
    lin.x2 = x2;
    lin.y2 = y2;
    return lin;
}

inline Prt_rct box_record(double x1, double y1, double x2, double y2, int32_t fill)
{
    Prt_rct rct{};
    rct.lin_wid = 0.3;
    rct.fil_col = fill;
    rct.x1 = x1;
    rct.y1 = y1;
    rct.x2 = x2;
    rct.y2 = y2;
    return rct;
}

inline Prt_txt text_record(double x, double y, double wid, double hgt, const char* str, int32_t size,
                           int32_t horizontal, int32_t vertical)
{
    Prt_txt txt{};
    txt.x = x;
    txt.y = y;
    txt.wid = wid;
    txt.hgt = hgt;
    txt.str = str;
    txt.aln_hrz = horizontal;
    txt.aln_vrt = vertical;
    txt.fnt_nam = "ＭＳ ゴシック";
    txt.fnt_siz = size;
    return txt;
}

const int32_t white = 0xFFFFFF;
const int32_t grey = 0xC0C0C0;

#endif
