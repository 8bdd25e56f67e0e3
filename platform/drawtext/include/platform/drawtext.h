// Drawing a Shift-JIS text into a rectangle, with the painter's font and pen.
#ifndef PLATFORM_DRAWTEXT_H
#define PLATFORM_DRAWTEXT_H

#include <platform/wintypes.h>

class QPainter;

// Draws count bytes of text (all of it up to its NUL when count is -1) into
// rect on dc. Flags: DT_LEFT, DT_CENTER, DT_RIGHT across; DT_TOP, DT_VCENTER,
// DT_BOTTOM down (the latter two for DT_SINGLELINE only, multi-line text
// stands at the top); DT_SINGLELINE (line breaks do not break), DT_WORDBREAK
// (break lines at words to the rectangle's width), DT_EXPANDTABS,
// DT_END_ELLIPSIS (a cut line ends in "..."), DT_NOCLIP (else the text is
// clipped to rect), DT_NOPREFIX (else "&x" underlines x and "&&" is "&"),
// DT_CALCRECT (draws nothing: rect's right and bottom are set to fit the
// text). The background is left as it is. Returns the height of the text,
// counted from rect's top for DT_VCENTER and DT_BOTTOM; 0 on failure.
int DrawTextA(QPainter* dc, const char* text, int count, RECT* rect, UINT format);

#endif
