// The calculation sheet: frame and title, the emblem, the coupling drawing,
// the parts table, conditions and results, the notes, the cautions and the
// footer, each element placed in millimetres.
#include "calculation_sheet.h"

#include <string.h>

#include <platform/module.h>
#include <sheet_job.h>
#include <sheet_pictures.h>
#include <sheet_records.h>

namespace {
const char sheet_name[] = "Merrowflex耐用年数計算書";
}  // namespace

int prt_sht_(const Jnt_inf* row, Sht_inf* sheet, TImage* drawing)
{
    char doc[128];
    strcpy(doc, sheet_name);
    return print_sheet_job(doc, [&] {
        prt_ttl_(row);
        if (!(prt_lgo_() && prt_drw_(drawing)))
            return false;
        prt_pts_(row);
        prt_cdt_(row, sheet);
        prt_nte_();
        prt_cau_();
        return true;
    });
}

void prt_ttl_(const Jnt_inf* row)
{
    char model[128];
    format_text(model, sizeof model, "Merrowflex ( %dA×%dL )", row->dia, row->len);
    print_sheet_heading(sheet_name, model);
}

int prt_lgo_()
{
    return print_picture(149, 27, 46, 5.9595, [] { return bitmap_from_resource(HInstance, "EMBLEM"); });
}

int prt_drw_(TImage* drawing)
{
    return print_picture(29.5, 50, 70, 56, [drawing] { return bitmap_from_picture(drawing->Picture()); });
}

void prt_pts_(const Jnt_inf* row)
{
    Prt_lin lin;
    Prt_rct rct;
    Prt_txt txt;
    prepare_line(&lin, sheet_rule_pen);
    prepare_box(&rct);
    prepare_text(&txt);
    print_box(&rct, 93.5, 60, 172, 98, sheet_white);
    print_box(&rct, 93.5, 60, 172, 64.75, sheet_grey);
    // The bellows' number cell spans its two layers' rows: no rule under row 1 there.
    print_line(&lin, 101.5, 69.5, 172, 69.5);
    for (double y : {74.25, 79.0, 83.75, 88.5, 93.25, 98.0})
        print_line(&lin, 93.5, y, 172, y);
    print_line(&lin, 101.5, 60, 101.5, 98);
    print_line(&lin, 138, 60, 138, 98);
    print_line(&lin, 162, 60, 162, 98);
    print_text(&txt, 93.5, 55, 78.5, 4.5, 9, 1, 4, "部品表");
    print_text(&txt, 93.5, 60, 8, 4.75, 9, 5, 5, "番号");
    print_text(&txt, 101.5, 60, 36.5, 4.75, 9, 5, 5, "部品名称");
    print_text(&txt, 138, 60, 24, 4.75, 9, 5, 5, "材質");
    print_text(&txt, 162, 60, 10, 4.75, 9, 5, 5, "数量");

    struct Part {
        const char* number;
        const char* name;
        const char* material;
        int quantity;  // used when the size gives none
        int32_t Jnt_inf::*count;
    };
    static const Part parts[7] = {
        {"①", "ベローズ外層", "SUS304", 1, nullptr},
        {"", "ベローズ内層", "SUS316L", 1, nullptr},
        {"②", "フランジ", "SS400", 2, nullptr},
        {"③", "ホルダー", "SS400", 0, &Jnt_inf::hld_cnt},
        {"④", "タイロッドボルト", "SS400", 0, &Jnt_inf::rod_cnt},
        {"⑤", "緩衝材", "繊維類", 0, &Jnt_inf::cus_cnt},
        {"⑥", "ワッシャー", "SS400", 0, &Jnt_inf::wsh_cnt},
    };
    char quantity[64];
    for (int k = 0; k < 7; ++k) {
        const Part& part = parts[k];
        const double y = 64.75 + 4.75 * k;
        print_text(&txt, 93.5, y, 8, k == 0 ? 9.5 : 4.75, 9, 5, 5, part.number);
        print_text(&txt, 101.5, y, 36.5, 4.75, 9, 5, 5, part.name);
        print_text(&txt, 138, y, 24, 4.75, 9, 5, 5, part.material);
        format_text(quantity, sizeof quantity, "%d", part.count ? row->*part.count : part.quantity);
        print_text(&txt, 162, y, 10, 4.75, 9, 5, 5, quantity);
    }
}

