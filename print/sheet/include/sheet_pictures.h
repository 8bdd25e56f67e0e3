// Pictures for prt_grf_: a bitmap resource of the program or a JPEG picture
// made into the bitmap that the print call takes, and the one step that
// prints a picture and turns every failure on the way into a 0 result.
#ifndef SHEET_PICTURES_H
#define SHEET_PICTURES_H

#include <functional>

#include <platform/bitmap_resource.h>
#include <platform/jpeg.h>
#include <tolvane.h>

// The bitmap resource `name` of `module` (pass HInstance: the program's own).
// Raises ResourceError when it is missing or no bitmap.
TGraphic bitmap_from_resource(HINSTANCE module, const char* name);

// A decoded JPEG picture copied into a bitmap; raises JpegError when the
// picture is empty.
TGraphic bitmap_from_jpeg(const TJPEGImage& picture);
// The same for a decoded picture as an image control holds it
// (TImage::Picture()).
TGraphic bitmap_from_picture(const QImage& picture);

// The pixels a picture needs in a box of wid x hgt mm on the sheet.
QSize printed_size(double wid, double hgt);

// Makes the picture with `make` and hands it to prt_grf_ with the box and the
// int 1. Answers 1, or 0 when making or handing it over raised anything
// (caught here and gone no further).
int print_picture(double x, double y, double wid, double hgt, const std::function<TGraphic()>& make);

#endif
