// Parvell's forms on a product database that the test writes: the database
// goes into a fresh folder as Parvell.mdb and the forms start in that folder.
#ifndef PARVELL_TESTS_PARVELL_ON_DB_H
#define PARVELL_TESTS_PARVELL_ON_DB_H

#include <string>

#include <QPoint>
#include <QString>

#include <platform/qt_text.h>
#include <testsupport/child_process.h>

#include "parvell_app.h"
#include "product_db.h"

// Built before and destroyed after the forms, so that the database file is
// still there while the main window's teardown closes it.
struct WrittenDb {
    TempFolder folder;
    ProductDb db;
};

class ParvellOnDb : protected WrittenDb, public ParvellApp {
protected:
    // Writes the database (with the given password) and starts the forms.
    void start_db(const std::string& password = "q7154mvk--tpa")
    {
        db.write(folder.file("Parvell.mdb"), password);
        start_here();
    }
    // Starts the forms in the folder as it stands, with the program's
    // version texts empty as at a program start.
    void start_here();
};

// The rows of the smallest database that fills every list: pipe kind 1 with
// place 10, product 1 (life 10) at that place with size "50A"x"100", one
// condition group 1 with condition 100 (factor 1.0, shown by
// condition-display row 1); the Version table stays empty.
void add_minimal_rows(ProductDb& db);

// A condition of group g; display type 0 (plain text) unless given.
void add_condition(ProductDb& db, int id, int group, const char* detail, double factor, int type = 0,
                   double value = 0.0);
// Shows condition cdt for product-place row ppl.
void show_condition(ProductDb& db, int id, int cdt, int ppl);

// The bytes of one of the sample database's pictures (docs/images/name).
jetwriter::Bytes sample_picture(const char* name);
// A solid-coloured JPEG picture, 16 x 16 pixels unless given.
jetwriter::Bytes jpeg_picture(int red, int green, int blue, int width = 16, int height = 16);

// A mouse move over a widget (its centre when no point is given) with the
// cursor there, as the window system delivers it.
void move_over(QWidget* widget, QPoint at);
void move_over(QWidget* widget);
// A mouse move over an item of a list box.
void move_over_item(TListBox* list, int index);

// Shift-JIS literal to the widget's text, and back.
inline QString sj(const char* sjis)
{
    return qt_from_sjis(sjis);
}
inline std::string sjis_of(const QString& text)
{
    return qt_to_sjis(text).toStdString();
}

#endif
