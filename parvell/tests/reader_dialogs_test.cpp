// The dialogs that offer a PDF reader: its download page, or an installer
// from the folder "adobe" for the platform the user picks.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <platform/files.h>

#include "Frm_adbs.h"
#include "Frm_slcs.h"
#include "catalogue_app.h"

namespace {

using Lines = std::vector<std::string>;

class ReaderDialogs : public CatalogueApp {
protected:
    void SetUp() override { start_db(); }
    void TearDown() override
    {
        CatalogueApp::TearDown();
        EXPECT_FALSE(Frm_Slc->isVisible());
        EXPECT_FALSE(Frm_Adb->isVisible());
    }
    // Installers in the folder "adobe" of the current folder, each recording
    // its start.
    void install_fake_installers()
    {
        ASSERT_EQ(mkdir(folder.file("adobe").c_str(), 0755), 0);
        for (const char* name :
             {"AdbeRdr810_ja_JP.exe", "AdbeRdr709_ja_JP_distrib.exe", "AdbeRdr60_jpn_full.exe", "ar505jpn.exe"})
            write_recorder(folder.file("adobe/") + name, log);
    }
    // Shows the reader dialog modally and runs act in it.
    static bool in_reader_dialog(const std::function<void()>& act)
    {
        return while_modal(
            Frm_Slc, [] { Frm_Slc->ShowModal(); }, act);
    }
    std::string log = folder.file("started.log");
};

// Removes what a test made beside the test program, whatever happens.
struct BesideProgram {
    std::string path = ExtractFilePath(exe_name()) + "adobe";
    ~BesideProgram() { std::filesystem::remove_all(path); }
};

TEST_F(ReaderDialogs, InstallIsOfferedOnlyWithAnAdobeEntryBesideTheProgram)
{
    BesideProgram adobe;
    std::filesystem::remove_all(adobe.path);  // left by a run that crashed
    auto install_offered = [] {
        bool enabled = false;
        EXPECT_TRUE(in_reader_dialog([&] {
            enabled = Frm_Slc->Btn_Ins->isEnabled();
            EXPECT_TRUE(Frm_Slc->Btn_Hp->isEnabled());
            EXPECT_TRUE(Frm_Slc->Btn_Ccl->isEnabled());
            Frm_Slc->Btn_Ccl->click();
        }));
        return enabled;
    };
    install_fake_installers();  // in the current folder, which does not count
    EXPECT_FALSE(install_offered());
    ASSERT_EQ(mkdir(adobe.path.c_str(), 0755), 0);
    EXPECT_TRUE(install_offered());
    ASSERT_EQ(rmdir(adobe.path.c_str()), 0);
    EXPECT_FALSE(install_offered());
    write_file(adobe.path, "");
    EXPECT_TRUE(install_offered());
}

TEST_F(ReaderDialogs, TheHomePageButtonOpensTheDownloadPageAndCloses)
{
    use_opener(log, 0);
    EXPECT_TRUE(in_reader_dialog([] { Frm_Slc->Btn_Hp->click(); }));
    EXPECT_EQ(lines(log, 1), (Lines{std::string("opener0[") + TFrm_Slc::download_page + "]"}));
    use_opener(log, 3);  // a page that cannot be opened closes the dialog all the same
    EXPECT_TRUE(in_reader_dialog([] { Frm_Slc->Btn_Hp->click(); }));
    EXPECT_EQ(lines(log, 2).size(), 2u);
}

// Closing the platform choice, by either way, closes the reader dialog too
// and starts nothing.
TEST_F(ReaderDialogs, InstallLeadsToThePlatformChoiceAndLeavingItLeavesBoth)
{
    install_fake_installers();
    for (bool by_cancel : {false, true}) {
        bool chosen = false;
        EXPECT_TRUE(in_reader_dialog([&] {
            chosen = while_modal(
                Frm_Adb, [] { Frm_Slc->Btn_InsClick(Frm_Slc->Btn_Ins); },
                [&] {
                    EXPECT_EQ(Frm_Adb->pos(), QPoint(325, 112));  // where it was designed, not centred
                    Frm_Adb->Rdo_Xp->click();
                    if (by_cancel)
                        Frm_Adb->Btn_Ccl->click();
                    else
                        Frm_Adb->close();
                });
        }));
        EXPECT_TRUE(chosen) << by_cancel;
        EXPECT_FALSE(Frm_Slc->isVisible()) << by_cancel;
    }
    // Nothing was started: the first start recorded is the one made now.
    EXPECT_TRUE(in_reader_dialog([&] {
        while_modal(
            Frm_Adb, [] { Frm_Slc->Btn_InsClick(Frm_Slc->Btn_Ins); }, [] { Frm_Adb->Btn_Ins->click(); });
    }));
    EXPECT_EQ(lines(log, 1), (Lines{"AdbeRdr810_ja_JP.exe"}));
}

// Every showing starts at "Windows Vista"; each platform starts its installer.
TEST_F(ReaderDialogs, EachPlatformStartsItsInstaller)
{
    install_fake_installers();
    const std::pair<QRadioButton*, const char*> platforms[13] = {
        {Frm_Adb->Rdo_Xp, "AdbeRdr810_ja_JP.exe"},
        {Frm_Adb->Rdo_2003, "AdbeRdr810_ja_JP.exe"},
        {Frm_Adb->Rdo_2000SP4, "AdbeRdr810_ja_JP.exe"},
        {Frm_Adb->Rdo2000SP2_3, "AdbeRdr709_ja_JP_distrib.exe"},
        {Frm_Adb->Rdo_2000SP1, "AdbeRdr60_jpn_full.exe"},
        {Frm_Adb->Rdo_2000, "AdbeRdr60_jpn_full.exe"},
        {Frm_Adb->Rdo_Me, "AdbeRdr60_jpn_full.exe"},
        {Frm_Adb->Rdo_NtSP6, "AdbeRdr709_ja_JP_distrib.exe"},
        {Frm_Adb->Rdo_NtSP5, "ar505jpn.exe"},
        {Frm_Adb->Rdo_98SE, "AdbeRdr60_jpn_full.exe"},
        {Frm_Adb->Rdo_98, "ar505jpn.exe"},
        {Frm_Adb->Rdo_95, "ar505jpn.exe"},
        {Frm_Adb->Rdo_Vst, "AdbeRdr810_ja_JP.exe"},
    };
    Lines expected;
    for (const auto& platform : platforms) {
        QRadioButton* button = platform.first;
        EXPECT_TRUE(while_modal(
            Frm_Adb, [] { Frm_Adb->ShowModal(); },
            [button] {
                EXPECT_TRUE(Frm_Adb->Rdo_Vst->isChecked());
                if (button != Frm_Adb->Rdo_Vst)
                    button->click();
                EXPECT_TRUE(button->isChecked());
                Frm_Adb->Btn_Ins->click();
            }));
        expected.push_back(platform.second);
        EXPECT_EQ(lines(log, expected.size()), expected) << button->text().toStdString();
    }
}

}  // namespace
