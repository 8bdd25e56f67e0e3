// make_artwork DIR NAME...: draws each named picture or document into DIR.
// The names are those the sample database and its documents refer to.
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "artwork.h"
#include "platform/qt_text.h"

namespace {

struct Product {
    const char* code;
    const char* name;
    JointLook look;
};

const Product kProducts[] = {
    {"vr-s", "VR-S 単球形", {1, false, false, false, 210, false}},
    {"vr-w", "VR-W 双球形", {2, false, false, false, 210, false}},
    {"vr-l", "VR-L 低圧用", {1, false, false, false, 120, false}},
    {"vr-h", "VR-H 高圧用", {1, false, true, false, 0, false}},
    {"vr-e", "VR-E 偏心形", {1, true, false, false, 30, false}},
    {"vr-p", "VR-P ポンプ用", {1, false, false, true, 210, false}},
    {"vr-c", "VR-C 汎用形", {1, false, false, false, 190, false}},
    {"merrowflex", "Merrowflex", {1, false, false, false, 0, true}},
};

QImage picture(const QString& name)
{
    for (const Product& product : kProducts) {
        const QString code = QString::fromLatin1(product.code);
        if (name == code + "_photo.jpg")
            return joint_photo(product.look);
        if (name == code + "_drawing.jpg")
            return joint_drawing(product.look, qt_from_sjis(product.name) + qt_from_sjis("　外形図"));
    }
    // The drawing Dunmere prints on its sheet, sharp at 7.2 times the size.
    if (name == "merrowflex_sheet_drawing.jpg")
        return joint_drawing({1, false, false, true, 0, true}, qt_from_sjis("Merrowflex　外形図"), 2520);
    if (name == "stand_photo.jpg")
        return stand_photo();
    if (name == "cover_photo.jpg")
        return cover_photo();
    if (name == "emblem.bmp")
        return emblem_bitmap();
    return QImage();
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_artwork DIR NAME...\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        const QString path = dir.filePath(name);
        dir.mkpath(QFileInfo(path).path());
        bool ok;
        if (name.endsWith(".pdf")) {
            ok = write_comparison_pdf(path);
        } else {
            const QImage image = picture(QFileInfo(name).fileName());
            if (image.isNull()) {
                std::fprintf(stderr, "make_artwork: no picture is named %s\n", argv[i]);
                return 1;
            }
            ok = name.endsWith(".bmp") ? image.save(path, "BMP") : image.save(path, "JPG", 90);
        }
        if (!ok) {
            std::fprintf(stderr, "make_artwork: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
