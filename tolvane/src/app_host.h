// The application object the library paints with: the program's own when it
// has one, else one the library makes for the length of a job.
#ifndef TOLVANE_APP_HOST_H
#define TOLVANE_APP_HOST_H

#include <memory>

class QApplication;

enum class AppKind {
    none,     // nothing that can render text
    gui,      // fonts and painting, but no widgets for the print dialog
    widgets,  // everything, the print dialog included
};

// What the process can do for a job. When the program has no application
// object, one is made into `own`, to be destroyed when the job ends (an
// application left behind could not be torn down safely at exit). `for_dialog`
// says that the job needs the print dialog: then it is made for the desktop's
// screen, and none is made where there is no screen (no DISPLAY or
// WAYLAND_DISPLAY); otherwise it is made on the offscreen platform.
AppKind ensure_application(bool for_dialog, std::unique_ptr<QApplication>& own);

#endif
