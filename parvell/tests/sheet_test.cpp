// The calculation sheet printed through the print library into a PDF, read
// back from the library's journal and with poppler.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <algorithm>
#include <fstream>
#include <regex>

#include <QApplication>
#include <QTest>

#include <platform/charset.h>
#include <testsupport/pdf_probe.h>
#include <testsupport/print_journal.h>

#include "calculation_sheet.h"
#include "Frm_waits.h"
#include "parvell_on_db.h"

// Token lists that cannot be built, while the flag is set (as when memory
// runs out); otherwise Quillon's own.
bool fail_token_lists = false;

extern "C" int _get_tkn_(Lnk_inf* head, int* count, const char* text, const char* sep)
{
    using Tokens = int (*)(Lnk_inf*, int*, const char*, const char*);
    static const Tokens quillon = (Tokens)dlsym(RTLD_NEXT, "_get_tkn_");
    if (!fail_token_lists)
        return quillon(head, count, text, sep);
    _ini_lnk_(head);
    if (count)
        *count = 0;
    return 0;
}

namespace {

// The texts after `first` (exclusive), up to `count` of them.
std::vector<std::string> texts_after(const std::vector<std::string>& texts, const std::string& first, size_t count)
{
    auto at = std::find(texts.begin(), texts.end(), first);
    EXPECT_NE(at, texts.end()) << first;
    if (at == texts.end())
        return {};
    ++at;
    return std::vector<std::string>(at, at + std::min<ptrdiff_t>(count, texts.end() - at));
}

// Prints what the main window shows through its button into the folder's
// sheet.pdf; answers the journal.
class SheetPrinting : public ParvellOnDb {
protected:
    std::string print_journal()
    {
        const std::string journal = journal_of(pdf(), folder.file("journal.txt"), [] {
            Frm_Man->Btn_Prt->click();
            pump();
        });
        EXPECT_TRUE(Frm_Man->isEnabled());
        return journal;
    }
    std::string pdf() const { return folder.file("sheet.pdf"); }
    // Prints the sheet of the selected size straight; answers the journal.
    std::string print_sheet(const char* ans, int expected_result)
    {
        return journal_of(pdf(), folder.file("sheet.txt"),
                          [&] { EXPECT_EQ(prt_sht_(product(), size(), &grd_lst, ans), expected_result); });
    }

