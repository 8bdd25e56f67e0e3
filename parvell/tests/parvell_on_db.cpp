#include "parvell_on_db.h"

#include <string.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QMouseEvent>

void add_minimal_rows(ProductDb& db)
{
    db.add("Mst_Pipe", {{"ID", 1}, {"Name", "pipe"}});
    db.add("Mst_Place", {{"ID", 10}, {"Mst_PipeID", 1}, {"Name", "place"}});
    db.add("Mst_Product", {{"ID", 1}, {"Name", "product"}, {"Life", 10.0}, {"Dimension1", "one"}, {"Dimension2", ""}});
    db.add("Mst_ProductDetail", {{"ID", 1},
                                 {"Mst_ProductID", 1},
                                 {"Diameter", "50A"},
                                 {"Length", "100"},
                                 {"MX", 10.0},
                                 {"PX", 20.0},
                                 {"Y", 3.0},
                                 {"Press", 1.5}});
    db.add("Mst_ProductPlace", {{"ID", 1}, {"Mst_PlaceID", 10}, {"Mst_ProductID", 1}});
    db.add("Mst_ConditionGroup", {{"ID", 1}, {"Detail", "group"}});
    add_condition(db, 100, 1, "condition", 1.0);
    show_condition(db, 1, 100, 1);
}

void add_condition(ProductDb& db, int id, int group, const char* detail, double factor, int type, double value)
{
    db.add("Mst_Condition", {{"ID", id},
                             {"Mst_ConditionGroupID", group},
                             {"Detail", detail},
                             {"Factor", factor},
                             {"DisplayValue", value},
                             {"DisplayValueType", type}});
}

void show_condition(ProductDb& db, int id, int cdt, int ppl)
{
    db.add("Mst_ConditionDisplay",
           {{"ID", id}, {"Mst_ConditionID", cdt}, {"Mst_ProductPlaceID", ppl}, {"Invalidate", 0}});
}

void ParvellOnDb::start_here()
{
    memset(get_pvr_(), 0, sizeof(Ver_inf));
    start(folder.path());
}

jetwriter::Bytes sample_picture(const char* name)
{
    std::string bytes = read_file(sample_folder() + "/docs/images/" + name);
    EXPECT_FALSE(bytes.empty()) << name;
    return jetwriter::Bytes(bytes.begin(), bytes.end());
}

jetwriter::Bytes jpeg_picture(int red, int green, int blue, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(red, green, blue));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, "JPG"));
    return jetwriter::Bytes(bytes.begin(), bytes.end());
}

void move_over(QWidget* widget, QPoint at)
{
    QPoint global = widget->mapToGlobal(at);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void move_over(QWidget* widget)
{
    move_over(widget, widget->rect().center());
}

void move_over_item(TListBox* list, int index)
{
    move_over(list->viewport(), list->visualItemRect(list->item(index)).center());
}
