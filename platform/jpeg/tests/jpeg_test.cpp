#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include <platform/jpeg.h>
#include <testsupport/child_process.h>

namespace {

using Bytes = std::vector<unsigned char>;
using Pixel = std::function<std::vector<JSAMPLE>(int x, int y)>;

// A picture made with libjpeg's encoder; components and colour space as given.
Bytes encode(int width, int height, int components, J_COLOR_SPACE space, const Pixel& pixel, bool progressive = false)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = (JDIMENSION)width;
    cinfo.image_height = (JDIMENSION)height;
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row((size_t)width * components);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x) {
            std::vector<JSAMPLE> p = pixel(x, (int)cinfo.next_scanline);
            std::copy(p.begin(), p.end(), row.begin() + (size_t)x * components);
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes bytes(buffer, buffer + size);
    free(buffer);
    return bytes;
}

// Left half red, right half blue.
Bytes red_blue(bool progressive = false)
{
    return encode(
        32, 16, 3, JCS_RGB,
        [](int x, int) {
            return x < 16 ? std::vector<JSAMPLE>{255, 0, 0} : std::vector<JSAMPLE>{0, 0, 255};
        },
        progressive);
}

void expect_near(QRgb actual, int r, int g, int b)
{
    EXPECT_NEAR(qRed(actual), r, 12);
    EXPECT_NEAR(qGreen(actual), g, 12);
    EXPECT_NEAR(qBlue(actual), b, 12);
}

TEST(Jpeg, ColourPictureFromMemoryStreamAndFile)
{
    Bytes bytes = red_blue();
    TJPEGImage picture;
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromMemory(bytes.data(), bytes.size());
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 32);
    EXPECT_EQ(picture.Height(), 16);
    expect_near(picture.Image().pixel(4, 8), 255, 0, 0);
    expect_near(picture.Image().pixel(28, 8), 0, 0, 255);

    // A blob stream is read from its current position: a prefix is skipped.
    std::stringstream stream("header" + std::string(bytes.begin(), bytes.end()));
    stream.seekg(6);
    TJPEGImage from_stream;
    from_stream.LoadFromStream(stream);
    EXPECT_EQ(from_stream.Image(), picture.Image());

    TempFolder folder;
    write_file(folder.file("photo.jpg"), std::string(bytes.begin(), bytes.end()));
    TJPEGImage from_file;
    from_file.LoadFromFile((folder.path() + "\\photo.jpg").c_str());
    EXPECT_EQ(from_file.Image(), picture.Image());
    EXPECT_THROW(from_file.LoadFromFile(folder.file("missing.jpg").c_str()), JpegError);
}

TEST(Jpeg, ProgressiveGreyAndAdobeCmykPictures)
{
    Bytes progressive = red_blue(true);
    TJPEGImage picture;
    picture.LoadFromMemory(progressive.data(), progressive.size());
    expect_near(picture.Image().pixel(4, 8), 255, 0, 0);

    Bytes grey =
        encode(8, 8, 1, JCS_GRAYSCALE, [](int x, int) { return std::vector<JSAMPLE>{(JSAMPLE)(x < 4 ? 40 : 200)}; });
    picture.LoadFromMemory(grey.data(), grey.size());
    EXPECT_EQ(picture.Image().format(), QImage::Format_Grayscale8);
    EXPECT_NEAR(qGray(picture.Image().pixel(1, 1)), 40, 6);
    EXPECT_NEAR(qGray(picture.Image().pixel(6, 1)), 200, 6);

    // libjpeg writes CMYK with Adobe's marker: inks stored inverted, so
    // (255, 0, 255, 255) is no cyan, full magenta, no yellow, no black.
    Bytes cmyk = encode(8, 8, 4, JCS_CMYK, [](int, int) { return std::vector<JSAMPLE>{255, 0, 255, 255}; });
    picture.LoadFromMemory(cmyk.data(), cmyk.size());
    expect_near(picture.Image().pixel(3, 3), 255, 0, 255);
}

// The text of the JpegError that loading the bytes raises.
std::string failure_of(TJPEGImage& picture, const void* data, size_t size)
{
    try {
        picture.LoadFromMemory(data, size);
    } catch (const JpegError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(Jpeg, StreamsThatAreNoSoundPictureRaiseAndKeepThePicture)
{
    Bytes good = red_blue();
    TJPEGImage picture;
    picture.LoadFromMemory(good.data(), good.size());
    QImage before = picture.Image();

    const unsigned char png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0};
    EXPECT_EQ(failure_of(picture, png, sizeof png),
              "JPEG ファイルではありません (JPEG エラー #" + std::to_string(JERR_NO_SOI) + ")");
    EXPECT_THROW(picture.LoadFromMemory(good.data(), 0), JpegError);
    EXPECT_EQ(failure_of(picture, good.data(), good.size() / 2),
              "JPEG データが途中で終わっています (JPEG エラー #" + std::to_string(JWRN_JPEG_EOF) + ")");
    Bytes header_only(good.begin(), good.begin() + 2);
    EXPECT_THROW(picture.LoadFromMemory(header_only.data(), header_only.size()), JpegError);
    std::stringstream empty;
    EXPECT_THROW(picture.LoadFromStream(empty), JpegError);
    EXPECT_EQ(picture.Image(), before);
}

// Position of the frame header's height field (SOF0 or SOF2 marker + 5).
size_t frame_size_at(const Bytes& bytes)
{
    for (size_t i = 0; i + 9 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2))
            return i + 5;
    return 0;
}

TEST(Jpeg, BrokenOrHugeFrameSizesRaiseWithoutAllocating)
{
    Bytes bytes = red_blue();
    size_t at = frame_size_at(bytes);
    ASSERT_GT(at, 0u);
    Bytes zero = bytes;
    zero[at] = zero[at + 1] = zero[at + 2] = zero[at + 3] = 0;
    TJPEGImage picture;
    EXPECT_THROW(picture.LoadFromMemory(zero.data(), zero.size()), JpegError);

    Bytes huge = bytes;
    huge[at] = huge[at + 2] = 0xFF;  // 65,xxx x 65,xxx pixels
    try {
        picture.LoadFromMemory(huge.data(), huge.size());
        FAIL() << "a huge frame was accepted";
    } catch (const JpegError& e) {
        EXPECT_STREQ(e.what(), "JPEG イメージが大きすぎます。");
    }
    EXPECT_TRUE(picture.Empty());
}

}  // namespace
