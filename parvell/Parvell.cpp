// Parvell: one instance per session, five forms, the message loop.
#include <exception>

#include <platform/application.h>
#include <platform/mutex.h>
#include <platform/qt_japanese.h>

#include "Frm_mans.h"
#include "Parvell_forms.h"

int main(int argc, char** argv)
{
    HANDLE mutex = take_single_instance("Parvell");
    if (!mutex)
        return 1;
    TApplication application(argc, argv);
    install_qt_japanese();
    try {
        Application->Initialize();
        Application->Title = "ゴム製品耐用年数計算システム";
        create_forms();
        Application->Run();
    } catch (const std::exception& error) {
        Application->ShowException(error);
    } catch (...) {
        Application->ShowException("");
    }
    ReleaseMutex(mutex);
    return 0;
}
