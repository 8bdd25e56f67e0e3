#include "app_host.h"

#include <stdlib.h>

#include <QApplication>
#include <QGuiApplication>

namespace {

bool has_env(const char* name)
{
    const char* value = getenv(name);
    return value && *value;
}

// A screen to show a dialog on, or a platform the user chose explicitly.
bool screen_available()
{
    return has_env("QT_QPA_PLATFORM") || has_env("DISPLAY") || has_env("WAYLAND_DISPLAY");
}

}  // namespace

AppKind ensure_application(bool for_dialog, std::unique_ptr<QApplication>& own)
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (qobject_cast<QApplication*>(app))
            return AppKind::widgets;
        return qobject_cast<QGuiApplication*>(app) ? AppKind::gui : AppKind::none;
    }
    const bool screen = screen_available();
    if (for_dialog && !screen)
        return AppKind::none;

    // Qt keeps argc and argv for the application's lifetime. Without a screen
    // the page is drawn on the offscreen platform, which still has every font.
    static int argc;
    static char name[] = "tolvane", platform_option[] = "-platform", offscreen[] = "offscreen";
    static char* argv[4];
    argv[0] = name;
    argv[1] = screen ? nullptr : platform_option;
    argv[2] = screen ? nullptr : offscreen;
    argc = screen ? 1 : 3;
    own = std::make_unique<QApplication>(argc, argv);
    return AppKind::widgets;
}
