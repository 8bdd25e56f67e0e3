#include "testsupport/context_menu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

QStringList context_menu_entries(QWidget* widget)
{
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &click);
    QStringList entries;
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return entries;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << action->text().section(QLatin1Char('\t'), 0, 0);
    menu->close();
    QCoreApplication::processEvents();
    return entries;
}
