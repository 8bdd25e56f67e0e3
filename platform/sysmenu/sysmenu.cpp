#include "platform/sysmenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include <platform/qt_text.h>

namespace {

const char id_property[] = "velmora_command";

bool can_minimise(QWidget* window)
{
    Qt::WindowFlags flags = window->windowFlags();
    if (flags & Qt::CustomizeWindowHint)
        return flags & Qt::WindowMinimizeButtonHint;
    return (flags & Qt::WindowType_Mask) == Qt::Window || (flags & Qt::WindowMinimizeButtonHint);
}

}  // namespace

// Right clicks on the window's own surface open the menu.
class MessageWindow::SurfaceClicks : public QObject {
public:
    explicit SurfaceClicks(MessageWindow* owner) : QObject(owner->window_widget()), owner_(owner)
    {
        owner->window_widget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ContextMenu || watched != owner_->window_widget())
            return false;
        QContextMenuEvent* click = static_cast<QContextMenuEvent*>(event);
        if (owner_->window_widget()->childAt(click->pos()))
            return false;  // a control's click, passed up: not the surface
        owner_->system_menu()->popup(click->globalPos());
        return true;
    }

private:
    MessageWindow* owner_;
};

MessageWindow::MessageWindow(QWidget* window) : window_(window)
{
    shortcut_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window_);
    shortcut_->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut_, &QShortcut::activated,
                     [this] { system_menu()->popup(window_->mapToGlobal(QPoint(0, 0))); });
    clicks_ = new SurfaceClicks(this);
}

MessageWindow::~MessageWindow()
{
    // The widget outlives this part of the form: take away what calls back.
    delete clicks_;
    delete shortcut_;
    delete menu_;
}

SystemMenu* MessageWindow::system_menu()
{
    if (!menu_)
        menu_ = new SystemMenu(this);
    return menu_;
}

void MessageWindow::WndProc(TMessage& message)
{
    if (message.Msg != WM_SYSCOMMAND)
        return;
    switch (message.WParam & 0xFFF0) {
    case SC_CLOSE: window_->close(); break;
    case SC_MINIMIZE: window_->showMinimized(); break;
    case SC_RESTORE: window_->showNormal(); break;
    case SC_MAXIMIZE: window_->showMaximized(); break;
    case SC_MOVE:
        if (QWindow* handle = window_->windowHandle())
            handle->startSystemMove();
        break;
    default: break;
    }
}

LRESULT MessageWindow::Perform(UINT msg, WPARAM wparam, LPARAM lparam)
{
    TMessage message = {msg, wparam, lparam, 0};
    WndProc(message);
    return message.Result;
}

SystemMenu::SystemMenu(MessageWindow* owner) : owner_(owner), menu_(new QMenu(owner->window_widget()))
{
    QObject::connect(menu_, &QMenu::aboutToShow, [this] {
        for (QAction* action : menu_->actions())
            if (action->property(id_property).toUInt() == SC_MINIMIZE)
                action->setEnabled(can_minimise(owner_->window_widget()));
    });
    QObject::connect(menu_, &QMenu::triggered, [this](QAction* action) {
        TMessage message = {WM_SYSCOMMAND, (WPARAM)action->property(id_property).toULongLong(), 0, 0};
        owner_->WndProc(message);
    });
    reset();
}

SystemMenu::~SystemMenu()
{
    delete menu_;
}

void SystemMenu::reset()
{
    menu_->clear();
    append(MF_STRING, SC_MOVE, "移動(&M)");
    append(MF_STRING, SC_MINIMIZE, "最小化(&N)");
    append(MF_SEPARATOR, 0, nullptr);
    append(MF_STRING, SC_CLOSE, "閉じる(&C)\tAlt+F4");
}

bool SystemMenu::append(UINT flags, UINT_PTR id, const char* text)
{
    if (flags & MF_POPUP)
        return false;
    if (flags & MF_SEPARATOR) {
        menu_->addSeparator();
        return true;
    }
    if (!text)
        return false;
    QAction* action = menu_->addAction(qt_from_sjis(text));
    action->setProperty(id_property, QVariant::fromValue((qulonglong)id));
    action->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    action->setCheckable(flags & MF_CHECKED);
    action->setChecked(flags & MF_CHECKED);
    return true;
}

void SystemMenu::popup(const QPoint& global_position)
{
    menu_->popup(global_position);
}

HMENU GetSystemMenu(MessageWindow* window, BOOL revert)
{
    if (!window)
        return nullptr;
    if (revert) {
        window->system_menu()->reset();
        return nullptr;
    }
    return window->system_menu();
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, const char* text)
{
    return menu && menu->append(flags, id, text) ? TRUE : FALSE;
}
