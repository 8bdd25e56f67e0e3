// How long one calculation sheet takes from the click on the print button to
// the PDF file written, for the first product and size as the window shows
// them at start. Run in a folder holding Parvell.mdb:
//   parvell_sheet_bench SHEET.pdf [RUNS]
// Prints the figures, judges nothing; the file holds the last sheet.
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <vector>

#include <platform/application.h>
#include <platform/msgbox.h>

#include "Frm_mans.h"
#include "Parvell_forms.h"

namespace {

double seconds_now()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: parvell_sheet_bench SHEET.pdf [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
    setenv("TOLVANE_PDF", argv[1], 1);
    TApplication application(argc, argv);
    MessageBoxRecorder boxes;
    Application->Title = "ゴム製品耐用年数計算システム";
    create_forms();
    Frm_Man->show();
    if (!boxes.boxes().empty() || Frm_Man->Edt_Ans->text().isEmpty()) {
        fprintf(stderr, "no first result (is Parvell.mdb in the current folder?)\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double clicked = seconds_now();
        Frm_Man->Btn_Prt->click();
        times.push_back((seconds_now() - clicked) * 1000);
        if (!boxes.boxes().empty()) {
            fprintf(stderr, "the sheet could not be printed to %s\n", argv[1]);
            return 1;
        }
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    printf("click to PDF, first sheet:  %6.1f ms\n", times.front());
    printf("click to PDF, median of %d: %6.1f ms (goal 200 ms)\n", runs, sorted[sorted.size() / 2]);
    Frm_Man->close();
    return 0;
}
