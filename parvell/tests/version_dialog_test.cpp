// The version dialog, opened from the main window's system menu.
#include <gtest/gtest.h>

#include <string.h>

#include <platform/qt_text.h>

#include "Frm_vers.h"
#include "catalogue_app.h"

namespace {

using Texts = std::pair<std::string, std::string>;

class VersionDialog : public CatalogueApp {
protected:
    // Opens the dialog as the system menu's entry does and reads its two
    // version texts; close closes it again.
    static Texts shown(const std::function<void()>& close = [] { Frm_Ver->Btn_Ok->click(); })
    {
        Texts texts;
        EXPECT_TRUE(while_modal(
            Frm_Ver, [] { Frm_Man->Perform(WM_SYSCOMMAND, 1, 0); },
            [&] {
                texts = {qt_to_sjis(Frm_Ver->Lbl_Pver->text()).toStdString(),
                         qt_to_sjis(Frm_Ver->Lbl_Dver->text()).toStdString()};
                close();
            }));
        EXPECT_FALSE(Frm_Ver->isVisible());
        return texts;
    }
    static Ver_inf* versions() { return (Ver_inf*)get_pvr_(); }
};

TEST_F(VersionDialog, ShowsTheProgramAndDatabaseVersionsAtEveryShowing)
{
    start_db();
    std::string program = versions()->pvr;
    EXPECT_FALSE(program.empty());
    Texts first = shown();
    EXPECT_EQ(first, Texts(program, "2.0.1"));
    EXPECT_EQ(shown([] { Frm_Ver->close(); }), first);
    strcpy(versions()->pvr, "1.2.3.4");
    strcpy(versions()->dvr, "7");
    EXPECT_EQ(shown(), Texts("1.2.3.4", "7"));
}

}  // namespace
