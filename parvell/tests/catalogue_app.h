// A small product catalogue written into a fresh folder, with Parvell's forms
// started on it, and the probes the related-product and reader tests share:
// recording scripts that stand in for programs and for the desktop's opener,
// and a way to act inside a dialog while it is shown modally.
//
// The catalogue: one pipe, places A (ID 1) and B (ID 2) with the one product
// (sizes "65" and "80", a green photo) at both, and two condition groups:
//   group 1: condition 11 (factor 1.0), condition 12 (factor 0.8)
//   group 2: condition 21 (factor 1.0), condition 22 (factor 0.5)
// Condition-display rows at place A: 101 (11), 102 (12), 201 (21), 202 (22);
// at place B: 111, 112, 211, 212 likewise. Related products 1 to 4 are named
// "R1" to "R4". Display rules are added by each test. At start place A and
// conditions 11 and 21 are selected: the selected display rows are 101, 201.
#ifndef PARVELL_TESTS_CATALOGUE_APP_H
#define PARVELL_TESTS_CATALOGUE_APP_H

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "parvell_on_db.h"

class CatalogueApp : public ParvellOnDb {
protected:
    CatalogueApp();
    ~CatalogueApp() override;
    // No test of the catalogue leaves a message box unaccounted for.
    void TearDown() override;

    // A display rule of Mst_RelatedProductDisplay; IDs count up from 1.
    void rule(int count, const char* ids, int related, int invalidate = 0);
    // What a slot shows: its related product's name, "-" for an empty slot;
    // a slot half filled or half emptied shows as "half:" or "stale:" and
    // its caption.
    static std::string slot_shows(int index);
    static std::vector<std::string> both_slots() { return {slot_shows(0), slot_shows(1)}; }
    // Clicks a row of a condition grid as a user does.
    static void click_row(int grid, int row);

    // A shell script at path that appends one line to log for each start:
    // its own file name, then each argument in brackets. It exits with code.
    static void write_recorder(const std::string& path, const std::string& log, int code = 0);
    // The log's lines once it holds at least n of them (up to 5 s), else
    // what it holds then.
    static std::vector<std::string> lines(const std::string& log, size_t n = 1);
    // Makes the desktop's opener a recorder into log that exits with code.
    void use_opener(const std::string& log, int code = 0);

    // Runs open and, if it shows dialog modally, act while dialog is the
    // active modal window; true when act ran. A dialog that stays open
    // 5 s after that is closed, and the test fails.
    static bool while_modal(QDialog* dialog, const std::function<void()>& open, const std::function<void()>& act);

private:
    int rules_ = 0;
};

#endif
