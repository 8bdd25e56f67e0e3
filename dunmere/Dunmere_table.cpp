// The cycle table: for every nominal diameter and sink amount the number of
// pump starts a Merrowflex endures, with the size's parts and limits.
#include "Dunmere.h"

#include <platform/charset.h>

namespace {
char command_line_buffer[128];
}  // namespace

// The five rows of one size: sink 1 to 5 mm, each with its cycle count.
// clang-format off
#define SIZE_ROWS(dia, length, holders, rods, cushions, washers, cycles1, cycles2, cycles3, cycles4, cycles5, pressure) \
    {dia, length, "JIS10K", holders, rods, cushions, washers, 120, pressure, 1, cycles1},                               \
    {dia, length, "JIS10K", holders, rods, cushions, washers, 120, pressure, 2, cycles2},                               \
    {dia, length, "JIS10K", holders, rods, cushions, washers, 120, pressure, 3, cycles3},                               \
    {dia, length, "JIS10K", holders, rods, cushions, washers, 120, pressure, 4, cycles4},                               \
    {dia, length, "JIS10K", holders, rods, cushions, washers, 120, pressure, 5, cycles5}

const Jnt_inf jnt_tbl[cycle_table_rows] = {
    SIZE_ROWS(50, 150, 4, 2, 4, 4, 472932, 232824, 129183, 78036, 50232, 0.98),
    SIZE_ROWS(65, 150, 4, 2, 4, 4, 442980, 209356, 112965, 66870, 42387, 0.98),
    SIZE_ROWS(80, 150, 6, 3, 6, 6, 560511, 258651, 137339, 80364, 50499, 0.98),
    SIZE_ROWS(100, 150, 6, 3, 6, 6, 560511, 258651, 137339, 80364, 50499, 0.98),
    SIZE_ROWS(125, 150, 6, 3, 6, 6, 667566, 276880, 137133, 76406, 46296, 0.98),
    SIZE_ROWS(150, 150, 6, 3, 6, 6, 648557, 264742, 129803, 71819, 43295, 0.98),
    SIZE_ROWS(200, 200, 8, 4, 8, 8, 1069169, 538139, 303210, 185242, 120276, 0.78),
    SIZE_ROWS(250, 200, 8, 4, 8, 8, 1069169, 538139, 303210, 185242, 120276, 0.78),
    SIZE_ROWS(300, 200, 8, 4, 8, 8, 1069169, 538139, 303210, 185242, 120276, 0.78),
};
// clang-format on
#undef SIZE_ROWS

const Jnt_inf* fnd_jnt_(int dia, int dwn)
{
    for (const Jnt_inf& row : jnt_tbl)
        if (row.dia == dia && row.dwn == dwn)
            return &row;
    return nullptr;
}

char* get_cmd_()
{
    return command_line_buffer;
}

void keep_command_line(const char* line)
{
    copy_sjis(command_line_buffer, sizeof command_line_buffer, line);
}
