#include "calculation_sheet.h"

#include <platform/controls/string_grid.h>
#include <platform/module.h>

#include <sheet_job.h>
#include <sheet_pictures.h>
#include <sheet_records.h>

#include "condition_text.h"
#include "Frm_mans.h"
#include "picture_stream.h"

namespace {

const char title[] = "ゴム製品耐用年数計算書";
const char missing_cell[] = "―";
const int part_rows = 11;
const int condition_rows = 8;

const char row_labels[part_rows][4] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪"};

// The current token of a list being walked, or the dash once it has run out.
const char* token_or_dash(Lnk_inf* token)
{
    return token ? (const char*)LNK_DAT(token) : missing_cell;
}

}  // namespace

int prt_sht_(Prd_inf* prd, Pdt_inf* pdt, Lnk_inf* grd, const char* ans)
{
    char doc[128];
    format_text(doc, sizeof doc, "ゴム製品耐用年数計算書(%s)", prd->Name);
    return print_sheet_job(doc, [&] {
        prt_ttl_(prd, pdt);
        if (!(prt_lgo_() && prt_drw_(prd) && prt_pts_(prd)))
            return false;
        prt_cdt_(pdt, grd, ans);
        prt_nte_();
        prt_chk_();
        return true;
    });
}

void prt_ttl_(Prd_inf* prd, Pdt_inf* pdt)
{
    char line[128];
    format_text(line, sizeof line, "%s ( %s×%s )", prd->Name, pdt->Diameter, pdt->Length);
    print_sheet_heading(title, line);
}

int prt_lgo_()
{
    return print_picture(149, 27, 46, 5.9595, [] { return bitmap_from_resource(HInstance, "EMBLEM"); });
}

int prt_drw_(Prd_inf* prd)
{
    if (!prd->Draft)
        return 1;
    const double wid = 70, hgt = 56;
    return print_picture(29.5, 50, wid, hgt, [prd, wid, hgt] {
        TJPEGImage drawing;
        drawing.NeededSize = printed_size(wid, hgt);
        prd->Draft->SetPosition(0);
        load_from_stream(&drawing, prd->Draft);
        return bitmap_from_jpeg(drawing);
    });
}

int prt_pts_(Prd_inf* prd)
{
    Lnk_inf names, materials, counts;
    _ini_lnk_(&names);
    _ini_lnk_(&materials);
    _ini_lnk_(&counts);
    if (!(_get_tkn_(&names, nullptr, prd->PartName, ",") && _get_tkn_(&materials, nullptr, prd->MaterialName, ",") &&
          _get_tkn_(&counts, nullptr, prd->PartCnt, ","))) {
        _fre_tkn_(&names);
        _fre_tkn_(&materials);
        _fre_tkn_(&counts);
        return 0;
    }

    Prt_rct rct;
    prepare_box(&rct);
    print_box(&rct, 116.5, 50, 195, 107, sheet_white);
    print_box(&rct, 116.5, 50, 195, 54.75, sheet_grey);
    Prt_lin lin;
    prepare_line(&lin, sheet_rule_pen);
    for (int k = 0; k < 10; ++k)
        print_line(&lin, 116.5, 59.5 + 4.75 * k, 195, 59.5 + 4.75 * k);
    for (double x : {124.5, 161.0, 185.0})
        print_line(&lin, x, 50, x, 107);

    Prt_txt txt;
    prepare_text(&txt);
    print_text(&txt, 116.5, 45, 78.5, 4.5, 9, 1, 4, "部品表");
    print_text(&txt, 116.5, 50, 8, 4.75, 9, 5, 5, "番号");
    print_text(&txt, 124.5, 50, 36.5, 4.75, 9, 5, 5, "部品名称");
    print_text(&txt, 161, 50, 24, 4.75, 9, 5, 5, "材質");
    print_text(&txt, 185, 50, 10, 4.75, 9, 5, 5, "数量");

    // The three lists run in step; a name or material list that runs out
    // before the counts leaves a dash in its cell.
    Lnk_inf* name = _nxt_lnk_(&names, nullptr);
    Lnk_inf* material = _nxt_lnk_(&materials, nullptr);
    Lnk_inf* count = _nxt_lnk_(&counts, nullptr);
    for (int i = 0; i < part_rows; ++i) {
        const double y = 54.75 + 4.75 * i;
        print_text(&txt, 116.5, y, 8, 4.75, 9, 5, 5, count ? row_labels[i] : missing_cell);
        print_text(&txt, 124.5, y, 36.5, 4.75, 9, 5, 5, count ? token_or_dash(name) : missing_cell);
        print_text(&txt, 161, y, 24, 4.75, 9, 5, 5, count ? token_or_dash(material) : missing_cell);
        print_text(&txt, 185, y, 10, 4.75, 9, 5, 5, token_or_dash(count));
        if (count) {
            name = name ? _nxt_lnk_(&names, name) : nullptr;
            material = material ? _nxt_lnk_(&materials, material) : nullptr;
            count = _nxt_lnk_(&counts, count);
        }
    }

    _fre_tkn_(&names);
    _fre_tkn_(&materials);
    _fre_tkn_(&counts);
    return 1;
}

