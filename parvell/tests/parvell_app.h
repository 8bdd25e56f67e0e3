// Runs Parvell's forms inside the test: the application object, the five
// forms in the program's order, and the main window shown in a folder that
// holds a product database. Message boxes are recorded, not shown.
#ifndef PARVELL_TESTS_PARVELL_APP_H
#define PARVELL_TESTS_PARVELL_APP_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <platform/application.h>
#include <platform/msgbox.h>
#include <testsupport/child_process.h>

#include "Frm_mans.h"

class ParvellApp : public ::testing::Test {
protected:
    ~ParvellApp() override;

    // Makes the application and the forms, then shows the main window with
    // the given folder as the current one (its FormShow runs there).
    void start(const std::string& folder);
    // Closes the main window the way its close button does.
    void close_main();
    // Runs the events waiting now.
    static void pump();

    // The texts of the boxes shown so far, as "caption: text".
    std::vector<std::string> box_texts() const;
    // The rows of a condition grid, as their column-1 condition IDs.
    static std::vector<TStringGrid*> grids();
    // Selects an item of a list box as a user's click does.
    static void click_item(TListBox* list, int index);

    std::unique_ptr<MessageBoxRecorder> boxes_;
    PrivateSession session_;

private:
    int argc_ = 1;
    char name_[16] = "parvell_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<TApplication> app_;
    std::string old_folder_;
};

// The folder of the sample database that the build writes.
std::string sample_folder();

#endif
