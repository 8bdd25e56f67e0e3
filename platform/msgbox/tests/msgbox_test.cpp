#include <gtest/gtest.h>

#include <stdlib.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <platform/msgbox.h>
#include <platform/qt_text.h>
#include <testsupport/child_process.h>
#include <testsupport/qt_test_app.h>

namespace {

TEST(MessageBoxRecorder, SeesOwnerTextCaptionAndFlagsWithoutShowing)
{
    QWidget owner;
    MessageBoxRecorder recorder;
    int answer = MessageBoxA(&owner, "データベースに接続できません。", "DB接続エラー", MB_OK | MB_ICONERROR);
    EXPECT_EQ(answer, IDOK);
    ASSERT_EQ(recorder.boxes().size(), 1u);
    const ShownMessageBox& box = recorder.boxes()[0];
    EXPECT_EQ(box.owner, &owner);
    EXPECT_EQ(box.text, "データベースに接続できません。");
    EXPECT_EQ(box.caption, "DB接続エラー");
    EXPECT_EQ(box.type, (UINT)0x10);
    EXPECT_EQ(box.answer, IDOK);
}

TEST(MessageBoxRecorder, AnswersInOrderThenDefaults)
{
    MessageBoxRecorder recorder;
    recorder.answer_next(IDNO);
    recorder.answer_next(IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "a", "", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "b", "", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "c", "", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "d", "", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "e", "", MB_ABORTRETRYIGNORE), IDABORT);
    EXPECT_EQ(MessageBoxA(nullptr, "f", "", MB_OK | MB_DEFBUTTON3), IDOK);  // no third button
    EXPECT_EQ(recorder.boxes().size(), 6u);
}

TEST(MessageBoxRecorder, InnermostRecorderTakesTheBoxes)
{
    MessageBoxRecorder outer;
    int seen_while_open = 0;
    {
        MessageBoxRecorder inner;
        inner.on_box = [&](const ShownMessageBox& box) { seen_while_open += box.text == "x"; };
        MessageBoxA(nullptr, "x", nullptr, MB_OK);
        EXPECT_EQ(inner.boxes().size(), 1u);
        EXPECT_EQ(inner.boxes()[0].caption, "");
    }
    MessageBoxA(nullptr, "y", "", MB_OK);
    EXPECT_EQ(seen_while_open, 1);
    ASSERT_EQ(outer.boxes().size(), 1u);
    EXPECT_EQ(outer.boxes()[0].text, "y");
}

// Answers the box that MessageBoxA opens by clicking the button with that label.
void click_when_shown(const QString& label, QMessageBox::Icon* icon, QString* title, QString* text, QStringList* labels)
{
    QTimer* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        QMessageBox* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        *icon = box->icon();
        *title = box->windowTitle();
        *text = box->text();
        for (QAbstractButton* b : box->buttons()) {
            labels->append(b->text());
            if (b->text() == label)
                b->click();
        }
        poll->deleteLater();
    });
    poll->start(10);
}

TEST(MessageBoxShown, IconButtonsTextAndTheClickedAnswer)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QStringList labels;
    click_when_shown(QString::fromUtf8(u8"いいえ(&N)"), &icon, &title, &text, &labels);
    int answer = MessageBoxA(nullptr, "この実行ファイルは単体では起動しません。\n\rParvell.exeを実行して下さい。",
                             "確認", MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(title, qt_from_sjis("確認"));
    EXPECT_EQ(text, qt_from_sjis("この実行ファイルは単体では起動しません。\nParvell.exeを実行して下さい。"));
    EXPECT_EQ(labels.size(), 2);
    process_qt_events();
}

TEST(MessageBoxShown, ErrorBoxWithOneOkButton)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QStringList labels;
    click_when_shown(QStringLiteral("OK"), &icon, &title, &text, &labels);
    QWidget owner;
    owner.show();
    EXPECT_EQ(MessageBoxA(&owner, "a\r\nb\rc", "メモリ不足", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(title, qt_from_sjis("メモリ不足"));
    EXPECT_EQ(text, QStringLiteral("a\nb\nc"));
    EXPECT_EQ(labels, QStringList{QStringLiteral("OK")});
    process_qt_events();
}

TEST(MessageBoxLog, BoxesOfAnotherProcessRoundTripThroughTheLog)
{
    TempFolder folder;
    std::string log = folder.file("boxes.log");
    setenv("VELMORA_MESSAGE_BOX_LOG", log.c_str(), 1);
    // 0x5C is the second byte of ソ: it must come back as it went.
    EXPECT_EQ(MessageBoxA(nullptr, "ソフト\n\r\ttab\\", "", MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "two", "cap", MB_YESNO | MB_DEFBUTTON2), IDNO);
    unsetenv("VELMORA_MESSAGE_BOX_LOG");
    std::vector<ShownMessageBox> boxes = read_message_box_log(log);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "ソフト\n\r\ttab\\");
    EXPECT_EQ(boxes[0].caption, "");
    EXPECT_EQ(boxes[0].type, (UINT)MB_ICONINFORMATION);
    EXPECT_EQ(boxes[1].caption, "cap");
    EXPECT_EQ(boxes[1].type, (UINT)(MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(boxes[1].answer, IDNO);
    EXPECT_TRUE(read_message_box_log(folder.file("none.log")).empty());
}

}  // namespace
