#include "platform/desktop_font.h"

#include <platform/qt_text.h>

void map_desktop_faces()
{
    static const struct {
        const char* face;
        const char* installed;
    } faces[] = {
        {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
    };
    for (const auto& f : faces)
        QFont::insertSubstitution(qt_from_sjis(f.face), QString::fromLatin1(f.installed));
}

QFont desktop_font(const char* sjis_face, int height)
{
    map_desktop_faces();
    QFont font(qt_from_sjis(sjis_face));
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // A cell height includes the internal leading, about a sixth of it
        // for these faces.
        font.setPixelSize(height * 5 / 6 > 0 ? height * 5 / 6 : 1);
    }
    return font;
}
