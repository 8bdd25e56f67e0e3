#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <platform/registry.h>

#include "testsupport/temp_store.h"

namespace fs = std::filesystem;

namespace {

size_t entries_below(const std::string& folder)
{
    std::error_code ignored;
    size_t n = 0;
    for (auto it = fs::recursive_directory_iterator(folder, ignored); it != fs::recursive_directory_iterator(); ++it)
        ++n;
    return n;
}

TEST(RegistryKeys, OpeningNeverCreatesButCreationIsOffered)
{
    TempStore temp;
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("Software\\Velmora", false));
    EXPECT_EQ(entries_below(temp.config()), 0u);
    EXPECT_THROW(reg.ReadInteger("n"), ERegistryException);  // nothing open

    ASSERT_TRUE(reg.OpenKey("Software\\Velmora", true));
    EXPECT_TRUE(fs::is_directory(temp.user() + "/software/velmora"));
    reg.CloseKey();
    // Names compare without regard to case; one separator may lead or trail.
    EXPECT_TRUE(reg.OpenKey("SOFTWARE\\velmora", false));
    EXPECT_TRUE(reg.OpenKey("\\Software\\Velmora\\", false));
    EXPECT_FALSE(reg.OpenKey("Software\\\\Velmora", false));
    EXPECT_FALSE(reg.OpenKey("Software\\Velmora\\\\", false));
    EXPECT_FALSE(reg.OpenKey("Software\\Other", false));
}

TEST(RegistryKeys, RootKeysByTheirHandles)
{
    TempStore temp;
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey("K", true));
    EXPECT_TRUE(fs::is_directory(temp.store() + "/HKEY_LOCAL_MACHINE/k"));
    // The handle taken without sign extension is the same root.
    reg.SetRootKey(reinterpret_cast<HKEY>(uintptr_t(0x80000002u)));
    EXPECT_TRUE(reg.OpenKey("K", false));
    reg.SetRootKey(reinterpret_cast<HKEY>(uintptr_t(0x80000009u)));
    EXPECT_FALSE(reg.OpenKey("K", true));
    reg.SetRootKey(reinterpret_cast<HKEY>(uintptr_t(0x1280000002u)));
    EXPECT_FALSE(reg.OpenKey("K", false));

    // A root key exists before anything is stored in it.
    reg.SetRootKey(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey("", false));
    reg.WriteInteger("AtRoot", 5);
    EXPECT_EQ(reg.ReadInteger("atroot"), 5);
}

TEST(RegistryKeys, NamesStayInsideTheirRootAndKeepDoubleByteCharacters)
{
    TempStore temp;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("..\\a/b", true));
    EXPECT_TRUE(fs::is_directory(temp.user() + "/%2E%2E/a%2Fb"));
    EXPECT_EQ(entries_below(temp.store()), 3u);  // the root, "..", "a/b"

    // "ソ" ends in the byte of '\', "ア" in that of 'A': neither splits nor folds.
    ASSERT_TRUE(reg.OpenKey("ソフト\\ア", true));
    EXPECT_TRUE(fs::is_directory(temp.user() + "/%83%5C%83t%83g/%83%41"));
    EXPECT_FALSE(reg.OpenKey("ソフト\\\x83\x61", false));
}

TEST(RegistryKeys, AKeyThatIsNoUsableFolderDoesNotOpen)
{
    TempStore temp;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("", false));
    reg.WriteInteger("n", 1);  // makes the root's folder
    std::ofstream(temp.user() + "/file") << "x";
    EXPECT_FALSE(reg.OpenKey("File", false));
    EXPECT_FALSE(reg.OpenKey("File", true));

    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_TRUE(reg.OpenKey("Locked", true));
    chmod((temp.user() + "/locked").c_str(), 0500);
    EXPECT_FALSE(reg.OpenKey("Locked", false));
}

TEST(RegistryValues, ANameMatchedInAnyCaseIsReplacedNotAdded)
{
    TempStore temp;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Values", true));
    reg.WriteString("Name", "first");
    reg.WriteInteger("NAME", 2);
    EXPECT_EQ(reg.ReadInteger("name"), 2);
    EXPECT_THROW(reg.ReadString("Name"), ERegistryException);
    EXPECT_TRUE(reg.ValueExists("nAmE"));
    EXPECT_FALSE(reg.ValueExists("Other"));
    // Double-byte names differing only in a second byte that looks like a letter stay apart.
    reg.WriteInteger("\x83\x41", 1);
    reg.WriteInteger("\x83\x61", 2);
    EXPECT_EQ(reg.ReadInteger("\x83\x41"), 1);
    EXPECT_EQ(reg.ReadInteger("\x83\x61"), 2);
}

TEST(RegistryValues, ADamagedKeyNeitherOpensNorIsWritten)
{
    TempStore temp;
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Values", true));
    reg.WriteInteger("n", 1);
    std::ofstream(temp.user() + "/values/.values", std::ios::binary | std::ios::app) << "junk";
    EXPECT_THROW(reg.ReadInteger("n"), ERegistryException);
    EXPECT_THROW(reg.ReadString("absent"), ERegistryException);
    EXPECT_THROW(reg.WriteInteger("n", 2), ERegistryException);
    EXPECT_FALSE(reg.ValueExists("n"));
    EXPECT_FALSE(reg.OpenKey("Values", false));
}

}  // namespace
