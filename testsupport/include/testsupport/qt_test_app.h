// Links in a QApplication for the whole test run (offscreen platform), made
// before the first test and destroyed after the last.
#ifndef TESTSUPPORT_QT_TEST_APP_H
#define TESTSUPPORT_QT_TEST_APP_H

// Runs every queued event, including deferred deletions.
void process_qt_events();

#endif
