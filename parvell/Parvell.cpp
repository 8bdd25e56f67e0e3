// Parvell: one instance per session, five forms, the message loop.
#include <exception>

#include <platform/application.h>
#include <platform/lasterror.h>
#include <platform/mutex.h>

#include "Frm_adbs.h"
#include "Frm_mans.h"
#include "Frm_slcs.h"
#include "Frm_vers.h"
#include "Frm_waits.h"

int main(int argc, char** argv)
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Parvell");
    if (GetLastError() != 0)
        return 1;
    TApplication application(argc, argv);
    try {
        Application->Initialize();
        Application->Title = "ゴム製品耐用年数計算システム";
        Application->CreateForm(Frm_Man);
        Application->CreateForm(Frm_Wait);
        Application->CreateForm(Frm_Ver);
        Application->CreateForm(Frm_Adb);
        Application->CreateForm(Frm_Slc);
        Application->Run();
    } catch (const std::exception& error) {
        Application->ShowException(error);
    } catch (...) {
        Application->ShowException("");
    }
    ReleaseMutex(mutex);
    return 0;
}
