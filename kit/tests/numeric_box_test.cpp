#include <gtest/gtest.h>

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMetaProperty>
#include <QTest>

#include <vector>

#include "Editooo.h"
#include "test_form.h"
#include "ui_numeric_form.h"

namespace {

class NumericBox : public ::testing::Test {
protected:
    TEditooo* box() { return form.control; }

    // A box like the starts-per-day box: every option, two characters.
    void make_starts_box()
    {
        box()->SetOnlyNumber(true);
        box()->SetOnlyInt(true);
        box()->SetOnlyPlus(true);
        box()->SetDisplayZero(true);
        box()->setMaxLength(2);
    }
    bool enter() { return form.focus(box()); }
    bool leave() { return form.focus(form.after); }

    TestForm<TEditooo> form;
};

TEST_F(NumericBox, StartsBoxRoundTrip)
{
    make_starts_box();
    box()->setText("10");
    ASSERT_TRUE(enter());
    EXPECT_EQ(box()->text(), "10");
    EXPECT_EQ(box()->selectedText(), "10");
    ASSERT_TRUE(leave());
    EXPECT_EQ(box()->text(), "10");  // fills the field: no blank

    ASSERT_TRUE(enter());
    QTest::keyClicks(box(), "5");  // types over the selection
    ASSERT_TRUE(leave());
    EXPECT_EQ(box()->text(), " 5");

    ASSERT_TRUE(enter());
    EXPECT_EQ(box()->text(), "5");
    EXPECT_EQ(box()->selectedText(), "5");
}

TEST_F(NumericBox, EmptiedBoxShowsZeroOnlyWithDisplayZero)
{
    make_starts_box();
    ASSERT_TRUE(enter());
    box()->clear();
    ASSERT_TRUE(leave());
    EXPECT_EQ(box()->text(), " 0");

    box()->SetDisplayZero(false);
    ASSERT_TRUE(enter());
    EXPECT_EQ(box()->text(), "");
    ASSERT_TRUE(leave());
    EXPECT_EQ(box()->text(), "");
}

// Normalisation of a box that does not hold the focus.
TEST_F(NumericBox, RefreshWithoutFocus)
{
    struct Case {
        bool only_number, only_int, display_zero;
        int max_length;
        const char* text;
        const char* expected;
    } const cases[] = {
        {true, true, true, 4, "12.7", "  12"},   {true, true, true, 4, "-2.5", "  -3"},
        {true, true, true, 4, "-0", "   0"},     {true, false, true, 4, "-0.0", "   0"},
        {true, false, true, 4, "2.50", " 2.5"},  {true, false, true, 4, "3abc", "   3"},
        {true, false, true, 4, "abc", "   0"},   {true, false, false, 4, "abc", ""},
        {true, false, false, 4, "0.0", ""},      {true, false, true, 2, "123", "123"},  // longer than the field: whole
        {true, false, true, 2, "-12", "-12"},    {true, false, true, 6, "1.2.3", "   1.2"},
        {true, false, true, 6, "5-3", "     5"}, {true, false, true, 0, "3abc", "3abc"},  // no field: untouched
        {false, false, true, 4, "3abc", "3abc"},                                          // not numeric: untouched
    };
    for (const Case& c : cases) {
        box()->SetOnlyNumber(c.only_number);
        box()->SetOnlyInt(c.only_int);
        box()->SetDisplayZero(c.display_zero);
        box()->setMaxLength(c.max_length);
        box()->setText(c.text);
        box()->RefreshNumber();
        EXPECT_EQ(box()->text(), QString::fromLatin1(c.expected)) << "text \"" << c.text << "\" max " << c.max_length;
    }
}

TEST_F(NumericBox, BoxWithoutLimitIsNormalisedOnlyWhileFocused)
{
    box()->SetOnlyNumber(true);
    box()->setText("3abc");
    ASSERT_TRUE(enter());
    EXPECT_EQ(box()->text(), "3");
    EXPECT_EQ(box()->selectedText(), "3");
    box()->setText("  8x");
    ASSERT_TRUE(leave());
    EXPECT_EQ(box()->text(), "  8x");
}

TEST_F(NumericBox, SettingAnOptionDoesNotReformat)
{
    box()->setText("3abc");
    box()->setMaxLength(5);
    box()->SetOnlyNumber(true);
    box()->SetDisplayZero(true);
    EXPECT_EQ(box()->text(), "3abc");
}

TEST_F(NumericBox, TypedCharactersPassTheFilterOfTheOptions)
{
    ASSERT_TRUE(enter());
    QTest::keyClicks(box(), "1a-.b2");  // not numeric: everything
    EXPECT_EQ(box()->text(), "1a-.b2");

    box()->clear();
    box()->SetOnlyNumber(true);
    QTest::keyClicks(box(), "1a-.b2");
    EXPECT_EQ(box()->text(), "1-.2");

    box()->clear();
    box()->SetOnlyInt(true);
    QTest::keyClicks(box(), "1a-.b2");
    EXPECT_EQ(box()->text(), "1-2");

    box()->clear();
    box()->SetOnlyPlus(true);
    QTest::keyClicks(box(), "1a-.b2");
    EXPECT_EQ(box()->text(), "12");

    QTest::keyClick(box(), Qt::Key_Backspace);  // control characters pass
    EXPECT_EQ(box()->text(), "1");
}

TEST_F(NumericBox, SignsAndPointsAreSortedOutOnlyWhenLeaving)
{
    box()->SetOnlyNumber(true);
    box()->setMaxLength(6);
    ASSERT_TRUE(enter());
    QTest::keyClicks(box(), "1.2.3");
    EXPECT_EQ(box()->text(), "1.2.3");
    ASSERT_TRUE(leave());
    EXPECT_EQ(box()->text(), "   1.2");
}

TEST_F(NumericBox, HandlerSeesRefusedCharactersAsZeroAndMayChangeTheRest)
{
    box()->SetOnlyNumber(true);
    std::vector<int> keys;
    QObject::connect(box(), &TEditooo::OnKeyPress, [&](char& key) {
        keys.push_back(key);
        if (key == '5')
            key = '6';
        else if (key == '7')
            key = 0;
    });
    ASSERT_TRUE(enter());
    QTest::keyClicks(box(), "1x57");
    EXPECT_EQ(keys, (std::vector<int>{'1', 0, '5', '7'}));
    EXPECT_EQ(box()->text(), "16");
}

TEST_F(NumericBox, CharactersBeyondAsciiNeverPassANumericBox)
{
    const QString wide_one = QString::fromUtf8(u8"１");
    ASSERT_TRUE(enter());
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, wide_one);
    QApplication::sendEvent(box(), &typed);
    EXPECT_EQ(box()->text(), wide_one);  // a plain box takes it

