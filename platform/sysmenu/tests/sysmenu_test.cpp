#include <gtest/gtest.h>

#include <vector>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <platform/qt_text.h>
#include <platform/sysmenu.h>
#include <testsupport/qt_test_app.h>

namespace {

// A form as the programs build theirs: version entry, own message procedure.
class Form : public QWidget, public MessageWindow {
public:
    Form() : QWidget(nullptr), MessageWindow(this)
    {
        resize(300, 200);
        label_ = new QLabel(QStringLiteral("control"), this);
        label_->setGeometry(0, 0, 100, 20);
        HMENU menu = GetSystemMenu(this, FALSE);
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, 1, "バージョン情報");
    }
    void WndProc(TMessage& message) override
    {
        messages.push_back(message);
        if (message.Msg == WM_SYSCOMMAND && message.WParam == 1)
            ++versions_shown;
        MessageWindow::WndProc(message);
    }
    QLabel* label_;
    std::vector<TMessage> messages;
    int versions_shown = 0;
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closes;
        event->accept();
    }
};

QStringList entries(HMENU menu)
{
    QStringList texts;
    for (QAction* action : menu->menu()->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QAction* entry(HMENU menu, const char* text)
{
    for (QAction* action : menu->menu()->actions())
        if (action->text() == qt_from_sjis(text))
            return action;
    return nullptr;
}

TEST(SystemMenu, StandardEntriesThenTheFormsOwn)
{
    Form form;
    HMENU menu = GetSystemMenu(&form, FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(entries(menu),
              (QStringList{qt_from_sjis("移動(&M)"), qt_from_sjis("最小化(&N)"), QStringLiteral("-"),
                           qt_from_sjis("閉じる(&C)\tAlt+F4"), QStringLiteral("-"), qt_from_sjis("バージョン情報")}));
    EXPECT_EQ(GetSystemMenu(&form, TRUE), nullptr);  // revert: standard entries alone
    EXPECT_EQ(entries(menu).size(), 4);
    EXPECT_FALSE(AppendMenuA(menu, MF_POPUP, 5, "sub"));
    EXPECT_FALSE(AppendMenuA(menu, MF_STRING, 5, nullptr));
    EXPECT_FALSE(AppendMenuA(nullptr, MF_STRING, 5, "x"));
    EXPECT_TRUE(AppendMenuA(menu, MF_STRING | MF_GRAYED | MF_CHECKED, 6, "x"));
    EXPECT_FALSE(entry(menu, "x")->isEnabled());
    EXPECT_TRUE(entry(menu, "x")->isChecked());
}

TEST(SystemMenu, ChosenEntriesGoThroughTheMessageProcedure)
{
    Form form;
    form.show();
    HMENU menu = GetSystemMenu(&form, FALSE);
    entry(menu, "バージョン情報")->trigger();
    EXPECT_EQ(form.versions_shown, 1);
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].Msg, (UINT)WM_SYSCOMMAND);
    EXPECT_EQ(form.messages[0].WParam, (WPARAM)1);
    form.Perform(WM_SYSCOMMAND, 1, 0);        // any WM_SYSCOMMAND 1 does the same
    form.Perform(WM_SYSCOMMAND, 0x10001, 0);  // compared whole, not masked
    EXPECT_EQ(form.versions_shown, 2);

    entry(menu, "閉じる(&C)\tAlt+F4")->trigger();
    EXPECT_EQ(form.closes, 1);  // closed as by the close box
    EXPECT_FALSE(form.isVisible());
}

TEST(SystemMenu, MinimiseOnlyWhereTheWindowHasTheBox)
{
    Form form;
    form.show();
    form.Perform(WM_SYSCOMMAND, SC_MINIMIZE | 3, 0);  // low bits ignored
    EXPECT_TRUE(form.isMinimized());
    form.Perform(WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(form.isMinimized());

    QDialog dialog;
    MessageWindow procedure(&dialog);
    HMENU menu = GetSystemMenu(&procedure, FALSE);
    emit menu->menu()->aboutToShow();
    EXPECT_FALSE(entry(menu, "最小化(&N)")->isEnabled());
    emit GetSystemMenu(&form, FALSE)->menu()->aboutToShow();
    EXPECT_TRUE(entry(GetSystemMenu(&form, FALSE), "最小化(&N)")->isEnabled());
}

TEST(SystemMenu, AltSpaceOpensIt)
{
    Form form;
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QMenu* menu = GetSystemMenu(&form, FALSE)->menu();
    EXPECT_FALSE(menu->isVisible());
    QTest::keyClick(&form, Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST(SystemMenu, RightClickOnTheSurfaceButNotOnAControl)
{
    Form form;
    form.show();
    QMenu* menu = GetSystemMenu(&form, FALSE)->menu();
    QContextMenuEvent on_control(QContextMenuEvent::Mouse, QPoint(10, 10), form.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&form, &on_control);
    EXPECT_FALSE(menu->isVisible());
    QContextMenuEvent on_surface(QContextMenuEvent::Mouse, QPoint(150, 150), form.mapToGlobal(QPoint(150, 150)));
    QApplication::sendEvent(&form, &on_surface);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST(SystemMenu, GoesWithItsFormEvenWhileOpen)
{
    Form* form = new Form;
    form->show();
    HMENU menu = GetSystemMenu(form, FALSE);
    menu->popup(QPoint(5, 5));
    QPointer<QMenu> popup = menu->menu();
    ASSERT_TRUE(popup->isVisible());
    delete form;
    process_qt_events();
    EXPECT_TRUE(popup.isNull());
}

}  // namespace
