// A whole job into a PDF file, as the programs run one.
#ifndef TOLVANE_PDF_JOB_H
#define TOLVANE_PDF_JOB_H

#include <stdlib.h>

#include <string>

#include <gtest/gtest.h>

#include "records.h"

// Opens a job written to `pdf`, runs `elements`, closes the job; answers what
// ini_prt_ answered.
template <typename Elements>
int print_pdf(const std::string& pdf, Elements elements, const char* doc = "試験印刷")
{
    setenv("TOLVANE_PDF", pdf.c_str(), 1);
    Prt_ini ini = job_record(doc);
    int answer = ini_prt_(&ini);
    if (answer == 1) {
        elements();
        EXPECT_EQ(end_prt_(&ini), 1);
    }
    return answer;
}

#endif
