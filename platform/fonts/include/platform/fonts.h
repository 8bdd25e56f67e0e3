// The font faces the forms name (Shift-JIS), on this system: "ＭＳ Ｐゴシック"
// is IPA P Gothic, "ＭＳ ゴシック" IPA Gothic, "ＭＳ Ｐ明朝" IPA P Mincho,
// "ＭＳ 明朝" IPA Mincho (the same for their Latin names "MS PGothic" ...).
// Other faces stand as they are.
#ifndef PLATFORM_FONTS_H
#define PLATFORM_FONTS_H

#include <QFont>
#include <QString>

// The family to ask Qt for.
QString font_family(const char* face);

// A font as the forms give it: a negative height is the character height in
// pixels, a positive one the height of the whole cell (ascent and descent).
QFont make_font(const char* face, int height, bool bold = false);

// Lets Qt itself find the mapped faces by the forms' names as well
// (QFont("ＭＳ ゴシック")). The application object calls it once.
void install_font_faces();

#endif
