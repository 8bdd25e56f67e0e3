#include "catalogue_app.h"

#include <stdio.h>
#include <stdlib.h>

#include <chrono>
#include <thread>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <platform/qt_text.h>

CatalogueApp::CatalogueApp()
{
    db.add("Mst_Pipe", {{"ID", 1}, {"Name", "pipe"}});
    db.add("Mst_Place", {{"ID", 1}, {"Mst_PipeID", 1}, {"Name", "A"}});
    db.add("Mst_Place", {{"ID", 2}, {"Mst_PipeID", 1}, {"Name", "B"}});
    db.add("Mst_Product",
           {{"ID", 1}, {"Name", "P"}, {"Life", 10.0}, {"URL", "p.html"}, {"Photo", jpeg_picture(0, 255, 0)}});
    db.add("Mst_ProductDetail", {{"ID", 1},
                                 {"Mst_ProductID", 1},
                                 {"Diameter", "65"},
                                 {"Length", "115"},
                                 {"MX", 1.0},
                                 {"PX", 1.0},
                                 {"Y", 1.0},
                                 {"Press", 1.0}});
    db.add("Mst_ProductDetail", {{"ID", 2},
                                 {"Mst_ProductID", 1},
                                 {"Diameter", "80"},
                                 {"Length", "130"},
                                 {"MX", 1.0},
                                 {"PX", 1.0},
                                 {"Y", 1.0},
                                 {"Press", 1.0}});
    db.add("Mst_ConditionGroup", {{"ID", 1}, {"Detail", "g1"}});
    db.add("Mst_ConditionGroup", {{"ID", 2}, {"Detail", "g2"}});
    const double factors[4] = {1.0, 0.8, 1.0, 0.5};
    const int conditions[4] = {11, 12, 21, 22};
    for (int i = 0; i < 4; ++i) {
        int id = conditions[i];
        add_condition(db, id, id / 10, "c", factors[i]);
        for (int place = 1; place <= 2; ++place)
            show_condition(db, (id / 10) * 100 + (place - 1) * 10 + id % 10, id, place);
    }
    db.add("Mst_ProductPlace", {{"ID", 1}, {"Mst_PlaceID", 1}, {"Mst_ProductID", 1}});
    db.add("Mst_ProductPlace", {{"ID", 2}, {"Mst_PlaceID", 2}, {"Mst_ProductID", 1}});
    for (int id = 1; id <= 4; ++id) {
        std::string name = "R" + std::to_string(id);
        db.add("Mst_RelatedProduct", {{"ID", id}, {"Name", name}});
    }
    db.add("Version", {{"Version", "2.0.1"}});
}

CatalogueApp::~CatalogueApp()
{
    unsetenv("VELMORA_OPENER");
}

void CatalogueApp::TearDown()
{
    EXPECT_EQ(box_texts(), std::vector<std::string>());
}

void CatalogueApp::rule(int count, const char* ids, int related, int invalidate)
{
    db.add("Mst_RelatedProductDisplay", {{"ID", ++rules_},
                                         {"Mst_ConditionDisplayID", ids},
                                         {"Mst_ConditionDisplayIDCnt", count},
                                         {"Mst_RelatedProductID", related},
                                         {"Invalidate", invalidate}});
}

std::string CatalogueApp::slot_shows(int index)
{
    const Rps_inf& s = rps_tbl[index];
    std::string caption = qt_to_sjis(s.lbl->text()).toStdString();
    if (!s.rpd) {
        bool empty =
            caption.empty() && !s.pnl->isVisible() && !s.bt1->isVisible() && !s.bt2->isVisible() && s.img->Empty();
        return empty ? "-" : "stale:" + caption;
    }
    return s.pnl->isVisible() && caption == s.rpd->Name ? caption : "half:" + caption;
}

void CatalogueApp::click_row(int grid, int row)
{
    TStringGrid* g = grids().at((size_t)grid);
    QTest::mouseClick(g, Qt::LeftButton, {}, g->CellRect(1, row).center());
}

void CatalogueApp::write_recorder(const std::string& path, const std::string& log, int code)
{
    write_file(path,
               "#!/bin/sh\n"
               "{ printf '%s' \"${0##*/}\"; for a in \"$@\"; do printf '[%s]' \"$a\"; done; echo; } >> '" +
                   log + "'\nexit " + std::to_string(code) + "\n",
               0755);
}

std::vector<std::string> CatalogueApp::lines(const std::string& log, size_t n)
{
    std::vector<std::string> result;
    for (int i = 0; i < 3000; ++i) {  // up to 30 s on a busy machine; returns as soon as they are there
        result.clear();
        std::string text = read_file(log);
        size_t start = 0, end;
        while ((end = text.find('\n', start)) != std::string::npos) {
            result.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        if (result.size() >= n)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return result;
}

void CatalogueApp::use_opener(const std::string& log, int code)
{
    std::string opener = folder.file("opener" + std::to_string(code));
    write_recorder(opener, log, code);
    setenv("VELMORA_OPENER", opener.c_str(), 1);
}

bool CatalogueApp::while_modal(QDialog* dialog, const std::function<void()>& open, const std::function<void()>& act)
{
    bool acted = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [dialog] {
        ADD_FAILURE() << "a dialog stayed open";
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        dialog->close();
    });
    QTimer inside;
    inside.setSingleShot(true);
    QObject::connect(&inside, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != dialog || !dialog->isVisible())
            return;
        acted = true;
        watchdog.start(30000);
        act();
    });
    inside.start(0);
    open();
    return acted;
}
