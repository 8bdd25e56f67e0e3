// The print library Tolvane: the records of its page elements and its six calls.
//
// One job is one A4 portrait page. Coordinates are millimetres from the sheet's
// top-left corner (x to the right, y downward), pen widths are millimetres, font
// sizes points, colours 0x00BBGGRR values; texts are Shift-JIS (code page 932).
// Every Prt_ record is cleared to zero before its fields are set; a call copies
// what it needs before it returns, so a record may be changed and reused at once.
// Calls come from one thread, the one that runs the program's windows.
//
// The records keep the field order and widths of the library's 32-bit interface.
// On 64-bit Linux a text pointer takes 8 bytes at natural alignment, which moves:
//   Prt_ini  `doc` stays at 40 but is 8 wide; `pap` 44 -> 48; its filler grows
//            from 2 to 6 bytes (50..55) so that `prm2` 48 -> 56, `prm3` 56 -> 64,
//            `prm6` 64 -> 72, `prm7` 66 -> 74, `prm8` 68 -> 76; size 72 -> 80.
//   Prt_txt  `str` stays at 32 but is 8 wide; `aln_hrz` 36 -> 40, `aln_vrt`
//            40 -> 44, `fnt_nam` 44 -> 48 (8 wide), `fnt_siz` 48 -> 56, `atr1`
//            52 -> 60 ... `atr5` 68 -> 76; size 72 -> 80.
//   Prt_lin, Prt_rct and Rct_inf hold no pointer and keep their layout.
#ifndef TOLVANE_H
#define TOLVANE_H

#include <stddef.h>
#include <stdint.h>

// The picture handed to prt_grf_. In place of the class library's bitmap the
// caller passes a QImage (any format Qt can paint, e.g. an 8-bit indexed image
// or a decoded JPEG); it only has to live for the duration of the call.
class QImage;
typedef QImage TGraphic;

#if defined(TOLVANE_BUILD)
#define TOLVANE_API __attribute__((visibility("default")))
#else
#define TOLVANE_API
#endif

// A print job: given to ini_prt_ and then, at the same address, to end_prt_.
// The library keeps nothing in the record; `doc` stays in place until end_prt_
// has returned (both calls read it).
struct Prt_ini {
    unsigned char rsv[36];  // reserved, zero
    int32_t prm1;           // 1
    const char* doc;        // document name of the job
    int16_t pap;            // paper: 9 (A4); the page is always A4 portrait
    unsigned char fil1[6];  // zero
    double prm2;            // zero
    double prm3;            // zero
    int16_t prm6;           // 1
    int16_t prm7;           // 1
    int32_t prm8;           // zero
};

// A straight line from (x1, y1) to (x2, y2).
struct Prt_lin {
    double lin_wid;         // pen width in mm; 0 draws the thinnest line the device has
    int32_t lin_col;        // colour
    uint8_t lin_sty;        // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none
    unsigned char fil1[3];  // zero
    double x1;
    double y1;
    double x2;
    double y2;
};

// A rectangle from corner (x1, y1) to corner (x2, y2), filled, then framed.
struct Prt_rct {
    double lin_wid;         // frame pen width in mm
    int32_t lin_col;        // frame colour
    uint8_t lin_sty;        // frame style, as for Prt_lin
    unsigned char fil1[3];  // zero
    int32_t fil_col;        // fill colour
    uint8_t fil_sty;        // 0 solid fill, 1 no fill
    unsigned char fil2[3];  // zero
    double x1;
    double y1;
    double x2;
    double y2;
};

// One line of text placed in the box x, y, wid x hgt.
struct Prt_txt {
    double x;
    double y;
    double wid;
    double hgt;
    const char* str;      // the text, one line
    int32_t aln_hrz;      // 1 left, 2 right, 5 centred; any other value left
    int32_t aln_vrt;      // 3 top, 4 bottom, 5 centred; any other value top
    const char* fnt_nam;  // font face; "ＭＳ ゴシック" and "ＭＳ Ｐゴシック" become
                          // IPA Gothic and IPA P Gothic, a face not installed IPA Gothic
    int32_t fnt_siz;      // points; 1 to 1000, otherwise nothing is drawn
    int32_t atr1;
    int32_t atr2;
    int32_t atr3;
    int32_t atr4;  // 1: emphasis, the text is set in bold
    int32_t atr5;
};

// The box of a picture.
struct Rct_inf {
    double x;
    double y;
    double wid;
    double hgt;
};

