// JPEG pictures: the decoder that the forms and the database's photos use.
// A stream that is not a whole, sound JPEG picture raises JpegError (a
// Japanese text that keeps libjpeg's message code); the decoder never ends the
// program. Baseline and progressive pictures in grey, YCbCr/RGB and CMYK/YCCK
// are read.
//
// What a picture may cost is bounded whatever its bytes say, and a picture
// beyond a bound is refused before the decoder allocates for it: its pixels
// (max_jpeg_pixels), the memory of one decode (max_jpeg_memory: libjpeg's
// buffers, among them the coefficients a progressive picture keeps at full
// size whatever the scaling, and the decoded picture together) and its scans
// (max_jpeg_scans: every scan walks all the picture's blocks again, however
// few bytes it has). Arithmetic-coded pictures are refused. A picture is
// decoded at the size it is shown or printed at, through libjpeg's DCT
// scaling.
#ifndef PLATFORM_JPEG_H
#define PLATFORM_JPEG_H

#include <stddef.h>

#include <istream>
#include <stdexcept>

#include <QImage>
#include <QSize>

class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TJPEGImage {
public:
    // Raises std::bad_alloc when the decoder cannot be had.
    TJPEGImage();

    // The largest size, in device pixels, that the next pictures are drawn
    // at. A load decodes at the smallest of libjpeg's sizes (1/8 to 8/8 of
    // the picture) that still covers it both ways; empty: at full size.
    QSize NeededSize;

    // Each load decodes at once; on failure it raises JpegError and the
    // picture keeps what it held before.
    void LoadFromMemory(const void* data, size_t size);
    // Reads from the stream's current position to its end.
    void LoadFromStream(std::istream& in);
    // A Shift-JIS path, '\' or '/' between folders.
    void LoadFromFile(const char* path);
    void Clear() { image_ = QImage(); }

    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // The decoded picture: grey pictures as Grayscale8, others as RGB32.
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

// Decodes one JPEG stream at the smallest scaled size that covers `needed`
// (full size when it is empty); raises JpegError.
QImage decode_jpeg(const unsigned char* data, size_t size, QSize needed = QSize());

// A camera's 24 megapixels (6000 x 4000) and more pass; 8192 x 8192 does not.
const long long max_jpeg_pixels = 32LL * 1024 * 1024;
// With the program's own 35 MB this keeps Parvell's start within 100 MB and
// three times its database, whatever pictures the database holds. A
// progressive picture of 19 megapixels in 4:2:0 (2 bytes for each of its
// 1.5 coefficients a pixel) still passes, and so does a 24-megapixel picture
// at the 4500 x 3000 pixels a sheet prints it at.
const long max_jpeg_memory = 56L * 1024 * 1024;
// Encoders write a few scans (libjpeg's progressive script 10, 18 for CMYK);
// libjpeg-turbo's fuzz tests stop its decoder at 100 scans too. At this bound
// the slowest picture the memory bound admits decodes in under a second.
const int max_jpeg_scans = 100;

#endif
