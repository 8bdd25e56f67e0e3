// How long Parvell takes from the start of its process to the first result:
// the application, the five forms, the database opened and loaded, the
// cascade run and the first service life shown. Run in a folder holding
// Parvell.mdb; prints the figures, judges nothing.
#include <stdio.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include <QApplication>

#include <platform/application.h>
#include <platform/msgbox.h>
#include <platform/qt_text.h>

#include "Frm_mans.h"
#include "Parvell_forms.h"

namespace {

double seconds_now()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// When the kernel started this process, on the monotonic clock's scale.
double process_started()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        fields >> field;  // field 22: start time in clock ticks since boot
    timespec boot;
    clock_gettime(CLOCK_BOOTTIME, &boot);
    double since_boot_now = boot.tv_sec + boot.tv_nsec / 1e9;
    double age = since_boot_now - std::stod(field) / sysconf(_SC_CLK_TCK);
    return seconds_now() - age;
}

}  // namespace

int main(int argc, char** argv)
{
    double started = process_started();
    double entered = seconds_now();
    TApplication application(argc, argv);
    MessageBoxRecorder boxes;
    Application->Title = "ゴム製品耐用年数計算システム";
    create_forms();
    Frm_Man->show();
    double shown = seconds_now();
    if (!boxes.boxes().empty() || Frm_Man->Edt_Ans->text().isEmpty()) {
        fprintf(stderr, "no first result (is Parvell.mdb in the current folder?)\n");
        return 1;
    }
    printf("process start to main:        %6.1f ms (clock ticks of %ld ms)\n", (entered - started) * 1000,
           1000 / sysconf(_SC_CLK_TCK));
    printf("main to first result:         %6.1f ms\n", (shown - entered) * 1000);
    printf("process start to first result: %6.1f ms (target 300 ms)\n", (shown - started) * 1000);
    printf("first result: %s\n", Frm_Man->Edt_Ans->text().toUtf8().constData());
    Frm_Man->close();
    return 0;
}
