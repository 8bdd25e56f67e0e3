#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <platform/application.h>
#include <platform/findwindow.h>
#include <platform/msgbox.h>
#include <platform/qt_text.h>
#include <testsupport/child_process.h>

namespace {

// Each test makes its own application, as a program's entry does.
class ApplicationTest : public ::testing::Test {
protected:
    int argc_ = 1;
    char name_[20] = "application_tests";
    char* argv_[2] = {name_, nullptr};
    PrivateSession session_;
};

// An event handler that fails half-way.
class FailingHandler : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++started;
        if (throw_standard)
            throw std::runtime_error("データベースの情報取得に失敗しました。");
        throw 42;
        ++finished;  // the rest of the handler
    }
    bool throw_standard = true;
    int started = 0;
    int finished = 0;
};

TEST_F(ApplicationTest, ExceptionFromAHandlerShowsTheBoxAndTheProgramGoesOn)
{
    TApplication app(argc_, argv_);
    app.Title = "ゴム製品耐用年数計算システム";
    MessageBoxRecorder boxes;
    FailingHandler handler;
    QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "データベースの情報取得に失敗しました。");
    EXPECT_EQ(boxes.boxes()[0].caption, "ゴム製品耐用年数計算システム");
    EXPECT_EQ(boxes.boxes()[0].type, (UINT)(MB_OK | MB_ICONERROR));
    EXPECT_EQ(handler.finished, 0);

    handler.throw_standard = false;  // not a std::exception: the empty message
    QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].text, "");
    EXPECT_EQ(handler.started, 2);
}

// A click's handler that fails: the box shows at the button, so nothing of
// the failure passes through the toolkit's event delivery, and the program
// goes on. Without an application the exception reaches the caller.
TEST_F(ApplicationTest, ExceptionFromAControlsHandlerStopsAtTheControl)
{
    EXPECT_THROW(run_handler([] { throw std::runtime_error("no application"); }), std::runtime_error);
    TApplication app(argc_, argv_);
    MessageBoxRecorder boxes;
    QWidget form;
    QPushButton* button = new QPushButton("OK", &form);
    int clicks = 0;
    on_click(button, [&] {
        ++clicks;
        throw std::out_of_range("リストのインデックス (-1) が範囲外です。");
    });
    form.show();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].text, "リストのインデックス (-1) が範囲外です。");
    run_handler([] { throw std::bad_alloc(); });  // shown in Japanese, not by the library's name
    ASSERT_EQ(boxes.boxes().size(), 3u);
    EXPECT_EQ(boxes.boxes()[2].text, "メモリが不足しています。");
    bool ran_on = false;
    run_handler([&] { ran_on = true; });
    EXPECT_TRUE(ran_on);
}

class Form : public QWidget {
public:
    Form() { setWindowTitle(qt_from_sjis("ヴェルモラ株式会社 【 ゴム製品耐用年数計算システム 】")); }
};

// A main form whose show handler fails, or closes the window, as a start
// sequence may.
class StartingForm : public QWidget {
public:
    enum Start { fails, closes };
    static Start start;
    int shows = 0;

protected:
    void showEvent(QShowEvent*) override
    {
        ++shows;
        if (start == closes)
            close();
        else
            throw std::runtime_error("Mst_Pipe: no such table");
    }
};
StartingForm::Start StartingForm::start = StartingForm::fails;

class Dialog : public QWidget {};

TEST_F(ApplicationTest, FirstFormIsTheMainFormAndRunEndsWhenItCloses)
{
    QPointer<QWidget> main_form, dialog;
    {
        TApplication app(argc_, argv_);
        Form* frm_man = nullptr;
        Dialog* frm_ver = nullptr;
        app.Initialize();
        app.CreateForm(frm_man);
        app.CreateForm(frm_ver);
        main_form = frm_man;
        dialog = frm_ver;
        EXPECT_EQ(app.MainForm(), frm_man);
        EXPECT_NE(FindWindowA(nullptr, "ヴェルモラ株式会社 【 ゴム製品耐用年数計算システム 】"), nullptr);
        bool shown_alone = false;
        QTimer::singleShot(0, [&] {
            shown_alone = frm_man->isVisible() && !frm_ver->isVisible();
            frm_ver->show();
            frm_ver->close();  // closing another window does not end the loop
            QTimer::singleShot(0, [&] { frm_man->close(); });
        });
        EXPECT_EQ(app.Run(), 0);
        EXPECT_TRUE(shown_alone);
        EXPECT_TRUE(main_form && dialog);  // the forms live until the application goes
    }
    EXPECT_TRUE(main_form.isNull());
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(FindWindowA(nullptr, "ヴェルモラ株式会社 【 ゴム製品耐用年数計算システム 】"), nullptr);
}

TEST_F(ApplicationTest, ShowHandlerThatFailsLeavesTheWindowOpen)
{
    TApplication app(argc_, argv_);
    MessageBoxRecorder boxes;
    StartingForm::start = StartingForm::fails;
    StartingForm* form = nullptr;
    app.CreateForm(form);
    bool open_after_failure = false;
    QTimer::singleShot(0, [&] {
        open_after_failure = form->isVisible();
        form->close();
    });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(open_after_failure);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "Mst_Pipe: no such table");
    EXPECT_EQ(boxes.boxes()[0].caption, "application_tests");  // the title until one is set
}

TEST_F(ApplicationTest, MainFormClosedWhileBeingShownEndsRunAtOnce)
{
    TApplication app(argc_, argv_);
    StartingForm::start = StartingForm::closes;
    StartingForm* form = nullptr;
    app.CreateForm(form);
    QTimer::singleShot(5000, [&] { app.exit(99); });  // a loop that never ended
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(form->shows, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ApplicationTest, HintOfTheControlAtAPoint)
{
    TApplication app(argc_, argv_);
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    QLabel* photo = new QLabel(&window);
    photo->setGeometry(10, 10, 100, 100);
    photo->setToolTip(qt_from_sjis("呼び径 50A\n\rフランジ JIS10K"));
    QLabel* plain = new QLabel(&window);
    plain->setGeometry(150, 10, 100, 100);
    window.show();

    QPoint over_photo = photo->mapToGlobal(QPoint(50, 50));
    Application->ActivateHint({over_photo.x(), over_photo.y()});
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), qt_from_sjis("呼び径 50A\n\rフランジ JIS10K"));
    photo->setToolTip(QString());  // the hint stays up once shown
    EXPECT_TRUE(QToolTip::isVisible());

    QPoint over_plain = plain->mapToGlobal(QPoint(50, 50));
    Application->ActivateHint({over_plain.x(), over_plain.y()});
    QElapsedTimer fading;  // the hint fades out
    fading.start();
    while (QToolTip::isVisible() && fading.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(ApplicationTest, ProgramPathAndTheGlobalObject)
{
    EXPECT_EQ(Application, nullptr);
    {
        TApplication app(argc_, argv_);
        EXPECT_EQ(Application, &app);
        EXPECT_EQ(app.ExeName.substr(app.ExeName.rfind('/') + 1), "application_tests");
        EXPECT_EQ(app.ExeName[0], '/');
        EXPECT_EQ(app.Run(), 0);  // no form: nothing to run
    }
    EXPECT_EQ(Application, nullptr);
}

}  // namespace
