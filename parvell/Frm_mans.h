// The main window of the calculator: selection cascade, condition grids,
// service life, related products, and the state that lives as long as it.
#ifndef PARVELL_FRM_MANS_H
#define PARVELL_FRM_MANS_H

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <quillon.h>

#include <platform/controls/bit_btn.h>
#include <platform/controls/image.h>
#include <platform/controls/list_box.h>
#include <platform/controls/panel.h>
#include <platform/controls/string_grid.h>
#include <platform/jpeg.h>
#include <platform/programs.h>
#include <platform/sysmenu.h>

#include "Ado_dbss.h"
#include "Editooo.h"

class TFrm_Man;

// One related-product slot: its controls and the row it shows (null: empty).
struct Rps_inf {
    QLabel* lbl;
    TPanel* pnl;
    TImage* img;
    Rpd_inf* rpd;
    TBitBtn* bt1;
    TBitBtn* bt2;
};

// Main-window state: zero at start, alive for the whole run.
extern Rps_inf rps_tbl[2];
extern Lnk_inf pip_lst, prd_lst, cgp_lst, ppl_lst, cds_lst, rpd_lst;
extern Lnk_inf grd_lst;
extern TJPEGImage* jpg_img;
extern TFrm_Man* Frm_Man;

// Selection cascade
void set_pip_(Lnk_inf* pip);
Ppl_inf* find_product_place(int place_id, int product_id);

// Condition grids
int mak_grd_(Lnk_inf* grd, Cgp_inf* cgp, Ppl_inf* ppl);
void pos_grd_(Lnk_inf* grd);
void del_grd_(Lnk_inf* grd);
// Paints every grid of the list again at once, for the size selected now.
void repaint_grids(Lnk_inf* grd);
// The service-life text for a life in years, formed into out[256].
void format_life(char* out, double life);

// Related products
void clr_rpd_();
Rpd_inf* fnd_rpd_(int id, Lnk_inf* rpd);
int set_rpd_(Lnk_inf* grd);
void dsp_slc_(Lnk_inf* slc);

class TFrm_Man : public QWidget, public MessageWindow {
    Q_OBJECT
public:
    explicit TFrm_Man(QWidget* owner = nullptr);
    ~TFrm_Man() override;

    TPanel* Pnl_Cdt;
    TPanel* Pnl_Ans1;
    TPanel* Pnl_Rpd1;
    TEditooo* Edt_Slc;
    TPanel* Pnl_Cdt3;
    TPanel* Pnl_Pip;
    TListBox* Lbx_Pip;
    TImage* Img_Arw1;
    TPanel* Pnl_Plc;
    TListBox* Lbx_Plc;
    TImage* Img_Arw3;
    TPanel* Pnl_Prd;
    TListBox* Lbx_Prd;
    TPanel* Pnl_Bse;
    TImage* Img_Pto;
    TImage* Img_Arw2;
    TPanel* Pnl_Pdt;
    TListBox* Lbx_Pdt;
    TPanel* Pnl_Cdt1;
    TPanel* Pnl_Cdt2;
    TPanel* Pnl_Ans2;
    TPanel* Pnl_Lfe;
    TEditooo* Edt_Ans;
    QGroupBox* Grp_Lfe;
    QGroupBox* Grp_Chk;
    QLabel* Lbl_Lfe[7];
    QLabel* Lbl_Chk[9];
    TPanel* Pnl_Rpd2;
    QLabel* Lbl_Rp1;
    QLabel* Lbl_Rp2;
    TPanel* Pnl_Rp1;
    TPanel* Pnl_Rp2;
    TImage* Img_Rp1;
    TImage* Img_Rp2;
    TBitBtn* Btn_St11;
    TBitBtn* Btn_St12;
    TBitBtn* Btn_St21;
    TBitBtn* Btn_St22;
    TBitBtn* Btn_Prt;
    TBitBtn* Btn_Cls;

    // Event handlers
    void FormShow(QObject* sender);
    void FormClose(QObject* sender);
    void Lbx_PipClick(QObject* sender);
    void Lbx_PlcClick(QObject* sender);
    void Lbx_PrdClick(QObject* sender);
    void Lbx_PdtClick(QObject* sender);
    void Img_PtoMouseMove(QObject* sender, Qt::KeyboardModifiers shift, int x, int y);
    void Lbx_PrdMouseMove(QObject* sender, Qt::KeyboardModifiers shift, int x, int y);
    void FormMouseMove(QObject* sender, Qt::KeyboardModifiers shift, int x, int y);
    void Img_PtoClick(QObject* sender);
    void Img_Rp1Click(QObject* sender);
    void Img_Rp1MouseMove(QObject* sender, Qt::KeyboardModifiers shift, int x, int y);
    void Btn_ClsClick(QObject* sender);
    void Btn_PrtClick(QObject* sender);
    void Btn_St11Click(QObject* sender);

    // Condition-grid events
    void Grd_CdtSelectCell(TStringGrid* sender, int col, int row, bool& can_select);
    void Grd_CdtClick(TStringGrid* sender);
    void Grd_CdtDrawCell(TStringGrid* sender, int col, int row, const QRect& rect, int state);

    void ShowVersion();
    // Opens the version dialog on the system menu's version entry.
    void WndProc(TMessage& message) override;
    // Closes the window: the teardown runs at once, the window goes after.
    void Close();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void build_form();
    bool shown_ = false;
    bool closed_ = false;
};

#endif
