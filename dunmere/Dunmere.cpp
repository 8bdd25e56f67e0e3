// Dunmere's entry: started by Parvell with a nominal diameter; one instance
// per session, three forms, the message loop.
#include "Dunmere.h"

#include <exception>
#include <string>

#include <platform/application.h>
#include <platform/findwindow.h>
#include <platform/msgbox.h>
#include <platform/mutex.h>
#include <platform/programs.h>
#include <platform/qt_japanese.h>
#include <platform/shell.h>

#include "Dunmere_forms.h"
#include "Frm_mans.h"

int dunmere_main(int argc, char** argv)
{
    const std::string command_line = command_line_of_args(argc, argv);
    TApplication application(argc, argv);
    install_qt_japanese();
    if (command_line.empty() || !FindWindowA(nullptr, parvell_caption)) {
        MessageBoxA(nullptr, "この実行ファイルは単体では起動しません。\n\rParvell.exeを実行して下さい。", "",
                    MB_ICONINFORMATION);
        return 1;
    }
    keep_command_line(command_line.c_str());
    HANDLE mutex = take_single_instance("Dunmere");
    if (!mutex)
        return 1;
    try {
        Application->Initialize();
        Application->Title = "Merrowflex耐用年数計算システム";
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
