#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "testsupport/pdf_probe.h"

namespace {

// The library's dynamic symbol table holds exactly the six decorated calls.
TEST(Exports, ExactlyTheSixPrintCalls)
{
    std::istringstream out(
        command_output(std::string("nm -DC --defined-only --just-symbols '") + TOLVANE_LIBRARY_PATH + "'"));
    std::set<std::string> names;
    for (std::string line; std::getline(out, line);)
        names.insert(line);
    const std::set<std::string> expected = {"ini_prt_(Prt_ini*)", "end_prt_(Prt_ini*)",
                                            "prt_lin_(Prt_lin*)", "prt_rct_(Prt_rct*)",
                                            "prt_txt_(Prt_txt*)", "prt_grf_(Rct_inf*, int, QImage*)"};
    EXPECT_EQ(names, expected);
}

}  // namespace
