#include "app_host.h"

#include <stdlib.h>

#include <QApplication>
#include <QGuiApplication>

#include <platform/qt_japanese.h>

namespace {

bool has_env(const char* name)
{
    const char* value = getenv(name);
    return value && *value;
}

}  // namespace

AppKind ensure_application(bool for_dialog, std::unique_ptr<QApplication>& own)
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (qobject_cast<QApplication*>(app))
            return AppKind::widgets;
        return qobject_cast<QGuiApplication*>(app) ? AppKind::gui : AppKind::none;
    }
    // The dialog needs the desktop's screen; a page written straight to a
    // file needs none and is drawn on the offscreen platform, which has every
    // font. Qt keeps argc and argv for the application's lifetime.
    const bool on_screen = for_dialog;
    if (on_screen && !has_env("DISPLAY") && !has_env("WAYLAND_DISPLAY"))
        return AppKind::none;
    static int argc;
    static char name[] = "tolvane", platform_option[] = "-platform", offscreen[] = "offscreen";
    static char* argv[4];
    argv[0] = name;
    argv[1] = on_screen ? nullptr : platform_option;
    argv[2] = on_screen ? nullptr : offscreen;
    argc = on_screen ? 1 : 3;
    own = std::make_unique<QApplication>(argc, argv);
    install_qt_japanese();
    return AppKind::widgets;
}
