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

QSize printed_size(double wid, double hgt)
{
    const double dots_per_mm = tolvane_page_dpi / 25.4;
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
