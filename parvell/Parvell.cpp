// Parvell: one instance per session, five forms, the message loop.
#include <stdio.h>

#include <exception>

#include <platform/application.h>
#include <platform/lasterror.h>
#include <platform/mutex.h>
#include <platform/qt_japanese.h>

#include "Frm_mans.h"
#include "Parvell_forms.h"

int main(int argc, char** argv)
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Parvell");
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS)
        return 1;  // another Parvell runs: it ends silently
    if (error != 0) {
        fprintf(stderr,
                "Parvell: no private session folder can be used "
                "($XDG_RUNTIME_DIR/velmora or /tmp/velmora-<uid>), so a second start "
                "could not be told apart\n");
        return 1;
    }
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
