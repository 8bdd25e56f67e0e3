#include "Frm_vers.h"

#include <QShowEvent>

#include <platform/form_look.h>
#include <platform/maker_pictures.h>
#include <platform/version_look.h>
#include <platform/application.h>
#include <platform/centre_on_screen.h>

#include "Frm_mans.h"

TFrm_Ver* Frm_Ver;

TFrm_Ver::TFrm_Ver(QWidget* owner) : QDialog(owner)
{
    VersionDialogParts parts =
        shape_version_dialog(this, "ゴム製品耐用年数計算システムのバージョン情報", coupling_picture(), 144);
    Btn_Ok = parts.ok;
    Pnl_Ver = parts.panel;
    Lbl_Pvers = form_label(Pnl_Ver, "プログラムバージョン:", 4, 4);
    Lbl_Dvers = form_label(Pnl_Ver, "DBバージョン:", 8, 20);
    Lbl_Pver = form_label(Pnl_Ver, "", 144, 4);
    Lbl_Dver = form_label(Pnl_Ver, "", 144, 20);
    Img_Ico = parts.coupling;
    Img_Cpn = parts.emblem;
    Lbl_Str1 = form_label(this, "ゴム製品耐用年数計算システム", 112, 4);
    Label1 = parts.notice[0];
    Label2 = parts.notice[1];

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
