// Qt's own texts in Japanese: the print dialog, the context menu of every
// edit box, the standard buttons of Qt's dialogs. A program calls
//
//     install_qt_japanese();
//
// once, right after its application object is made, whatever the session's
// locale. The catalogue is Qt's qtbase_ja from the folder QLibraryInfo names
// (from the package qt6-translations-l10n).
#ifndef PLATFORM_QT_JAPANESE_H
#define PLATFORM_QT_JAPANESE_H

#include <QString>

// Installs Qt's Japanese catalogue into the application, which owns it from
// then on; a second call changes nothing. `folder` names another folder to
// take it from (empty: Qt's own). A missing or unreadable catalogue, or no
// application object, is no error: Qt keeps its English texts, nothing is
// said, and the answer is false.
bool install_qt_japanese(const QString& folder = QString());

#endif
