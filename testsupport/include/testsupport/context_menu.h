// What Qt itself shows in a widget: the entries of its context menu.
#ifndef TESTSUPPORT_CONTEXT_MENU_H
#define TESTSUPPORT_CONTEXT_MENU_H

#include <QStringList>

class QWidget;

// The entries of the menu a right click on the widget opens, without their
// shortcut keys; the menu is closed again. Empty when no menu opened.
QStringList context_menu_entries(QWidget* widget);

#endif
