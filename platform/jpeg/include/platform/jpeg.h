// JPEG pictures: the decoder that the forms and the database's photos use.
// A stream that is not a whole, sound JPEG picture raises JpegError (a
// Japanese text that keeps libjpeg's message code); the decoder never ends the
// program. Baseline and progressive pictures in grey, YCbCr/RGB and CMYK/YCCK
// are read.
#ifndef PLATFORM_JPEG_H
#define PLATFORM_JPEG_H

#include <stddef.h>

#include <istream>
#include <stdexcept>

#include <QImage>

class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TJPEGImage {
public:
    // Raises std::bad_alloc when the decoder cannot be had.
    TJPEGImage();

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
    // The decoded picture: grey pictures as Grayscale8, others as RGB.
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

// Decodes one JPEG stream; raises JpegError. Pictures beyond max_jpeg_pixels
// are refused before anything is allocated for them.
QImage decode_jpeg(const unsigned char* data, size_t size);
const long long max_jpeg_pixels = 64LL * 1024 * 1024;

#endif
