// The main window's controls as the form lays them out.
#include <QFile>

#include <platform/form_look.h>
#include <platform/application.h>
#include <platform/jpeg.h>

#include "Frm_mans.h"

namespace {

const QColor section_blue = bgr_color(11556864);  // red 0, green 88, blue 176
const QColor answer_yellow = bgr_color(8454143);  // red 255, green 255, blue 128

TPanel* heading_panel(QWidget* parent, const char* text, int left, int top, int width, int height)
{
    auto* panel = new TPanel(parent, TPanel::bvLowered);
    panel->setGeometry(left, top, width, height);
    panel->setColor(Qt::black);
    panel->setFontColor(Qt::white);
    panel->setCaption(qt_from_sjis(text));
    return panel;
}

TPanel* section_panel(QWidget* parent, const char* text, int left, int top, int width, int height)
{
    TPanel* panel = heading_panel(parent, text, left, top, width, height);
    panel->setColor(section_blue);
    return panel;
}

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

TBitBtn* big_button(QWidget* parent, const char* text, const QImage& glyph, int left, int top)
{
    auto* button = new TBitBtn(parent);
    button->setGeometry(left, top, 69, 65);
    button->setFont(make_font("ＭＳ ゴシック", -13, true));
    button->setText(qt_from_sjis(text));
    button->setGlyph(glyph);
    button->setAutoDefault(true);  // Enter on the focused button presses it
    return button;
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
    setFixedSize(636, 258);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
    Edt_Ans->setFont(make_font("ＭＳ ゴシック", -16));
    QPalette answer = Edt_Ans->palette();
    answer.setColor(QPalette::Base, answer_yellow);
    answer.setColor(QPalette::Text, Qt::black);
    Edt_Ans->setPalette(answer);

    Btn_Prt = big_button(this, "印刷", printer_glyph(), 488, 190);
    Btn_Cls = big_button(this, "閉じる", door_glyph(), 564, 190);
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
