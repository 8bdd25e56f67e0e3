// A form's system menu and message procedure. The desktop's own window menu
// cannot be extended from Qt, so the form offers its own: Alt+Space opens it
// at the window's corner, a right click on the window's own surface (not on
// a control) at the mouse. It holds move, minimise, a separator and close,
// and what the form appends. A chosen entry reaches the form's WndProc as
// WM_SYSCOMMAND with the entry's id as WParam.
//
//   class TFrm_Man : public QWidget, public MessageWindow {
//       TFrm_Man() : QWidget(nullptr), MessageWindow(this) {
//           HMENU menu = GetSystemMenu(this, FALSE);
//           AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
//           AppendMenuA(menu, MF_STRING, 1, "バージョン情報");
//       }
//       void WndProc(TMessage& message) override {
//           if (message.Msg == WM_SYSCOMMAND && message.WParam == 1)
//               ShowVersion();
//           MessageWindow::WndProc(message);
//       }
//   };
#ifndef PLATFORM_SYSMENU_H
#define PLATFORM_SYSMENU_H

#include <platform/wintypes.h>

class QMenu;
class QPoint;
class QShortcut;
class QWidget;
class SystemMenu;
typedef SystemMenu* HMENU;

class MessageWindow {
public:
    // window: the form itself, already constructed as a widget.
    explicit MessageWindow(QWidget* window);
    virtual ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // The default handling, for the form's override to hand every message on
    // to: WM_SYSCOMMAND with SC_CLOSE closes the window (as its close box
    // does), SC_MINIMIZE minimises, SC_MOVE lets the user move it, SC_RESTORE
    // and SC_MAXIMIZE do what they say (the low four bits of WParam are not
    // looked at); every other message is left alone.
    virtual void WndProc(TMessage& message);

    // Sends one message through WndProc; its Result.
    LRESULT Perform(UINT msg, WPARAM wparam, LPARAM lparam);

    SystemMenu* system_menu();
    QWidget* window_widget() const { return window_; }

private:
    QWidget* window_;
    SystemMenu* menu_ = nullptr;
    QShortcut* shortcut_ = nullptr;
    class SurfaceClicks;
    SurfaceClicks* clicks_ = nullptr;
};

class SystemMenu {
public:
    explicit SystemMenu(MessageWindow* owner);
    ~SystemMenu();
    SystemMenu(const SystemMenu&) = delete;
    SystemMenu& operator=(const SystemMenu&) = delete;

    // Back to the standard entries alone.
    void reset();
    bool append(UINT flags, UINT_PTR id, const char* text);
    // Opens the menu at a screen position; an entry chosen is dispatched.
    void popup(const QPoint& global_position);
    QMenu* menu() const { return menu_; }

private:
    MessageWindow* owner_;
    QMenu* menu_;
};

// The form's system menu. With revert TRUE the menu goes back to its
// standard entries and the result is null.
HMENU GetSystemMenu(MessageWindow* window, BOOL revert);

// Appends an entry: MF_STRING with a Shift-JIS text ('&' marks the access
// key, a tab starts the shortcut text), optionally MF_GRAYED or MF_DISABLED
// and MF_CHECKED; or MF_SEPARATOR. FALSE for a null menu, a string entry
// without text, or MF_POPUP (submenus are not offered).
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, const char* text);

#endif
