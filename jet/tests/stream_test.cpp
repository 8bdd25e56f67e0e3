#include <gtest/gtest.h>

#include "jet/stream.h"

using jet::TMemoryStream;

TEST(MemoryStream, ReadsFromItsPositionAndKeepsItWithinTheBytes)
{
    const unsigned char bytes[] = {1, 2, 3, 4, 5};
    TMemoryStream s(bytes, sizeof bytes);
    EXPECT_EQ(s.Size(), 5);
    unsigned char out[8] = {};
    EXPECT_EQ(s.Read(out, 2), 2);
    EXPECT_EQ(out[1], 2);
    EXPECT_EQ(s.Position(), 2);
    EXPECT_EQ(s.Read(out, 8), 3);
    EXPECT_EQ(out[2], 5);
    EXPECT_EQ(s.Read(out, 8), 0);
    EXPECT_EQ(s.Seek(-2, jet::soEnd), 3);
    EXPECT_EQ(s.Seek(10, jet::soCurrent), 5);
    EXPECT_EQ(s.Seek(-10, jet::soCurrent), 0);
    s.SetPosition(4);
    EXPECT_EQ(s.Read(out, -1), 0);
    EXPECT_EQ(s.Read(out, 1), 1);
    EXPECT_EQ(out[0], 5);
    EXPECT_EQ(s.Memory()[0], 1);
}
