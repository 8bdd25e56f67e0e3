#include "platform/jpeg.h"

#include <malloc.h>
#include <setjmp.h>
#include <stdio.h>
#include <string.h>

#include <jerror.h>
#include <jpeglib.h>

#include "jpeg_messages.h"

// libjpeg reports errors through error_exit, which must not return; it jumps
// back into decode_into. Only the libjpeg frames and decode_into lie between,
// and decode_into holds nothing that needs destroying, so the jump is sound.

namespace {

enum class Refusal { none, too_large, too_many_scans };

struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
    Refusal refusal;
};

// The failure's message code stays in base.msg_code for the text.
void fail(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void refuse(j_common_ptr cinfo, Refusal refusal)
{
    reinterpret_cast<ErrorManager*>(cinfo->err)->refusal = refusal;
    fail(cinfo);
}

// Corrupt-data warnings (level -1) fail the picture as errors do; trace
// messages are dropped; nothing goes to the standard error output.
void on_message(j_common_ptr cinfo, int level)
{
    if (level < 0)
        fail(cinfo);
}

void output_nothing(j_common_ptr) {}

// libjpeg calls this as each scan begins, before reading its data, and
// between its rows.
void stop_past_scan_limit(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > max_jpeg_scans)
        refuse(cinfo, Refusal::too_many_scans);
}

struct Decode {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    QSize needed;
    QImage* out;
    bool large;  // decoding takes memory of the order of the bound
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

// libjpeg's scaled length: length * eighths / 8, rounded up.
long long scaled(JDIMENSION length, int eighths)
{
    return ((long long)length * eighths + 7) / 8;
}

// The fewest eighths of the picture that still cover `needed` both ways;
// 8 (full size) when nothing is needed or nothing smaller covers it.
int eighths_for(const jpeg_decompress_struct& cinfo, QSize needed)
{
    if (needed.isEmpty())
        return 8;
    for (int eighths = 1; eighths < 8; ++eighths)
        if (scaled(cinfo.image_width, eighths) >= needed.width() &&
            scaled(cinfo.image_height, eighths) >= needed.height())
            return eighths;
    return 8;
}

// QImage's lines are 4-byte aligned.
long long picture_bytes(const jpeg_decompress_struct& cinfo, int bytes_per_pixel)
{
    return ((long long)cinfo.output_width * bytes_per_pixel + 3) / 4 * 4 * cinfo.output_height;
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
    d.progress.progress_monitor = stop_past_scan_limit;
    cinfo.progress = &d.progress;
    jpeg_mem_src(&cinfo, data, (unsigned long)size);
    jpeg_read_header(&cinfo, TRUE);
    if ((long long)cinfo.image_width * cinfo.image_height > max_jpeg_pixels)
        refuse(reinterpret_cast<j_common_ptr>(&cinfo), Refusal::too_large);
    // Arithmetic coding lets a few bytes stand for seconds of decoding (every
    // block of every scan costs its decisions, without Huffman's runs of
    // empty blocks); common encoders write Huffman coding.
    if (cinfo.arith_code)
        ERREXIT(&cinfo, JERR_ARITH_NOTIMPL);
    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    // RGB32 straight from libjpeg: the format a bitmap for the page is made of.
    const J_COLOR_SPACE rgb32 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    cinfo.out_color_space = cmyk ? JCS_CMYK : grey ? JCS_GRAYSCALE : rgb32;
    cinfo.scale_num = (unsigned)eighths_for(cinfo, d.needed);
    cinfo.scale_denom = 8;
    jpeg_calc_output_dimensions(&cinfo);
    // The decoded picture first, then libjpeg's buffers in what is left: a
    // buffer beyond it needs a backing store, which libjpeg-turbo lacks, so
    // it fails before allocating.
    long long picture = picture_bytes(cinfo, grey ? 1 : 4);
    if (picture >= max_jpeg_memory)
        refuse(reinterpret_cast<j_common_ptr>(&cinfo), Refusal::too_large);
    cinfo.mem->max_memory_to_use = max_jpeg_memory - (long)picture;
    d.large = jpeg_has_multiple_scans(&cinfo) || picture >= max_jpeg_memory / 8;
    jpeg_start_decompress(&cinfo);
    QImage::Format format = grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
    *d.out = QImage((int)cinfo.output_width, (int)cinfo.output_height, format);
    if (d.out->isNull())
        refuse(reinterpret_cast<j_common_ptr>(&cinfo), Refusal::too_large);
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

QImage decode_jpeg(const unsigned char* data, size_t size, QSize needed)
{
    QImage image;
    Decode d;
    memset(&d.cinfo, 0, sizeof d.cinfo);
    memset(&d.progress, 0, sizeof d.progress);
    d.errors.refusal = Refusal::none;
    d.needed = needed;
    d.out = &image;
    d.large = false;
    const bool decoded = decode_into(d, data, size);
    // Once glibc's threshold for mapping blocks of their own has risen to
    // the size of a freed buffer, buffers of that size come from the heap,
    // and freed there they stay in the process: the next large decode would
    // stand on top of them. Give their pages back now.
    if (d.large)
        malloc_trim(0);
    if (decoded)
        return image;
    switch (d.errors.refusal) {
    case Refusal::too_large: throw JpegError(jpeg_too_large_text);
    case Refusal::too_many_scans: throw JpegError(jpeg_too_many_scans_text(max_jpeg_scans));
    default: throw JpegError(jpeg_error_text(d.errors.base.msg_code));
    }
}
