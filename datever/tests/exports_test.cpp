#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::string run(const std::string& command)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::string();
    std::string out;
    char buffer[512];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

// The dynamic symbol table holds exactly the seven functions, each decorated
// by its argument list.
TEST(Exports, ExactlyTheLibraryFunctionsDecorated)
{
    std::string table = run(std::string("nm -DC --defined-only '") + SARNET_LIBRARY_PATH + "'");
    std::set<std::string> names;
    size_t pos = 0;
    while (pos < table.size()) {
        size_t end = table.find('\n', pos);
        std::string line = table.substr(pos, end - pos);
        pos = end == std::string::npos ? table.size() : end + 1;
        // "address kind name": the demangled name holds blanks of its own.
        size_t kind = line.find(' ');
        if (kind != std::string::npos && line.size() > kind + 3)
            names.insert(line.substr(kind + 3));
    }
    const std::set<std::string> expected = {
        "DllEntryPoint(void*, unsigned int, void*)",
        "now_dte_(Dte_inf*)",
        "cge_day_(Dte_inf*, int, Dte_inf*)",
        "chk_dte_(Dte_inf*)",
        "msk_dte_(Dte_inf*, TMaskEdit*)",
        "get_ver_(char*, void*)",
        "ctl_reg_(void*, char*, int, void*, char*, char*)",
    };
    EXPECT_EQ(names, expected);
}

TEST(Exports, TheLibraryLinksQuillon)
{
    std::string dynamic = run(std::string("readelf -d '") + SARNET_LIBRARY_PATH + "'");
    EXPECT_NE(dynamic.find("Shared library: [libquillon.so]"), std::string::npos) << dynamic;
}

}  // namespace
