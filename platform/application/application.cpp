#include "platform/application.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QToolTip>

#include <stdio.h>
#include <stdlib.h>

#include <new>

#include <platform/files.h>
#include <platform/findwindow.h>
#include <platform/fonts.h>
#include <platform/msgbox.h>

TApplication* Application = nullptr;

namespace {

std::string program_name(const std::string& path)
{
    return path.substr(ExtractFilePath(path).size());
}

// With VELMORA_FORM_LOG naming a file, the texts of the main form's named
// lists and edit boxes as it first shows them, one "name=text" line each
// (UTF-8), so that a test can see what a program it started shows.
void log_first_showing(QWidget* form)
{
    const char* path = getenv("VELMORA_FORM_LOG");
    if (!path || !*path)
        return;
    FILE* log = fopen(path, "a");
    if (!log)
        return;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty())
            continue;
        QString text;
        if (auto* list = qobject_cast<QComboBox*>(control))
            text = list->currentText();
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            text = edit->text();
        else
            continue;
        fprintf(log, "%s=%s\n", qPrintable(control->objectName()), text.toUtf8().constData());
    }
    fclose(log);
}

}  // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv), Title(program_name(exe_name())), ExeName(exe_name())
{
    // The main form's closing ends the loop, not the last window's.
    setQuitOnLastWindowClosed(false);
    install_font_faces();
    Application = this;
}

TApplication::~TApplication()
{
    if (main_form_)
        main_form_->removeEventFilter(this);
    for (auto form = forms_.rbegin(); form != forms_.rend(); ++form)
        delete form->data();
    if (Application == this)
        Application = nullptr;
}

void TApplication::adopt(QWidget* form)
{
    forms_.push_back(form);
    publish_window(form);
    if (!main_form_) {
        main_form_ = form;
        form->installEventFilter(this);
    }
}

int TApplication::Run()
{
    if (!main_form_)
        return 0;
    main_closed_ = false;
    main_form_->show();
    if (main_closed_)
        return 0;
    log_first_showing(main_form_);
    return exec();
}

bool TApplication::eventFilter(QObject* watched, QEvent* event)
{
    // Closing hides the main form; a minimised one is not hidden.
    if (watched == main_form_ && event->type() == QEvent::Hide && !event->spontaneous() && main_form_->isHidden()) {
        main_closed_ = true;
        quit();
    }
    return false;
}

void TApplication::ShowException(const std::exception& error)
{
    // The library's own text of running out of memory is "std::bad_alloc".
    if (dynamic_cast<const std::bad_alloc*>(&error))
        ShowException("メモリが不足しています。");
    else
        ShowException(error.what());
}

void TApplication::ShowException(const char* message)
{
    QWidget* owner = activeModalWidget();
    if (!owner)
        owner = activeWindow();
    if (!owner)
        owner = main_form_;
    try {
        MessageBoxA(owner, message ? message : "", Title.c_str(), MB_OK | MB_ICONERROR);
    } catch (...) {
        // Nothing more can be shown; the program goes on.
    }
}

namespace {

// The exception being handled, in the exception box.
void show_current_exception(TApplication& app)
{
    try {
        throw;
    } catch (const std::exception& error) {
        app.ShowException(error);
    } catch (...) {
        app.ShowException("");
    }
}

}  // namespace

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        show_current_exception(*this);
    }
    return false;
}

void run_handler(const std::function<void()>& handler)
{
    if (!Application)
        return handler();
    try {
        handler();
    } catch (...) {
        show_current_exception(*Application);
    }
}

void on_click(QAbstractButton* button, std::function<void()> handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [handler = std::move(handler)] { run_handler(handler); });
}

void TApplication::ActivateHint(POINT at)
{
    QPoint position(at.x, at.y);
    QWidget* control = widgetAt(position);
    while (control && control->toolTip().isEmpty())
        control = control->parentWidget();
    if (control)
        QToolTip::showText(position, control->toolTip(), control);
    else
        QToolTip::hideText();
}
