#include "fonts.h"

#include <string.h>

#include <QFontDatabase>

#include <platform/qt_text.h>

namespace {

const char fallback_face[] = "IPAGothic";

// Narrow literals are Shift-JIS, as the face names the callers pass.
struct FaceMapping {
    const char* desktop;
    const char* installed;
};
const FaceMapping face_mappings[] = {
    {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},  {"MS Gothic", "IPAGothic"},        {"MS PGothic", "IPAPGothic"},
    {"MS Mincho", "IPAMincho"},     {"MS PMincho", "IPAPMincho"},
};

}  // namespace

QString installed_face(const char* sjis_face)
{
    if (!sjis_face || !*sjis_face)
        return QString::fromLatin1(fallback_face);
    for (const FaceMapping& mapping : face_mappings) {
        if (strcmp(sjis_face, mapping.desktop) == 0)
            return QString::fromLatin1(mapping.installed);
    }
    QString face = qt_from_sjis(sjis_face);
    return QFontDatabase::hasFamily(face) ? face : QString::fromLatin1(fallback_face);
}
