// Message boxes: owner, Shift-JIS text and caption, and the flags that choose
// the icon (MB_ICON*), the buttons (MB_OK ... MB_RETRYCANCEL) and the default
// button (MB_DEFBUTTON*). The answer is the ID of the button chosen (IDOK ...).
//
// Nobody needs to click in a test: while a MessageBoxRecorder exists, boxes
// are recorded instead of shown. A program started by a test can be told to
// write its boxes to a file instead: with VELMORA_MESSAGE_BOX_LOG set to a
// path, each box appends one line there (read back by read_message_box_log)
// and gets its default answer.
#ifndef PLATFORM_MSGBOX_H
#define PLATFORM_MSGBOX_H

#include <functional>
#include <string>
#include <vector>

#include <platform/wintypes.h>

class QWidget;

// Shows the box modally over the owner's window (over the whole application
// when the owner is null) and waits for the answer. In a text line, "\r\n",
// "\n\r", "\n" and "\r" each break the line. A null caption shows "エラー".
// Without a GUI application the box goes to the standard error output and
// gets its default answer.
int MessageBoxA(QWidget* owner, const char* text, const char* caption, UINT type);

// The answer of a box that nobody answers: its default button.
int default_answer(UINT type);

struct ShownMessageBox {
    QWidget* owner;
    std::string text;     // Shift-JIS, as given
    std::string caption;  // Shift-JIS, as given
    UINT type;
    int answer;  // the answer the box gave
};

// Records boxes for as long as it exists (the innermost of nested recorders).
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // Answers for the next boxes, in order; boxes beyond them get their default.
    void answer_next(int id) { answers_.push_back(id); }
    const std::vector<ShownMessageBox>& boxes() const { return boxes_; }
    void clear() { boxes_.clear(); }
    // Runs at each box, as while the box would be open.
    std::function<void(const ShownMessageBox&)> on_box;

    // Used by MessageBoxA.
    static MessageBoxRecorder* active();
    int record(QWidget* owner, const char* text, const char* caption, UINT type);

private:
    MessageBoxRecorder* previous_;
    std::vector<int> answers_;
    std::vector<ShownMessageBox> boxes_;
};

// The boxes a process wrote under VELMORA_MESSAGE_BOX_LOG (owners null).
std::vector<ShownMessageBox> read_message_box_log(const std::string& path);

// Appends one box to the log file; false when it cannot be written.
bool append_message_box_log(const std::string& path, const ShownMessageBox& box);

#endif
