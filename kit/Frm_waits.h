// The wait dialog: a small fixed window with a title, a one-line message and
// a progress bar that keeps stepping round while a long job ties up the UI
// thread. A worker thread paces the steps; the UI thread carries them out.
#ifndef KIT_FRM_WAITS_H
#define KIT_FRM_WAITS_H

#include <QWidget>

#include <platform/wintypes.h>

class QLabel;
class QProgressBar;

class TFrm_Wait : public QWidget {
    Q_OBJECT

public:
    explicit TFrm_Wait(QWidget* Owner = nullptr);
    ~TFrm_Wait() override;

    QProgressBar* Prg_Wait;
    QLabel* Lbl_Idx;

    // How far the bar moves at each step.
    static const int PrgStep = 10;

    // Runs when the dialog is shown: centres it on the screen, puts the bar
    // at 0 and handles the events waiting, its painting among them.
    void FormShow(QObject* Sender);

    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

// The one wait dialog of the program, made at start-up.
extern TFrm_Wait* Frm_Wait;

// Shows Frm_Wait with caption as its title and text as its message (both
// Shift-JIS) and starts the worker that steps the bar every interval_ms.
// On the UI thread, paired with end_wat_.
void sta_wat_(const char* caption, const char* text, int interval_ms);

// Stops the worker, handling the UI's events until it has ended, and hides
// the dialog. On the UI thread.
void end_wat_();

// The worker: asks the UI thread for one step of the bar every interval until
// told to stop. Its argument is not used; it returns 1.
DWORD wat_thd_(LPVOID arg);

// The bar position after one step: back to 0 when the step would pass max.
int next_bar_position(int position, int step, int max);

#endif
