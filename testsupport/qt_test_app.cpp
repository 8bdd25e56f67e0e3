#include "testsupport/qt_test_app.h"

#include <QApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // Widget tests never need a display.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[16] = "velmora_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

// Registered by linking this object into a test program.
::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

void process_qt_events()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
