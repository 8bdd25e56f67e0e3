#include "Frm_vers.h"

#include <platform/form_look.h>
#include <platform/centre_on_screen.h>
#include <platform/maker_pictures.h>
#include <platform/version_look.h>
#include <platform/application.h>

#include "Frm_mans.h"

TFrm_Ver* Frm_Ver;

TFrm_Ver::TFrm_Ver(QWidget* owner) : QDialog(owner)
{
    VersionDialogParts parts =
        shape_version_dialog(this, "Merrowflex耐用年数計算システムのバージョン情報", bellows_coupling_picture(), 147);
    Btn_Ok = parts.ok;
    Pnl_Ver = parts.panel;
    Lbl_Pvers = form_label(Pnl_Ver, "プログラムバージョン:", 4, 13);
    Lbl_Pver = form_label(Pnl_Ver, "", 144, 13);
    Img_Cpn = parts.emblem;
    Lbl_Str1 = form_label(this, "Merrowflex耐用年数計算システム", 116, 4);
    Label1 = parts.notice[0];
    Label2 = parts.notice[1];
    Img_Ico = parts.coupling;

    on_click(Btn_Ok, [this] { Btn_OkClick(Btn_Ok); });
}

void TFrm_Ver::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centre_on_screen(this);
    FormShow(this);
}

void TFrm_Ver::FormShow(QObject*)
{
    Lbl_Pver->setText(qt_from_sjis(get_pvr_()));
    Lbl_Pver->adjustSize();
}

void TFrm_Ver::Btn_OkClick(QObject*)
{
    close();
}
