// Where Parvell's windows appear: the main window and the dialogs that the
// form design centres stand in the middle of the screen.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "Frm_slcs.h"
#include "Frm_vers.h"
#include "catalogue_app.h"

namespace {

class WindowPlaces : public CatalogueApp {};

// The window's outer rectangle stands in the middle of the primary screen,
// or at its edge where the window is larger than the screen. A window placed
// before the window system gave it a frame may stand off by the frame.
void expect_centred(QWidget* window, const char* name)
{
    const QRect desk = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = window->frameGeometry();
    const QMargins frame = window->windowHandle()->frameMargins();
    const int slack = qMax(qMax(frame.left(), frame.right()), qMax(frame.top(), frame.bottom())) + 1;
    const QPoint middle(qMax(desk.left(), desk.left() + (desk.width() - outer.width()) / 2),
                        qMax(desk.top(), desk.top() + (desk.height() - outer.height()) / 2));
    EXPECT_LE(qAbs(outer.left() - middle.x()), slack) << name;
    EXPECT_LE(qAbs(outer.top() - middle.y()), slack) << name;
}

TEST_F(WindowPlaces, TheMainWindowAndTheCentredDialogsStandInTheMiddleOfTheScreen)
{
    start_db();
    expect_centred(Frm_Man, "main window");
    struct Dialog {
        QDialog* form;
        std::function<void()> open;
    };
    for (const Dialog& dialog : {Dialog{Frm_Ver, [] { Frm_Man->Perform(WM_SYSCOMMAND, 1, 0); }},
                                 Dialog{Frm_Slc, [] { Frm_Slc->ShowModal(); }}}) {
        for (int showing = 0; showing < 2; ++showing) {
            dialog.form->move(0, 0);  // wherever the user left it
            EXPECT_TRUE(while_modal(dialog.form, dialog.open, [&] {
                expect_centred(dialog.form, dialog.form->metaObject()->className());
                dialog.form->close();
            }));
        }
    }
}

}  // namespace
