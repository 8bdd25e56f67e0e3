// A program without its emblem: the sheet ends after the frame, title and
// model line with result 2; the job and the wait dialog are still closed.
#include "Frm_waits.h"
#include "calculation_sheet.h"
#include "dunmere_app.h"
#include "testsupport/files.h"
#include "testsupport/print_journal.h"

namespace {

class SheetWithoutEmblem : public DunmereApp {};

TEST_F(SheetWithoutEmblem, EndsAfterTheHeadingWithResult2)
{
    start("100");
    TempFolder dir;
    Sht_inf sheet = {10, " 約 37年 7ヶ月"};
    const std::string text = journal_of(dir.file("sheet.pdf"), dir.file("journal.txt"),
                                        [&] { EXPECT_EQ(prt_sht_(fnd_jnt_(100, 3), &sheet, Frm_Man->Img_drw), 2); });
    std::vector<std::string> expected = {"ini_prt_"};
    expected.insert(expected.end(), 8, "prt_lin_");
    expected.insert(expected.end(), {"prt_rct_", "prt_txt_", "prt_txt_", "end_prt_"});
    EXPECT_EQ(journal_calls(text), expected) << text;
    EXPECT_NE(text.find(u8"str=\"Merrowflex ( 100A×150L )\""), std::string::npos);
    EXPECT_FALSE(Frm_Wait->isVisible());
    EXPECT_TRUE(boxes_->boxes().empty());
}

}  // namespace
