#include "Frm_waits.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <atomic>
#include <cstdint>

#include <platform/centre_on_screen.h>
#include <platform/fonts.h>
#include <platform/qt_text.h>
#include <platform/thread.h>

TFrm_Wait* Frm_Wait = nullptr;

namespace {

// 0 lets the worker go on, 1 tells it to end.
std::atomic<std::int32_t> stop_flag{0};
// The running worker; null when none was started or its start failed.
PlatformThread* worker = nullptr;
// Milliseconds between two steps; written before the worker starts.
std::int32_t step_interval = 0;
// A step asked for and not yet carried out. Requests that come while the UI
// thread is tied up merge into one, so the bar never races to catch up.
std::atomic<bool> step_pending{false};

const size_t kWorkerStack = 8192;

QEvent::Type step_event()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace

int next_bar_position(int position, int step, int max)
{
    return position + step > max ? 0 : position + step;
}

TFrm_Wait::TFrm_Wait(QWidget* Owner)
    : QWidget(Owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Frm_Wait"));
    setFont(make_font("ＭＳ Ｐゴシック", -12));
    setFixedSize(305, 66);

    Lbl_Idx = new QLabel(qt_from_sjis("rrr"), this);
    Lbl_Idx->setObjectName(QStringLiteral("Lbl_Idx"));
    Lbl_Idx->setGeometry(8, 8, 289, 12);
    Lbl_Idx->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Prg_Wait = new QProgressBar(this);
    Prg_Wait->setObjectName(QStringLiteral("Prg_Wait"));
    Prg_Wait->setGeometry(8, 28, 289, 16);
    Prg_Wait->setRange(0, 100);
    Prg_Wait->setValue(0);
    Prg_Wait->setTextVisible(false);
    step_event();  // registered before any worker asks for it
}

TFrm_Wait::~TFrm_Wait() = default;

void TFrm_Wait::setVisible(bool visible)
{
    const bool showing = visible && !isVisible();
    QWidget::setVisible(visible);
    if (showing)
        FormShow(this);
}

void TFrm_Wait::FormShow(QObject* /*Sender*/)
{
    centre_on_screen(this);
    Prg_Wait->setValue(0);
    QCoreApplication::processEvents();
}

bool TFrm_Wait::event(QEvent* event)
{
    if (event->type() == step_event()) {
        step_pending.store(false);
        Prg_Wait->setValue(next_bar_position(Prg_Wait->value(), PrgStep, Prg_Wait->maximum()));
        return true;
    }
    return QWidget::event(event);
}

void TFrm_Wait::closeEvent(QCloseEvent* event)
{
    // No close box and no system menu: only end_wat_ closes the dialog.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void sta_wat_(const char* caption, const char* text, int interval_ms)
{
    Frm_Wait->setWindowTitle(qt_from_sjis(caption));
    Frm_Wait->Lbl_Idx->setText(qt_from_sjis(text));
    step_interval = interval_ms;
    Frm_Wait->show();
    stop_flag.store(0);
    // A worker that cannot start leaves the dialog standing still.
    worker = start_thread(wat_thd_, nullptr, kWorkerStack);
}

DWORD wat_thd_(LPVOID /*arg*/)
{
    while (stop_flag.load() == 0) {
        if (!step_pending.exchange(true))
            QCoreApplication::postEvent(Frm_Wait, new QEvent(step_event()));
        // The interval is slept in short slices that look at the flag, so
        // that end_wat_ does not keep a finished print waiting for it.
        const DWORD interval = step_interval > 0 ? (DWORD)step_interval : 0;
        DWORD slept = 0;
        do {
            const DWORD slice = std::min<DWORD>(interval - slept, 5);
            Sleep(slice);
            slept += slice;
        } while (slept < interval && stop_flag.load() == 0);
    }
    return 1;
}

void end_wat_()
{
    stop_flag.store(1);
    if (worker) {
        // The worker sees the flag after its current sleep; the UI goes on
        // handling its events meanwhile.
        while (!thread_ended(worker)) {
            QCoreApplication::processEvents();
            Sleep(1);
        }
        close_thread(worker);
        worker = nullptr;
        // A step asked for just before the end is dropped: the bar stops here.
        QCoreApplication::removePostedEvents(Frm_Wait, step_event());
        step_pending.store(false);
    }
    Frm_Wait->close();
}
