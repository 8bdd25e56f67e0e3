// Font faces of the sheets mapped to the Japanese faces installed here.
#ifndef TOLVANE_FONTS_H
#define TOLVANE_FONTS_H

#include <QString>

// The installed family to draw a Shift-JIS face name with: the desktop's
// Gothic and Mincho faces become their IPA counterparts, a face installed under
// its own name stays, anything else (null and empty included) is IPA Gothic.
QString installed_face(const char* sjis_face);

#endif
