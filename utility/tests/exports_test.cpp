#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

// The library's dynamic symbol table holds exactly the 22 plain names.
TEST(Exports, ExactlyTheLibraryFunctionsUndecorated)
{
    std::string command = std::string("nm -D --defined-only --format=posix '") + QUILLON_LIBRARY_PATH + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        char name[256], kind[8];
        if (std::sscanf(line, "%255s %7s", name, kind) == 2)
            names.insert(name);
    }
    ASSERT_EQ(pclose(pipe), 0);
    const std::set<std::string> expected = {
        "DllEntryPoint", "_get_mem_", "_fre_mem_", "_clr_mem_", "_cpy_mem_", "_ini_lnk_", "_add_lnk_", "_nxt_lnk_",
        "_lst_lnk_",     "_del_lnk_", "_cnt_lnk_", "_del_all_", "_add_str_", "_get_tkn_", "_fre_tkn_", "_edt_val_",
        "_get_val_",     "_cil_val_", "_flr_val_", "_rnd_val_", "_crs_pnt_", "_pnt_lin_"};
    EXPECT_EQ(names, expected);
}

}  // namespace
