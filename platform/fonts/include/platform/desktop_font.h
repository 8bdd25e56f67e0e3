// The desktop's Japanese faces as the forms name them ("ＭＳ ゴシック",
// "ＭＳ Ｐゴシック", ...), shown in the IPA faces installed in their place.
#ifndef PLATFORM_DESKTOP_FONT_H
#define PLATFORM_DESKTOP_FONT_H

#include <QFont>

// The font of face sjis_face (a Shift-JIS name) and height in the forms'
// terms: a negative height is the character height in pixels, a positive one
// the cell height. The face names are mapped onto the IPA faces first.
QFont desktop_font(const char* sjis_face, int height);

// Maps the desktop's Japanese face names onto the IPA faces for every font
// of the application. desktop_font does it; calling it again changes nothing.
void map_desktop_faces();

#endif
