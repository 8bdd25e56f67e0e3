// Drawing of the page elements: sheet millimetres to the device's own units.
#ifndef TOLVANE_ELEMENTS_H
#define TOLVANE_ELEMENTS_H

#include <tolvane.h>

class QImage;
class QPaintDevice;
class QPainter;

// Device units per millimetre of the page being painted.
struct PageScale {
    double x;
    double y;
};

// The scale of a device whose origin is the sheet's top-left corner.
PageScale page_scale(const QPaintDevice& device);

// Each answers false, having drawn nothing, when the element cannot be drawn
// (a coordinate that is not a finite number or lies beyond 100 m of the sheet,
// a negative pen width, ...).
bool draw_line(QPainter& painter, PageScale scale, const Prt_lin& lin);
bool draw_rect(QPainter& painter, PageScale scale, const Prt_rct& rct);
bool draw_text(QPainter& painter, PageScale scale, const Prt_txt& txt);
bool draw_picture(QPainter& painter, PageScale scale, const Rct_inf& box, int mod, const QImage& picture);

#endif
