// The application object, one per program, reached through Application.
// It owns the forms, runs the message loop until the main form closes, and
// shows every exception that escapes an event handler in the exception box
// (MessageBoxA with the exception's message, the Title as caption and
// MB_OK | MB_ICONERROR): the rest of that handler is skipped and the program
// goes on. It also maps the forms' font faces (install_font_faces).
#ifndef PLATFORM_APPLICATION_H
#define PLATFORM_APPLICATION_H

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <platform/wintypes.h>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    // Destroys the forms, the newest first.
    ~TApplication() override;

    // Shift-JIS; the exception box's caption. Starts as the program's name.
    std::string Title;
    // The program's full path, Shift-JIS.
    const std::string ExeName;

    // Nothing to prepare; kept for the entry's order of calls.
    void Initialize() {}

    // Creates a form (constructed without arguments) and stores it in
    // reference. The first form created is the main form. Every form belongs
    // to the application and is published (FindWindowA finds it by class
    // name and caption) for its whole life.
    template <class Form>
    void CreateForm(Form*& reference)
    {
        reference = new Form();
        adopt(reference);
    }
    QWidget* MainForm() const { return main_form_; }

    // Shows the main form and runs the message loop until the main form is
    // closed; at once when it is closed while being shown. The loop's code.
    // With VELMORA_FORM_LOG set to a path, the main form's named lists and
    // edit boxes are logged there as first shown, one "name=text" line each
    // (UTF-8), so that a test can see what a program it started shows.
    int Run();
    // Ends the message loop.
    void Terminate() { quit(); }
    // Handles the events waiting now.
    void ProcessMessages() { processEvents(); }

    // The exception box; running out of memory (std::bad_alloc) shows
    // "メモリが不足しています。", any exception other than a std::exception
    // the empty message.
    void ShowException(const std::exception& error);
    void ShowException(const char* message);

    // Shows at once the hint (tool tip) of the control at a screen position,
    // or of its nearest parent that has one, just below that position.
    void ActivateHint(POINT at);

    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void adopt(QWidget* form);

    std::vector<QPointer<QWidget>> forms_;
    QPointer<QWidget> main_form_;
    bool main_closed_ = false;
};

extern TApplication* Application;

// Runs the handler that a control calls for a user's action, as the class
// library's message dispatch does: an exception escaping it is shown in the
// exception box here and the rest of the handler is skipped. Caught this
// early it never unwinds through the toolkit's own frames, which are not
// built to pass exceptions (what they hold would leak). Without an
// application object the exception passes on.
void run_handler(const std::function<void()>& handler);

// A button's click runs handler through run_handler.
void on_click(QAbstractButton* button, std::function<void()> handler);

#endif