    // Selects the product with the ID, as a user's click does.
    static void select_product(int id)
    {
        TListBox* list = Frm_Man->Lbx_Prd;
        for (int i = 0; i < list->Count(); ++i)
            if (((Prd_inf*)list->Object(i))->ID == id)
                return click_item(list, i);
        ADD_FAILURE() << "no product " << id;
    }
    static Prd_inf* product() { return (Prd_inf*)Frm_Man->Lbx_Prd->Object(Frm_Man->Lbx_Prd->ItemIndex()); }
    static Pdt_inf* size() { return (Pdt_inf*)Frm_Man->Lbx_Pdt->Object(Frm_Man->Lbx_Pdt->ItemIndex()); }
};

// The sample database's first product, as the window shows it at start.
class SampleSheet : public SheetPrinting {
protected:
    void SetUp() override { start(sample_folder()); }
};

// The whole sheet element by element. The expected journal was checked once
// by hand against the sheet's layout (every coordinate, pen, fill, size,
// placement and text); the date line is masked.
TEST_F(SampleSheet, JournalAndPdfHoldTheWholeSheet)
{
    std::string journal = print_journal();
    journal = std::regex_replace(journal, std::regex("str=\"[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}\""),
                                 "str=\"<date>\"");
    const std::string expected = read_file(SAMPLE_SHEET_JOURNAL);
    EXPECT_EQ(journal, expected);
    if (journal != expected)  // left in the build folder to compare
        std::ofstream(SHEET_TEST_OUTPUT "/sample_sheet.journal.actual", std::ios::binary) << journal;
    EXPECT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    EXPECT_EQ(QApplication::activeWindow(), Frm_Man);
    EXPECT_TRUE(Frm_Man->hasFocus());
    EXPECT_FALSE(Frm_Wait->isVisible());

    const std::string text = pdf_text(pdf());
    for (const char* key : {u8"ゴム製品耐用年数計算書", u8"部品表", u8"ご使用条件", u8"推定耐用年数 :",
                            u8"耐用年数について", u8"定期点検について", u8"④ 許容変位をこえていないか?", "PV["}) {
        EXPECT_NE(text.find(key), std::string::npos) << key;
    }
}

// A job that cannot start (a PDF in a missing folder): the box, then the
// window closes.
TEST_F(SampleSheet, AnAnswerZeroIsReportedAndEndsTheProgram)
{
    const std::string journal =
        journal_of(folder.file("missing/sheet.pdf"), folder.file("journal.txt"), [] { Frm_Man->Btn_Prt->click(); });
    EXPECT_EQ(journal_calls(journal), std::vector<std::string>{"ini_prt_"});
    ASSERT_EQ(boxes_->boxes().size(), 1u);
    const ShownMessageBox& box = boxes_->boxes()[0];
    EXPECT_EQ(box.caption + ": " + box.text, "メモリ不足: プリンター初期化に失敗しました。");
    EXPECT_EQ(box.type, (UINT)(MB_OK | MB_ICONERROR));
    EXPECT_EQ(box.owner, Frm_Man);
    pump();
    EXPECT_FALSE(Frm_Man->isVisible());
}

// A small catalogue for the edge cases of the parts table, the conditions
// and the drawing.
class SheetCases : public SheetPrinting {
protected:
    void SetUp() override
    {
        db.add("Mst_Pipe", {{"ID", 1}, {"Name", "pipe"}});
        db.add("Mst_Place", {{"ID", 10}, {"Mst_PipeID", 1}, {"Name", "place"}});
        std::string fifteen;
        for (int i = 1; i <= 15; ++i)
            fifteen += (i > 1 ? "," : "") + std::to_string(i);
        add_product(1, "three", "A,B,C", "m1,m2,m3", "1,2,3");
        add_product(2, "none", "A", "m1", "");
        add_product(3, "fifteen", fifteen, fifteen, fifteen);
        add_product(4, "gaps", "A,,B", "m1,m2", "1,2,3");
        add_product(5, "broken", "A", "m1", "1", jetwriter::Bytes{'n', 'o', 't', ' ', 'j', 'p', 'g'});
        add_product(6, "nine", "A", "m1", "1");
        add_product(7, "drawn", "A", "m1", "1", jpeg_picture(0, 0, 0, 4000, 3200));
        // Product 1 has one grid, product 6 nine; the others none.
        db.add("Mst_ConditionGroup", {{"ID", 1}, {"Detail", "g1"}});
        add_condition(db, 100, 1, "c1", 1.0);
        show_condition(db, 100, 100, 1);
        for (int g = 1; g <= 9; ++g) {
            if (g > 1)
                db.add("Mst_ConditionGroup", {{"ID", g}, {"Detail", "g" + std::to_string(g)}});
            const int id = 600 + g;
            if (g == 1)
                add_condition(db, id, g, "%.1f mm", 1.0, 1, 2.0);  // 2 x min(40, 25)
            else if (g == 2)
                add_condition(db, id, g, "50% %d", 1.0, 7, 3.0);  // no format
            else
                add_condition(db, id, g, ("c" + std::to_string(g)).c_str(), 1.0);
            show_condition(db, id, id, 6);
        }
        start_db();
        ASSERT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    }

    void add_product(int id, const char* name, const std::string& parts, const std::string& materials,
                     const std::string& counts, jetwriter::Value draft = jetwriter::Value())
    {
        db.add("Mst_Product", {{"ID", id},
                               {"Name", name},
                               {"Life", 10.0},
                               {"PartName", parts},
                               {"MaterialName", materials},
                               {"PartCnt", counts},
                               {"Draft", draft}});
        db.add("Mst_ProductDetail", {{"ID", id},
                                     {"Mst_ProductID", id},
                                     {"Diameter", "50A"},
                                     {"Length", "100"},
                                     {"MX", 40.0},
                                     {"PX", 25.0},
                                     {"Y", 3.0},
                                     {"Press", 1.5}});
        db.add("Mst_ProductPlace", {{"ID", id}, {"Mst_PlaceID", 10}, {"Mst_ProductID", id}});
    }

