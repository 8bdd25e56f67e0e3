// The comparison table of the VR series that a related product opens.
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "artwork.h"
#include "platform/qt_text.h"

namespace {

const char* const kHeadings[] = {"品名",       "形式",         "最高使用圧力", "軸方向変位",
                                 "軸直角変位", "標準耐用年数", "主な用途"};

const char* const kRows[][7] = {
    {"VR-S 単球形", "単球形", "1.0MPa", "±6～14mm", "±6～12mm", "10年", "給水・冷温水の一般配管"},
    {"VR-W 双球形", "双球形", "1.0MPa", "±12～26mm", "±12～22mm", "12年", "変位の大きな配管、建物の継目"},
    {"VR-L 低圧用", "単球形（軽量）", "0.5MPa", "±5～9mm", "±5～8mm", "8年", "空調機まわり、水槽接続"},
    {"VR-H 高圧用", "単球形（補強リング付）", "2.0MPa", "±6～12mm", "±5～10mm", "12年", "高揚程ポンプ、冷凍機"},
    {"VR-E 偏心形", "偏心単球形", "1.0MPa", "±6～10mm", "±6～9mm", "10年", "不同沈下の生じる導入部"},
    {"VR-P ポンプ用", "単球形（制限ボルト付）", "1.0MPa", "±6～12mm", "±6～10mm", "10年", "ポンプ吸込・吐出側"},
    {"VR-C 汎用形", "単球形", "0.75MPa", "±5～10mm", "±5～9mm", "9年", "一般設備配管"},
};

}  // namespace

bool write_comparison_pdf(const QString& path)
{
    QPdfWriter pdf(path);
    pdf.setTitle(qt_from_sjis("VRシリーズ 製品比較表"));
    pdf.setCreator(qt_from_sjis("ヴェルモラ株式会社"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                  QPageLayout::Millimeter));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    const double mm = 300 / 25.4;
    QFont font("IPAGothic");
    font.setPointSizeF(16);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 267 * mm, 14 * mm), Qt::AlignLeft | Qt::AlignVCenter,
               qt_from_sjis("VRシリーズ ゴム製防振継手 製品比較表"));

    const double widths[] = {38, 44, 28, 30, 30, 28, 69};
    const double top = 20 * mm, row_height = 11 * mm;
    font.setPointSizeF(9.5);
    for (int row = 0; row <= 7; ++row) {
        font.setBold(row == 0);
        p.setFont(font);
        double x = 0;
        for (int column = 0; column < 7; ++column) {
            QRectF cell(x, top + row * row_height, widths[column] * mm, row_height);
            p.fillRect(cell, row == 0 ? QColor(200, 210, 225) : row % 2 ? Qt::white : QColor(242, 244, 247));
            p.setPen(QPen(Qt::black, 0.2 * mm));
            p.drawRect(cell);
            const char* text = row == 0 ? kHeadings[column] : kRows[row - 1][column];
            p.drawText(cell.adjusted(2 * mm, 0, -2 * mm, 0),
                       Qt::AlignVCenter | (column < 2 || column == 6 ? Qt::AlignLeft : Qt::AlignHCenter),
                       qt_from_sjis(text));
            x += widths[column] * mm;
        }
    }
    font.setBold(false);
    font.setPointSizeF(8.5);
    p.setFont(font);
    p.drawText(QRectF(0, top + 8 * row_height + 4 * mm, 267 * mm, 20 * mm), Qt::AlignLeft | Qt::AlignTop,
               qt_from_sjis("※ 数値は代表値です。呼び径・使用条件により異なります。\n"
                            "※ 標準耐用年数は標準的な使用条件での目安であり、保証値ではありません。\n"
                            "ヴェルモラ株式会社"));
    return p.end();
}
