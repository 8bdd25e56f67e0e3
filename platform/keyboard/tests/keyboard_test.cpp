#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <vector>

#include <platform/keyboard.h>
#include <testsupport/qt_test_app.h>

namespace {

struct SeenKey {
    QEvent::Type type;
    int key;
    QObject* target;
};

// Records the key events that reach any object of the application.
class KeyRecorder : public QObject {
public:
    std::vector<SeenKey> seen;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            seen.push_back({event->type(), static_cast<QKeyEvent*>(event)->key(), watched});
        return false;
    }
};

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first = new QLineEdit);
        layout->addWidget(second = new QLineEdit);
        window.show();
        window.activateWindow();
        first->setFocus();
        for (int i = 0; i < 100 && QApplication::focusWidget() != first; ++i)
            QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), first);
        qApp->installEventFilter(&recorder);
    }
    void TearDown() override { qApp->removeEventFilter(&recorder); }

    QWidget window;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    KeyRecorder recorder;
};

TEST_F(Keyboard, TabDownArrivesLaterAndMovesTheFocus)
{
    keybd_event(VK_TAB, 0, 0, 0);
    // Nothing happens until the caller's event is done.
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_TRUE(recorder.seen.empty());

    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), second);
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0].type, QEvent::KeyPress);
    EXPECT_EQ(recorder.seen[0].key, Qt::Key_Tab);
    EXPECT_EQ(recorder.seen[0].target, first);
}

TEST_F(Keyboard, KeyUpFlagSendsARelease)
{
    keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
    QApplication::processEvents();
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0].type, QEvent::KeyRelease);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(Keyboard, LettersAndDigitsTypeIntoTheFocusedControl)
{
    keybd_event('A', 0, 0, 0);
    keybd_event('7', 0, 0, 0);
    keybd_event(VK_BACK, 0, 0, 0);
    keybd_event('Z', 0, 0, 0);
    QApplication::processEvents();
    EXPECT_EQ(first->text(), QStringLiteral("az"));
}

TEST_F(Keyboard, UnknownCodesAreDropped)
{
    keybd_event(0xFF, 0, 0, 0);
    QApplication::processEvents();
    EXPECT_TRUE(recorder.seen.empty());
}

}  // namespace
