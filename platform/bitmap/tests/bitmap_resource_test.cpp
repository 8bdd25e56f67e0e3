#include <gtest/gtest.h>

#include <QImage>

#include <platform/bitmap_resource.h>

#include "../../version/tests/test_modules.h"

// The program's own emblem comes out as the bitmap file drawn at build time
// holds it: same size, 8 bits with its colour table, same pixels.
TEST(BitmapResource, OwnEmblemReadsAsItsFile)
{
    const QImage emblem = load_bitmap_resource(HInstance, "EMBLEM");
    const QImage file(EMBLEM_BITMAP_FILE);
    ASSERT_FALSE(file.isNull());
    EXPECT_EQ(emblem.size(), QSize(165, 22));
    EXPECT_EQ(emblem.format(), QImage::Format_Indexed8);
    EXPECT_EQ(emblem.colorCount(), 256);
    EXPECT_EQ(emblem, file);
    // Both white (the ground) and the full blue (the mark) are drawn.
    EXPECT_EQ(emblem.pixel(0, 0), qRgb(255, 255, 255));
    bool has_blue = false;
    for (int y = 0; y < emblem.height(); ++y)
        for (int x = 0; x < emblem.width(); ++x)
            has_blue = has_blue || emblem.pixel(x, y) == qRgb(0, 88, 176);
    EXPECT_TRUE(has_blue);
}

TEST(BitmapResource, MissingResourceRaises)
{
    try {
        load_bitmap_resource(HInstance, "NOSUCH");
        ADD_FAILURE() << "a resource the program does not carry";
    } catch (const ResourceError& e) {
        EXPECT_STREQ(e.what(), "ビットマップ リソース NOSUCH が見つかりません。");
    }
    // Another module does not carry the program's resources.
    EXPECT_THROW(load_bitmap_resource(bare_module_handle(), "EMBLEM"), ResourceError);
    EXPECT_THROW(load_bitmap_resource(HInstance, nullptr), ResourceError);
}