void prt_cdt_(Pdt_inf* pdt, Lnk_inf* grd, const char* ans)
{
    Prt_rct rct;
    prepare_box(&rct);
    print_box(&rct, 47, 114, 172, 152, sheet_white);
    print_box(&rct, 47, 154, 172, 164, sheet_white);
    print_box(&rct, 47, 114, 94, 152, sheet_grey);
    Prt_lin lin;
    prepare_line(&lin, sheet_rule_pen);
    for (int k = 0; k < 7; ++k)
        print_line(&lin, 47, 118.75 + 4.75 * k, 172, 118.75 + 4.75 * k);

    Prt_txt txt;
    prepare_text(&txt);
    print_text(&txt, 47, 109, 80, 4.5, 9, 1, 4, "ご使用条件");

    char text[128];
    int i = 0;
    for (Lnk_inf* n = _nxt_lnk_(grd, nullptr); n && i < condition_rows; n = _nxt_lnk_(grd, n), ++i) {
        TStringGrid* grid = *(TStringGrid**)LNK_DAT(n);
        const int row = grid->Row();
        const Cgp_inf* cgp = (const Cgp_inf*)grid->Object(0, row);
        const Cdt_inf* cdt = (const Cdt_inf*)grid->Object(1, row);
        const double y = 114 + 4.75 * i;
        print_text(&txt, 47, y, 47, 4.75, 9, 5, 5, cgp->Detail);
        format_condition_text(text, sizeof text, cdt, pdt);
        print_text(&txt, 94, y, 78, 4.75, 9, 5, 5, text);
    }

    format_text(text, sizeof text, "推定耐用年数 : %s", ans);
    print_text(&txt, 47, 154, 125, 10, 12, 5, 5, text);
}

void prt_nte_()
{
    static const char* const lines[6] = {
        "ゴム製品は永久的なものではなく寿命があります。",
        "またその寿命は、様々な要因によって大きく左右されるため",
        "正確な耐用年数を算出することは不可能です。",
        "当社では基本耐用年数を15年とし、ゴムフレキ継手会の係数をベースに",
        "当社の経験値を加え、上記の耐用年数を算出していますが、",
        "上記の耐用年数はあくまで大方の目安であることをご理解ください。",
    };
    Prt_rct rct;
    prepare_box(&rct);
    print_box(&rct, 47, 177, 172, 217.5, sheet_white);
    Prt_txt txt;
    prepare_text(&txt);
    print_text(&txt, 47, 172, 80, 4.5, 9, 1, 4, "耐用年数について");
    for (int i = 0; i < 6; ++i) {
        const bool last = i == 5;
        txt.atr4 = last ? 1 : 0;  // the closing line stands out
        print_text(&txt, 50, 181.5 + 4.5 * i, 122, 4.5, last ? 11 : 10, 1, 5, lines[i]);
    }
}

void prt_chk_()
{
    static const char* const lines[3] = {
        "ゴムは有機物ですので、経年変化します。",
        "半年に一回以上、下記の項目について点検し、",
        "異常がある場合は速やかに製品の交換をお願い致します。",
    };
    static const char* const checks[4] = {
        "① フランジ部及び本体からの漏れがないか?",
        "② フランジが極端に錆びていないか?",
        "③ 加圧された際に、ボルトが本体に接触していないか?",
        "④ 許容変位をこえていないか?",
    };
    Prt_rct rct;
    prepare_box(&rct);
    print_box(&rct, 47, 227, 172, 276.5, sheet_white);
    Prt_txt txt;
    prepare_text(&txt);
    print_text(&txt, 47, 222, 80, 4.5, 9, 1, 4, "定期点検について");
    for (int i = 0; i < 3; ++i)
        print_text(&txt, 50, 231.5 + 4.5 * i, 120, 4.5, 10, 1, 5, lines[i]);
    for (int i = 0; i < 4; ++i)
        print_text(&txt, 52.5, 249.5 + 4.5 * i, 120, 4.5, 10, 1, 5, checks[i]);

    print_date_line(&txt);
    const Ver_inf* ver = (const Ver_inf*)get_pvr_();
    char versions[64];
    format_text(versions, sizeof versions, "PV[%s] DBV[%s] ", ver->pvr, ver->dvr);
    print_text(&txt, 20, 287.5, 130, 3.5, 6, 1, 3, versions);
}