    box()->clear();
    box()->SetOnlyNumber(true);
    QApplication::sendEvent(box(), &typed);
    EXPECT_EQ(box()->text(), "");

    // Nor what an input method commits.
    QInputMethodEvent committed;
    committed.setCommitString(wide_one + QString::fromUtf8(u8"2ア3"));
    QApplication::sendEvent(box(), &committed);
    EXPECT_EQ(box()->text(), "23");
}

TEST_F(NumericBox, LimitHoldsBackTypingButNotTheProgramsText)
{
    box()->setMaxLength(2);
    ASSERT_TRUE(enter());
    QTest::keyClicks(box(), "123");
    EXPECT_EQ(box()->text(), "12");
    box()->setText("12345");
    EXPECT_EQ(box()->text(), "12345");
    box()->setMaxLength(0);
    box()->clear();
    QTest::keyClicks(box(), "123456");
    EXPECT_EQ(box()->text(), "123456");
}

TEST_F(NumericBox, PasteLongerThanTheLimitKeepsWhatFits)
{
    const QString year(QChar(0x5E74));  // two bytes in Shift-JIS
    box()->setMaxLength(4);
    ASSERT_TRUE(enter());
    QGuiApplication::clipboard()->setText("123456");
    QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box()->text(), "1234");
    box()->selectAll();
    QGuiApplication::clipboard()->setText("a" + year + year);
    box()->paste();
    EXPECT_EQ(box()->text(), "a" + year);  // the second character would be cut in two
    QTest::keyClick(box(), Qt::Key_Home);
    QGuiApplication::clipboard()->setText("xyz");
    box()->paste();
    EXPECT_EQ(box()->text(), "x" + ("a" + year));
    EXPECT_EQ(box()->cursorPosition(), 1);
    box()->paste();  // full: nothing more goes in
    EXPECT_EQ(box()->text(), "x" + ("a" + year));
}

