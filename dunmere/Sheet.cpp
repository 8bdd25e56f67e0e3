// The calculation sheet: frame and title, the emblem, the coupling drawing,
// the parts table, conditions and results, the notes, the cautions and the
// footer, each element placed in millimetres.
#include "Sheet.h"

#include <stdio.h>
#include <string.h>

#include <quillon.h>
#include <sarnet.h>
#include <tolvane.h>

#include <QImage>

#include <stdexcept>

#include <platform/module.h>
#include <platform/resource.h>

#include "Frm_waits.h"

namespace {

const char sheet_name[] = "Merrowflex耐用年数計算書";
const char font_face[] = "ＭＳ ゴシック";
const int white = 0xFFFFFF;
const int grey = 0xC0C0C0;

void line(Prt_lin& lin, double x1, double y1, double x2, double y2)
{
    lin.x1 = x1;
    lin.y1 = y1;
    lin.x2 = x2;
    lin.y2 = y2;
    prt_lin_(&lin);
}

void box(Prt_rct& rct, double x1, double y1, double x2, double y2, int fill)
{
    rct.fil_col = fill;
    rct.x1 = x1;
    rct.y1 = y1;
    rct.x2 = x2;
    rct.y2 = y2;
    prt_rct_(&rct);
}

void text(Prt_txt& txt, double x, double y, double wid, double hgt, int size, int hrz, int vrt, const char* str)
{
    txt.x = x;
    txt.y = y;
    txt.wid = wid;
    txt.hgt = hgt;
    txt.fnt_siz = size;
    txt.aln_hrz = hrz;
    txt.aln_vrt = vrt;
    txt.str = str;
    prt_txt_(&txt);
}

// Records cleared whole, then the values every element of a piece shares.
void start_lines(Prt_lin& lin)
{
    _clr_mem_(&lin, sizeof lin);
    lin.lin_col = 0;
    lin.lin_sty = 0;
}

void start_boxes(Prt_rct& rct)
{
    _clr_mem_(&rct, sizeof rct);
    rct.lin_wid = 0.3;
    rct.lin_col = 0;
    rct.lin_sty = 0;
    rct.fil_sty = 0;
}

void start_texts(Prt_txt& txt)
{
    _clr_mem_(&txt, sizeof txt);
    txt.fnt_nam = font_face;
}

}  // namespace

int prt_sht_(const Jnt_inf* row, Sht_inf* sheet, TImage* drawing)
{
    char doc[128];
    strcpy(doc, sheet_name);
    Prt_ini ini;
    _clr_mem_(&ini, sizeof ini);
    ini.prm1 = 1;
    ini.doc = doc;
    ini.pap = 9;
    ini.prm2 = 0;
    ini.prm3 = 0;
    ini.prm6 = 1;
    ini.prm7 = 1;

    int result = ini_prt_(&ini);
    if (result == 1) {
        sta_wat_("印刷中", "耐用年数計算書を印刷中です", 250);
        prt_ttl_(row);
        if (prt_lgo_() && prt_drw_(drawing)) {
            prt_pts_(row);
            prt_cdt_(row, sheet);
            prt_nte_();
            prt_cau_();
        } else {
            result = 2;
        }
        end_prt_(&ini);
        end_wat_();
    } else if (result == 2 || result == 3) {
        end_prt_(&ini);
    }
    return result;
}

void prt_ttl_(const Jnt_inf* row)
{
    Prt_lin lin;
    Prt_rct rct;
    Prt_txt txt;
    start_lines(lin);
    start_boxes(rct);
    start_texts(txt);
    lin.lin_wid = 0.3;
    line(lin, 20, 10, 200, 10);
    line(lin, 200, 10, 200, 287);
    line(lin, 200, 287, 20, 287);
    line(lin, 20, 287, 20, 10);
    line(lin, 20.7, 10.7, 199.3, 10.7);
    line(lin, 199.3, 10.7, 199.3, 286.3);
    line(lin, 199.3, 286.3, 20.7, 286.3);
    line(lin, 20.7, 286.3, 20.7, 10.7);
    box(rct, 25, 36, 195, 43, white);
    text(txt, 20, 14, 180, 11, 20, 5, 5, sheet_name);
    char model[128];
    snprintf(model, sizeof model, "Merrowflex ( %dA×%dL )", row->dia, row->len);
    text(txt, 25, 36, 170, 7, 14, 5, 5, model);
}

