#include "platform/controls/list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <stdexcept>
#include <string>

#include <platform/qt_text.h>
#include <platform/application.h>

namespace {
const int object_role = Qt::UserRole;

// Every row stands at the list's fixed item height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(const int& height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), height_);
    }

private:
    const int& height_;
};
}  // namespace

TListBox::TListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);  // a long item is cut at the edge, not shortened
    setItemDelegate(new FixedHeightDelegate(item_height_, this));
}

void TListBox::Clear()
{
    clear();
}

void TListBox::AddObject(const char* text, void* object)
{
    auto* item = new QListWidgetItem(qt_from_sjis(text));
    item->setData(object_role, QVariant::fromValue(object));
    item->setData(object_role + 1, QByteArray(text));
    addItem(item);
}

QByteArray TListBox::Text(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->data(object_role + 1).toByteArray() : QByteArray();
}

int TListBox::ItemIndex() const
{
    return currentRow();
}

void TListBox::setItemIndex(int index)
{
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(index);
}

void* TListBox::Object(int index) const
{
    if (index < 0 || index >= count())
        throw std::out_of_range("リストのインデックス (" + std::to_string(index) + ") が範囲外です。");
    return item(index)->data(object_role).value<void*>();
}

int TListBox::ItemAtPos(const QPoint& point) const
{
    QListWidgetItem* it = itemAt(point);
    return it ? row(it) : -1;
}

// As in the desktop's list box, the current item stays selected: neither
// Ctrl+click nor Ctrl+Space takes the selection away.
QItemSelectionModel::SelectionFlags TListBox::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

// Only the left button selects: another button would move the current item
// without a click being reported.
void TListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
    clicked_row_ = currentRow();
    if (ItemAtPos(event->position().toPoint()) >= 0 && OnClick)
        run_handler([this] { OnClick(this); });
}

// Dragging with the button held moves the selection; the item let go is
// reported as well, so that the program follows the selection it shows.
void TListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && currentRow() != clicked_row_ && currentRow() >= 0 && OnClick)
        run_handler([this] { OnClick(this); });
    clicked_row_ = currentRow();
}

void TListBox::keyPressEvent(QKeyEvent* event)
{
    int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0 && OnClick)
        run_handler([this] { OnClick(this); });
}

void TListBox::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    if (OnMouseMove) {
        QPoint p = event->position().toPoint();
        run_handler([&] { OnMouseMove(this, event->modifiers(), p.x(), p.y()); });
    }
}
