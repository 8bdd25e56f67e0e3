#include "platform/fonts.h"

#include <string.h>

#include <QFontMetrics>

#include <platform/qt_text.h>

namespace {

struct FaceMapping {
    const char* face;    // Shift-JIS, as the forms name it
    const char* family;  // installed family
};

const FaceMapping mappings[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ 明朝", "IPAMincho"},        {"MS PGothic", "IPAPGothic"},   {"MS Gothic", "IPAGothic"},
    {"MS PMincho", "IPAPMincho"},      {"MS Mincho", "IPAMincho"},
};

}  // namespace

QString font_family(const char* face)
{
    for (const FaceMapping& m : mappings)
        if (face && strcmp(face, m.face) == 0)
            return QString::fromLatin1(m.family);
    return qt_from_sjis(face);
}

QFont make_font(const char* face, int height, bool bold)
{
    QFont font(font_family(face));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setBold(bold);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // Scale the character height so that the cell comes out as asked.
        font.setPixelSize(height);
        int cell = QFontMetrics(font).height();
        if (cell > height)
            font.setPixelSize(qMax(1, height * height / cell));
    }
    return font;
}

void install_font_faces()
{
    for (const FaceMapping& m : mappings)
        QFont::insertSubstitution(qt_from_sjis(m.face), QString::fromLatin1(m.family));
}
