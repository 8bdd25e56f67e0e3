// Dunmere's entry unit: the entry itself, the command line it was started
// with and the cycle table of the Merrowflex sizes.
#ifndef DUNMERE_DUNMERE_H
#define DUNMERE_DUNMERE_H

#include <stddef.h>
#include <stdint.h>

// One row of the cycle table: a nominal diameter at one sink amount.
struct Jnt_inf {
    int32_t dia;      // nominal diameter in A; first key
    int32_t len;      // face-to-face length L in mm
    const char* flg;  // flange standard
    int32_t hld_cnt;  // holders
    int32_t rod_cnt;  // tie-rod bolts
    int32_t cus_cnt;  // cushion pieces
    int32_t wsh_cnt;  // washers
    int32_t max_tmp;  // maximum temperature in degrees Celsius
    double max_prs;   // maximum pressure in MPa
    int32_t dwn;      // sink of the pump base at pump start in mm; second key
    int32_t cyc;      // pump starts the coupling endures
};
static_assert(offsetof(Jnt_inf, flg) == 8, "pointer at natural alignment");
static_assert(offsetof(Jnt_inf, max_tmp) == 32, "counts after the flange text");
static_assert(offsetof(Jnt_inf, max_prs) == 40, "double at natural alignment");
static_assert(offsetof(Jnt_inf, dwn) == 48 && offsetof(Jnt_inf, cyc) == 52, "keys and cycles last");
static_assert(sizeof(Jnt_inf) == 56, "one row");

const int cycle_table_rows = 45;
extern const Jnt_inf jnt_tbl[cycle_table_rows];

// The row of that diameter and sink, or null.
const Jnt_inf* fnd_jnt_(int dia, int dwn);

// The program from start to end, as main runs it: the exit code.
int dunmere_main(int argc, char** argv);

// The command line as the program received it (at most 127 bytes).
char* get_cmd_();

// Keeps line as the command line: cut to 127 bytes when longer, never in the
// middle of a double-byte character.
void keep_command_line(const char* line);

#endif