void prt_cdt_(const Jnt_inf* row, const Sht_inf* sheet)
{
    Prt_lin lin;
    Prt_rct rct;
    Prt_txt txt;
    prepare_line(&lin, sheet_rule_pen);
    prepare_box(&rct);
    prepare_text(&txt);
    print_box(&rct, 47, 114, 172, 133, sheet_white);
    print_box(&rct, 47, 143, 172, 153, sheet_white);
    print_box(&rct, 47, 154, 172, 164, sheet_white);
    print_box(&rct, 47, 114, 94, 133, sheet_grey);
    for (double y : {118.75, 123.5, 128.25})
        print_line(&lin, 47, y, 172, y);
    print_text(&txt, 47, 109, 80, 4.5, 9, 1, 4, "ご使用条件");
    print_text(&txt, 47, 138, 80, 4.5, 9, 1, 4, "計算結果");

    char value[128];
    static const char* const labels[4] = {"温度", "圧力", "ポンプ起動時沈みこみ量", "ポンプの一日の起動回数"};
    for (int k = 0; k < 4; ++k) {
        switch (k) {
        case 0: format_text(value, sizeof value, "max %d℃", row->max_tmp); break;
        case 1: format_text(value, sizeof value, "max %.02fMPa", row->max_prs); break;
        case 2: format_text(value, sizeof value, "%dmm", row->dwn); break;
        default: format_text(value, sizeof value, "%d回", sheet->stt_cnt); break;
        }
        const double y = 114 + 4.75 * k;
        print_text(&txt, 47, y, 47, 4.75, 9, 5, 5, labels[k]);
        print_text(&txt, 94, y, 78, 4.75, 9, 5, 5, value);
    }

    char cycles[64];
    _edt_val_(cycles, (double)row->cyc, 0, 1, 0);
    format_text(value, sizeof value, "推定繰返し寿命回数 : %s回", cycles);
    print_text(&txt, 47, 143, 125, 10, 12, 5, 5, value);
    // Whichever heading the window shows, this line names the service life.
    format_text(value, sizeof value, "推定耐用年数 : %s", sheet->ans_txt);
    print_text(&txt, 47, 154, 125, 10, 12, 5, 5, value);
}

void prt_nte_()
{
    Prt_rct rct;
    Prt_txt txt;
    prepare_box(&rct);
    prepare_text(&txt);
    print_box(&rct, 47, 177, 172, 213, sheet_white);
    print_text(&txt, 47, 172, 80, 4.5, 9, 1, 4, "耐用年数について");
    static const char* const lines[6] = {
        "上記の推定耐用年数は、ポンプ起動時に防振架台が沈み込む現象が、",
        "軸方向変位(伸縮)としてベローズに作用したと想定し、その時の繰返し",
        "寿命回数を強度計算により算出し求めたものです。",
        "(温度は120℃、圧力は最高使用圧力に設定しております。)",
        "あくまでも計算により求めた推定寿命であり、目安としてお考え下さい。",
        "また、算出された耐用年数を当社が保証するものではありません。",
    };
    for (int k = 0; k < 6; ++k)
        print_text(&txt, 50, 181.5 + 4.5 * k, 122, 4.5, 10, 1, 5, lines[k]);
}

void prt_cau_()
{
    Prt_rct rct;
    Prt_txt txt;
    prepare_box(&rct);
    prepare_text(&txt);
    print_box(&rct, 47, 227, 172, 276.5, sheet_white);
    print_text(&txt, 47, 222, 80, 4.5, 9, 1, 4, "Merrowflexについて");
    print_text(&txt, 50, 231.5, 120, 4.5, 10, 1, 5,
               "Merrowflexを安全にご使用いただくために、以下の点にご注意ください。");
    // A bullet is the half-width middle dot (0xA5) and a blank; its
    // continuation line is indented by two blanks.
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
        print_text(&txt, 52.5, 236 + 4.5 * k, 120, 4.5, 10, 1, 5, lines[k]);

    print_date_line(&txt);
    char version[64];
    format_text(version, sizeof version, "PV[%s]", get_pvr_());
    print_text(&txt, 20, 287.5, 130, 3.5, 6, 1, 3, version);
}
