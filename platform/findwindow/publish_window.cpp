#include "platform/findwindow.h"

#include <QEvent>
#include <QWidget>

#include <platform/qt_text.h>

namespace {

const char publisher_name[] = "velmora_window_record";

// Lives as a child of the window, so its record goes with the window.
class WindowPublisher : public QObject {
public:
    explicit WindowPublisher(QWidget* window)
        : QObject(window), record_(window->metaObject()->className(), qt_to_sjis(window->windowTitle()).toStdString())
    {
        setObjectName(publisher_name);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange)
            record_.set_caption(qt_to_sjis(static_cast<QWidget*>(watched)->windowTitle()).toStdString());
        return false;
    }

private:
    WindowRecord record_;
};

}  // namespace

void publish_window(QWidget* window)
{
    if (window && !window->findChild<QObject*>(publisher_name, Qt::FindDirectChildrenOnly))
        new WindowPublisher(window);
}
