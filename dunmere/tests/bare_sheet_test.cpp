// A program without its emblem: the sheet ends after the frame, title and
// model line with result 2; the job and the wait dialog are still closed.
#include <stdlib.h>

#include "Frm_waits.h"
#include "calculation_sheet.h"
#include "dunmere_app.h"
#include "testsupport/pdf_probe.h"

namespace {

class SheetWithoutEmblem : public DunmereApp {};

TEST_F(SheetWithoutEmblem, EndsAfterTheHeadingWithResult2)
{
    start("100");
    TempFolder dir;
    const std::string journal = dir.file("journal.txt");
    setenv("TOLVANE_PDF", dir.file("sheet.pdf").c_str(), 1);
    setenv("TOLVANE_JOURNAL", journal.c_str(), 1);
    Sht_inf sheet = {10, " 約 37年 7ヶ月"};
    const int result = prt_sht_(fnd_jnt_(100, 3), &sheet, Frm_Man->Img_drw);
    unsetenv("TOLVANE_PDF");
    unsetenv("TOLVANE_JOURNAL");
    EXPECT_EQ(result, 2);

    std::vector<std::string> calls;
    std::string text = read_file(journal);
    for (size_t at = 0, end; (end = text.find(' ', at)) != std::string::npos; at = text.find('\n', at) + 1)
        calls.push_back(text.substr(at, end - at));
    std::vector<std::string> expected = {"ini_prt_"};
    expected.insert(expected.end(), 8, "prt_lin_");
    expected.insert(expected.end(), {"prt_rct_", "prt_txt_", "prt_txt_", "end_prt_"});
    EXPECT_EQ(calls, expected) << text;
    EXPECT_NE(text.find(u8"str=\"Merrowflex ( 100A×150L )\""), std::string::npos);
    EXPECT_FALSE(Frm_Wait->isVisible());
    EXPECT_TRUE(boxes_->boxes().empty());
}

}  // namespace
