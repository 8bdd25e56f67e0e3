// The shape that both programs' version dialogs share: a fixed client area
// of 406 x 176 with a close box only, the form font and the button face, the
// coupling picture at the top left, the framed version panel, the notice
// against unauthorised copying, the emblem and the OK button.
#ifndef PLATFORM_VERSION_LOOK_H
#define PLATFORM_VERSION_LOOK_H

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <platform/controls/image.h>
#include <platform/controls/panel.h>

struct VersionDialogParts {
    QPushButton* ok;
    TPanel* panel;      // the versions' frame, at 112, 64
    TImage* coupling;   // 4, 4, 101 x 101, stretched
    TImage* emblem;     // 165 x 29 at 4, emblem_top
    QLabel* notice[2];  // at 4, 108 and 4, 124
};

// Builds the shared parts on dialog, titled caption (Shift-JIS), with the
// given coupling picture; the OK button is first in the tab order.
VersionDialogParts shape_version_dialog(QDialog* dialog, const char* caption, const QImage& coupling, int emblem_top);

#endif
