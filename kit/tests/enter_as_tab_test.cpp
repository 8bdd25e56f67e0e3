#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include <vector>

#include "Checkboxooo.h"
#include "Comboboxooo.h"
#include "Editooo.h"
#include "Radiobuttonooo.h"
#include "test_form.h"

namespace {

template <class Control>
class EnterAsTab : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.focus(form.control));
        QObject::connect(form.control, &Control::OnKeyPress, [this](char& key) { keys.push_back(key); });
    }

    TestForm<Control> form;
    std::vector<int> keys;  // what OnKeyPress saw
};

using Controls = ::testing::Types<TEditooo, TCheckBoxooo, TComboBoxooo, TRadioButtonooo>;
TYPED_TEST_SUITE(EnterAsTab, Controls);

TYPED_TEST(EnterAsTab, EnterMovesOnAsOneTabKeyDownAfterTheCurrentKey)
{
    KeyLog log;
    QTest::keyClick(this->form.control, Qt::Key_Return);
    // The Tab waits behind the key being handled.
    EXPECT_EQ(QApplication::focusWidget(), this->form.control);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), this->form.after);

    EXPECT_EQ(log.count(QEvent::KeyPress, Qt::Key_Tab), 1);
    EXPECT_EQ(log.count(QEvent::KeyRelease, Qt::Key_Tab), 0);
    // The Enter went no further than the control: the form never saw it.
    EXPECT_EQ(log.count(QEvent::KeyPress, Qt::Key_Return, &this->form.window), 0);
    EXPECT_EQ(this->keys, std::vector<int>{0});
}

TYPED_TEST(EnterAsTab, KeypadEnterMovesOnToo)
{
    QTest::keyClick(this->form.control, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), this->form.after);
    EXPECT_EQ(this->keys, std::vector<int>{0});
}

// Ctrl+Enter types no Enter (a line feed at most), so it moves nowhere.
TYPED_TEST(EnterAsTab, CtrlEnterStaysInTheControl)
{
    KeyLog log;
    QTest::keyClick(this->form.control, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(this->form.control, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), this->form.control);
    EXPECT_EQ(log.count(QEvent::KeyPress, Qt::Key_Tab), 0);
    EXPECT_TRUE(this->keys.empty());
}

TYPED_TEST(EnterAsTab, OtherKeysReachTheHandlerUnchanged)
{
    QTest::keyClicks(this->form.control, QStringLiteral("a1"));
    EXPECT_EQ(this->keys, (std::vector<int>{'a', '1'}));
    EXPECT_EQ(QApplication::focusWidget(), this->form.control);
}

TEST(EnterAsTabEdit, EnterNeitherEndsTheEditNorReachesItsReturnSignal)
{
    TestForm<TEditooo> form;
    ASSERT_TRUE(form.focus(form.control));
    int returns = 0;
    QObject::connect(form.control, &QLineEdit::returnPressed, [&] { ++returns; });
    QTest::keyClick(form.control, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(returns, 0);
    EXPECT_EQ(QApplication::focusWidget(), form.after);
}

TEST(EnterAsTabButtons, EnterDoesNotToggleButSpaceStillDoes)
{
    TestForm<TCheckBoxooo> form;
    ASSERT_TRUE(form.focus(form.control));
    QTest::keyClick(form.control, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(form.control->isChecked());

    ASSERT_TRUE(form.focus(form.control));
    QTest::keyClick(form.control, Qt::Key_Space);
    EXPECT_TRUE(form.control->isChecked());
}

class ComboBoxKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.control->addItems({"50", "65", "80", "100"});
        ASSERT_TRUE(form.focus(form.control));
        QObject::connect(form.control, &TComboBoxooo::OnKeyPress, [this](char& key) { keys.push_back(key); });
    }
    TestForm<TComboBoxooo> form;
    std::vector<int> keys;
};

TEST_F(ComboBoxKeys, TypedCharactersDoNotSearchTheList)
{
    QTest::keyClicks(form.control, QStringLiteral("8"));
    QTest::keyClicks(form.control, QStringLiteral("10"));
    EXPECT_EQ(form.control->currentIndex(), 0);
    EXPECT_EQ(keys, (std::vector<int>{'8', '1', '0'}));
    // A plain combo box would have chosen the item the keys begin.
    QComboBox plain;
    plain.addItems({"50", "65", "80", "100"});
    QTest::keyClicks(&plain, QStringLiteral("8"));
    EXPECT_EQ(plain.currentIndex(), 2);
}

TEST_F(ComboBoxKeys, ArrowsStillChooseItems)
{
    QTest::keyClick(form.control, Qt::Key_Down);
    EXPECT_EQ(form.control->currentIndex(), 1);
    QTest::keyClick(form.control, Qt::Key_End);
    EXPECT_EQ(form.control->currentIndex(), 3);
    EXPECT_TRUE(keys.empty());  // no character typed
}

TEST_F(ComboBoxKeys, AnEditableBoxTakesTypingWithoutCompletingIt)
{
    form.control->setEditable(true);
    form.control->clearEditText();
    QTest::keyClicks(form.control, QStringLiteral("6"));
    EXPECT_EQ(form.control->currentText(), QStringLiteral("6"));
    QTest::keyClick(form.control, Qt::Key_Backspace);
    EXPECT_EQ(form.control->currentText(), QString());
}

}  // namespace
