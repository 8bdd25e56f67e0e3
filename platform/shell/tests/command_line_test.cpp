#include <gtest/gtest.h>

#include <platform/shell.h>

namespace {

using Args = std::vector<std::string>;

TEST(SplitCommandLine, BlanksQuotesAndBackslashes)
{
    EXPECT_EQ(split_command_line("100"), Args{"100"});
    EXPECT_EQ(split_command_line("  a\t b  "), (Args{"a", "b"}));
    EXPECT_EQ(split_command_line("a \"b c\" d"), (Args{"a", "b c", "d"}));
    EXPECT_EQ(split_command_line("x\"y z\"w"), Args{"xy zw"});
    EXPECT_EQ(split_command_line("\"\""), Args{""});
    EXPECT_EQ(split_command_line("a\\\"b"), Args{"a\"b"});             // \" is a plain quote
    EXPECT_EQ(split_command_line("\"a\\\\\" b"), (Args{"a\\", "b"}));  // \\" is \ and a quote
    EXPECT_EQ(split_command_line("C:\\dir\\file"), Args{"C:\\dir\\file"});
    EXPECT_TRUE(split_command_line("").empty());
    EXPECT_TRUE(split_command_line("   ").empty());
}

TEST(CommandLineOfArgs, GivesBackWhatSplittingTakesApart)
{
    const char* one[] = {"Dunmere", "100"};
    EXPECT_EQ(command_line_of_args(2, const_cast<char**>(one)), "100");
    const char* none[] = {"Dunmere"};
    EXPECT_EQ(command_line_of_args(1, const_cast<char**>(none)), "");

    Args tricky = {"a b", "", "q\"uote", "tail\\", "in\\side", "x\\\"y"};
    std::vector<char*> argv = {const_cast<char*>("prog")};
    for (std::string& a : tricky)
        argv.push_back(&a[0]);
    std::string line = command_line_of_args((int)argv.size(), argv.data());
    EXPECT_EQ(split_command_line(line), tricky);
}

TEST(CommandLineOfArgs, ComesBackInShiftJis)
{
    const char* args[] = {"prog", u8"口径"};
    EXPECT_EQ(command_line_of_args(2, const_cast<char**>(args)), "口径");
}

}  // namespace
