#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <platform/registry.h>

#include "sarnet.h"
#include "testsupport/child_process.h"
#include "testsupport/temp_store.h"

namespace fs = std::filesystem;

namespace {

char key_path[] = "Software\\Velmora\\Test";
char write_mode[] = "w";

class RegistryValue : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reg_.OpenKey(key_path, true)); }

    int put(void* value, int type, const char* name)
    {
        return ctl_reg_(value, write_mode, type, HKEY_CURRENT_USER, key_path, const_cast<char*>(name));
    }
    int get(void* value, int type, const char* name, const char* mode = "r")
    {
        return ctl_reg_(value, const_cast<char*>(mode), type, HKEY_CURRENT_USER, key_path, const_cast<char*>(name));
    }
    std::string key_folder() const { return temp_.user() + "/software/velmora/test"; }
    std::string values_file() const { return key_folder() + "/.values"; }
    std::string stored() const
    {
        std::ifstream in(values_file(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    TempStore temp_;
    TRegistry reg_;
};

TEST_F(RegistryValue, EveryTypeRoundTripsAsItsKindOfValue)
{
    bool flag = true;
    int number = -123456;
    char text[32] = "値 text";
    float single = 0.1f;
    double real = -1.0 / 3.0;
    EXPECT_EQ(put(&flag, 1, "Flag"), 1);
    EXPECT_EQ(put(&number, 2, "Number"), 1);
    EXPECT_EQ(put(text, 3, "Text"), 1);
    EXPECT_EQ(put(&single, 4, "Single"), 1);
    EXPECT_EQ(put(&real, 5, "Real"), 1);

    // Stored as the registry kinds the values have.
    EXPECT_EQ(reg_.ReadInteger("Flag"), 1);
    EXPECT_EQ(reg_.ReadInteger("Number"), -123456);
    EXPECT_EQ(reg_.ReadString("Text"), "値 text");
    EXPECT_EQ(reg_.ReadFloat("Single"), static_cast<double>(0.1f));  // the float's own value, not 0.1
    EXPECT_NE(reg_.ReadFloat("Single"), 0.1);
    EXPECT_EQ(reg_.ReadFloat("Real"), -1.0 / 3.0);

    bool flag_back = false;
    int number_back = 0;
    char text_back[32];
    std::memset(text_back, 'x', sizeof text_back);
    float single_back = 0;
    double real_back = 0;
    EXPECT_EQ(get(&flag_back, 1, "flag"), 1);
    EXPECT_EQ(get(&number_back, 2, "NUMBER"), 1);
    EXPECT_EQ(get(text_back, 3, "Text"), 1);
    EXPECT_EQ(get(&single_back, 4, "Single"), 1);
    EXPECT_EQ(get(&real_back, 5, "Real"), 1);
    EXPECT_TRUE(flag_back);
    EXPECT_EQ(number_back, -123456);
    EXPECT_STREQ(text_back, "値 text");
    EXPECT_EQ(single_back, 0.1f);
    EXPECT_EQ(real_back, -1.0 / 3.0);
}

TEST_F(RegistryValue, BoolsAreZeroOrOneAndAnyNonZeroReadsTrue)
{
    unsigned char byte = 2;
    EXPECT_EQ(put(&byte, 1, "Flag"), 1);
    EXPECT_EQ(reg_.ReadInteger("Flag"), 1);
    byte = 0;
    EXPECT_EQ(put(&byte, 1, "Flag"), 1);
    EXPECT_EQ(reg_.ReadInteger("Flag"), 0);
    reg_.WriteInteger("Flag", 7);
    bool flag = false;
    EXPECT_EQ(get(&flag, 1, "Flag"), 1);
    EXPECT_TRUE(flag);
}

TEST_F(RegistryValue, ADoubleReadAsAFloatIsNarrowed)
{
    reg_.WriteFloat("Real", 0.1);
    float single = 0;
    EXPECT_EQ(get(&single, 4, "Real"), 1);
    EXPECT_EQ(single, 0.1f);
}

TEST_F(RegistryValue, OnlyALowerCaseWFirstWrites)
{
    reg_.WriteInteger("Number", 5);
    for (const char* mode : {"W", "r", "", "x", " w"}) {
        int number = 9;
        EXPECT_EQ(get(&number, 2, "Number", mode), 1) << mode;
        EXPECT_EQ(number, 5) << mode;  // read, not written
        EXPECT_EQ(reg_.ReadInteger("Number"), 5) << mode;
    }
    int number = 6;
    EXPECT_EQ(get(&number, 2, "Number", "write"), 1);
    EXPECT_EQ(reg_.ReadInteger("Number"), 6);
}

TEST_F(RegistryValue, TextsReadFromEitherStringKindAndAbsentAsEmpty)
{
    reg_.WriteExpandString("Path", "%TEMP%\\a");
    char text[16] = "unchanged";
    EXPECT_EQ(get(text, 3, "Path"), 1);
    EXPECT_STREQ(text, "%TEMP%\\a");
    std::strcpy(text, "unchanged");
    EXPECT_EQ(get(text, 3, "Absent"), 1);
    EXPECT_STREQ(text, "");
}

TEST_F(RegistryValue, AbsentOrOtherKindsFailAndLeaveTheVariable)
{
    reg_.WriteString("Text", "12");
    reg_.WriteInteger("Number", 12);
    const unsigned char four[4] = {0, 0, 0, 0};
    reg_.WriteBinaryData("Four", four, sizeof four);
    struct Case {
        int type;
        const char* name;
    };
    for (Case c :
         {Case{2, "Absent"}, Case{1, "Absent"}, Case{4, "Absent"}, Case{5, "Absent"}, Case{2, "Text"}, Case{1, "Text"},
          Case{3, "Number"}, Case{4, "Four"}, Case{5, "Four"}, Case{5, "Number"}, Case{2, "Four"}}) {
        unsigned char variable[8];
        std::memset(variable, 0xA5, sizeof variable);
        EXPECT_EQ(get(variable, c.type, c.name), 0) << c.type << " " << c.name;
        for (unsigned char b : variable)
            EXPECT_EQ(b, 0xA5) << c.type << " " << c.name;
    }
}

TEST_F(RegistryValue, AMissingKeyGivesZeroAndCreatesNothing)
{
    char missing[] = "Software\\Velmora\\Missing";
    char name[] = "Number";
    int number = 3;
    EXPECT_EQ(ctl_reg_(&number, write_mode, 2, HKEY_CURRENT_USER, missing, name), 0);
    char read_mode[] = "r";
    EXPECT_EQ(ctl_reg_(&number, read_mode, 2, HKEY_CURRENT_USER, missing, name), 0);
    EXPECT_EQ(number, 3);
    EXPECT_FALSE(fs::exists(temp_.user() + "/software/velmora/missing"));
    // Another root key does not see this one's keys.
    EXPECT_EQ(ctl_reg_(&number, read_mode, 2, HKEY_LOCAL_MACHINE, key_path, name), 0);
    EXPECT_FALSE(fs::exists(temp_.store() + "/HKEY_LOCAL_MACHINE"));
}

TEST_F(RegistryValue, ATypeOutside1To5OpensTheKeyAndDoesNothing)
{
    for (int type : {0, 6, -1, 1000}) {
        int number = 42;
        EXPECT_EQ(put(&number, type, "Number"), 1) << type;
        EXPECT_EQ(get(&number, type, "Number"), 1) << type;
        EXPECT_EQ(number, 42);
    }
    EXPECT_FALSE(fs::exists(values_file()));
}

TEST_F(RegistryValue, ADamagedStoreGivesZeroAndIsLeftAsItWas)
{
    int number = 1;
    ASSERT_EQ(put(&number, 2, "Number"), 1);
    std::ofstream(values_file(), std::ios::binary | std::ios::app) << "2 half";
    const std::string damaged = stored();
    for (int type : {1, 2, 3, 4, 5, 7}) {
        char variable[16] = "unchanged";
        EXPECT_EQ(put(variable, type, "Number"), 0) << type;
        EXPECT_EQ(get(variable, type, "Number"), 0) << type;
        EXPECT_STREQ(variable, "unchanged");
    }
    EXPECT_EQ(stored(), damaged);
}

// A full disk, as a file-size limit that lets the new file grow part way:
// the write is not reported as saved and the values before it stay whole.
TEST_F(RegistryValue, AWriteThatRunsOutOfSpaceGivesZeroAndKeepsTheOldValues)
{
    int number = 1234;
    char text[] = "前の値";
    ASSERT_EQ(put(&number, 2, "Number"), 1);
    ASSERT_EQ(put(text, 3, "Text"), 1);
    const std::string before = stored();

    std::string longer(4000, 'x');
    const int answer = run_in_child([&] {
        signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
        struct rlimit limit;
        if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 99;
        limit.rlim_cur = before.size() + 100;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 99;
        return put(&longer[0], 3, "Text");
    });
    EXPECT_EQ(answer, 0);

    EXPECT_EQ(stored(), before);
    int number_back = 0;
    char text_back[32] = "";
    EXPECT_EQ(get(&number_back, 2, "Number"), 1);
    EXPECT_EQ(get(text_back, 3, "Text"), 1);
    EXPECT_EQ(number_back, 1234);
    EXPECT_STREQ(text_back, "前の値");
    // Nothing of the failed write is left beside the values.
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(key_folder()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{".lock", ".values"}));
}

}  // namespace
