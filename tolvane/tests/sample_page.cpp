// Writes the test page to a PDF file and reports how long the job took:
//   tolvane_sample_page OUT.pdf [PAGES]
// Each page is a whole job (ini_prt_, 150 elements, end_prt_); the first job
// also pays for the library's start (application object, fonts).
#include <stdio.h>
#include <stdlib.h>

#include <chrono>

#include "records.h"
#include "test_page.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s OUT.pdf [PAGES]\n", argv[0]);
        return 2;
    }
    setenv("TOLVANE_PDF", argv[1], 1);
    const int pages = argc > 2 ? atoi(argv[2]) : 1;
    for (int i = 0; i < pages; ++i) {
        auto start = std::chrono::steady_clock::now();
        Prt_ini ini = job_record("試験印刷");
        if (ini_prt_(&ini) != 1) {
            fprintf(stderr, "%s: the job did not open\n", argv[1]);
            return 1;
        }
        int drawn = emit_test_page();
        int ended = end_prt_(&ini);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        printf("page %d: %d of %d elements drawn, %s, %.1f ms\n", i + 1, drawn, test_page_elements,
               ended == 1 ? "written" : "NOT written", ms);
        if (drawn != test_page_elements || ended != 1)
            return 1;
    }
    return 0;
}
