#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QWindow>

#include <chrono>
#include <thread>
#include <vector>

#include <QApplication>

#include <testsupport/qt_test_app.h>
#include <platform/thread.h>

#include "Frm_waits.h"

namespace {

const char kCaption[] = "印刷中";
const char kText[] = "耐用年数計算書を印刷中です";

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

class WaitDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        Frm_Wait = new TFrm_Wait;
        QObject::connect(Frm_Wait->Prg_Wait, &QProgressBar::valueChanged,
                         [this](int value) { positions.push_back(value); });
    }
    void TearDown() override
    {
        delete Frm_Wait;
        Frm_Wait = nullptr;
    }

    // Handles the UI's events for ms milliseconds.
    static void pump(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            QApplication::processEvents();
            Sleep(1);
        }
    }
    // Handles the UI's events until the bar stands at least at position.
    static bool pump_until(int position, int limit_ms = 30000)
    {
        QElapsedTimer timer;
        timer.start();
        while (Frm_Wait->Prg_Wait->value() < position && timer.elapsed() < limit_ms) {
            QApplication::processEvents();
            Sleep(1);
        }
        return Frm_Wait->Prg_Wait->value() >= position;
    }

    std::vector<int> positions;  // every change of the bar
};

TEST_F(WaitDialog, BarStepsRoundOncePerInterval)
{
    const int interval = 40;
    QElapsedTimer timer;
    timer.start();
    sta_wat_(kCaption, kText, interval);
    EXPECT_TRUE(Frm_Wait->isVisible());
    EXPECT_EQ(Frm_Wait->Prg_Wait->value(), 0);
    // A full round and more: eleven positions, then 10 again.
    while (positions.size() < 12 && timer.elapsed() < 60000) {
        QApplication::processEvents();
        Sleep(1);
    }
    end_wat_();
    const qint64 elapsed = timer.elapsed();
    EXPECT_FALSE(Frm_Wait->isVisible());

    // 10, 20, ... 100, then 0 and round again.
    ASSERT_GE(positions.size(), 12u);
    int previous = 0;
    for (int position : positions) {
        EXPECT_EQ(position, previous == 100 ? 0 : previous + 10);
        previous = position;
    }
    // Never faster than one step per interval (a busy machine only makes
    // the bound looser).
    EXPECT_LE(positions.size(), size_t(elapsed / interval + 1));
}

TEST_F(WaitDialog, StepsThatPileUpWhileTheUiIsBusyMergeIntoOne)
{
    sta_wat_(kCaption, kText, 100);
    ASSERT_TRUE(pump_until(10));
    // The UI thread is tied up for five intervals at a time, as in a print
    // call; whatever the worker asked for meanwhile is one step.
    for (int round = 0; round < 50 && Frm_Wait->Prg_Wait->value() == 10; ++round) {
        std::this_thread::sleep_for(std::chrono::milliseconds(520));
        QApplication::processEvents();
    }
    EXPECT_EQ(positions, (std::vector<int>{10, 20}));
    end_wat_();
}

TEST_F(WaitDialog, EndRightAfterStartStopsTheBar)
{
    sta_wat_(kCaption, kText, 300);
    end_wat_();
    EXPECT_FALSE(Frm_Wait->isVisible());
    EXPECT_LE(Frm_Wait->Prg_Wait->value(), 10);  // at most one step
    // Nothing moves the bar after the end.
    const int stopped = Frm_Wait->Prg_Wait->value();
    pump(2 * 50);
    EXPECT_EQ(Frm_Wait->Prg_Wait->value(), stopped);
}

