#include "platform/jpeg.h"

#include <setjmp.h>
#include <stdio.h>
#include <string.h>

#include <jpeglib.h>

#include "jpeg_messages.h"

// libjpeg reports errors through error_exit, which must not return; it jumps
// back into decode_into. Only the libjpeg frames and decode_into lie between,
// and decode_into holds nothing that needs destroying, so the jump is sound.

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
};

// The failure's message code stays in base.msg_code for the text.
void fail(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Corrupt-data warnings (level -1) fail the picture as errors do; trace
// messages are dropped; nothing goes to the standard error output.
void on_message(j_common_ptr cinfo, int level)
{
    if (level < 0)
        fail(cinfo);
}

void output_nothing(j_common_ptr) {}

struct Decode {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    QImage* out;
    bool too_large;
};

// Adobe's CMYK pictures store inverted inks.
void cmyk_to_rgb(const JSAMPLE* cmyk, QRgb* rgb, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        rgb[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

bool decode_into(Decode& d, const unsigned char* data, size_t size)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    cinfo.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = fail;
    d.errors.base.emit_message = on_message;
    d.errors.base.output_message = output_nothing;
    if (setjmp(d.errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, (unsigned long)size);
    jpeg_read_header(&cinfo, TRUE);
    if ((long long)cinfo.image_width * cinfo.image_height > max_jpeg_pixels) {
        d.too_large = true;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    cinfo.out_color_space = cmyk ? JCS_CMYK : grey ? JCS_GRAYSCALE : JCS_EXT_RGBX;
    jpeg_start_decompress(&cinfo);
    QImage::Format format = cmyk ? QImage::Format_RGB32 : grey ? QImage::Format_Grayscale8 : QImage::Format_RGBX8888;
    *d.out = QImage((int)cinfo.output_width, (int)cinfo.output_height, format);
    if (d.out->isNull()) {
        d.too_large = true;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    JSAMPARRAY row = cmyk ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                       cinfo.output_width * 4, 1)
                          : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        uchar* line = d.out->scanLine((int)cinfo.output_scanline);
        if (cmyk) {
            jpeg_read_scanlines(&cinfo, row, 1);
            cmyk_to_rgb(row[0], reinterpret_cast<QRgb*>(line), cinfo.output_width, cinfo.saw_Adobe_marker);
        } else {
            JSAMPROW target = line;
            jpeg_read_scanlines(&cinfo, &target, 1);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

QImage decode_jpeg(const unsigned char* data, size_t size)
{
    QImage image;
    Decode d;
    memset(&d.cinfo, 0, sizeof d.cinfo);
    d.out = &image;
    d.too_large = false;
    if (!decode_into(d, data, size))
        throw JpegError(d.too_large ? "JPEG イメージが大きすぎます。" : jpeg_error_text(d.errors.base.msg_code));
    return image;
}
