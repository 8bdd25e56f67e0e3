#include "dunmere_app.h"

#include "Dunmere.h"
#include "Dunmere_forms.h"
#include "Frm_vers.h"
#include "Frm_waits.h"

void DunmereApp::start(const char* command_line)
{
    app_ = std::make_unique<TApplication>(argc_, argv_);
    boxes_ = std::make_unique<MessageBoxRecorder>();
    keep_command_line(command_line);
    Application->Initialize();
    Application->Title = "Merrowflex耐用年数計算システム";
    create_forms();
    Frm_Man->show();
    pump();
}

void DunmereApp::finish()
{
    if (!app_)
        return;
    if (Frm_Man->isVisible())
        Frm_Man->close();
    pump();
    boxes_.reset();
    app_.reset();
    Frm_Man = nullptr;
    Frm_Ver = nullptr;
    Frm_Wait = nullptr;
}

DunmereApp::~DunmereApp()
{
    finish();
}

void DunmereApp::pump()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void DunmereApp::compute(const char* dia, const char* dwn, const char* starts)
{
    Frm_Man->Cmb_Dia->setCurrentText(qt_from_sjis(dia));
    Frm_Man->Cmb_Dwn->setCurrentText(qt_from_sjis(dwn));
    Frm_Man->Edt_Stt->setText(qt_from_sjis(starts));
    Frm_Man->Btn_Clc->click();
}

std::string DunmereApp::result()
{
    return qt_to_sjis(Frm_Man->Edt_Ans->text()).toStdString();
}

std::string DunmereApp::heading()
{
    return qt_to_sjis(Frm_Man->Pnl_Lfe->Caption()).toStdString();
}
