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
using Scans = std::vector<jpeg_scan_info>;

// A picture made with libjpeg's encoder; components and colour space as given.
// `scans`, when given, is the progressive picture's script; with `one_colour`
// the first row is repeated, which is quick at any size.
Bytes encode(int width, int height, int components, J_COLOR_SPACE space, const Pixel& pixel, bool progressive = false,
             const Scans* scans = nullptr, bool one_colour = false)
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
    if (scans) {
        cinfo.scan_info = scans->data();
        cinfo.num_scans = (int)scans->size();
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row((size_t)width * components);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width && !(one_colour && cinfo.next_scanline > 0); ++x) {
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

// A picture of one colour, 3 components in 4:2:0.
Bytes one_colour(int width, int height)
{
    auto colour = [](int, int) { return std::vector<JSAMPLE>{90, 120, 200}; };
    return encode(width, height, 3, JCS_RGB, colour, false, nullptr, true);
}

TEST(Jpeg, DecodesAtTheSmallestScaledSizeThatCoversTheNeed)
{
    Bytes bytes = encode(800, 600, 3, JCS_RGB, [](int x, int) {
        return x < 400 ? std::vector<JSAMPLE>{255, 0, 0} : std::vector<JSAMPLE>{0, 0, 255};
    });
    TJPEGImage picture;
    auto decoded_for = [&](QSize needed) {
        picture.NeededSize = needed;
        picture.LoadFromMemory(bytes.data(), bytes.size());
        return picture.Image().size();
    };
    EXPECT_EQ(decoded_for(QSize(100, 75)), QSize(100, 75));     // an eighth
    EXPECT_EQ(decoded_for(QSize(117, 117)), QSize(200, 150));   // an eighth is 75 high
    EXPECT_EQ(decoded_for(QSize(300, 200)), QSize(300, 225));   // three eighths
    EXPECT_EQ(picture.Image().format(), QImage::Format_RGB32);  // what the page takes as it is
    expect_near(picture.Image().pixel(20, 100), 255, 0, 0);
    expect_near(picture.Image().pixel(280, 100), 0, 0, 255);
    EXPECT_EQ(decoded_for(QSize(2000, 10)), QSize(800, 600));  // never beyond the picture
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

// The same picture claiming another size in its frame header.
Bytes claiming(Bytes bytes, int width, int height)
{
    size_t at = frame_size_at(bytes);
    bytes.at(at) = (unsigned char)(height >> 8);
    bytes.at(at + 1) = (unsigned char)height;
    bytes.at(at + 2) = (unsigned char)(width >> 8);
    bytes.at(at + 3) = (unsigned char)width;
    return bytes;
}

// A grey picture's script: its DC in one scan, then each AC coefficient in
// one, the first `refined` of them in two (successive approximation).
Scans grey_scans(int refined)
{
    Scans scans(1);
    scans[0].comps_in_scan = 1;
    for (int k = 1; k <= 63; ++k) {
        jpeg_scan_info scan{};
        scan.comps_in_scan = 1;
        scan.Ss = scan.Se = k;
        scan.Al = k <= refined ? 1 : 0;
        scans.push_back(scan);
        if (k <= refined) {
            scan.Ah = 1;
            scan.Al = 0;
            scans.push_back(scan);
        }
    }
    return scans;
}

TEST(Jpeg, EachBoundRefusesWithItsText)
{
    const std::string too_large = "JPEG イメージが大きすぎます。";
    TJPEGImage picture;
    picture.NeededSize = QSize(117, 117);
    // Pixels: 8192 x 8192 is refused on its header; a camera's 24
    // megapixels pass, and decode at the size drawn, but not at full size,
    // where the picture alone takes 96 MB.
    Bytes huge = claiming(red_blue(), 8192, 8192);
    EXPECT_EQ(failure_of(picture, huge.data(), huge.size()), too_large);
    Bytes photo = one_colour(6000, 4000);
    picture.LoadFromMemory(photo.data(), photo.size());
    EXPECT_EQ(picture.Image().size(), QSize(750, 500));
    picture.NeededSize = QSize();
    EXPECT_EQ(failure_of(picture, photo.data(), photo.size()), too_large);
    picture.NeededSize = QSize(117, 117);
    // Memory: a progressive picture of 5000 x 5000 passes the pixel bound,
    // but its coefficients alone take 75 MB.
    Bytes deep = claiming(red_blue(true), 5000, 5000);
    EXPECT_EQ(failure_of(picture, deep.data(), deep.size()), too_large);
    // Scans: 100 are read, the 101st is refused.
    auto grey = [](int, int) { return std::vector<JSAMPLE>{128}; };
    Scans hundred = grey_scans(36);
    ASSERT_EQ(hundred.size(), 100u);
    Bytes most = encode(16, 16, 1, JCS_GRAYSCALE, grey, false, &hundred);
    picture.LoadFromMemory(most.data(), most.size());
    EXPECT_EQ(picture.Width(), 16);
    Scans too_many = grey_scans(37);
    Bytes many = encode(16, 16, 1, JCS_GRAYSCALE, grey, false, &too_many);
    EXPECT_EQ(failure_of(picture, many.data(), many.size()), "JPEG イメージのスキャンが多すぎます (上限 100)");
    EXPECT_EQ(picture.Width(), 16);
    // Arithmetic coding (the frame marker SOF9 in place of SOF0).
    Bytes arithmetic = red_blue();
    arithmetic.at(frame_size_at(arithmetic) - 4) = 0xC9;
    const std::string code = " (JPEG エラー #" + std::to_string(JERR_ARITH_NOTIMPL) + ")";
    EXPECT_EQ(failure_of(picture, arithmetic.data(), arithmetic.size()),
              "算術符号化の JPEG イメージには対応していません" + code);
}

}  // namespace
