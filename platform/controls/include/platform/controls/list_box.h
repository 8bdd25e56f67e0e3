// A list box in the manner of the desktop class library: items of Shift-JIS
// text each carrying an object pointer, an item index that the program sets
// without events, and OnClick for the user's own selections.
#ifndef PLATFORM_CONTROLS_LIST_BOX_H
#define PLATFORM_CONTROLS_LIST_BOX_H

#include <QByteArray>
#include <QListWidget>

#include <functional>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    // A selection by mouse or keyboard.
    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int x, int y)> OnMouseMove;

    explicit TListBox(QWidget* parent);

    void setItemHeight(int height) { item_height_ = height; }
    void Clear();
    void AddObject(const char* text, void* object);
    int Count() const { return count(); }
    QByteArray Text(int index) const;

    // -1 when nothing is selected. Setting it fires no event.
    int ItemIndex() const;
    void setItemIndex(int index);

    // The object of an item; an index outside the list raises the list-index error.
    void* Object(int index) const;

    // The item at a point of the client area, or -1 (only existing items count).
    int ItemAtPos(const QPoint& point) const;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int item_height_ = 13;
    int clicked_row_ = -1;  // the item the last press reported
};

#endif
