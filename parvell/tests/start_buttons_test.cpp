// Starting what a related product names: its programs with the selected
// size's diameter, its documents and its page; a failed start offers a reader.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTest>

#include "Frm_slcs.h"
#include "catalogue_app.h"

namespace {

using Lines = std::vector<std::string>;

class StartButtons : public CatalogueApp {
protected:
    // Clicks the button; true when the reader dialog came up modally (it is
    // closed again at once).
    static bool press(QAbstractButton* button)
    {
        return while_modal(
            Frm_Slc, [button] { button->click(); }, [] { Frm_Slc->Btn_Ccl->click(); });
    }
    std::string log = folder.file("started.log");
};

TEST_F(StartButtons, EachButtonStartsItsProgramWithTheSelectedDiameter)
{
    db.add("Mst_RelatedProduct", {{"ID", 5},
                                  {"Name", "Flex"},
                                  {"StartCaption1", "Calc"},
                                  {"StartPath1", "tools\\calc.exe"},
                                  {"StartCaption2", "Other"},
                                  {"StartPath2", folder.file("other")}});
    db.add("Mst_RelatedProduct",
           {{"ID", 6}, {"Name", "Stand"}, {"StartCaption1", "Six"}, {"StartPath1", folder.file("six")}});
    rule(1, "101", 5);
    rule(1, "201", 6);
    ASSERT_EQ(mkdir(folder.file("tools").c_str(), 0755), 0);
    write_recorder(folder.file("tools/calc"), log);
    write_recorder(folder.file("other"), log);
    write_recorder(folder.file("six"), log);
    start_db();

    EXPECT_FALSE(press(Frm_Man->Btn_St11));
    EXPECT_EQ(lines(log, 1), (Lines{"calc[65]"}));
    click_item(Frm_Man->Lbx_Pdt, 1);
    EXPECT_FALSE(press(Frm_Man->Btn_St12));
    EXPECT_EQ(lines(log, 2), (Lines{"calc[65]", "other[80]"}));
    EXPECT_FALSE(press(Frm_Man->Btn_St21));
    EXPECT_EQ(lines(log, 3), (Lines{"calc[65]", "other[80]", "six[80]"}));
}

TEST_F(StartButtons, AFailedStartOffersTheReaderDialog)
{
    write_file(folder.file("doc.pdf"), "%PDF-1.4");
    db.add("Mst_RelatedProduct", {{"ID", 5},
                                  {"Name", "Flex"},
                                  {"StartCaption1", "Missing"},
                                  {"StartPath1", "missing.exe"},
                                  {"StartCaption2", "Doc"},
                                  {"StartPath2", "doc.pdf"}});
    db.add("Mst_RelatedProduct", {{"ID", 6},
                                  {"Name", "Stand"},
                                  {"StartCaption1", "Nothing"},
                                  {"StartCaption2", "Doc"},
                                  {"StartPath2", "doc.pdf"}});
    rule(1, "101", 5);
    rule(1, "201", 6);
    start_db();
    use_opener(log, 3);  // no application for the file type

    EXPECT_TRUE(press(Frm_Man->Btn_St11));
    EXPECT_TRUE(press(Frm_Man->Btn_St12));
    EXPECT_EQ(lines(log, 1), (Lines{"opener3[" + folder.file("doc.pdf") + "]"}));
    EXPECT_FALSE(Frm_Slc->isVisible());

    // A caption without a path starts nothing, and nothing fails.
    ASSERT_TRUE(Frm_Man->Btn_St21->isVisible());
    EXPECT_FALSE(press(Frm_Man->Btn_St21));

    use_opener(log, 0);
    EXPECT_FALSE(press(Frm_Man->Btn_St22));
    EXPECT_EQ(lines(log, 2),
              (Lines{"opener3[" + folder.file("doc.pdf") + "]", "opener0[" + folder.file("doc.pdf") + "]"}));
}

TEST_F(StartButtons, APictureClickOpensTheProductsPageAndAFailureShowsNothing)
{
    db.add("Mst_RelatedProduct", {{"ID", 5}, {"Name", "Flex"}, {"URL", "https://example.invalid/flex"}});
    db.add("Mst_RelatedProduct", {{"ID", 6}, {"Name", "Stand"}, {"URL", "stand.html"}});
    write_file(folder.file("stand.html"), "<html></html>");
    rule(1, "101", 5);
    rule(1, "201", 6);
    start_db();
    use_opener(log, 0);
    EXPECT_FALSE(while_modal(
        Frm_Slc, [] { QTest::mouseClick(Frm_Man->Img_Rp2, Qt::LeftButton); }, [] { Frm_Slc->close(); }));
    EXPECT_EQ(lines(log, 1), (Lines{"opener0[" + folder.file("stand.html") + "]"}));
    use_opener(log, 4);
    EXPECT_FALSE(while_modal(
        Frm_Slc, [] { QTest::mouseClick(Frm_Man->Img_Rp1, Qt::LeftButton); }, [] { Frm_Slc->close(); }));
    EXPECT_EQ(lines(log, 2).at(1), "opener4[https://example.invalid/flex]");
}

}  // namespace