    // The 44 cells of the parts table, row by row.
    std::vector<std::string> parts_of(int id)
    {
        select_product(id);
        return texts_after(journal_texts(print_journal()), u8"数量", 44);
    }
    static std::vector<std::string> dashes(int rows) { return std::vector<std::string>(4 * rows, u8"―"); }
    static std::vector<std::string> join(std::vector<std::string> a, const std::vector<std::string>& b)
    {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

TEST_F(SheetCases, PartsRowsFollowTheCountList)
{
    EXPECT_EQ(parts_of(1), join({u8"①", "A", "m1", "1", u8"②", "B", "m2", "2", u8"③", "C", "m3", "3"}, dashes(8)));
    EXPECT_EQ(parts_of(2), dashes(11));
    const std::vector<std::string> fifteen = parts_of(3);
    ASSERT_EQ(fifteen.size(), 44u);
    EXPECT_EQ(std::vector<std::string>(fifteen.end() - 4, fifteen.end()),
              (std::vector<std::string>{u8"⑪", "11", "11", "11"}));
    // Empty pieces are skipped, so the names move up; a name or material
    // list that runs out before the counts leaves a dash.
    EXPECT_EQ(parts_of(4), join({u8"①", "A", "m1", "1", u8"②", "B", "m2", "2", u8"③", u8"―", u8"―", "3"}, dashes(8)));
}

TEST_F(SheetCases, ConditionRowsAndResult)
{
    // Nine grids: the first eight are printed, each with its condition text.
    select_product(6);
    ASSERT_EQ(grids().size(), 9u);
    std::vector<std::string> texts = journal_texts(print_journal());
    std::vector<std::string> rows = texts_after(texts, u8"ご使用条件", 17);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 6),
              (std::vector<std::string>{"g1", "50.0 mm", "g2", "50% %d", "g3", "c3"}));
    EXPECT_EQ(rows[14], "g8");
    EXPECT_EQ(rows[16], sjis_to_utf8("推定耐用年数 : ") + sjis_to_utf8(sjis_of(Frm_Man->Edt_Ans->text())));

    // No grid at all: the caption, then the result line at once.
    select_product(2);
    ASSERT_EQ(grids().size(), 0u);
    texts = journal_texts(print_journal());
    rows = texts_after(texts, u8"ご使用条件", 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].rfind(sjis_to_utf8("推定耐用年数 : "), 0), 0u);
}

// A drawing that is no JPEG picture ends the sheet after the emblem, and so
// does a parts table whose token lists cannot be built; no message in either
// case. (A product without a drawing prints whole, as the cases above show.)
TEST_F(SheetCases, APictureOrPartsTableThatFailsEndsTheSheet)
{
    const std::string emblem_then_end = "prt_grf_ x=149 y=27 wid=46 hgt=5.9595 mod=1 pic=165x22 -> 1\nend_prt_ ";
    select_product(1);
    fail_token_lists = true;
    const std::string failed_parts = print_sheet("x", 2);
    fail_token_lists = false;
    EXPECT_NE(failed_parts.find(emblem_then_end), std::string::npos) << failed_parts;

    select_product(5);
    const std::string journal = print_sheet("x", 2);
    EXPECT_EQ(journal.find("prt_grf_ x=29.5"), std::string::npos);
    EXPECT_EQ(journal_texts(journal).size(), 2u);  // title and product line
    EXPECT_NE(journal.find(emblem_then_end), std::string::npos) << journal;
    EXPECT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
}

// A drawing is decoded at the least size that covers its box of 70 x 56 mm
// at 600 dpi (1654 x 1323): here half its 4000 x 3200.
TEST_F(SheetCases, TheDrawingIsDecodedAtTheSizeItPrints)
{
    select_product(7);
    EXPECT_NE(print_sheet("x", 1).find("prt_grf_ x=29.5 y=50 wid=70 hgt=56 mod=1 pic=2000x1600 -> 1"),
              std::string::npos);
}

// A long result is cut to its buffer between characters.
TEST_F(SheetCases, ALongResultIsCutBetweenCharacters)
{
    select_product(1);
    // The line's 127 bytes hold the prefix (15 bytes) and 112 more: the
    // 111 'a's, and no half of the double-byte character after them.
    const std::vector<std::string> texts = journal_texts(print_sheet((std::string(111, 'a') + "年年").c_str(), 1));
    const std::string line = sjis_to_utf8("推定耐用年数 : ") + std::string(111, 'a');
    EXPECT_NE(std::find(texts.begin(), texts.end(), line), texts.end());
}

}  // namespace
