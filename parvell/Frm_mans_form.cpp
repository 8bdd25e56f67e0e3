// The main window's controls as the form lays them out.

#include <platform/application.h>
#include <platform/form_look.h>

#include "Frm_mans.h"

namespace {

TListBox* list_box(QWidget* parent, int left, int top, int width, int height)
{
    auto* list = new TListBox(parent);
    list->setGeometry(left, top, width, height);
    list->setItemHeight(12);
    return list;
}

TImage* arrow(QWidget* parent, int left, int top)
{
    auto* image = new TImage(parent);
    image->setGeometry(left, top, 33, 33);
    image->Assign(&arrow_picture());
    return image;
}

QLabel* label(QWidget* parent, const char* text, int left, int top)
{
    auto* l = new QLabel(qt_from_sjis(text), parent);
    l->move(left, top);
    l->setFixedHeight(12);
    l->adjustSize();
    return l;
}

TBitBtn* start_button(QWidget* parent, int left, int top)
{
    auto* button = new TBitBtn(parent);
    button->setGeometry(left, top, 101, 25);
    button->setFont(make_font("ＭＳ ゴシック", -12));
    button->hide();
    return button;
}

}  // namespace

void TFrm_Man::build_form()
{
    setWindowTitle(qt_from_sjis(parvell_caption));
    set_main_window_frame(this, 949, 701);
    setFont(make_font("ＭＳ Ｐゴシック", -12));
    setMouseTracking(true);
    set_button_face(this);

    Pnl_Cdt = heading_panel(this, "条件選択", 4, 4, 97, 21);
    Pnl_Ans1 = heading_panel(this, "計算結果", 568, 4, 97, 21);
    Pnl_Rpd1 = heading_panel(this, "関連商品", 568, 412, 97, 21);
    Edt_Slc = new TEditooo(this);
    Edt_Slc->setGeometry(212, 4, 345, 20);
    Edt_Slc->setVisible(false);

    Pnl_Cdt3 = new TPanel(this, TPanel::bvRaised);
    Pnl_Cdt3->setGeometry(4, 28, 557, 629);
    Pnl_Pip = section_panel(Pnl_Cdt3, "配管種別選択", 48, 8, 113, 17);
    Lbx_Pip = list_box(Pnl_Cdt3, 4, 28, 197, 41);
    Img_Arw1 = arrow(Pnl_Cdt3, 88, 72);
    Pnl_Plc = section_panel(Pnl_Cdt3, "設置場所選択", 48, 104, 113, 17);
    Lbx_Plc = list_box(Pnl_Cdt3, 4, 124, 197, 57);
    Img_Arw3 = arrow(Pnl_Cdt3, 92, 184);
    Pnl_Prd = section_panel(Pnl_Cdt3, "製品選択", 48, 216, 113, 17);
    Lbx_Prd = list_box(Pnl_Cdt3, 4, 236, 69, 125);
    Pnl_Bse = new TPanel(Pnl_Cdt3, TPanel::bvLowered);
    Pnl_Bse->setGeometry(76, 236, 125, 125);
    Img_Pto = new TImage(Pnl_Bse);
    Img_Pto->setGeometry(4, 4, 117, 117);
    Img_Pto->Stretch = true;
    Img_Arw2 = arrow(Pnl_Cdt3, 88, 364);
    Pnl_Pdt = section_panel(Pnl_Cdt3, "製品サイズ選択", 48, 396, 113, 17);
    Lbx_Pdt = list_box(Pnl_Cdt3, 4, 416, 197, 205);
    Pnl_Cdt1 = section_panel(Pnl_Cdt3, "ご使用条件選択", 320, 8, 113, 17);
    Pnl_Cdt2 = new TPanel(Pnl_Cdt3, TPanel::bvLowered);
    Pnl_Cdt2->setGeometry(208, 28, 341, 593);

    Pnl_Ans2 = new TPanel(this, TPanel::bvRaised);
    Pnl_Ans2->setGeometry(568, 28, 377, 377);
    Pnl_Lfe = section_panel(Pnl_Ans2, "推定耐用年数", 56, 8, 117, 25);
    Pnl_Lfe->setFont(make_font("ＭＳ ゴシック", -16));
    Edt_Ans = new TEditooo(Pnl_Ans2);
    Edt_Ans->setGeometry(174, 8, 131, 24);
    Edt_Ans->setReadOnly(true);
    set_answer_look(Edt_Ans);

    Grp_Lfe = new QGroupBox(qt_from_sjis("耐用年数について"), Pnl_Ans2);
    Grp_Lfe->setGeometry(8, 44, 361, 141);
    const char* life_texts[7] = {"ゴム製品は永久的なものではなく寿命があります。",
                                 "またその寿命は、様々な要因によって大きく左右されるため",
                                 "正確な耐用年数を算出することは不可能です。",
                                 "当社では基本耐用年数を15年とし、ゴムフレキ継手会の係数を",
                                 "ベースに当社の経験値を加え、上記耐用年数を算出していますが、",
                                 "上記の耐用年数はあくまで大方の目安であることをご理解ください。",
                                 ""};
    for (int i = 0; i < 7; ++i) {
        Lbl_Lfe[i] = label(Grp_Lfe, life_texts[i], 8, 20 + 16 * i);
        if (i >= 5) {
            QPalette red = Lbl_Lfe[i]->palette();
            red.setColor(QPalette::WindowText, Qt::red);
            Lbl_Lfe[i]->setPalette(red);
        }
    }
    Grp_Chk = new QGroupBox(qt_from_sjis("定期点検について"), Pnl_Ans2);
    Grp_Chk->setGeometry(8, 196, 361, 173);
    const char* check_texts[9] = {"ゴムは有機物ですので、経年変化します。  ",
                                  "半年に一回以上、下記の項目について点検し、",
                                  "異常がある場合は速やかに製品の交換をお願い致します。",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "",
                                  ""};
    const int check_tops[9] = {20, 36, 52, 72, 88, 104, 120, 136, 152};
    for (int i = 0; i < 9; ++i)
        Lbl_Chk[i] = label(Grp_Chk, check_texts[i], i < 3 ? 8 : 16, check_tops[i]);

    Pnl_Rpd2 = new TPanel(this, TPanel::bvRaised);
    Pnl_Rpd2->setGeometry(568, 436, 377, 189);
    Lbl_Rp1 = new QLabel(Pnl_Rpd2);
    Lbl_Rp1->setGeometry(65, 9, 104, 12);
    Lbl_Rp1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Lbl_Rp2 = new QLabel(Pnl_Rpd2);
    Lbl_Rp2->setGeometry(209, 9, 104, 12);
    Lbl_Rp2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Pnl_Rp1 = new TPanel(Pnl_Rpd2, TPanel::bvLowered);
    Pnl_Rp1->setGeometry(68, 24, 101, 101);
    Pnl_Rp2 = new TPanel(Pnl_Rpd2, TPanel::bvLowered);
    Pnl_Rp2->setGeometry(212, 24, 101, 101);
    Img_Rp1 = new TImage(Pnl_Rp1);
    Img_Rp1->setGeometry(4, 4, 93, 93);
    Img_Rp1->Stretch = true;
    Img_Rp2 = new TImage(Pnl_Rp2);
    Img_Rp2->setGeometry(4, 4, 93, 93);
    Img_Rp2->Stretch = true;
    Btn_St11 = start_button(Pnl_Rpd2, 68, 128);
    Btn_St12 = start_button(Pnl_Rpd2, 68, 156);
    Btn_St21 = start_button(Pnl_Rpd2, 212, 128);
    Btn_St22 = start_button(Pnl_Rpd2, 212, 156);

    Btn_Prt = big_button(this, "印刷", printer_glyph(), 800, 632);
    Btn_Cls = big_button(this, "閉じる", door_glyph(), 876, 632);

    // Events
    Lbx_Pip->OnClick = [this](QObject* s) { Lbx_PipClick(s); };
    Lbx_Plc->OnClick = [this](QObject* s) { Lbx_PlcClick(s); };
    Lbx_Prd->OnClick = [this](QObject* s) { Lbx_PrdClick(s); };
    Lbx_Pdt->OnClick = [this](QObject* s) { Lbx_PdtClick(s); };
    Lbx_Prd->OnMouseMove = [this](QObject* s, Qt::KeyboardModifiers k, int x, int y) { Lbx_PrdMouseMove(s, k, x, y); };
    auto form_move = [this](QObject* s, Qt::KeyboardModifiers k, int x, int y) { FormMouseMove(s, k, x, y); };
    Pnl_Cdt2->OnMouseMove = form_move;
    Pnl_Bse->OnMouseMove = form_move;
    Pnl_Rp1->OnMouseMove = form_move;
    Pnl_Rp2->OnMouseMove = form_move;
    Img_Pto->OnClick = [this](QObject* s) { Img_PtoClick(s); };
    Img_Pto->OnMouseMove = [this](QObject* s, Qt::KeyboardModifiers k, int x, int y) { Img_PtoMouseMove(s, k, x, y); };
    for (TImage* image : {Img_Rp1, Img_Rp2}) {
        image->OnClick = [this](QObject* s) { Img_Rp1Click(s); };
        image->OnMouseMove = [this](QObject* s, Qt::KeyboardModifiers k, int x, int y) {
            Img_Rp1MouseMove(s, k, x, y);
        };
    }
    for (TBitBtn* button : {Btn_St11, Btn_St12, Btn_St21, Btn_St22})
        on_click(button, [this, button] { Btn_St11Click(button); });
    on_click(Btn_Prt, [this] { Btn_PrtClick(Btn_Prt); });
    on_click(Btn_Cls, [this] { Btn_ClsClick(Btn_Cls); });
}