TEST_F(NumericBox, EntryAndExitHandlersSeeTheNormalisedText)
{
    box()->SetOnlyNumber(true);
    box()->SetOnlyInt(true);
    box()->setMaxLength(3);
    box()->setText("7.9");
    std::vector<QString> seen;
    QObject::connect(box(), &TEditooo::OnEnter,
                     [&] { seen.push_back("enter:" + box()->text() + "/" + box()->selectedText()); });
    QObject::connect(box(), &TEditooo::OnExit, [&] { seen.push_back("exit:" + box()->text()); });
    ASSERT_TRUE(enter());
    ASSERT_TRUE(leave());
    EXPECT_EQ(seen, (std::vector<QString>{"enter:7/7", "exit:  7"}));
}

TEST_F(NumericBox, LastTextPutsBackTheTextOfTheLastEntry)
{
    box()->setText("abc");
    box()->LastText();  // never entered yet
    EXPECT_EQ(box()->text(), "");

    box()->SetOnlyNumber(true);
    box()->setText("7x");
    ASSERT_TRUE(enter());
    QTest::keyClicks(box(), "9");
    EXPECT_EQ(box()->text(), "9");
    box()->LastText();
    EXPECT_EQ(box()->text(), "7");  // saved after normalising

    // A long text is saved up to 512 bytes, never half a character.
    box()->SetOnlyNumber(false);
    ASSERT_TRUE(leave());
    box()->setText("a" + QString(300, QChar(0x5E74)));  // 1 + 600 bytes in Shift-JIS
    ASSERT_TRUE(enter());
    box()->clear();
    box()->LastText();
    EXPECT_EQ(box()->text(), "a" + QString(255, QChar(0x5E74)));
}

TEST_F(NumericBox, WindowActivationIsNoEntryOrExit)
{
    box()->SetOnlyNumber(true);
    box()->setMaxLength(3);
    int enters = 0, exits = 0;
    QObject::connect(box(), &TEditooo::OnEnter, [&] { ++enters; });
    QObject::connect(box(), &TEditooo::OnExit, [&] { ++exits; });
    ASSERT_TRUE(enter());
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box(), &out);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box(), &in);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 0);
    ASSERT_TRUE(leave());
    EXPECT_EQ(exits, 1);
}

TEST_F(NumericBox, OptionsAreFormProperties)
{
    const char* names[] = {"OnlyNumber", "OnlyInt", "OnlyPlus", "DisplayZero"};
    for (const char* name : names) {
        const int index = box()->metaObject()->indexOfProperty(name);
        ASSERT_GE(index, 0) << name;
        const QMetaProperty property = box()->metaObject()->property(index);
        EXPECT_TRUE(property.isDesignable()) << name;
        EXPECT_EQ(box()->property(name), QVariant(false)) << name;
        EXPECT_TRUE(box()->setProperty(name, true)) << name;
    }
    EXPECT_TRUE(box()->OnlyNumber() && box()->OnlyInt() && box()->OnlyPlus() && box()->DisplayZero());

    // The form's maxLength is the box's own, which does not cut texts.
    EXPECT_TRUE(box()->setProperty("maxLength", 2));
    EXPECT_EQ(box()->maxLength(), 2);
    box()->setText("123");
    EXPECT_EQ(box()->text(), "123");
}

TEST(NumericForm, CompiledDesignerFormSetsTheOptions)
{
    QWidget form;
    Ui::NumericForm ui;
    ui.setupUi(&form);
    EXPECT_TRUE(ui.Edt_Stt->OnlyNumber());
    EXPECT_TRUE(ui.Edt_Stt->OnlyInt());
    EXPECT_FALSE(ui.Edt_Stt->OnlyPlus());  // not named in the form: the default
    EXPECT_TRUE(ui.Edt_Stt->DisplayZero());
    EXPECT_EQ(ui.Edt_Stt->maxLength(), 2);
    EXPECT_EQ(ui.Edt_Stt->text(), "123");  // set after the limit, still whole
}

}  // namespace
