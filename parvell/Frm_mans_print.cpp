// The print button of the main window: the calculation sheet of what it shows.
#include <QByteArray>

#include <platform/msgbox.h>
#include <platform/qt_text.h>

#include "calculation_sheet.h"
#include "Frm_mans.h"

void TFrm_Man::Btn_PrtClick(QObject*)
{
    // Both lookups come first: without a selected size the list's index error
    // is raised before anything is disabled.
    Prd_inf* prd = (Prd_inf*)Lbx_Prd->Object(Lbx_Prd->ItemIndex());
    Pdt_inf* pdt = (Pdt_inf*)Lbx_Pdt->Object(Lbx_Pdt->ItemIndex());
    setEnabled(false);
    int result;
    {
        const QByteArray ans = qt_to_sjis(Edt_Ans->text());
        result = prt_sht_(prd, pdt, &grd_lst, ans.constData());
    }
    if (result == 0) {
        MessageBoxA(this, "プリンター初期化に失敗しました。", "メモリ不足", MB_OK | MB_ICONERROR);
        Close();
    }
    // A closed window keeps its teardown's guard: its rows are freed already.
    if (!closed_) {
        setEnabled(true);
        // The wait dialog had the activation: the form takes it back.
        activateWindow();
        setFocus();
    }
}
