#include "sheet_pictures.h"

#include <cmath>

TGraphic bitmap_from_resource(HINSTANCE module, const char* name)
{
    return load_bitmap_resource(module, name);
}

TGraphic bitmap_from_jpeg(const TJPEGImage& picture)
{
    return bitmap_from_picture(picture.Image());
}

TGraphic bitmap_from_picture(const QImage& picture)
{
    if (picture.isNull())
        throw JpegError("コピーするイメージがありません。");
    return picture.convertToFormat(QImage::Format_RGB32);
}

// A picture on the sheet needs no more than 600 pixels an inch of its box:
// as fine as a printer lays dots, and finer than a drawing's lines need. The
// page itself is drawn at 1200 dpi, but a picture decoded for that would hold
// four times the pixels, and the page's PDF engine copies them once more.
constexpr double kPictureDpi = 600;

QSize printed_size(double wid, double hgt)
{
    const double dots_per_mm = kPictureDpi / 25.4;
    return QSize((int)std::ceil(wid * dots_per_mm), (int)std::ceil(hgt * dots_per_mm));
}

int print_picture(double x, double y, double wid, double hgt, const std::function<TGraphic()>& make)
{
    try {
        TGraphic picture = make();
        Rct_inf box = {x, y, wid, hgt};
        prt_grf_(&box, 1, &picture);
        return 1;
    } catch (...) {
        return 0;
    }
}