void prt_pts_(const Jnt_inf* row)
{
    Prt_lin lin;
    Prt_rct rct;
    Prt_txt txt;
    start_lines(lin);
    start_boxes(rct);
    start_texts(txt);
    box(rct, 93.5, 60, 172, 98, white);
    box(rct, 93.5, 60, 172, 64.75, grey);
    lin.lin_wid = 0.1;
    line(lin, 101.5, 69.5, 172, 69.5);
    for (double y : {74.25, 79.0, 83.75, 88.5, 93.25, 98.0})
        line(lin, 93.5, y, 172, y);
    line(lin, 101.5, 60, 101.5, 98);
    line(lin, 138, 60, 138, 98);
    line(lin, 162, 60, 162, 98);
    text(txt, 93.5, 55, 78.5, 4.5, 9, 1, 4, "部品表");
    text(txt, 93.5, 60, 8, 4.75, 9, 5, 5, "番号");
    text(txt, 101.5, 60, 36.5, 4.75, 9, 5, 5, "部品名称");
    text(txt, 138, 60, 24, 4.75, 9, 5, 5, "材質");
    text(txt, 162, 60, 10, 4.75, 9, 5, 5, "数量");

    struct Part {
        const char* number;
        const char* name;
        const char* material;
        const char* fixed;  // the quantity when the size does not set it
        int32_t Jnt_inf::*count;
    };
    static const Part parts[7] = {
        {"①", "ベローズ外層", "SUS304", "1", nullptr},
        {"", "ベローズ内層", "SUS316L", "1", nullptr},
        {"②", "フランジ", "SS400", "2", nullptr},
        {"③", "ホルダー", "SS400", nullptr, &Jnt_inf::hld_cnt},
        {"④", "タイロッドボルト", "SS400", nullptr, &Jnt_inf::rod_cnt},
        {"⑤", "緩衝材", "繊維類", nullptr, &Jnt_inf::cus_cnt},
        {"⑥", "ワッシャー", "SS400", nullptr, &Jnt_inf::wsh_cnt},
    };
    char quantity[64];
    for (int k = 0; k < 7; ++k) {
        const Part& part = parts[k];
        const double y = 64.75 + 4.75 * k;
        // The number of the bellows covers its two layers' rows.
        text(txt, 93.5, y, 8, k == 0 ? 9.5 : 4.75, 9, 5, 5, part.number);
        text(txt, 101.5, y, 36.5, 4.75, 9, 5, 5, part.name);
        text(txt, 138, y, 24, 4.75, 9, 5, 5, part.material);
        if (part.count)
            snprintf(quantity, sizeof quantity, "%d", row->*part.count);
        else
            snprintf(quantity, sizeof quantity, "%s", part.fixed);
        text(txt, 162, y, 10, 4.75, 9, 5, 5, quantity);
    }
}

void prt_cdt_(const Jnt_inf* row, const Sht_inf* sheet)
{
    Prt_lin lin;
    Prt_rct rct;
    Prt_txt txt;
    start_lines(lin);
    start_boxes(rct);
    start_texts(txt);
    box(rct, 47, 114, 172, 133, white);
    box(rct, 47, 143, 172, 153, white);
    box(rct, 47, 154, 172, 164, white);
    box(rct, 47, 114, 94, 133, grey);
    lin.lin_wid = 0.1;
    for (double y : {118.75, 123.5, 128.25})
        line(lin, 47, y, 172, y);
    text(txt, 47, 109, 80, 4.5, 9, 1, 4, "ご使用条件");
    text(txt, 47, 138, 80, 4.5, 9, 1, 4, "計算結果");

    char value[128];
    const char* labels[4] = {"温度", "圧力", "ポンプ起動時沈みこみ量", "ポンプの一日の起動回数"};
    for (int k = 0; k < 4; ++k) {
        switch (k) {
        case 0: snprintf(value, sizeof value, "max %d℃", row->max_tmp); break;
        case 1: snprintf(value, sizeof value, "max %.02fMPa", row->max_prs); break;
        case 2: snprintf(value, sizeof value, "%dmm", row->dwn); break;
        default: snprintf(value, sizeof value, "%d回", sheet->stt_cnt); break;
        }
        const double y = 114 + 4.75 * k;
        text(txt, 47, y, 47, 4.75, 9, 5, 5, labels[k]);
        text(txt, 94, y, 78, 4.75, 9, 5, 5, value);
    }

    char cycles[64];
    _edt_val_(cycles, (double)row->cyc, 0, 1, 0);
    snprintf(value, sizeof value, "推定繰返し寿命回数 : %s回", cycles);
    text(txt, 47, 143, 125, 10, 12, 5, 5, value);
    snprintf(value, sizeof value, "推定耐用年数 : %s", sheet->ans_txt);
    text(txt, 47, 154, 125, 10, 12, 5, 5, value);
}

