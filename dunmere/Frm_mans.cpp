// The main window's life and its handlers: the first result when it is
// first shown, the fatigue life at each click, and printing.
#include "Frm_mans.h"

#include <QShowEvent>

#include <stdlib.h>
#include <string.h>

#include <sarnet.h>

#include <platform/form_look.h>
#include <platform/centre_on_screen.h>
#include <platform/charset.h>
#include <platform/module.h>
#include <platform/msgbox.h>

#include "Dunmere.h"
#include "Frm_vers.h"
#include "calculation_sheet.h"
#include "fatigue_life.h"

TFrm_Man* Frm_Man;

namespace {
Ver_inf version_texts;

long text_number(const QString& text)
{
    return atol(qt_to_sjis(text).constData());
}
}  // namespace

char* get_pvr_()
{
    return version_texts.pvr;
}

TFrm_Man::TFrm_Man(QWidget* owner) : QWidget(owner), MessageWindow(this)
{
    build_form();
    HMENU menu = GetSystemMenu(this, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 1, "バージョン情報");
}

TFrm_Man::~TFrm_Man() = default;

void TFrm_Man::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        centre_on_screen(this);
        FormShow(this);
    }
}

void TFrm_Man::FormShow(QObject*)
{
    const long dia = atol(get_cmd_());
    Btn_Clc->setText(qt_from_sjis("耐用年数\n\r計 算"));
    Edt_Stt->RefreshNumber();
    if (!get_ver_(version_texts.pvr, HInstance))
        strcpy(version_texts.pvr, "???");
    int index = 0;
    for (int i = 0; i < Cmb_Dia->count(); ++i)
        if (text_number(Cmb_Dia->itemText(i)) == dia) {
            index = i;
            break;
        }
    Cmb_Dia->setCurrentIndex(index);
    Btn_ClcClick(Btn_Clc);
}

void TFrm_Man::Btn_ClcClick(QObject*)
{
    const Jnt_inf* row = fnd_jnt_(text_number(Cmb_Dia->currentText()), text_number(Cmb_Dwn->currentText()));
    if (!row) {
        Pnl_Lfe->setCaption(QString());
        Edt_Ans->setText(QString());
        return;
    }
    char text[256];
    const int starts = text_number(Edt_Stt->text());
    Pnl_Lfe->setCaption(qt_from_sjis(format_fatigue_life(text, sizeof text, row->cyc, starts)));
    Edt_Ans->setText(qt_from_sjis(text));
}

void TFrm_Man::Btn_PrtClick(QObject*)
{
    const Jnt_inf* row = fnd_jnt_(text_number(Cmb_Dia->currentText()), text_number(Cmb_Dwn->currentText()));
    if (!row)
        return;
    setEnabled(false);
    Sht_inf sheet;
    sheet.stt_cnt = text_number(Edt_Stt->text());
    copy_sjis(sheet.ans_txt, sizeof sheet.ans_txt, qt_to_sjis(Edt_Ans->text()).constData());
    if (prt_sht_(row, &sheet, Img_drw) == 0) {
        MessageBoxA(this, "プリンター初期化に失敗しました。", "メモリ不足", MB_ICONERROR);
        Close();
    }
    setEnabled(true);
    setFocus();
}

void TFrm_Man::Btn_ClsClick(QObject*)
{
    Close();
}

void TFrm_Man::ShowVersion()
{
    Frm_Ver->ShowModal();
}

void TFrm_Man::WndProc(TMessage& message)
{
    if (message.Msg == WM_SYSCOMMAND && message.WParam == 1)
        ShowVersion();
    MessageWindow::WndProc(message);
}
