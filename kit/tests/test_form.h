// A shown, active window for the controls under test, and a record of the
// key events that reach it.
#ifndef KIT_TESTS_TEST_FORM_H
#define KIT_TESTS_TEST_FORM_H

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <vector>

#include <QApplication>

#include <testsupport/qt_test_app.h>

// Handles the waiting events until widget holds the focus (or gives up).
inline bool wait_for_focus(QWidget* widget)
{
    for (int i = 0; i < 200 && QApplication::focusWidget() != widget; ++i)
        QApplication::processEvents();
    return QApplication::focusWidget() == widget;
}

// Key events of the whole application, in order.
class KeyLog : public QObject {
public:
    struct Entry {
        QEvent::Type type;
        int key;
        QObject* target;
    };
    std::vector<Entry> entries;

    KeyLog() { qApp->installEventFilter(this); }
    ~KeyLog() override { qApp->removeEventFilter(this); }

    int count(QEvent::Type type, int key, QObject* target = nullptr) const
    {
        int n = 0;
        for (const Entry& e : entries)
            if (e.type == type && e.key == key && (!target || e.target == target))
                ++n;
        return n;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            entries.push_back({event->type(), static_cast<QKeyEvent*>(event)->key(), watched});
        return false;
    }
};

// A window with a line edit before the control, the control, and a line
// edit after it, in that tab order; the first line edit holds the focus.
template <class Control>
class TestForm {
public:
    QWidget window;
    QLineEdit* before;
    Control* control;
    QLineEdit* after;

    TestForm()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before = new QLineEdit);
        layout->addWidget(control = new Control);
        layout->addWidget(after = new QLineEdit);
        window.show();
        window.activateWindow();
        focus(before);
    }

    // Moves the focus as a Tab would and waits for it to arrive.
    bool focus(QWidget* widget)
    {
        widget->setFocus(Qt::TabFocusReason);
        return wait_for_focus(widget);
    }
};

#endif
