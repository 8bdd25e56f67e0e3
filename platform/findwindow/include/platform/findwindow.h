// Top-level windows that any process of the user's session can find by
// caption. A published window leaves a record in the session folder, locked
// by its process: the record goes when the window is destroyed, and a record
// whose process died (its lock dropped by the kernel) is ignored and swept
// away by the next search.
#ifndef PLATFORM_FINDWINDOW_H
#define PLATFORM_FINDWINDOW_H

#include <string>

#include <platform/wintypes.h>

class QWidget;

// The first published window of the session whose class name (ASCII letters
// compared without case) and caption (Shift-JIS bytes, compared exactly) are
// the given ones; a null argument matches any. Null when there is none. The
// handle only tells that the window exists; it is not a widget.
HWND FindWindowA(const char* class_name, const char* window_name);

// Makes a top-level widget findable for its whole life, under the class name
// of its most derived class that declares Q_OBJECT (a form's class name) and its window
// title, kept up to date as the title changes. Publishing twice is harmless.
void publish_window(QWidget* window);

// One record, for windows that are not widgets (and the tests).
class WindowRecord {
public:
    WindowRecord(const std::string& class_name, const std::string& caption);
    ~WindowRecord();
    WindowRecord(const WindowRecord&) = delete;
    WindowRecord& operator=(const WindowRecord&) = delete;

    void set_caption(const std::string& caption);
    bool published() const { return fd_ >= 0; }

private:
    std::string class_name_;
    std::string path_;
    int fd_ = -1;
};

#endif
