#include <gtest/gtest.h>

#include <cstring>

#include <platform/qt_text.h>
#include <testsupport/guarded_text.h>

namespace {

TEST(Charset, JapaneseRoundTripsBetweenShiftJisAndUtf8)
{
    const std::string sjis = "ゴム製品耐用年数計算システム";  // a CP932 literal
    const std::string utf8 = sjis_to_utf8(sjis);
    EXPECT_EQ(utf8, std::string(reinterpret_cast<const char*>(u8"ゴム製品耐用年数計算システム")));
    EXPECT_EQ(utf8_to_sjis(utf8), sjis);
    EXPECT_EQ(sjis.size(), 28u);  // fourteen double-byte characters
}

TEST(Charset, UnconvertibleCharactersBecomeQuestionMarks)
{
    // U+1F600 has no Shift-JIS code; the rest of the text survives.
    EXPECT_EQ(utf8_to_sjis("a\xF0\x9F\x98\x80"
                           "b"),
              "a?b");
    // A lone trail byte is not Shift-JIS.
    EXPECT_EQ(sjis_to_utf8("x\xFFy"), "x?y");
}

TEST(Charset, StrictConversionFailsWhereTheLenientOneMarks)
{
    std::string out;
    ASSERT_TRUE(convert_encoding("a製", "CP932", "UTF-16LE", out));
    EXPECT_EQ(out, std::string("a\0\xFD\x88", 4));  // 製 is U+88FD
    EXPECT_FALSE(convert_encoding("x\xFFy", "CP932", "UTF-8", out));
    EXPECT_FALSE(convert_encoding("a\xF0\x9F\x98\x80", "UTF-8", "CP932", out));
    EXPECT_EQ(out, "a");  // what came before the fault
    EXPECT_FALSE(convert_encoding("a", "CP932", "NO-SUCH-ENCODING", out));
    ASSERT_TRUE(convert_encoding("a\xF0\x9F\x98\x80", "UTF-8", "CP932", out, Unconvertible::question_mark));
    EXPECT_EQ(out, "a?");
}

// Each text ends where a guard page begins: a read past its end faults.
TEST(Charset, ATextCutInsideACharacterIsReadToItsEndAndNoFurther)
{
    const struct {
        const char *utf8, *sjis;
    } cases[] = {
        {"\xE5", "?"},              // the first byte of 口
        {"a\xE5\x8F", "a?"},        // two of its three
        {"ab\xF0\x9F\x98", "ab?"},  // three of a four-byte character
        {"\xE5\x8F\xA3", "口"},     // the whole character
    };
    for (const auto& c : cases) {
        GuardedText text(c.utf8);
        EXPECT_EQ(utf8_to_sjis(text.view()), c.sjis) << c.utf8;
    }
    GuardedText cut("a\xE5\x8F");
    std::string out;
    EXPECT_FALSE(convert_encoding(cut.view(), "UTF-8", "CP932", out));
    EXPECT_EQ(out, "a");
    GuardedText lead("x\x8C");  // a Shift-JIS lead byte without its second byte
    EXPECT_EQ(sjis_to_utf8(lead.view()), "x?");
}

TEST(Charset, QtStringsCarryTheSameCharacters)
{
    QString text = qt_from_sjis("約 8年 6ヶ月");
    EXPECT_EQ(text, QString::fromUtf8(reinterpret_cast<const char*>(u8"約 8年 6ヶ月")));
    EXPECT_EQ(qt_to_sjis(text), QByteArray("約 8年 6ヶ月"));
    EXPECT_TRUE(qt_from_sjis(nullptr).isEmpty());
}

TEST(Charset, BoundedCopyNeverSplitsADoubleByteCharacter)
{
    char buf[6];
    std::memset(buf, 'x', sizeof buf);
    copy_sjis(buf, sizeof buf, "ab製品");  // a, b, then two 2-byte characters
    EXPECT_STREQ(buf, "ab製");             // 4 bytes: the next would need 6 + NUL
    copy_sjis(buf, sizeof buf, "abcdefgh");
    EXPECT_STREQ(buf, "abcde");
    copy_sjis(buf, 1, "abc");
    EXPECT_STREQ(buf, "");
    copy_sjis(buf, sizeof buf, "ok");
    EXPECT_STREQ(buf, "ok");
}

TEST(Charset, NamesCompareWithoutAsciiCaseButShiftJisExactly)
{
    EXPECT_TRUE(same_sjis_name("Mst_Pipe", "MST_PIPE"));
    EXPECT_FALSE(same_sjis_name("Mst_Pipe", "Mst_Pipes"));
    // The trail bytes 0x61 and 0x41 are not letters: "\x83\x61" and "\x83\x41" differ.
    EXPECT_FALSE(same_sjis_name("\x83\x61", "\x83\x41"));
    EXPECT_TRUE(same_sjis_name("a\x83\x61", "A\x83\x61"));
    EXPECT_EQ(fold_sjis_name("Mst_\x83\x41"
                             "A"),
              "mst_\x83\x41"
              "a");
}

}  // namespace
