// Runs Dunmere's forms inside the test: the application object, the three
// forms in the program's order and the main window shown for a command line.
// Message boxes are recorded, not shown.
#ifndef DUNMERE_TESTS_DUNMERE_APP_H
#define DUNMERE_TESTS_DUNMERE_APP_H

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <platform/application.h>
#include <platform/msgbox.h>
#include <platform/qt_text.h>

#include "Frm_mans.h"

class DunmereApp : public ::testing::Test {
protected:
    ~DunmereApp() override;

    // Makes the application and the forms and shows the main window, as the
    // program does after it was started with command_line.
    void start(const char* command_line);
    // Closes the forms and the application, as the end of the program does.
    void finish();
    static void pump();

    // Selects diameter and sink, types the starts and clicks 計算.
    static void compute(const char* dia, const char* dwn, const char* starts);
    // The result text and its heading, Shift-JIS.
    static std::string result();
    static std::string heading();

    std::unique_ptr<MessageBoxRecorder> boxes_;

private:
    int argc_ = 1;
    char name_[16] = "dunmere_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<TApplication> app_;
};

#endif
