// Dunmere's main window: diameter, sink and starts per day in, the fatigue
// life out, and the print button that hands both to the sheet.
#ifndef DUNMERE_FRM_MANS_H
#define DUNMERE_FRM_MANS_H

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <platform/controls/bit_btn.h>
#include <platform/controls/image.h>
#include <platform/controls/panel.h>
#include <platform/programs.h>
#include <platform/sysmenu.h>

#include "Comboboxooo.h"
#include "Editooo.h"

// What the sheet prints beside the table row: the inputs at the click.
struct Sht_inf {
    int32_t stt_cnt;   // pump starts per day
    char ans_txt[64];  // the result text
};
static_assert(offsetof(Sht_inf, ans_txt) == 4 && sizeof(Sht_inf) == 68, "count, then the text");

class TFrm_Man : public QWidget, public MessageWindow {
    Q_OBJECT
public:
    explicit TFrm_Man(QWidget* owner = nullptr);
    ~TFrm_Man() override;

    QGroupBox* Grp_Prm;
    QLabel* Lbl_Min;
    QLabel* Lbl_Max;
    QLabel* Lbl_Len;
    TPanel* Pnl_Dia;
    TPanel* Pnl_Dwn;
    TPanel* Pnl_Stt;
    TEditooo* Edt_Stt;
    TPanel* Pnl_Prm;
    QGroupBox* Grp_Ans;
    TPanel* Pnl_Ans;
    TComboBoxooo* Cmb_Dia;
    TPanel* Pnl_Lfe;
    TEditooo* Edt_Ans;
    TBitBtn* Btn_Cls;
    TComboBoxooo* Cmb_Dwn;
    QLabel* Label1;
    QGroupBox* GroupBox1;
    QLabel* Lbl_Lfe3;
    QLabel* Label2;
    TBitBtn* Btn_Prt;
    TBitBtn* Btn_Clc;
    TImage* Img_drw;  // hidden: the coupling drawing that the sheet prints

    void FormShow(QObject* sender);
    void Btn_ClcClick(QObject* sender);
    void Btn_PrtClick(QObject* sender);
    void Btn_ClsClick(QObject* sender);

    void ShowVersion();
    // Opens the version dialog on the system menu's version entry.
    void WndProc(TMessage& message) override;
    void Close() { close(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build_form();
    bool shown_ = false;
};

extern TFrm_Man* Frm_Man;

#endif
