#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "registry_store.h"
#include "testsupport/temp_store.h"

namespace {

std::string read_text(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RegistryFile, EveryByteOfNamesAndDataSurvivesTheFile)
{
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    RegValues values = {{all, REG_BINARY, all}, {"", REG_SZ, std::string("x\0", 2)}, {"a b%c", 0xFFFFFFFFu, ""}};
    std::string text = format_values(values);
    RegValues back;
    ASSERT_TRUE(parse_values(text, &back));
    ASSERT_EQ(back.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i].name, values[i].name);
        EXPECT_EQ(back[i].type, values[i].type);
        EXPECT_EQ(back[i].data, values[i].data);
    }
    // One line per value, readable where the bytes are.
    EXPECT_NE(text.find("\n1  x%00\n"), std::string::npos);
}

TEST(RegistryFile, AnyFaultMakesTheFileDamaged)
{
    RegValues values;
    EXPECT_TRUE(parse_values("VelmoraRegistry 1\n", &values));
    EXPECT_TRUE(parse_values("VelmoraRegistry 1\n4 n %01%00%00%00\n", &values));
    for (const char* damaged : {
             "",                                       // emptied
             "VelmoraRegistry 2\n",                    // another format
             "VelmoraRegistry 1\n4 n %01%00%00%00",    // cut short
             "VelmoraRegistry 1\n4 n %01%00%00%0\n",   // half an escape
             "VelmoraRegistry 1\n4 n %01%00%00%0g\n",  // not hexadecimal
             "VelmoraRegistry 1\n4 n\n",               // no data field
             "VelmoraRegistry 1\n4 n a b\n",           // a field too many
             "VelmoraRegistry 1\nx n a\n",             // kind not a number
             "VelmoraRegistry 1\n4294967296 n a\n",    // kind too large
             "VelmoraRegistry 1\n1 n a\tb\n",          // raw control byte
         }) {
        EXPECT_FALSE(parse_values(damaged, &values)) << damaged;
    }
}

TEST(RegistryFile, AStoreLeavesADamagedFileAsItWas)
{
    TempStore temp;
    std::string key = temp.user() + "/k";
    ASSERT_TRUE(make_key_folder(key));
    const std::string damaged = "VelmoraRegistry 1\n4 n %01%0";
    std::ofstream(key + "/.values", std::ios::binary) << damaged;
    RegValues values;
    EXPECT_FALSE(load_values(key, &values));
    EXPECT_FALSE(store_value(key, {"m", REG_SZ, std::string("v\0", 2)}, false));
    EXPECT_EQ(read_text(key + "/.values"), damaged);
}

TEST(RegistryFile, ALeftoverFromAnInterruptedWriteIsIgnored)
{
    TempStore temp;
    std::string key = temp.user() + "/k";
    ASSERT_TRUE(make_key_folder(key));
    ASSERT_TRUE(store_value(key, {"a", REG_SZ, std::string("1\0", 2)}, false));
    // A writer that died before its rename leaves only its own temporary file.
    std::ofstream(key + "/.values.AbC123", std::ios::binary) << "VelmoraRegistry 1\n1 a";
    ASSERT_TRUE(store_value(key, {"b", REG_SZ, std::string("2\0", 2)}, false));
    RegValues values;
    ASSERT_TRUE(load_values(key, &values));
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].data, std::string("1\0", 2));
}

TEST(RegistryFile, ConcurrentWritersFromSeveralProcessesLoseNothing)
{
    TempStore temp;
    std::string key = temp.user() + "/shared";
    ASSERT_TRUE(make_key_folder(key));
    const int writers = 6, each = 25;
    for (int w = 0; w < writers; ++w) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = true;
            for (int i = 0; i < each; ++i) {
                std::string name = std::to_string(w) + "." + std::to_string(i);
                ok = store_value(key, {name, REG_SZ, name + '\0'}, false) && ok;
            }
            _exit(ok ? 0 : 1);
        }
    }
    for (int w = 0; w < writers; ++w) {
        int status = 0;
        wait(&status);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    RegValues values;
    ASSERT_TRUE(load_values(key, &values));
    EXPECT_EQ(values.size(), static_cast<size_t>(writers * each));
    for (int w = 0; w < writers; ++w)
        for (int i = 0; i < each; ++i) {
            std::string name = std::to_string(w) + "." + std::to_string(i);
            const RegValue* v = find_value(values, name);
            ASSERT_NE(v, nullptr) << name;
            EXPECT_EQ(v->data, name + '\0');
        }
}

}  // namespace
