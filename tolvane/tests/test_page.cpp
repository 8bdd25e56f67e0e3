#include "test_page.h"

#include <QImage>

#include "records.h"

namespace {

class PageWriter {
public:
    void line(double x1, double y1, double x2, double y2, double width)
    {
        Prt_lin lin = line_record(x1, y1, x2, y2, width);
        count(prt_lin_(&lin));
    }
    void box(double x1, double y1, double x2, double y2, int32_t fill)
    {
        Prt_rct rct = box_record(x1, y1, x2, y2, fill);
        count(prt_rct_(&rct));
    }
    void text(double x, double y, double wid, double hgt, const char* str, int size, int h, int v, int emphasis = 0)
    {
        Prt_txt txt = text_record(x, y, wid, hgt, str, size, h, v);
        txt.atr4 = emphasis;
        count(prt_txt_(&txt));
    }
    void picture(double x, double y, double wid, double hgt, QImage& image)
    {
        Rct_inf box{x, y, wid, hgt};
        count(prt_grf_(&box, 1, &image));
    }
    int drawn() const { return drawn_; }

private:
    void count(int answer) { drawn_ += answer == 1; }
    int drawn_ = 0;
};

const char* const part_names[] = {"本体", "フランジ", "補強リング", "ボルト", "ナット"};
const char* const materials[] = {"EPDM", "SS400", "SUS304", "SS400", "SS400"};
const char* const counts[] = {"1", "2", "2", "8", "8"};
const char* const row_labels[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪"};

void frame_and_title(PageWriter& page)
{
    page.line(20, 10, 200, 10, 0.3);
    page.line(200, 10, 200, 287, 0.3);
    page.line(200, 287, 20, 287, 0.3);
    page.line(20, 287, 20, 10, 0.3);
    page.line(20.7, 10.7, 199.3, 10.7, 0.3);
    page.line(199.3, 10.7, 199.3, 286.3, 0.3);
    page.line(199.3, 286.3, 20.7, 286.3, 0.3);
    page.line(20.7, 286.3, 20.7, 10.7, 0.3);
    page.box(25, 36, 195, 43, white);
    page.text(20, 14, 180, 11, "ゴム製品耐用年数計算書", 20, 5, 5);
    page.text(25, 36, 170, 7, "試験用継手 ( 100A×150 )", 14, 5, 5);
}

// A drawing stand-in: a captioned box with a 0.1 mm grid of 15 + 10 lines.
void drawing(PageWriter& page)
{
    page.text(29.5, 45, 70, 4.5, "製品図", 9, 1, 4);
    page.box(29.5, 50, 99.5, 106, white);
    for (int i = 0; i < 15; ++i)
        page.line(29.5 + 5 * i, 50, 29.5 + 5 * i, 106, 0.1);
    for (int i = 0; i < 10; ++i)
        page.line(29.5, 50 + 56.0 / 9 * i, 99.5, 50 + 56.0 / 9 * i, 0.1);
}

void parts_table(PageWriter& page)
{
    page.box(116.5, 50, 195, 107, white);
    page.box(116.5, 50, 195, 54.75, grey);
    for (int k = 0; k < 10; ++k)
        page.line(116.5, 59.5 + 4.75 * k, 195, 59.5 + 4.75 * k, 0.1);
    for (double x : {124.5, 161.0, 185.0})
        page.line(x, 50, x, 107, 0.1);
    page.text(116.5, 45, 78.5, 4.5, "部品表", 9, 1, 4);
    const double xs[] = {116.5, 124.5, 161, 185}, widths[] = {8, 36.5, 24, 10};
    const char* const headings[] = {"番号", "部品名称", "材質", "数量"};
    for (int c = 0; c < 4; ++c)
        page.text(xs[c], 50, widths[c], 4.75, headings[c], 9, 5, 5);
    for (int i = 0; i < 11; ++i) {
        const bool listed = i < 5;
        const char* const cells[] = {listed ? row_labels[i] : "―", listed ? part_names[i] : "―",
                                     listed ? materials[i] : "―", listed ? counts[i] : "―"};
        for (int c = 0; c < 4; ++c)
            page.text(xs[c], 54.75 + 4.75 * i, widths[c], 4.75, cells[c], 9, 5, 5);
    }
}

void conditions(PageWriter& page)
{
    page.box(47, 114, 172, 152, white);
    page.box(47, 154, 172, 164, white);
    page.box(47, 114, 94, 152, grey);
    for (int k = 0; k < 7; ++k)
        page.line(47, 118.75 + 4.75 * k, 172, 118.75 + 4.75 * k, 0.1);
    page.text(47, 109, 80, 4.5, "ご使用条件", 9, 1, 4);
    const char* const groups[] = {"流体", "温度", "圧力", "設置場所", "振動", "変位", "日照", "点検"};
    const char* const values[] = {"清水",       "60℃以下",           "1.0MPa以下", "屋内",
                                  "ポンプ廻り", "許容変位の50%以下", "なし",       "半年に一回"};
    for (int i = 0; i < 8; ++i) {
        page.text(47, 114 + 4.75 * i, 47, 4.75, groups[i], 9, 5, 5);
        page.text(94, 114 + 4.75 * i, 78, 4.75, values[i], 9, 5, 5);
    }
    page.text(47, 154, 125, 10, "推定耐用年数 :  約 12年 6ヶ月", 12, 5, 5);
}

void notes_and_footer(PageWriter& page)
{
    page.box(47, 177, 172, 217.5, white);
    page.text(47, 172, 80, 4.5, "耐用年数について", 9, 1, 4);
    const char* const notes[] = {"ゴム製品は永久的なものではなく寿命があります。",
                                 "またその寿命は、様々な要因によって大きく左右されるため",
                                 "正確な耐用年数を算出することは不可能です。",
                                 "当社では基本耐用年数を15年とし、ゴムフレキ継手会の係数をベースに",
                                 "当社の経験値を加え、上記の耐用年数を算出していますが、",
                                 "上記の耐用年数はあくまで大方の目安であることをご理解ください。"};
    for (int i = 0; i < 6; ++i)
        page.text(50, 181.5 + 4.5 * i, 122, 4.5, notes[i], i == 5 ? 11 : 10, 1, 5, i == 5);
    page.box(47, 227, 172, 276.5, white);
    page.text(47, 222, 80, 4.5, "定期点検について", 9, 1, 4);
    const char* const inspection[] = {"ゴムは有機物ですので、経年変化します。",
                                      "半年に一回以上、下記の項目について点検し、",
                                      "異常がある場合は速やかに製品の交換をお願い致します。"};
    for (int i = 0; i < 3; ++i)
        page.text(50, 231.5 + 4.5 * i, 120, 4.5, inspection[i], 10, 1, 5);
    const char* const checks[] = {"① フランジ部及び本体からの漏れがないか?", "② フランジが極端に錆びていないか?",
                                  "③ 加圧された際に、ボルトが本体に接触していないか?", "④ 許容変位をこえていないか?"};
    for (int i = 0; i < 4; ++i)
        page.text(52.5, 249.5 + 4.5 * i, 120, 4.5, checks[i], 10, 1, 5);
    page.text(150, 287.5, 50, 3.5, "2024/03/05 09:07", 7, 2, 3);
    page.text(20, 287.5, 130, 3.5, "PV[1.0.0.12] DBV[1.0] ", 6, 1, 3);
}

}  // namespace

QImage test_emblem()
{
    QImage emblem(165, 22, QImage::Format_Indexed8);
    emblem.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < emblem.height(); ++y) {
        for (int x = 0; x < emblem.width(); ++x)
            emblem.setPixel(x, y, (x / 15) % 2 == 0 ? 1 : 0);
    }
    return emblem;
}

int emit_test_page()
{
    PageWriter page;
    QImage emblem = test_emblem();
    frame_and_title(page);
    page.picture(149, 27, 46, 5.9595, emblem);
    drawing(page);
    parts_table(page);
    conditions(page);
    notes_and_footer(page);
    return page.drawn();
}
