// The main window's life: construction, the start sequence when it is first
// shown, and the teardown when it closes.
#include <QCloseEvent>
#include <QMouseEvent>
#include <QShowEvent>

#include <string.h>

#include <sarnet.h>

#include <platform/centre_on_screen.h>
#include <platform/module.h>
#include <platform/msgbox.h>

#include <platform/form_look.h>
#include "Frm_mans.h"
#include "Frm_vers.h"

Lnk_inf pip_lst, prd_lst, cgp_lst, ppl_lst, cds_lst, rpd_lst;
TJPEGImage* jpg_img;
TFrm_Man* Frm_Man;

namespace {
Ver_inf version_texts;

void free_streams_and_children()
{
    for (Lnk_inf* n = _nxt_lnk_(&pip_lst, nullptr); n; n = _nxt_lnk_(&pip_lst, n))
        _del_all_(&((Pip_inf*)LNK_DAT(n))->plc);
    _del_all_(&pip_lst);
    for (Lnk_inf* n = _nxt_lnk_(&prd_lst, nullptr); n; n = _nxt_lnk_(&prd_lst, n)) {
        Prd_inf* prd = (Prd_inf*)LNK_DAT(n);
        delete prd->Photo;
        delete prd->Draft;
        _del_all_(&prd->pdt);
    }
    _del_all_(&prd_lst);
    for (Lnk_inf* n = _nxt_lnk_(&cgp_lst, nullptr); n; n = _nxt_lnk_(&cgp_lst, n))
        _del_all_(&((Cgp_inf*)LNK_DAT(n))->cdt);
    _del_all_(&cgp_lst);
    _del_all_(&ppl_lst);
    _del_all_(&cds_lst);
    for (Lnk_inf* n = _nxt_lnk_(&rpd_lst, nullptr); n; n = _nxt_lnk_(&rpd_lst, n))
        delete ((Rpd_inf*)LNK_DAT(n))->Photo;
    _del_all_(&rpd_lst);
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
    rps_tbl[0] = {Lbl_Rp1, Pnl_Rp1, Img_Rp1, rps_tbl[0].rpd, Btn_St11, Btn_St12};
    rps_tbl[1] = {Lbl_Rp2, Pnl_Rp2, Img_Rp2, rps_tbl[1].rpd, Btn_St21, Btn_St22};
    clr_rpd_();
    Lbl_Lfe[6]->setText(QString());
    const char* checks[6] = {"",
                             "① フランジ部及び本体からの漏れがないか?",
                             "② フランジが極端に錆びていないか?",
                             "③ 加圧された際に、ボルトが本体に接触していないか?",
                             "④ 許容変位をこえていないか?",
                             ""};
    for (int i = 0; i < 6; ++i) {
        Lbl_Chk[3 + i]->setText(qt_from_sjis(checks[i]));
        Lbl_Chk[3 + i]->adjustSize();
    }

    int ok = 1;
    try {
        jpg_img = new TJPEGImage();
        ok = opn_dbs_();
    } catch (...) {
        MessageBoxA(this, "イメージ生成に失敗しました。", "メモリ不足", MB_OK | MB_ICONERROR);
        jpg_img = nullptr;
        ok = 0;
    }
    if (!ok) {
        MessageBoxA(this, "データベースに接続できません。", "DB接続エラー", MB_OK | MB_ICONERROR);
        Close();
        return;
    }

    _clr_mem_(&pip_lst, sizeof pip_lst);
    _clr_mem_(&prd_lst, sizeof prd_lst);
    _clr_mem_(&cgp_lst, sizeof cgp_lst);
    _clr_mem_(&ppl_lst, sizeof ppl_lst);
    _clr_mem_(&cds_lst, sizeof cds_lst);
    _clr_mem_(&rpd_lst, sizeof rpd_lst);
    ok = lod_plc_(&pip_lst) && lod_pdt_(&prd_lst) && lod_cdt_(&cgp_lst) && lod_ppl_(&ppl_lst) && lod_cds_(&cds_lst) &&
         lod_rpd_(&rpd_lst);
    if (!ok) {
        MessageBoxA(this, "データベースの情報取得に失敗しました。", "DB接続エラー", MB_OK | MB_ICONERROR);
        Close();
        return;
    }

    set_pip_(&pip_lst);
    if (closed_)
        return;
    if (!get_ver_(version_texts.pvr, HInstance))
        strcpy(version_texts.pvr, "???");
    if (!lod_ver_(version_texts.dvr))
        strcpy(version_texts.dvr, "???");
}

void TFrm_Man::FormClose(QObject*)
{
    cls_dbs_();
    free_streams_and_children();
    del_grd_(&grd_lst);
    delete jpg_img;
    jpg_img = nullptr;
    // The list items and related-product slots still point at the freed rows:
    // input that arrives while the window goes must not reach their handlers.
    setEnabled(false);
}

// The teardown runs at once, so that a caller in the middle of the start
// sequence finds the database closed; the window itself goes when the event
// loop next turns.
void TFrm_Man::Close()
{
    if (closed_)
        return;
    closed_ = true;
    FormClose(this);
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TFrm_Man::closeEvent(QCloseEvent* event)
{
    if (!closed_) {
        closed_ = true;
        FormClose(this);
    }
    event->accept();
}

void TFrm_Man::mouseMoveEvent(QMouseEvent* event)
{
    FormMouseMove(this, event->modifiers(), event->position().toPoint().x(), event->position().toPoint().y());
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
