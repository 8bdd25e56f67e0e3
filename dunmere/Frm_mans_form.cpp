// The main window's controls as the form lays them out.
#include <QFile>

#include <platform/form_look.h>
#include <platform/application.h>
#include <platform/jpeg.h>

#include "Frm_mans.h"

namespace {

TComboBoxooo* drop_down_list(QWidget* parent, int left, int top, int width, std::initializer_list<const char*> items,
                             int selected)
{
    auto* list = new TComboBoxooo(parent);
    list->setGeometry(left, top, width, 21);
    for (const char* item : items)
        list->addItem(qt_from_sjis(item));
    list->setCurrentIndex(selected);
    return list;
}

// The coupling drawing the program carries: a JPEG picture, decoded once.
QImage coupling_drawing()
{
    QFile file(":/dunmere/merrowflex_drawing.jpg");
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(bytes.constData(), bytes.size());
    return jpeg.Image();
}

}  // namespace

void TFrm_Man::build_form()
{
    setWindowTitle(qt_from_sjis("ヴェルモラ株式会社 【 Merrowflex耐用年数計算システム 】"));
    set_main_window_frame(this, 636, 258);
    setFont(make_font("ＭＳ ゴシック", -13));
    set_button_face(this);

    Pnl_Prm = heading_panel(this, "ご使用条件", 4, 8, 97, 21);
    Grp_Prm = new QGroupBox(this);
    Grp_Prm->setGeometry(12, 12, 369, 173);
    Pnl_Prm->raise();  // the heading stands over the group's frame
    Pnl_Dia = section_panel(Grp_Prm, "口径", 8, 28, 165, 21);
    Cmb_Dia = drop_down_list(Grp_Prm, 174, 28, 47, {"50", "65", "80", "100", "125", "150", "200", "250", "300"}, 0);
    Lbl_Min = form_label(Grp_Prm, "A", 224, 36);
    Pnl_Dwn = section_panel(Grp_Prm, "ポンプ起動時沈みこみ量", 8, 60, 165, 21);
    Label1 = form_label(Grp_Prm, "±", 172, 64);
    Cmb_Dwn = drop_down_list(Grp_Prm, 184, 60, 37, {"1", "2", "3", "4", "5"}, 2);
    Lbl_Max = form_label(Grp_Prm, "mm", 224, 68);
    GroupBox1 = new QGroupBox(Grp_Prm);
    GroupBox1->setGeometry(8, 80, 353, 49);
    Lbl_Lfe3 = form_label(GroupBox1, "ポンプが起動する瞬間に防振架台が沈む量。", 8, 12);
    Label2 = form_label(GroupBox1, "一般的には3mm、最大でも5mm程度と考えられます。", 8, 28);
    Pnl_Stt = section_panel(Grp_Prm, "ポンプの一日の起動回数", 8, 140, 165, 21);
    Edt_Stt = new TEditooo(Grp_Prm);
    Edt_Stt->setGeometry(174, 140, 23, 21);
    Edt_Stt->setText("10");
    Edt_Stt->setMaxLength(2);
    Edt_Stt->setAttribute(Qt::WA_InputMethodEnabled, false);
    Edt_Stt->SetOnlyNumber(true);
    Edt_Stt->SetOnlyInt(true);
    Edt_Stt->SetOnlyPlus(true);
    Edt_Stt->SetDisplayZero(true);
    Lbl_Len = form_label(Grp_Prm, "回", 200, 148);

    Btn_Clc = big_button(this, "", calculator_glyph(), 388, 66);
    Pnl_Ans = heading_panel(this, "計算結果", 456, 8, 97, 21);
    Grp_Ans = new QGroupBox(this);
    Grp_Ans->setGeometry(464, 12, 169, 173);
    Pnl_Ans->raise();
    Pnl_Lfe = section_panel(Grp_Ans, "推定耐用年数", 8, 60, 153, 25);
    Pnl_Lfe->setFont(make_font("ＭＳ ゴシック", -16));
    Edt_Ans = new TEditooo(Grp_Ans);
    Edt_Ans->setGeometry(8, 86, 153, 24);
    Edt_Ans->setReadOnly(true);
    Edt_Ans->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    set_answer_look(Edt_Ans);

    Btn_Prt = big_button(this, "印刷", printer_glyph(), 488, 190);
    Btn_Cls = big_button(this, "閉じる", door_glyph(), 564, 190);
    // Enter on a focused big button presses it.
    for (TBitBtn* button : {Btn_Clc, Btn_Prt, Btn_Cls})
        button->setAutoDefault(true);
    Img_drw = new TImage(this);
    Img_drw->setGeometry(20, 196, 37, 33);
    Img_drw->Stretch = true;
    const QImage drawing = coupling_drawing();
    Img_drw->Assign(&drawing);
    Img_drw->hide();

    // Names that tests see the inputs and the result by.
    Cmb_Dia->setObjectName("Cmb_Dia");
    Cmb_Dwn->setObjectName("Cmb_Dwn");
    Edt_Stt->setObjectName("Edt_Stt");
    Edt_Ans->setObjectName("Edt_Ans");

    // Enter and Tab lead diameter -> sink -> starts -> calculate -> print -> close.
    setTabOrder(Cmb_Dia, Cmb_Dwn);
    setTabOrder(Cmb_Dwn, Edt_Stt);
    setTabOrder(Edt_Stt, Btn_Clc);
    setTabOrder(Btn_Clc, Btn_Prt);
    setTabOrder(Btn_Prt, Btn_Cls);

    on_click(Btn_Clc, [this] { Btn_ClcClick(Btn_Clc); });
    on_click(Btn_Prt, [this] { Btn_PrtClick(Btn_Prt); });
    on_click(Btn_Cls, [this] { Btn_ClsClick(Btn_Cls); });
}
