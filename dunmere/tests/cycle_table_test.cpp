// The cycle table against the sizes' table as the maker gives it, its
// lookup, and the command line kept within its buffer.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "Dunmere.h"

namespace {

TEST(CycleTable, HoldsTheFortyFiveRowsDiameterByDiameterAndSinkBySink)
{
    const struct {
        int dia, len, hld, rod, cus, wsh, tmp;
        double prs;
        int cyc[5];
    } sizes[9] = {
        {50, 150, 4, 2, 4, 4, 120, 0.98, {472932, 232824, 129183, 78036, 50232}},
        {65, 150, 4, 2, 4, 4, 120, 0.98, {442980, 209356, 112965, 66870, 42387}},
        {80, 150, 6, 3, 6, 6, 120, 0.98, {560511, 258651, 137339, 80364, 50499}},
        {100, 150, 6, 3, 6, 6, 120, 0.98, {560511, 258651, 137339, 80364, 50499}},
        {125, 150, 6, 3, 6, 6, 120, 0.98, {667566, 276880, 137133, 76406, 46296}},
        {150, 150, 6, 3, 6, 6, 120, 0.98, {648557, 264742, 129803, 71819, 43295}},
        {200, 200, 8, 4, 8, 8, 120, 0.78, {1069169, 538139, 303210, 185242, 120276}},
        {250, 200, 8, 4, 8, 8, 120, 0.78, {1069169, 538139, 303210, 185242, 120276}},
        {300, 200, 8, 4, 8, 8, 120, 0.78, {1069169, 538139, 303210, 185242, 120276}},
    };
    int n = 0;
    for (const auto& size : sizes)
        for (int dwn = 1; dwn <= 5; ++dwn, ++n) {
            const Jnt_inf& row = jnt_tbl[n];
            SCOPED_TRACE("row " + std::to_string(n));
            EXPECT_EQ(row.dia, size.dia);
            EXPECT_EQ(row.len, size.len);
            EXPECT_STREQ(row.flg, "JIS10K");
            EXPECT_EQ(row.hld_cnt, size.hld);
            EXPECT_EQ(row.rod_cnt, size.rod);
            EXPECT_EQ(row.cus_cnt, size.cus);
            EXPECT_EQ(row.wsh_cnt, size.wsh);
            EXPECT_EQ(row.max_tmp, size.tmp);
            EXPECT_EQ(row.max_prs, size.prs);
            EXPECT_EQ(row.dwn, dwn);
            EXPECT_EQ(row.cyc, size.cyc[dwn - 1]);
            EXPECT_EQ(fnd_jnt_(size.dia, dwn), &row);
        }
    EXPECT_EQ(n, cycle_table_rows);
    for (auto keys : {std::make_pair(40, 3), std::make_pair(100, 0), std::make_pair(100, 6), std::make_pair(0, 0)})
        EXPECT_EQ(fnd_jnt_(keys.first, keys.second), nullptr) << keys.first << " " << keys.second;
}

TEST(CommandLine, ALongLineIsCutTo127BytesNeverInsideACharacter)
{
    keep_command_line("100");
    EXPECT_STREQ(get_cmd_(), "100");

    const std::string plain(200, '7');
    keep_command_line(plain.c_str());
    EXPECT_EQ(std::string(get_cmd_()), plain.substr(0, 127));

    // 126 bytes, then a double-byte character that would end at byte 128.
    const std::string split = std::string(126, '1') + "口";
    keep_command_line(split.c_str());
    EXPECT_EQ(std::string(get_cmd_()), std::string(126, '1'));
}

}  // namespace