TEST_F(WaitDialog, SecondStartShowsNewTextsCentredWithTheBarAtZero)
{
    sta_wat_(kCaption, kText, 20);
    ASSERT_TRUE(pump_until(30));
    end_wat_();
    EXPECT_GE(Frm_Wait->Prg_Wait->value(), 30);  // the hidden bar keeps its place

    Frm_Wait->move(0, 0);
    sta_wat_("二回目", "もう一度", 20);
    EXPECT_EQ(Frm_Wait->windowTitle(), utf8(u8"二回目"));
    EXPECT_EQ(Frm_Wait->Lbl_Idx->text(), utf8(u8"もう一度"));
    EXPECT_EQ(Frm_Wait->Prg_Wait->value(), 0);
    const QRect desk = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = Frm_Wait->frameGeometry();
    EXPECT_EQ(frame.left(), (desk.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top(), (desk.height() - frame.height()) / 2);
    end_wat_();
}

TEST_F(WaitDialog, EndWithoutAWorkerOnlyHidesTheDialog)
{
    end_wat_();  // never started
    EXPECT_FALSE(Frm_Wait->isVisible());

    Frm_Wait->show();
    Frm_Wait->Prg_Wait->setValue(30);
    end_wat_();
    EXPECT_FALSE(Frm_Wait->isVisible());
    EXPECT_EQ(positions, std::vector<int>{30});  // no step came
}

TEST_F(WaitDialog, FixedWindowThatOnlyEndWatCloses)
{
    EXPECT_EQ(Frm_Wait->size(), QSize(305, 66));
    EXPECT_EQ(Frm_Wait->minimumSize(), Frm_Wait->maximumSize());
    const Qt::WindowFlags flags = Frm_Wait->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_EQ(Frm_Wait->Prg_Wait->geometry(), QRect(8, 28, 289, 16));
    EXPECT_EQ(Frm_Wait->Prg_Wait->minimum(), 0);
    EXPECT_EQ(Frm_Wait->Prg_Wait->maximum(), 100);
    EXPECT_EQ(Frm_Wait->Lbl_Idx->geometry(), QRect(8, 8, 289, 12));
    EXPECT_TRUE(Frm_Wait->Lbl_Idx->alignment() & Qt::AlignHCenter);

    sta_wat_(kCaption, kText, 50);
    // A close from the window system (the user's Alt+F4) is refused: it
    // reaches the window, not the widget.
    QCloseEvent from_window_system;
    QApplication::sendEvent(Frm_Wait->windowHandle(), &from_window_system);
    QApplication::processEvents();
    EXPECT_TRUE(Frm_Wait->isVisible());
    end_wat_();
    EXPECT_FALSE(Frm_Wait->isVisible());
}

// The dialog as the user sees it: a title bar drawn above the window's own
// picture, since the offscreen platform draws no frame.
QImage picture_with_title(QWidget* window)
{
    const int title_height = 20;
    const QPixmap client = window->grab();
    QImage image(client.width() + 2, client.height() + title_height + 1, QImage::Format_RGB32);
    image.fill(QColor(0, 84, 166));
    QPainter painter(&image);
    QFont title_font = window->font();
    title_font.setBold(true);
    painter.setFont(title_font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(6, 0, image.width() - 12, title_height), Qt::AlignVCenter | Qt::AlignLeft,
                     window->windowTitle());
    painter.drawPixmap(1, title_height, client);
    return image;
}

// Pixels much darker than the dialog's face inside rect.
int dark_pixels(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ++count;
    return count;
}

TEST_F(WaitDialog, PictureShowsTitleTextAndBarInAJapaneseFace)
{
    sta_wat_(kCaption, kText, 30);
    ASSERT_TRUE(pump_until(40));
    end_wat_();
    Frm_Wait->show();  // shown again to be pictured, bar at 0
    Frm_Wait->Prg_Wait->setValue(40);

    const QFont font = Frm_Wait->Lbl_Idx->font();
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
    const QFontMetrics metrics(font);
    for (QChar ch : Frm_Wait->Lbl_Idx->text())
        EXPECT_TRUE(metrics.inFont(ch)) << ch.unicode();

    const QImage client = Frm_Wait->grab().toImage();
    EXPECT_GT(dark_pixels(client, Frm_Wait->Lbl_Idx->geometry()), 100);

    const QImage picture = picture_with_title(Frm_Wait);
    EXPECT_TRUE(picture.save(QStringLiteral("wait_dialog.png")));
    Frm_Wait->hide();
}

}  // namespace