void prt_nte_()
{
    Prt_rct rct;
    Prt_txt txt;
    start_boxes(rct);
    start_texts(txt);
    box(rct, 47, 177, 172, 213, white);
    text(txt, 47, 172, 80, 4.5, 9, 1, 4, "耐用年数について");
    static const char* const lines[6] = {
        "上記の推定耐用年数は、ポンプ起動時に防振架台が沈み込む現象が、",
        "軸方向変位(伸縮)としてベローズに作用したと想定し、その時の繰返し",
        "寿命回数を強度計算により算出し求めたものです。",
        "(温度は120℃、圧力は最高使用圧力に設定しております。)",
        "あくまでも計算により求めた推定寿命であり、目安としてお考え下さい。",
        "また、算出された耐用年数を当社が保証するものではありません。",
    };
    for (int k = 0; k < 6; ++k)
        text(txt, 50, 181.5 + 4.5 * k, 122, 4.5, 10, 1, 5, lines[k]);
}

void prt_cau_()
{
    Prt_rct rct;
    Prt_txt txt;
    start_boxes(rct);
    start_texts(txt);
    box(rct, 47, 227, 172, 276.5, white);
    text(txt, 47, 222, 80, 4.5, 9, 1, 4, "Merrowflexについて");
    text(txt, 50, 231.5, 120, 4.5, 10, 1, 5, "Merrowflexを安全にご使用いただくために、以下の点にご注意ください。");
    // Bullets are the half-width middle dot (0xA5) and a blank.
    static const char* const lines[8] = {
        "･ Merrowflexは振動吸収を目的とした製品であるため、",
        "  軸直角変位は吸収できないものとしてご使用ください。",
        "･ 油脂、有機溶剤、酸、アルカリ等については、",
        "  VRF-4100(フッ素樹脂製防振継手)をご使用ください。",
        "･ 配管の固定が不十分である場合、配管系が共振することがありますので、",
        "  Merrowflexの近傍でしっかりした固定を行ってください。",
        "･ その他施工に関しての詳細は当社ホームぺージ(www.velmora.example)",
        "  より施工要領書をダウンロード、ご参照ください。",
    };
    for (int k = 0; k < 8; ++k)
        text(txt, 52.5, 236 + 4.5 * k, 120, 4.5, 10, 1, 5, lines[k]);

    char footer[64];
    Dte_inf now;
    now_dte_(&now);
    snprintf(footer, sizeof footer, "%d/%02d/%02d %02d:%02d", now.year, now.month, now.day, now.hour, now.minute);
    text(txt, 150, 287.5, 50, 3.5, 7, 2, 3, footer);
    snprintf(footer, sizeof footer, "PV[%s]", get_pvr_());
    text(txt, 20, 287.5, 130, 3.5, 6, 1, 3, footer);
}

int prt_lgo_()
{
    int result = 1;
    try {
        HRSRC found = FindResourceA(HInstance, "EMBLEM", RT_BITMAP);
        if (!found)
            throw std::runtime_error("no EMBLEM");
        QImage bitmap = QImage::fromData((const uchar*)LockResource(LoadResource(HInstance, found)),
                                         SizeofResource(HInstance, found), "BMP");
        if (bitmap.isNull())
            throw std::runtime_error("EMBLEM is no bitmap");
        Rct_inf place = {149, 27, 46, 5.9595};
        prt_grf_(&place, 1, &bitmap);
    } catch (...) {
        result = 0;
    }
    return result;
}

int prt_drw_(TImage* drawing)
{
    int result = 1;
    try {
        QImage bitmap = drawing->Picture();
        if (bitmap.isNull())
            throw std::runtime_error("no drawing");
        Rct_inf place = {29.5, 50, 70, 56};
        prt_grf_(&place, 1, &bitmap);
    } catch (...) {
        result = 0;
    }
    return result;
}
