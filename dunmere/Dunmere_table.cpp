// The cycle table: for every nominal diameter and sink amount the number of
// pump starts a Merrowflex endures, with the size's parts and limits.
#include "Dunmere.h"

#include <platform/charset.h>

namespace {
char cmd_line[128];
}  // namespace

#define JNT_ROWS(dia, len, hld, rod, cus, wsh, c1, c2, c3, c4, c5, prs)   \
    {dia, len, "JIS10K", hld, rod, cus, wsh, 120, prs, 1, c1},            \
    {dia, len, "JIS10K", hld, rod, cus, wsh, 120, prs, 2, c2},            \
    {dia, len, "JIS10K", hld, rod, cus, wsh, 120, prs, 3, c3},            \
    {dia, len, "JIS10K", hld, rod, cus, wsh, 120, prs, 4, c4},            \
    {dia, len, "JIS10K", hld, rod, cus, wsh, 120, prs, 5, c5}

const Jnt_inf jnt_tbl[jnt_cnt] = {
    JNT_ROWS(50, 150, 4, 2, 4, 4, 472932, 232824, 129183, 78036, 50232, 0.98),
    JNT_ROWS(65, 150, 4, 2, 4, 4, 442980, 209356, 112965, 66870, 42387, 0.98),
    JNT_ROWS(80, 150, 6, 3, 6, 6, 560511, 258651, 137339, 80364, 50499, 0.98),
    JNT_ROWS(100, 150, 6, 3, 6, 6, 560511, 258651, 137339, 80364, 50499, 0.98),
    JNT_ROWS(125, 150, 6, 3, 6, 6, 667566, 276880, 137133, 76406, 46296, 0.98),
    JNT_ROWS(150, 150, 6, 3, 6, 6, 648557, 264742, 129803, 71819, 43295, 0.98),
    JNT_ROWS(200, 200, 8, 4, 8, 8, 1069169, 538139, 303210, 185242, 120276, 0.78),
    JNT_ROWS(250, 200, 8, 4, 8, 8, 1069169, 538139, 303210, 185242, 120276, 0.78),
    JNT_ROWS(300, 200, 8, 4, 8, 8, 1069169, 538139, 303210, 185242, 120276, 0.78),
};

const Jnt_inf* fnd_jnt_(int dia, int dwn)
{
    for (const Jnt_inf& row : jnt_tbl)
        if (row.dia == dia && row.dwn == dwn)
            return &row;
    return nullptr;
}

char* get_cmd_()
{
    return cmd_line;
}

void keep_command_line(const char* line)
{
    copy_sjis(cmd_line, sizeof cmd_line, line);
}
