#include "Frm_vers.h"

#include <QShowEvent>

#include <platform/application.h>
#include <platform/centre_on_screen.h>

#include "Form_look.h"
#include "Frm_mans.h"
#include "Pictures.h"

TFrm_Ver* Frm_Ver;

namespace {
QLabel* label(QWidget* parent, const char* text, int left, int top)
{
    auto* l = new QLabel(qt_from_sjis(text), parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}
}  // namespace

TFrm_Ver::TFrm_Ver(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(qt_from_sjis("ゴム製品耐用年数計算システムのバージョン情報"));
    setFixedSize(406, 176);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(make_font("ＭＳ ゴシック", -13));
    set_button_face(this);

    Btn_Ok = new QPushButton("OK", this);
    Btn_Ok->setGeometry(328, 144, 75, 25);
    Pnl_Ver = new TPanel(this, TPanel::bvLowered);
    Pnl_Ver->setGeometry(112, 64, 209, 41);
    Lbl_Pvers = label(Pnl_Ver, "プログラムバージョン:", 4, 4);
    Lbl_Dvers = label(Pnl_Ver, "DBバージョン:", 8, 20);
    Lbl_Pver = label(Pnl_Ver, "", 144, 4);
    Lbl_Dver = label(Pnl_Ver, "", 144, 20);
    Img_Ico = new TImage(this);
    Img_Ico->setGeometry(4, 4, 101, 101);
    Img_Ico->Stretch = true;
    Img_Ico->Assign(&coupling_picture());
    Img_Cpn = new TImage(this);
    Img_Cpn->setGeometry(4, 144, 165, 29);
    Img_Cpn->Assign(&emblem_picture());
    Lbl_Str1 = label(this, "ゴム製品耐用年数計算システム", 112, 4);
    Label1 = label(this, "本製品の全部または一部を無断で複製・転載・配布することを", 4, 108);
    Label2 = label(this, "固く禁じます。", 4, 124);
    Btn_Ok->setFocus();

    on_click(Btn_Ok, [this] { Btn_OkClick(Btn_Ok); });
}

void TFrm_Ver::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shown by the program, not brought back by the window system.
    if (!event->spontaneous())
        centre_on_screen(this);
    FormShow(this);
}

void TFrm_Ver::FormShow(QObject*)
{
    const Ver_inf* ver = (const Ver_inf*)get_pvr_();
    Lbl_Pver->setText(qt_from_sjis(ver->pvr));
    Lbl_Pver->adjustSize();
    Lbl_Dver->setText(qt_from_sjis(ver->dvr));
    Lbl_Dver->adjustSize();
}

void TFrm_Ver::Btn_OkClick(QObject*)
{
    close();
}
