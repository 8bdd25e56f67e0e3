#include "parvell_app.h"

#include <unistd.h>

#include <QMouseEvent>
#include <QTest>

#include <platform/qt_text.h>

#include "Frm_adbs.h"
#include "Frm_slcs.h"
#include "Frm_vers.h"
#include "Frm_waits.h"
#include "Parvell_forms.h"

std::string sample_folder()
{
    return SAMPLE_DIR;
}

void ParvellApp::start(const std::string& folder)
{
    char cwd[4096];
    old_folder_ = getcwd(cwd, sizeof cwd) ? cwd : ".";
    ASSERT_EQ(chdir(folder.c_str()), 0) << folder;
    app_ = std::make_unique<TApplication>(argc_, argv_);
    boxes_ = std::make_unique<MessageBoxRecorder>();
    Application->Initialize();
    Application->Title = "ゴム製品耐用年数計算システム";
    create_forms();
    Frm_Man->show();
    pump();
}

void ParvellApp::close_main()
{
    Frm_Man->Btn_Cls->click();
    pump();
}

ParvellApp::~ParvellApp()
{
    if (app_) {
        // Every way of ending runs the teardown once; a window still open
        // closes here so that nothing it holds outlives the test.
        if (Frm_Man->isVisible())
            Frm_Man->close();
        pump();
        boxes_.reset();
        app_.reset();
        Frm_Man = nullptr;
        Frm_Wait = nullptr;
        Frm_Ver = nullptr;
        Frm_Adb = nullptr;
        Frm_Slc = nullptr;
    }
    if (!old_folder_.empty() && chdir(old_folder_.c_str()) != 0)
        ADD_FAILURE() << "cannot return to " << old_folder_;
}

void ParvellApp::pump()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

std::vector<std::string> ParvellApp::box_texts() const
{
    std::vector<std::string> texts;
    for (const auto& box : boxes_->boxes())
        texts.push_back(box.caption + ": " + box.text);
    return texts;
}

std::vector<TStringGrid*> ParvellApp::grids()
{
    std::vector<TStringGrid*> result;
    for (Lnk_inf* n = _nxt_lnk_(&grd_lst, nullptr); n; n = _nxt_lnk_(&grd_lst, n))
        result.push_back(*(TStringGrid**)LNK_DAT(n));
    return result;
}

void ParvellApp::click_item(TListBox* list, int index)
{
    QRect rect = list->visualItemRect(list->item(index));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}
