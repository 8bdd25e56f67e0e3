// The print button and the sheet against a stand-in print library that this
// test program defines in place of Tolvane's calls: it answers ini_prt_ as
// the test says and records every call with what the window and the wait
// dialog were doing at that moment. The program carries no emblem, so a
// sheet that opens ends after its heading.
#include <gtest/gtest.h>

#include <string.h>

#include <QApplication>

#include <tolvane.h>

#include "calculation_sheet.h"
#include "Frm_waits.h"
#include "parvell_on_db.h"

namespace {

struct Call {
    std::string name;
    const void* record;
    bool waiting;  // the wait dialog was shown
    bool enabled;  // the main window was enabled
};

std::vector<Call> calls;
int ini_answer = 1;
bool records_cleared = true;

void record(const char* name, const void* record)
{
    calls.push_back({name, record, Frm_Wait && Frm_Wait->isVisible(), Frm_Man && Frm_Man->isEnabled()});
}

template <size_t N>
bool zero(const unsigned char (&bytes)[N])
{
    for (unsigned char b : bytes)
        if (b)
            return false;
    return true;
}

}  // namespace

int ini_prt_(Prt_ini* ini)
{
    record("ini_prt_", ini);
    records_cleared = records_cleared && zero(ini->rsv) && zero(ini->fil1) && ini->prm8 == 0;
    return ini_answer;
}

int end_prt_(Prt_ini* ini)
{
    record("end_prt_", ini);
    return 1;
}

int prt_lin_(Prt_lin* lin)
{
    record("prt_lin_", lin);
    records_cleared = records_cleared && zero(lin->fil1) && lin->lin_sty == 0;
    return 1;
}

int prt_rct_(Prt_rct* rct)
{
    record("prt_rct_", rct);
    records_cleared = records_cleared && zero(rct->fil1) && zero(rct->fil2) && rct->fil_sty == 0;
    return 1;
}

int prt_txt_(Prt_txt* txt)
{
    record("prt_txt_", txt);
    records_cleared = records_cleared && txt->atr1 == 0 && txt->atr2 == 0 && txt->atr3 == 0 && txt->atr5 == 0;
    return 1;
}

int prt_grf_(Rct_inf* box, int, TGraphic*)
{
    record("prt_grf_", box);
    return 1;
}

namespace {

class SheetCalls : public ParvellOnDb {
protected:
    void SetUp() override
    {
        calls.clear();
        records_cleared = true;
        add_minimal_rows(db);
        // A second product without sizes.
        db.add("Mst_Product", {{"ID", 2}, {"Name", "bare"}, {"Life", 10.0}});
        db.add("Mst_ProductPlace", {{"ID", 2}, {"Mst_PlaceID", 10}, {"Mst_ProductID", 2}});
        start_db();
        ASSERT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    }

    static std::vector<std::string> names()
    {
        std::vector<std::string> result;
        for (const Call& call : calls)
            result.push_back(call.name);
        return result;
    }
    void print_with(int answer)
    {
        calls.clear();
        ini_answer = answer;
        Frm_Man->Btn_Prt->click();
        pump();
        EXPECT_TRUE(Frm_Man->isEnabled());
        EXPECT_FALSE(Frm_Wait->isVisible());
        EXPECT_TRUE(records_cleared);
    }
};

// Answer 1: the window is disabled and the wait dialog shown from just after
// ini_prt_ to just after end_prt_. Without the emblem the sheet ends after
// frame, title and product line, with result 2 and no message.
TEST_F(SheetCalls, AnOpenJobIsFramedByTheWaitDialog)
{
    print_with(1);
    std::vector<std::string> expected = {"ini_prt_"};
    expected.insert(expected.end(), 8, "prt_lin_");
    expected.insert(expected.end(), {"prt_rct_", "prt_txt_", "prt_txt_", "end_prt_"});
    ASSERT_EQ(names(), expected);
    EXPECT_FALSE(calls.front().waiting);
    EXPECT_FALSE(calls.front().enabled);
    for (size_t i = 1; i < calls.size(); ++i) {
        EXPECT_TRUE(calls[i].waiting) << i;
        EXPECT_FALSE(calls[i].enabled) << i;
    }
    EXPECT_EQ(calls.back().record, calls.front().record);
    EXPECT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    EXPECT_EQ(QApplication::activeWindow(), Frm_Man);

    ini_answer = 1;
    EXPECT_EQ(prt_sht_((Prd_inf*)Frm_Man->Lbx_Prd->Object(0), (Pdt_inf*)Frm_Man->Lbx_Pdt->Object(0), &grd_lst, "x"), 2);
}

// Answers 2 and 3 close the job at once with the same record; any other
// answer but 0 calls nothing more. Nothing is reported in either case.
TEST_F(SheetCalls, DeclinedJobsEndQuietly)
{
    for (int answer : {2, 3}) {
        print_with(answer);
        ASSERT_EQ(names(), (std::vector<std::string>{"ini_prt_", "end_prt_"})) << answer;
        EXPECT_EQ(calls[1].record, calls[0].record);
        EXPECT_FALSE(calls[1].waiting);
    }
    print_with(7);
    EXPECT_EQ(names(), std::vector<std::string>{"ini_prt_"});
    EXPECT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    EXPECT_TRUE(Frm_Man->isVisible());
    EXPECT_TRUE(Frm_Man->hasFocus());
}

// Without a selected size the lookup fails before anything is disabled or
// printed; the error goes to the application's exception box.
TEST_F(SheetCalls, NoSizeSelectedPrintsNothing)
{
    click_item(Frm_Man->Lbx_Prd, 1);
    ASSERT_EQ(Frm_Man->Lbx_Pdt->ItemIndex(), -1);
    print_with(1);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(boxes_->boxes().size(), 1u);
}

}  // namespace