// Opens the job. Answers
//   1  the job is open: emit the elements, then call end_prt_;
//   2  the user cancelled the print dialog: call end_prt_ at once;
//   3  declined, with nothing to report: no output can be chosen (no PDF file is
//      named in TOLVANE_PDF and the print dialog cannot be shown: no screen, or
//      a program without widgets) or another job is still open; call end_prt_
//      at once;
//   0  the output cannot be opened (or no record was given).
// With TOLVANE_PDF naming a file, the page is written there without a dialog.
TOLVANE_API int ini_prt_(Prt_ini* ini);
// Ends the job begun with the same record: the page goes to the printer or file.
// Answers 1 when a page was completed, else 0.
TOLVANE_API int end_prt_(Prt_ini* ini);
// The element calls answer 1 when the element was drawn, 0 when nothing could be:
// no open job, a missing record, text or picture, a value that is not a finite
// number or lies beyond 100 m of the sheet, a negative pen width, an empty
// picture box.
TOLVANE_API int prt_lin_(Prt_lin* lin);
TOLVANE_API int prt_rct_(Prt_rct* rct);
TOLVANE_API int prt_txt_(Prt_txt* txt);
// Draws the picture into the box: `mod` 1 stretches it over the whole box, any
// other value keeps its proportions and centres it.
TOLVANE_API int prt_grf_(Rct_inf* box, int mod, TGraphic* pic);

static_assert(sizeof(Prt_ini) == 80, "Prt_ini layout");
static_assert(offsetof(Prt_ini, prm1) == 36 && offsetof(Prt_ini, doc) == 40 && offsetof(Prt_ini, pap) == 48 &&
                  offsetof(Prt_ini, fil1) == 50 && offsetof(Prt_ini, prm2) == 56 && offsetof(Prt_ini, prm3) == 64 &&
                  offsetof(Prt_ini, prm6) == 72 && offsetof(Prt_ini, prm7) == 74 && offsetof(Prt_ini, prm8) == 76,
              "Prt_ini layout");

static_assert(sizeof(Prt_lin) == 48, "Prt_lin layout");
static_assert(offsetof(Prt_lin, lin_col) == 8 && offsetof(Prt_lin, lin_sty) == 12 && offsetof(Prt_lin, fil1) == 13 &&
                  offsetof(Prt_lin, x1) == 16 && offsetof(Prt_lin, y1) == 24 && offsetof(Prt_lin, x2) == 32 &&
                  offsetof(Prt_lin, y2) == 40,
              "Prt_lin layout");

static_assert(sizeof(Prt_rct) == 56, "Prt_rct layout");
static_assert(offsetof(Prt_rct, lin_col) == 8 && offsetof(Prt_rct, lin_sty) == 12 && offsetof(Prt_rct, fil1) == 13 &&
                  offsetof(Prt_rct, fil_col) == 16 && offsetof(Prt_rct, fil_sty) == 20 &&
                  offsetof(Prt_rct, fil2) == 21 && offsetof(Prt_rct, x1) == 24 && offsetof(Prt_rct, y1) == 32 &&
                  offsetof(Prt_rct, x2) == 40 && offsetof(Prt_rct, y2) == 48,
              "Prt_rct layout");

static_assert(sizeof(Prt_txt) == 80, "Prt_txt layout");
static_assert(offsetof(Prt_txt, y) == 8 && offsetof(Prt_txt, wid) == 16 && offsetof(Prt_txt, hgt) == 24 &&
                  offsetof(Prt_txt, str) == 32 && offsetof(Prt_txt, aln_hrz) == 40 &&
                  offsetof(Prt_txt, aln_vrt) == 44 && offsetof(Prt_txt, fnt_nam) == 48 &&
                  offsetof(Prt_txt, fnt_siz) == 56 && offsetof(Prt_txt, atr1) == 60 && offsetof(Prt_txt, atr2) == 64 &&
                  offsetof(Prt_txt, atr3) == 68 && offsetof(Prt_txt, atr4) == 72 && offsetof(Prt_txt, atr5) == 76,
              "Prt_txt layout");

static_assert(sizeof(Rct_inf) == 32, "Rct_inf layout");
static_assert(offsetof(Rct_inf, y) == 8 && offsetof(Rct_inf, wid) == 16 && offsetof(Rct_inf, hgt) == 24,
              "Rct_inf layout");

#endif
