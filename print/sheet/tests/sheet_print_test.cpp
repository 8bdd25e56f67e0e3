#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>

#include <sheet_pictures.h>
#include <sheet_records.h>

#include "testsupport/files.h"
#include "testsupport/print_journal.h"

namespace {

const std::string text_tail = u8"fnt_nam=\"ＭＳ ゴシック\"";

// One job into a PDF with a journal; answers the journal's text.
std::string journal_of_job(const TempFolder& dir, const std::function<void()>& elements)
{
    return journal_of(dir.file("sheet.pdf"), dir.file("journal.txt"), [&] {
        char doc[] = "試験";
        Prt_ini ini;
        fill_job_record(&ini, doc);
        EXPECT_EQ(ini_prt_(&ini), 1);
        elements();
        end_prt_(&ini);
    });
}

}  // namespace

// The heading both sheets share, the emblem, and picture steps that fail:
// a failure emits nothing and answers 0.
TEST(SheetPrint, HeadingAndPictures)
{
    TempFolder dir;
    int emblem = -1, missing = -1, raising = -1, empty = -1;
    const std::string journal = journal_of_job(dir, [&] {
        print_sheet_heading("表題", "製品 ( 50A×100 )");
        emblem = print_picture(149, 27, 46, 5.9595, [] { return bitmap_from_resource(HInstance, "EMBLEM"); });
        missing = print_picture(1, 2, 3, 4, [] { return bitmap_from_resource(HInstance, "NOSUCH"); });
        raising = print_picture(1, 2, 3, 4, []() -> TGraphic { throw std::bad_alloc(); });
        empty = print_picture(1, 2, 3, 4, [] { return bitmap_from_jpeg(TJPEGImage()); });
    });
    EXPECT_EQ(emblem, 1);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(raising, 0);
    EXPECT_EQ(empty, 0);

    // The heading's eleven elements (Parvell's sample sheet holds them one
    // by one), then the emblem alone: the failed pictures emitted nothing.
    EXPECT_EQ(std::count(journal.begin(), journal.end(), '\n'), 14);
    EXPECT_NE(journal.find(u8"str=\"製品 ( 50A×100 )\" aln_hrz=5 aln_vrt=5 " + text_tail + " fnt_siz=14"),
              std::string::npos);
    EXPECT_NE(journal.find("prt_grf_ x=149 y=27 wid=46 hgt=5.9595 mod=1 pic=165x22 -> 1\nend_prt_ "), std::string::npos)
        << journal;
}

// Bounded texts: cut before the last whole character, never inside a
// double-byte one; the date line with its leading zeros.
TEST(SheetPrint, FormattedTextsStayInTheirBuffers)
{
    char out[8];
    memset(out, 'x', sizeof out);
    EXPECT_EQ(format_text(out, sizeof out, "%s", "abcdefghijk"), 7);
    EXPECT_STREQ(out, "abcdefg");
    // "ゴム製品" is eight bytes: in eight, the last character no longer fits whole.
    EXPECT_EQ(format_text(out, sizeof out, "%s", "ゴム製品"), 6);
    EXPECT_STREQ(out, "ゴム製");
    EXPECT_EQ(format_text(out, sizeof out, "a%s", "ゴム製品"), 7);
    EXPECT_STREQ(out, "aゴム製");
    EXPECT_EQ(format_text(out, 1, "%d", 12), 0);
    EXPECT_STREQ(out, "");

    Dte_inf when = {2024, 3, 5, 9, 7, 0, 0};
    char line[64];
    format_date_line(line, sizeof line, &when);
    EXPECT_STREQ(line, "2024/03/05 09:07");
}
