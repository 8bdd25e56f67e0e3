// The one QApplication of a GoogleTest program that tests widgets: made
// before the first test runs and ended after the last. Include it in any
// test source of the program.
#ifndef PLATFORM_QT_TEST_APP_H
#define PLATFORM_QT_TEST_APP_H

#include <gtest/gtest.h>

#include <QApplication>

class QtTestApp : public ::testing::Environment {
public:
    void SetUp() override { app_ = new QApplication(argc_, argv_); }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[8] = "tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

inline ::testing::Environment* const qt_test_app = ::testing::AddGlobalTestEnvironment(new QtTestApp);

#endif
