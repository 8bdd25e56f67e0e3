#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <platform/charset.h>
#include <platform/files.h>
#include <testsupport/child_process.h>

namespace {

TEST(NativePath, BackslashesSeparateButNotInsideAShiftJisCharacter)
{
    EXPECT_EQ(native_path("adobe\\AdbeRdr810_ja_JP.exe"), "adobe/AdbeRdr810_ja_JP.exe");
    // ソ is 0x83 0x5C in Shift-JIS; 表 is 0x95 0x5C.
    EXPECT_EQ(native_path("ソフト\\表.pdf"), sjis_to_utf8("ソフト") + "/" + sjis_to_utf8("表") + ".pdf");
    EXPECT_EQ(native_path(nullptr), "");
}

TEST(ExtractFilePath, KeepsTheFolderWithItsSeparator)
{
    EXPECT_EQ(ExtractFilePath("/opt/parvell/Parvell"), "/opt/parvell/");
    EXPECT_EQ(ExtractFilePath("C:\\Program Files\\Parvell.exe"), "C:\\Program Files\\");
    EXPECT_EQ(ExtractFilePath("Parvell"), "");
    EXPECT_EQ(ExtractFilePath("/opt/ソ"), "/opt/");  // the 0x5C of ソ is no separator
    EXPECT_EQ(ExtractFilePath("/opt/ソ/x"), "/opt/ソ/");
}

TEST(ExeName, IsThisProgramsFullPath)
{
    std::string name = exe_name();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name[0], '/');
    EXPECT_EQ(name.substr(name.rfind('/') + 1), "files_tests");
    EXPECT_EQ(GetFileAttributesA(name.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

class FileAttributes : public ::testing::Test {
protected:
    TempFolder folder_;
};

TEST_F(FileAttributes, FolderFileAndMissing)
{
    ASSERT_EQ(mkdir(folder_.file("adobe").c_str(), 0755), 0);
    write_file(folder_.file("plain.txt"), "x");
    EXPECT_EQ(GetFileAttributesA(folder_.file("adobe").c_str()), (DWORD)FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesA(folder_.file("plain.txt").c_str()), (DWORD)FILE_ATTRIBUTE_NORMAL);
    // A plain file named like the folder still answers (it exists).
    write_file(folder_.file("adobe2"), "");
    EXPECT_NE(GetFileAttributesA(folder_.file("adobe2").c_str()), INVALID_FILE_ATTRIBUTES);

    SetLastError(0);
    EXPECT_EQ(GetFileAttributesA(folder_.file("missing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesA(folder_.file("no\\such\\x").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesA(""), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileAttributes, RelativeBackslashedShiftJisPaths)
{
    ASSERT_EQ(mkdir(folder_.file(sjis_to_utf8("表")).c_str(), 0755), 0);
    write_file(folder_.file(sjis_to_utf8("表") + "/.hidden"), "");
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder_.path().c_str()), 0);
    EXPECT_EQ(GetFileAttributesA("表"), (DWORD)FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesA("表\\.hidden"), (DWORD)FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(GetFileAttributesA("."), (DWORD)FILE_ATTRIBUTE_DIRECTORY);
    ASSERT_EQ(chdir(previous), 0);
}

TEST_F(FileAttributes, ReadOnlyForThoseWhoMayNotWrite)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write every file";
    write_file(folder_.file("locked"), "x", 0444);
    EXPECT_EQ(GetFileAttributesA(folder_.file("locked").c_str()), (DWORD)FILE_ATTRIBUTE_READONLY);
}

}  // namespace
