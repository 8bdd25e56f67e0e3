// The calculation sheet as the print button prints it: the whole journal of
// one sheet, the values of three sizes read back from the PDF, and the jobs
// that are declined or do not start.
#include <QEvent>

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include <sarnet.h>

#include "Frm_waits.h"
#include "dunmere_app.h"
#include "testsupport/pdf_probe.h"
#include "testsupport/print_journal.h"

#include <sheet_records.h>

// The sheets of this test are printed on 5 March 2024 at 9:07.
void now_dte_(Dte_inf* out)
{
    *out = {2024, 3, 5, 9, 7, 41, 500};
}

namespace {

class DunmereSheet : public DunmereApp {
protected:
    // Presses 印刷 with the output going to pdf (none: the print dialog)
    // and the calls to the journal; answers the journal.
    std::string print(const std::string& pdf)
    {
        return journal_of(pdf, journal, [] {
            Frm_Man->Btn_Prt->click();
            pump();
        });
    }

    // The words of the quantity column's rows ③ to ⑥, top to bottom.
    static std::vector<std::string> quantities(const std::string& pdf)
    {
        std::vector<Word> words = pdf_words(pdf);
        std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.y1 < b.y1; });
        std::vector<std::string> found;
        for (const Word& word : words)
            if (word.x1 > 162 && word.x2 < 172 && word.y1 > 79 && word.y2 < 98)
                found.push_back(word.text);
        return found;
    }

    // The space between the colon of the result line and the result text (mm).
    static double result_gap(const std::string& pdf)
    {
        std::vector<Word> words = pdf_words(pdf);
        for (size_t i = 0; i + 1 < words.size(); ++i)
            if (words[i].text == ":" && words[i].y1 > 154 && words[i].y2 < 164)
                return words[i + 1].x1 - words[i].x2;
        ADD_FAILURE() << "no result line";
        return 0;
    }

    TempFolder dir;
    std::string journal = dir.file("journal.txt");
    std::string pdf = dir.file("sheet.pdf");
};

// Checked element by element against the sheet's tables once, by hand: the
// frame, title, model line, emblem and drawing, the parts table, conditions
// and results, notes, cautions and footer in their order, with every
// coordinate, pen, fill, font size and placement code.
TEST_F(DunmereSheet, TheWholeSheetOf100A3mmAnd10StartsCallByCall)
{
    start("100");
    const std::string printed = print(pdf);
    // DUNMERE_GOLDEN_WRITE=1 writes the journal anew, to be checked by hand again.
    if (getenv("DUNMERE_GOLDEN_WRITE"))
        std::ofstream(GOLDEN_JOURNAL, std::ios::binary) << printed;
    EXPECT_EQ(printed, read_file(GOLDEN_JOURNAL));
    EXPECT_TRUE(boxes_->boxes().empty());
    EXPECT_TRUE(Frm_Man->isEnabled());
    EXPECT_TRUE(Frm_Man->isVisible());
    // DUNMERE_SHEET=file.pdf keeps the sheet.
    if (const char* keep = getenv("DUNMERE_SHEET")) {
        EXPECT_EQ(system(("cp '" + pdf + "' '" + keep + "'").c_str()), 0);
    }
}

// Three sizes: as the program starts, changed without a click (the size's
// values with the result shown before), and computed anew.
TEST_F(DunmereSheet, ThePdfShowsTheSizesValuesAndTheResultAsItStands)
{
    const struct {
        std::function<void()> set;
        std::vector<const char*> texts;
        std::vector<std::string> quantities;
    } cases[] = {
        {[] {},
         {"Merrowflex ( 100A×150L )", "max 120℃", "max 0.98MPa", "3mm", "10回", "推定繰返し寿命回数 : 137,339回",
          "推定耐用年数 :", "約 37年 7ヶ月", "2024/03/05 09:07", "PV[???]"},
         {"6", "3", "6", "6"}},
        {[] {
             Frm_Man->Cmb_Dia->setCurrentText("300");
             Frm_Man->Cmb_Dwn->setCurrentText("1");
         },
         {"Merrowflex ( 300A×200L )", "max 0.78MPa", "1mm", "推定繰返し寿命回数 : 1,069,169回", "約 37年 7ヶ月"},
         {"8", "4", "8", "8"}},
        {[] { compute("65", "5", "0"); },
         {"Merrowflex ( 65A×150L )", "0回", "推定繰返し寿命回数 : 42,387回", "約 42387回"},
         {"4", "2", "4", "4"}},
    };
    start("100");
    for (const auto& c : cases) {
        c.set();
        print(pdf);
        const std::string text = pdf_text(pdf);
        for (const char* expected : c.texts)
            EXPECT_NE(text.find(sjis_to_utf8(expected)), std::string::npos) << sjis_to_utf8(expected);
        EXPECT_EQ(quantities(pdf), c.quantities) << sjis_to_utf8(c.texts[0]);
        EXPECT_GT(result_gap(pdf), 3.5) << "two half-width blanks of 12 pt, 4.2 mm";
    }
    EXPECT_TRUE(boxes_->boxes().empty());
}

// Counts the showings of the wait dialog.
class Showings : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Show;
        return false;
    }
};

TEST_F(DunmereSheet, ADeclinedJobIsClosedAtOnceAndAJobThatCannotStartEndsTheProgram)
{
    start("100");
    Showings waits;
    Frm_Wait->installEventFilter(&waits);
    // Another job still open: declined with 3.
    setenv("TOLVANE_PDF", dir.file("other.pdf").c_str(), 1);
    char other_name[] = "other";
    Prt_ini other;
    fill_job_record(&other, other_name);
    ASSERT_EQ(ini_prt_(&other), 1);
    std::string calls = print(pdf);
    end_prt_(&other);
    EXPECT_EQ(calls.substr(0, calls.find(' ')), "ini_prt_");
    EXPECT_NE(calls.find("-> 3\nend_prt_ "), std::string::npos) << calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), '\n'), 2) << calls;
    EXPECT_EQ(waits.count, 0);
    EXPECT_TRUE(boxes_->boxes().empty());
    EXPECT_TRUE(Frm_Man->isEnabled());

    // An output that cannot be opened: 0, no further call, the box, the end.
    calls = print(dir.file("no such folder/sheet.pdf"));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), '\n'), 1) << calls;
    EXPECT_NE(calls.find("-> 0\n"), std::string::npos) << calls;
    EXPECT_EQ(waits.count, 0);
    ASSERT_EQ(boxes_->boxes().size(), 1u);
    EXPECT_EQ(boxes_->boxes()[0].text, "プリンター初期化に失敗しました。");
    EXPECT_EQ(boxes_->boxes()[0].caption, "メモリ不足");
    EXPECT_EQ(boxes_->boxes()[0].type, (UINT)MB_ICONERROR);
    EXPECT_EQ(boxes_->boxes()[0].owner, Frm_Man);
    EXPECT_FALSE(Frm_Man->isVisible());
}

}  // namespace
